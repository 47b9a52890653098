#pragma once

#include "ui/MessageBoxes.h"

#include <exception>
#include <utility>

// Runs one command of a window. A failure leaves the command, is shown in the
// error box and goes no further: no exception reaches Qt's event loop. What the
// command changed before the failure stays changed.
template <typename Command> void RunCommand(Command&& command)
{
    try {
        std::forward<Command>(command)();
    } catch (const std::exception& e) {
        ShowErrorBox(QString::fromUtf8(e.what()));
    } catch (...) {
        ShowErrorBox(QStringLiteral("Unknown error"));
    }
}
