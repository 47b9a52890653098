#pragma once

#include <QApplication>

#include <algorithm>
#include <vector>

#include <QFileDialog>
#include <QString>
#include <QTimer>
#include <QtGlobal>

#include <unistd.h>

#include <cstdio>
#include <fstream>

// What the window benchmarks share: the resident set, and the offscreen
// platform's warnings kept off the output.

inline double ResidentMiB()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The offscreen platform warns about every fixed-size window it shows.
inline void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains("propagateSizeHints"))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Before the application is made: the offscreen platform unless another is
// asked for, and its warnings kept off the output.
inline void UseOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
}

// Answers the next file dialog as a user would: chooses `file`, or cancels
// when it is empty. selectFile() leaves the name field alone while it has the
// focus, so the focus is taken off it first.
inline void AnswerNextFileDialog(const QString& file)
{
    QTimer::singleShot(0, [file] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            if (file.isEmpty()) {
                dialog->reject();
                return;
            }
            if (QWidget* focused = dialog->focusWidget())
                focused->clearFocus();
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    });
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// What the event loop does once a command has returned to it: posted events
// delivered, objects whose deletion was deferred deleted.
inline void ReturnToEventLoop()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
