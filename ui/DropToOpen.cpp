// Opening a draw file by dropping it on the main window, or later from the
// command line.
#include "ui/Main.h"

#include "ui/CommandGuard.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace {

// The file of a drop that holds exactly one local file; empty otherwise.
QString DroppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile())
        return {};
    return data->urls().constFirst().toLocalFile();
}

} // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (isEnabled() && !DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QString fileName = DroppedFile(event->mimeData());
    if (!isEnabled() || fileName.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Opened once the drag is over, so that an error box does not hold up the
    // application the file came from.
    openDrawFileLater(fileName);
}

void TForm1::openDrawFileLater(const QString& fileName)
{
    QMetaObject::invokeMethod(
        this, [this, fileName] { RunCommand([this, &fileName] { openDrawFile(fileName); }); }, Qt::QueuedConnection);
}
