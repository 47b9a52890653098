#include "ui/RecentFiles.h"

#include "ui/ProgramSettings.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {
const QString Key = QStringLiteral("recentFiles");
}

TRecentFiles::TRecentFiles(QMenu* menu, std::function<void(const QString&)> open)
    : QObject(menu)
    , menu_(menu)
    , open_(std::move(open))
{
    rebuild();
}

QStringList TRecentFiles::files() const
{
    return TProgramSettings().value(Key).toStringList().mid(0, Kept);
}

void TRecentFiles::add(const QString& fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    TProgramSettings().setValue(Key, list.mid(0, Kept));
    rebuild();
}

void TRecentFiles::rebuild()
{
    menu_->clear();
    const QStringList list = files();
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list[i];
        // "&1 6-49.txt": the number is the item's key; the folder is in the tip.
        QAction* action
            = menu_->addAction(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName().replace("&", "&&")));
        action->setObjectName(QString("RecentFile%1").arg(i + 1));
        action->setToolTip(QDir::toNativeSeparators(path));
        action->setStatusTip(action->toolTip());
        connect(action, &QAction::triggered, this, [this, path] { open_(path); });
    }
    menu_->setEnabled(!list.isEmpty());
}
