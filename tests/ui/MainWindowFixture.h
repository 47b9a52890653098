#pragma once

#include "ModalDialogs.h"
#include "support/DrawFiles.h"

#include "ui/Main.h"

#include <QAbstractButton>
#include <QAction>
#include <QtTest>

#include <memory>

// A control of a window by its name; a missing one stops the test program.
template <typename T = QWidget> T* FindControl(const QObject* form, const QString& name)
{
    auto* found = form->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// A fresh main window for each test, and its controls pressed as a user would.
class MainWindowFixture {
protected:
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TestSupport::TempDir> dir;

    void setUp()
    {
        dir = std::make_unique<TestSupport::TempDir>();
        form = std::make_unique<TForm1>();
        Form1 = form.get();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void tearDown()
    {
        Form1 = nullptr;
        form.reset();
    }

    template <typename T = QWidget> T* widget(const QString& name) { return FindControl<T>(form.get(), name); }
    void click(const char* name)
    {
        auto* button = widget<QAbstractButton>(name);
        QVERIFY2(button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void trigger(const char* name)
    {
        auto* action = widget<QAction>(name);
        QVERIFY2(action->isEnabled(), name);
        action->trigger();
    }
    void open(const QString& fileName)
    {
        FileDialogAnswer answer(fileName);
        trigger("N2");
        QVERIFY(answer.answered());
    }
    // Open, "Создать пары" and "Статистика" on a file that loads without an error box.
    void runAll(const QString& fileName)
    {
        MessageBoxAnswer box;
        open(fileName);
        QVERIFY2(!box.seen.shown, qPrintable(box.seen.text));
        click("Button1");
        click("Button2");
    }
    QString file(const char* name, const std::string& bytes) { return QString::fromStdString(dir->write(name, bytes)); }
};
