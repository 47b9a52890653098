#include "ui/history/HistoryBody.h"

#include "ui/history/BodyKind.h"
#include "ui/history/ZipHistory.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryFile>

#include <stdexcept>

namespace {

QByteArray Head(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QCoreApplication::translate("HistoryBody", "Не удалось открыть файл %1: %2")
                                     .arg(fileName, file.errorString())
                                     .toStdString());
    return file.read(SniffedBytes);
}

void RefuseWhatIsNotAHistory(const QByteArray& head, TBodySource source)
{
    const TBodyKind kind = SniffBody(head);
    if (kind == TBodyKind::Text || kind == TBodyKind::Zip)
        return;
    throw std::runtime_error(NotAHistoryMessage(kind, head, source).toStdString());
}

} // namespace

TReadableHistory ReadableHistory(const QString& fileName, TBodySource source, qint64 maxBytes)
{
    const QByteArray head = Head(fileName);
    if (SniffBody(head) != TBodyKind::Zip) {
        RefuseWhatIsNotAHistory(head, source);
        return { fileName, nullptr };
    }
    TUnpackedHistory unpacked = UnpackZipHistory(fileName, maxBytes);
    RefuseWhatIsNotAHistory(Head(unpacked.file->fileName()), source);
    return { unpacked.file->fileName(), unpacked.file };
}
