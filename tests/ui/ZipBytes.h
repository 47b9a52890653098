#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <archive.h>
#include <archive_entry.h>

#include <vector>

// A ZIP archive of the given files, deflated, made with libarchive.
inline QByteArray ZipBytes(const QList<QPair<QString, QByteArray>>& files)
{
    qsizetype total = 0;
    for (const auto& file : files)
        total += file.second.size();
    std::vector<char> buffer(size_t(total) * 2 + 64 * 1024);
    size_t used = 0;
    archive* writer = archive_write_new();
    archive_write_set_format_zip(writer);
    archive_write_open_memory(writer, buffer.data(), buffer.size(), &used);
    for (const auto& [name, bytes] : files) {
        archive_entry* entry = archive_entry_new();
        archive_entry_set_pathname(entry, name.toUtf8().constData());
        archive_entry_set_size(entry, bytes.size());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_write_header(writer, entry);
        archive_write_data(writer, bytes.constData(), size_t(bytes.size()));
        archive_entry_free(entry);
    }
    archive_write_close(writer);
    archive_write_free(writer);
    return QByteArray(buffer.data(), qsizetype(used));
}
