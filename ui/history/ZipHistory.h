#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

class QTemporaryFile;

// A history published as a ZIP archive of one delimited file (British
// Columbia's, France's FDJ), unpacked with libarchive into a temporary file
// that the import reads like any other.
struct TUnpackedHistory {
    std::shared_ptr<QTemporaryFile> file; // the delimited file, removed when the last copy goes
    QString entryName; // its name inside the archive
};

// Whether the file starts as a ZIP archive does.
bool IsZipFile(const QString& fileName);

// Unpacks the archive's one file. Folders and the resource files that macOS
// adds ("__MACOSX/", "._name") are passed over. Throws std::runtime_error with
// a Russian message when the archive cannot be read, holds no file or more
// than one, or its file is larger than `maxBytes`.
TUnpackedHistory UnpackZipHistory(const QString& fileName, qint64 maxBytes);
