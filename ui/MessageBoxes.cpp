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

// The box belongs to no window, so that no window going away while it is open
// (a file dialog after its answer, say) can take the box with it. It is
// application-modal and stands in the middle of the screen.
void RunMessageBox(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::NoButton);
    box.setWindowModality(Qt::ApplicationModal);
    box.setTextFormat(Qt::PlainText); // a file's text in a message is never markup
    box.setDefaultButton(box.addButton("OK", QMessageBox::AcceptRole));
    box.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        box.move(screen->availableGeometry().center() - box.rect().center());
    box.exec();
}

} // namespace

void ShowMessage(const QString& text)
{
    RunMessageBox(QMessageBox::NoIcon, text);
}

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QChar('.'))
        return message + '.';
    return message;
}

void ShowErrorBox(const QString& message)
{
    RunMessageBox(QMessageBox::Critical, ErrorBoxText(message));
}
