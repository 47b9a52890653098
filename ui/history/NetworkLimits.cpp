#include "ui/history/NetworkLimits.h"

#include "ui/ProgramSettings.h"

#include <algorithm>

TNetworkLimits TNetworkLimits::FromSettings()
{
    const TProgramSettings settings;
    // A value that is not a positive number is taken as the default; a huge
    // one is cut to a day, a week, a gigabyte.
    const auto positive = [&settings](const char* key, double fallback, double most) {
        bool ok = false;
        const double value = settings.value(key).toDouble(&ok);
        return ok && value > 0 ? std::min(value, most) : fallback;
    };
    TNetworkLimits limits;
    limits.timeoutMs = std::max(1, int(positive("Network/TimeoutSeconds", 30, 24 * 3600) * 1000));
    limits.deadlineMs = std::max(1, int(positive("Network/DeadlineSeconds", 600, 7 * 24 * 3600) * 1000));
    limits.maxBytes = std::max<qint64>(1, qint64(positive("Network/MaxMegabytes", 50, 1024) * 1024 * 1024));
    return limits;
}

QString TNetworkLimits::Seconds(int ms)
{
    return QString::number(ms / 1000.0);
}

QString TNetworkLimits::Megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024 * 1024), 'g', 3);
}
