// Every route a file takes into the program other than the file dialogs: a
// drop on the main window, the command line, the file manager and the recent
// files. A draw file opens as Open opens it, any other file is imported.
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
    openFileLater(fileName);
}

void TForm1::openFile(const QString& fileName)
{
    if (Main::IsDrawFileFormat(fileName.toStdString()))
        openDrawFile(fileName);
    else
        importFile(fileName);
}

void TForm1::openFileLater(const QString& fileName)
{
    QMetaObject::invokeMethod(
        this, [this, fileName] { RunCommand([this, &fileName] { openFile(fileName); }); }, Qt::QueuedConnection);
}
