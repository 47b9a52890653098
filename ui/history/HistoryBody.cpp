#include "ui/history/HistoryBody.h"

#include "ui/history/BodyKind.h"
#include "ui/history/ZipHistory.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryFile>

#include <optional>

#include <stdexcept>

namespace {

// The first bytes; none when the file cannot be read.
std::optional<QByteArray> Head(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(SniffedBytes);
}

void RefuseWhatIsNotAHistory(const QByteArray& head, TBodySource source)
{
    const TBodyKind kind = SniffBody(head);
    // An empty file of the player's own is the import's to report, as before.
    if (kind == TBodyKind::Text || kind == TBodyKind::Zip || (kind == TBodyKind::Empty && source == TBodySource::File))
        return;
    throw std::runtime_error(NotAHistoryMessage(kind, head, source).toStdString());
}

} // namespace

TReadableHistory ReadableHistory(const QString& fileName, TBodySource source, qint64 maxBytes)
{
    // A file that cannot be read is left to the import, which names why.
    const std::optional<QByteArray> head = Head(fileName);
    if (!head)
        return { fileName, nullptr };
    if (SniffBody(*head) != TBodyKind::Zip) {
        RefuseWhatIsNotAHistory(*head, source);
        return { fileName, nullptr };
    }
    TUnpackedHistory unpacked = UnpackZipHistory(fileName, maxBytes);
    RefuseWhatIsNotAHistory(Head(unpacked.file->fileName()).value_or(QByteArray()), source);
    return { unpacked.file->fileName(), unpacked.file };
}
