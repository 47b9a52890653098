#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the next modal dialog of type Dialog that the code under test runs
// with exec(): polls QApplication::activeModalWidget() and hands the dialog to
// `answer`, which must close it. Dialogs of other types are left to other
// answers; one left unanswered for five seconds is rejected so that a failing
// test cannot hang.
template <typename Dialog> class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(Dialog*)> answer)
        : answer_(std::move(answer))
    {
        clock_.start();
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<Dialog*>(modal)) {
                timer_.stop();
                answered_ = true;
                answer_(dialog);
            } else if (modal && clock_.elapsed() > 5000) {
                if (auto* stuck = qobject_cast<QDialog*>(modal))
                    stuck->reject();
            }
        });
        timer_.start();
    }
    bool answered() const { return answered_; }

private:
    std::function<void(Dialog*)> answer_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool answered_ = false;
};

// What a message box showed before it was closed with its first button.
struct SeenMessage {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QStringList buttons;
};

class MessageBoxAnswer {
public:
    MessageBoxAnswer()
        : answer_([this](QMessageBox* box) {
            seen.shown = true;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.format = box->textFormat();
            for (QAbstractButton* button : box->buttons())
                seen.buttons << button->text();
            box->buttons().constFirst()->click();
        })
    {
    }
    SeenMessage seen;

private:
    ModalAnswer<QMessageBox> answer_;
};

// Accepts the next file dialog with `fileName`, or cancels it when fileName is
// empty; records the dialog's title and mode and the name it offered.
class FileDialogAnswer {
public:
    explicit FileDialogAnswer(const QString& fileName)
        : answer_([this, fileName](QFileDialog* dialog) {
            title = dialog->windowTitle();
            offered = dialog->selectedFiles().value(0);
            fileMode = dialog->fileMode();
            if (fileName.isEmpty()) {
                dialog->reject();
                return;
            }
            // selectFile() leaves the name field alone while it has the focus,
            // which it takes when the dialog is activated, sooner or later.
            if (QWidget* focused = dialog->focusWidget())
                focused->clearFocus();
            dialog->selectFile(fileName);
            QMetaObject::invokeMethod(dialog, "accept");
        })
    {
    }
    bool answered() const { return answer_.answered(); }
    QString title;
    QString offered;
    QFileDialog::FileMode fileMode = QFileDialog::ExistingFile;

private:
    ModalAnswer<QFileDialog> answer_;
};

// Answers the next modal dialog named `name`, leaving every other one alone.
class NamedDialogAnswer {
public:
    NamedDialogAnswer(const QString& name, std::function<void(QDialog*)> answer)
    {
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, [this, name, answer] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != name)
                return;
            timer_.stop();
            answered_ = true;
            answer(dialog);
            if (dialog->isVisible()) // a failed check inside `answer` must not hang the test
                dialog->reject();
        });
        timer_.start();
    }
    bool answered() const { return answered_; }

private:
    QTimer timer_;
    bool answered_ = false;
};
