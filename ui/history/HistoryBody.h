#pragma once

#include "ui/history/BodyKind.h"

#include <QString>
#include <QtGlobal>

#include <memory>

class QTemporaryFile;

// A fetched or chosen file as the import can read it: a ZIP of one delimited
// file unpacked into a temporary file, a web page, XML or JSON refused before
// anyone tries to read it as a history.
struct TReadableHistory {
    QString fileName; // the delimited text; valid while `file` lives
    std::shared_ptr<QTemporaryFile> file; // the unpacked file, when it is one
};

// Throws std::runtime_error with a Russian message, worded for where the body
// came from, when it is empty, not a history or a ZIP that cannot be unpacked
// (see UnpackZipHistory, `maxBytes` included).
TReadableHistory ReadableHistory(const QString& fileName, TBodySource source, qint64 maxBytes);
