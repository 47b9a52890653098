#pragma once

// Helpers for testing a window in both languages: the language switched as a
// user switches it, and every text the window shows gathered and checked for
// the other language's letters.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

namespace LanguageCheck {

// Switches the program's language through the main window's "Язык / Language"
// menu: actionName is "RussianAction" or "EnglishAction".
inline void Choose(QWidget* mainWindow, const char* actionName)
{
    auto* action = mainWindow->findChild<QAction*>(actionName);
    QVERIFY2(action && action->isEnabled(), actionName);
    action->trigger();
    QCoreApplication::processEvents(); // windows not yet shown get the change posted
    QVERIFY(action->isChecked());
}

// One text a window shows, with where it is shown ("Button1: text").
struct TShownText {
    QString where;
    QString text;
};

class TTextCollector {
public:
    // Objects named in `skipped` are left out with everything in them (a
    // file's own contents, the language menu, which is in both languages).
    explicit TTextCollector(QStringList skipped)
        : skipped_(std::move(skipped))
    {
        skipped_ << "LanguageMenu";
    }

    // Item views: at most this many rows and columns of each model are read.
    int maxRows = 200;
    int maxColumns = 50;

    QList<TShownText> collect(QObject* root)
    {
        visit(root);
        return texts_;
    }

private:
    static QString nameOf(const QObject* object)
    {
        return object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                              : object->objectName();
    }
    void add(const QObject* object, const QString& what, const QString& text)
    {
        if (!text.trimmed().isEmpty())
            texts_.append({ nameOf(object) + " " + what, text });
    }
    void visitAction(QAction* action)
    {
        if (action->isSeparator() || skipped_.contains(action->objectName())
            || (action->menu() && skipped_.contains(action->menu()->objectName())))
            return;
        add(action, "text", action->text());
        add(action, "tool tip", action->toolTip());
        add(action, "status tip", action->statusTip());
        if (QMenu* menu = action->menu())
            visit(menu);
    }
    void visitModel(const QObject* view, const QAbstractItemModel* model)
    {
        if (!model)
            return;
        const int rows = std::min(model->rowCount(), maxRows);
        const int columns = std::min(model->columnCount(), maxColumns);
        for (int role : { int(Qt::DisplayRole), int(Qt::ToolTipRole) }) {
            for (int c = 0; c < columns; ++c)
                add(view, QString("header %1").arg(c), model->headerData(c, Qt::Horizontal, role).toString());
            for (int r = 0; r < rows; ++r) {
                add(view, QString("row header %1").arg(r), model->headerData(r, Qt::Vertical, role).toString());
                for (int c = 0; c < columns; ++c)
                    add(view, QString("cell %1,%2").arg(r).arg(c), model->index(r, c).data(role).toString());
            }
        }
    }
    void visitChart(const QObject* view, QChart* chart)
    {
        if (!chart)
            return;
        add(view, "chart title", chart->title());
        for (QAbstractAxis* axis : chart->axes())
            add(view, "axis title", axis->titleText());
        for (QLegendMarker* marker : chart->legend()->markers())
            add(view, "legend", marker->label());
        for (QAbstractSeries* series : chart->series())
            add(view, "series", series->name());
    }
    // What a file dialog shows of the file system (names, sizes, dates) is not
    // the program's text; its title, labels, buttons and places are.
    static bool showsFileSystem(const QObject* object)
    {
        static const QStringList views { "listView", "treeView", "lookInCombo", "fileNameEdit" };
        if (!views.contains(object->objectName()))
            return false;
        for (const QObject* parent = object->parent(); parent; parent = parent->parent())
            if (qobject_cast<const QFileDialog*>(parent))
                return true;
        return false;
    }
    void visit(QObject* object)
    {
        if (visited_.contains(object) || skipped_.contains(object->objectName()) || showsFileSystem(object))
            return;
        visited_.insert(object);
        if (auto* widget = qobject_cast<QWidget*>(object)) {
            if (widget->isWindow())
                add(widget, "title", widget->windowTitle());
            add(widget, "tool tip", widget->toolTip());
            add(widget, "status tip", widget->statusTip());
            add(widget, "what's this", widget->whatsThis());
            if (!qobject_cast<QMenu*>(widget) && !qobject_cast<QMenuBar*>(widget))
                for (QAction* action : widget->actions())
                    visitAction(action);
        }
        if (auto* label = qobject_cast<QLabel*>(object))
            add(label, "text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(object))
            add(button, "text", button->text());
        if (auto* box = qobject_cast<QGroupBox*>(object))
            add(box, "title", box->title());
        if (auto* menu = qobject_cast<QMenu*>(object)) {
            add(menu, "title", menu->title());
            for (QAction* action : menu->actions())
                visitAction(action);
        }
        if (auto* bar = qobject_cast<QMenuBar*>(object))
            for (QAction* action : bar->actions())
                visitAction(action);
        if (auto* combo = qobject_cast<QComboBox*>(object))
            for (int i = 0; i < combo->count(); ++i)
                add(combo, QString("item %1").arg(i), combo->itemText(i));
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(object))
            add(spin, "special value", spin->specialValueText());
        if (auto* spin = qobject_cast<QSpinBox*>(object)) {
            add(spin, "prefix", spin->prefix());
            add(spin, "suffix", spin->suffix());
        }
        if (auto* spin = qobject_cast<QDoubleSpinBox*>(object)) {
            add(spin, "prefix", spin->prefix());
            add(spin, "suffix", spin->suffix());
        }
        if (auto* edit = qobject_cast<QLineEdit*>(object)) {
            add(edit, "text", edit->text());
            add(edit, "placeholder", edit->placeholderText());
        }
        if (auto* edit = qobject_cast<QPlainTextEdit*>(object)) {
            add(edit, "text", edit->toPlainText());
            add(edit, "placeholder", edit->placeholderText());
        }
        if (auto* edit = qobject_cast<QTextEdit*>(object)) {
            add(edit, "text", edit->toPlainText());
            add(edit, "placeholder", edit->placeholderText());
        }
        if (auto* tabs = qobject_cast<QTabBar*>(object))
            for (int i = 0; i < tabs->count(); ++i) {
                add(tabs, QString("tab %1").arg(i), tabs->tabText(i));
                add(tabs, QString("tab tip %1").arg(i), tabs->tabToolTip(i));
            }
        if (auto* bar = qobject_cast<QProgressBar*>(object))
            add(bar, "text", bar->text());
        // A header view reads its owner's model, which the owner's visit reads.
        if (auto* view = qobject_cast<QAbstractItemView*>(object); view && !qobject_cast<QHeaderView*>(view))
            visitModel(view, view->model());
        if (auto* chartView = qobject_cast<QChartView*>(object))
            visitChart(chartView, chartView->chart());
        for (QObject* child : object->children())
            visit(child);
    }

    QStringList skipped_;
    QSet<const QObject*> visited_;
    QList<TShownText> texts_;
};

// Every text shown by `root` and everything in it (hidden controls too).
inline QList<TShownText> ShownTexts(QObject* root, const QStringList& skipped = {})
{
    return TTextCollector(skipped).collect(root);
}

inline bool HasCyrillic(const QString& text)
{
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    return text.contains(cyrillic);
}

// The texts of `root` with a Cyrillic letter, one "where: text" each; empty
// when the window is wholly English.
inline QStringList CyrillicTexts(QObject* root, const QStringList& skipped = {})
{
    QStringList found;
    for (const TShownText& shown : ShownTexts(root, skipped))
        if (HasCyrillic(shown.text))
            found << shown.where + ": " + shown.text;
    return found;
}

// The texts of `root` with a Latin word that is not one of `allowed` (names
// such as "VELDORAN", "OK", "CSV"), one "where: text" each; empty when the
// window is wholly Russian.
inline QStringList LatinTexts(QObject* root, const QStringList& allowed, const QStringList& skipped = {})
{
    static const QRegularExpression word(QStringLiteral("[A-Za-z]+"));
    QStringList found;
    for (const TShownText& shown : ShownTexts(root, skipped)) {
        auto words = word.globalMatch(shown.text);
        while (words.hasNext())
            if (!allowed.contains(words.next().captured(0))) {
                found << shown.where + ": " + shown.text;
                break;
            }
    }
    return found;
}

} // namespace LanguageCheck
