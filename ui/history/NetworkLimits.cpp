#include "ui/history/NetworkLimits.h"

#include "ui/ProgramSettings.h"

#include <algorithm>

TNetworkLimits TNetworkLimits::FromSettings()
{
    const TProgramSettings settings;
    TNetworkLimits limits;
    // A value that is not a positive number is taken as the default.
    const auto positive = [&settings](const char* key, qint64 fallback) {
        bool ok = false;
        const qint64 value = settings.value(key).toLongLong(&ok);
        return ok && value > 0 ? value : fallback;
    };
    limits.timeoutSeconds = int(std::min<qint64>(positive("Network/TimeoutSeconds", 30), 24 * 3600));
    limits.deadlineSeconds = int(std::min<qint64>(positive("Network/DeadlineSeconds", 600), 7 * 24 * 3600));
    limits.maxBytes = std::min<qint64>(positive("Network/MaxMegabytes", 50), 1024 * 1024) * 1024 * 1024;
    return limits;
}
