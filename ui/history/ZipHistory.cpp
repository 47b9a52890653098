#include "ui/history/ZipHistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <archive.h>
#include <archive_entry.h>

#include <stdexcept>

namespace {

[[noreturn]] void Fail(const QString& message)
{
    throw std::runtime_error(message.toStdString());
}

struct TArchiveCloser {
    void operator()(archive* a) const { archive_read_free(a); }
};

bool IsMacResource(const QString& path)
{
    return path.startsWith("__MACOSX/") || QFileInfo(path).fileName().startsWith("._");
}

} // namespace

bool IsZipFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(4);
    return head == "PK\x03\x04" || head == "PK\x05\x06";
}

TUnpackedHistory UnpackZipHistory(const QString& fileName, qint64 maxBytes)
{
    std::unique_ptr<archive, TArchiveCloser> reader(archive_read_new());
    if (!reader)
        Fail(QCoreApplication::translate("ZipHistory", "Недостаточно памяти для распаковки архива"));
    archive_read_support_format_zip(reader.get());
    const QByteArray path = QFile::encodeName(fileName);
    const auto archiveError = [&reader] {
        return QCoreApplication::translate("ZipHistory", "Не удалось распаковать архив ZIP: %1")
            .arg(QString::fromLocal8Bit(archive_error_string(reader.get())));
    };
    if (archive_read_open_filename(reader.get(), path.constData(), 64 * 1024) != ARCHIVE_OK)
        Fail(archiveError());

    TUnpackedHistory unpacked;
    archive_entry* entry = nullptr;
    for (;;) {
        const int status = archive_read_next_header(reader.get(), &entry);
        if (status == ARCHIVE_EOF)
            break;
        if (status < ARCHIVE_WARN)
            Fail(archiveError());
        const QString name = QString::fromUtf8(
            archive_entry_pathname_utf8(entry) ? archive_entry_pathname_utf8(entry) : archive_entry_pathname(entry));
        if (archive_entry_filetype(entry) != AE_IFREG || IsMacResource(name)) {
            archive_read_data_skip(reader.get());
            continue;
        }
        if (unpacked.file)
            Fail(QCoreApplication::translate(
                "ZipHistory", "В архиве ZIP больше одного файла (%1, %2); история должна быть в нём одна")
                     .arg(unpacked.entryName, name));

        unpacked.entryName = name;
        unpacked.file = std::make_shared<QTemporaryFile>(QDir::temp().filePath("veldoran-XXXXXX.csv"));
        if (!unpacked.file->open())
            Fail(QCoreApplication::translate("ZipHistory", "Не удалось создать временный файл: %1")
                     .arg(unpacked.file->errorString()));
        qint64 written = 0;
        char buffer[64 * 1024];
        for (;;) {
            const la_ssize_t got = archive_read_data(reader.get(), buffer, sizeof buffer);
            if (got == 0)
                break;
            if (got < 0)
                Fail(archiveError());
            written += got;
            if (written > maxBytes)
                Fail(QCoreApplication::translate("ZipHistory", "Файл в архиве ZIP больше %1 МБ")
                         .arg(maxBytes / (1024 * 1024)));
            if (unpacked.file->write(buffer, got) != got)
                Fail(QCoreApplication::translate("ZipHistory", "Не удалось записать временный файл: %1")
                         .arg(unpacked.file->errorString()));
        }
    }
    if (!unpacked.file)
        Fail(QCoreApplication::translate("ZipHistory", "В архиве ZIP нет ни одного файла"));
    if (!unpacked.file->flush())
        Fail(QCoreApplication::translate("ZipHistory", "Не удалось записать временный файл: %1")
                 .arg(unpacked.file->errorString()));
    unpacked.file->close();
    return unpacked;
}
