#pragma once

#include <QString>
#include <QtGlobal>

// How long and how large a download may be, from the program's settings:
// Network/TimeoutSeconds (30): the longest wait for a byte, before the answer
// and between its parts; Network/DeadlineSeconds (600): the whole download,
// redirects included; Network/MaxMegabytes (50): the largest body accepted,
// and the largest file unpacked from a ZIP. Fractions are taken ("0.5").
struct TNetworkLimits {
    int timeoutMs = 30 * 1000;
    int deadlineMs = 600 * 1000;
    qint64 maxBytes = 50LL * 1024 * 1024;
    int maxRedirects = 10;

    static TNetworkLimits FromSettings();
    // For messages: "30", "0.5"; "50", "1.5".
    static QString Seconds(int ms);
    static QString Megabytes(qint64 bytes);
};
