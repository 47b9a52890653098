#pragma once

#include <QString>

// The text of a help file for showing: UTF-8 when the file is valid UTF-8 and
// Windows-1251 otherwise, every line end (CR LF, lone CR, lone LF) one line
// break, and a zero byte ending the text. EInOutError "Cannot open file "<full
// path>". <the system's reason>" when the file cannot be read.
QString ReadHelpText(const QString& fileName);
