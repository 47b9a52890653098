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
// came from, when it is not a history, a download is empty, or a ZIP cannot be
// unpacked (see UnpackZipHistory, `maxBytes` included). A file that cannot be
// opened, and an empty file of the player's, are handed on for the import to
// report as it always has.
TReadableHistory ReadableHistory(const QString& fileName, TBodySource source, qint64 maxBytes);
