#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

QString ApplicationTitleOf(const QString& executablePath)
{
    QString name = QFileInfo(executablePath).fileName();
    name = name.left(name.indexOf('.'));
    return name.left(1) + name.mid(1).toLower();
}

QString ApplicationTitle()
{
    return ApplicationTitleOf(QCoreApplication::applicationFilePath());
}

namespace {

void RunMessageBox(QMessageBox::Icon icon, const QString& text, bool centreOnScreen)
{
    QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::NoButton, QApplication::activeWindow());
    box.setDefaultButton(box.addButton("OK", QMessageBox::AcceptRole));
    if (centreOnScreen) {
        box.adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            box.move(screen->availableGeometry().center() - box.rect().center());
    }
    box.exec();
}

} // namespace

void ShowMessage(const QString& text)
{
    RunMessageBox(QMessageBox::NoIcon, text, true);
}

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar('.'))
        return message + '.';
    return message;
}

void ShowErrorBox(const QString& message)
{
    RunMessageBox(QMessageBox::Critical, ErrorBoxText(message), false);
}
