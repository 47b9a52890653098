#pragma once

#include <QString>

class QWidget;

// The program's title in every message: the running executable's file name
// without its folder, cut at its first full stop, every letter after the first
// in lower case (".../VELDORAN.EXE" gives "Veldoran", ".../veldoran" gives "veldoran").
QString ApplicationTitle();
QString ApplicationTitleOf(const QString& executablePath);

// A plain message: modal, centred on the screen, no icon, one "OK" button.
void ShowMessage(const QString& text);

// The error box for a failed command: modal, centred on the screen, stop icon,
// one "OK" button. A
// message ending in a character that sorts after the full stop gets one.
void ShowErrorBox(const QString& message);
QString ErrorBoxText(const QString& message);
