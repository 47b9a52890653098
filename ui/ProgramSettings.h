#pragma once

#include <QSettings>

// The program's own settings: remembered import layouts and recent files, in
// an INI file of the user's configuration folder. Tests point that folder at
// a scratch one with QSettings::setPath.
class TProgramSettings : public QSettings {
public:
    TProgramSettings()
        : QSettings(QSettings::IniFormat, QSettings::UserScope, "veldoran", "veldoran")
    {
    }
};
