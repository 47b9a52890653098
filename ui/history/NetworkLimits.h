#pragma once

#include <QtGlobal>

// How long and how large a download may be, from the program's settings:
// Network/TimeoutSeconds (30): the longest wait for a byte, before the answer
// and between its parts; Network/DeadlineSeconds (600): the whole download,
// redirects included; Network/MaxMegabytes (50): the largest body accepted,
// and the largest file unpacked from a ZIP.
struct TNetworkLimits {
    int timeoutSeconds = 30;
    int deadlineSeconds = 600;
    qint64 maxBytes = 50LL * 1024 * 1024;
    int maxRedirects = 10;

    static TNetworkLimits FromSettings();
};
