#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The windows that the menus open beside the main window's own commands. Each
// is made the first time its command runs and shown in front after that; the
// windows that count from the statistics wait, with their commands disabled,
// between a new file and its "Статистика", and count again after it. Menu
// titles and command texts are kept untranslated so that a change of language
// sets them again.
class TReportWindows : public QObject {
    Q_OBJECT

public:
    enum class TNeeds { Nothing, Statistics };

    struct TReport {
        const char* actionName; // the command's objectName
        const char* text; // the command's text, as marked with QT_TRANSLATE_NOOP("TReportWindows", …)
        TNeeds needs = TNeeds::Statistics;
        std::function<QWidget*()> make; // the window, made on first use
        std::function<void(QWidget*)> opened; // each time the command shows it; may be empty
        std::function<void(QWidget*)> follow; // after each new "Статистика"; may be empty
    };

    explicit TReportWindows(QObject* parent);

    // A menu of the menu bar, before `before` (appended when null).
    QMenu* addMenu(QMenuBar* bar, QAction* before, const char* objectName, const char* title);
    QAction* add(QMenu* menu, TReport report);

    // Enables the commands that need the statistics, and lets their windows
    // wait or count again.
    void setStatisticsReady(bool ready);

    // Menu titles and command texts in the current language.
    void retranslate();

private:
    struct TEntry {
        TReport report;
        QAction* action;
        QPointer<QWidget> window;
    };
    struct TMenuTitle {
        QMenu* menu;
        const char* title;
    };

    void open(TEntry& entry);

    std::vector<TEntry> entries_;
    std::vector<TMenuTitle> menus_;
    bool statisticsReady_ = false;
};

// A report of a window class: `opened` and `follow` are its member functions
// (or null), and `make` returns the new window.
template <typename Window, typename Make>
TReportWindows::TReport MakeReport(const char* actionName, const char* text, TReportWindows::TNeeds needs, Make make,
    void (Window::*opened)() = nullptr, void (Window::*follow)() = nullptr)
{
    const auto call = [](void (Window::*member)()) -> std::function<void(QWidget*)> {
        if (!member)
            return {};
        return [member](QWidget* window) { (static_cast<Window*>(window)->*member)(); };
    };
    return { actionName, text, needs, [make] { return static_cast<QWidget*>(make()); }, call(opened), call(follow) };
}
