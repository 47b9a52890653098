#pragma once

#include "analysis/Analysis.h"
#include "ui/language/StateTexts.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class TGauge;
class THistoriesWindow;
struct THistoryFetchResult;
class TReusedFileDialog;
class TRecentFiles;
class TReportWindows;
class TStringGrid;

// The main window: the menu, the commands, the pair list, the central
// statistics table, the three extreme panels and the progress indicator.
// It shows the analysis tables of namespace Main and keeps no copy of them.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    TForm1();

    // Opens a draw file as the Open command does once its dialog is answered.
    void openDrawFile(const QString& fileName);

    // Opens any file as a user hands it over (named on the command line,
    // from the file manager, dropped, from "Недавние файлы"): a draw file as
    // Open does, any other file through the import dialog.
    void openFile(const QString& fileName);
    // The same once the event loop is running.
    void openFileLater(const QString& fileName);

    // Proposes how to read a delimited history (a layout remembered for files
    // of its shape first), shows the import dialog and imports what it says.
    void importFile(const QString& fileName);

    // Imports a delimited history as "Импорт…" does once its dialogs are
    // answered, with the file's full path as its source; see importAndStore.
    void importDrawHistory(const QString& fileName, const Main::TImportLayout& layout, int32_t lastDraws);

    // Reads every draw of the delimited history `fileName` with the layout and
    // keeps them in the store of histories with `source` (a file's full path
    // or an http(s) address), the layout and, from a download (`fetched`, may
    // be null), its ETag and Last-Modified: a history already stored for the
    // same source and layout gets the draws it lacks, as an update adds them;
    // otherwise a new one is stored. Then the tables are loaded from the
    // stored history's most recent `lastDraws` draws, the window is left as
    // after "Импорт…" and "Обновить историю" updates that history. On any
    // failure (the file, the layout, the store) nothing changes: tables,
    // window and store are as they were, and the exception goes on.
    void importAndStore(const QString& fileName, const QString& source, const Main::TImportLayout& layout,
        int32_t lastDraws, const THistoryFetchResult* fetched = nullptr);

    // Loads a stored history's most recent draws into the tables as the import
    // does and makes it the one "Обновить историю" updates.
    void openStoredHistory(qint64 id);
    // The stored history the tables were loaded from; 0 when they were not.
    qint64 storedHistory() const { return storedHistory_; }

    // The row of the central table that shows the pair, in whatever order the
    // table is now, becomes its current row.
    void selectPairRow(int32_t first, int32_t second);

    // The import dialog for a history read from `readFile` that came from
    // `source` (a file path, or an address it was downloaded from), then the
    // import it was answered with. The file read may be a download or a file
    // unpacked from a ZIP; the player sees the source's name. The history is
    // kept in the store with `fetched`'s validators (see importAndStore).
    void importHistory(const QString& readFile, const QString& source, const THistoryFetchResult* fetched = nullptr);

public slots:
    void N2Click(); // Файл → Открыть
    void N3Click(); // Файл → Выход
    void N5Click(); // Помощь → О программе
    void N6Click(); // Помощь → Помощь
    void Button1Click(); // Создать пары
    void Button2Click(); // Статистика
    void Button3Click(); // sort by hits, or undo
    void Button4Click(); // sort by last draw, or undo
    void Button5Click(); // sort by gap, or undo
    void ImportClick(); // Файл → Импорт…
    void ImportUrlClick(); // Файл → Импорт по адресу…
    void UpdateClick(); // Файл → Обновить историю
    void HistoriesClick(); // Файл → Истории…

protected:
    void changeEvent(QEvent* event) override;
    // One local file dropped on the window is opened as if chosen in the dialog.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct TExtremePanel {
        Main::TMeasure measure;
        QLabel* minLabel;
        const char* minPrefix; // marked with QT_TR_NOOP
        TStringGrid* minGrid;
        QLabel* maxLabel;
        const char* maxPrefix;
        TStringGrid* maxGrid;
    };
    struct TSortToggle {
        QPushButton* button;
        bool sorted;
        const Main::TStatTable* ranked;
        const char* undoCaption; // marked with QT_TR_NOOP
    };

    void prepareOpenDialog();
    void startNewFile(const QString& fileName);
    void showLotteryType(); // "Лотерея типа: K из M" from the header values
    void createControls();
    void createMenu();
    // Every text of the window in the current language: made once here, and
    // again on each change of language.
    void retranslate();
    void showCentralHeaders();
    void setFocusOrder();
    bool refuseWithoutFile();
    void fillCentralTable(const Main::TStatTable& source);
    void showExtremes(const TExtremePanel& panel);
    void toggleSort(TSortToggle& toggle);
    void showStoredHistory(qint64 id, const QString& source);
    void updateHistory(qint64 id);

    bool fileLoaded_ = false;
    bool centralFilled_ = false; // the central table's header row is shown
    TStateTexts texts_; // the labels and buttons whose texts follow what is shown
    QString lastFileName_;
    QPointer<TReusedFileDialog> openDialog_;
    QPointer<TReusedFileDialog> importFileDialog_;
    TRecentFiles* recentFiles_ = nullptr;
    TReportWindows* reports_ = nullptr; // the "Анализ" and "Билеты" windows
    QPointer<THistoriesWindow> historiesWindow_;
    qint64 storedHistory_ = 0;
    qint64 relayoutHistory_ = 0; // while an update reads its source with a new layout: the history updated

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QLabel* Label10;
    QLabel* Label11;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Label14;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button5;
    QGroupBox* GroupBox1;
    TStringGrid* StringGrid1;
    TStringGrid* StringGrid2;
    TStringGrid* StringGrid3;
    TStringGrid* StringGrid4;
    TStringGrid* StringGrid5;
    TStringGrid* StringGrid6;
    TStringGrid* StringGrid7;
    TStringGrid* StringGrid8;
    TGauge* Gauge1;
    QMenu* N1;
    QAction* N2;
    QAction* N3;
    QMenu* N4;
    QAction* N5;
    QAction* N6;
    QAction* ImportAction;
    QAction* ImportUrlAction;
    QAction* UpdateAction;
    QAction* HistoriesAction;
    QMenu* RecentFilesMenu;

    TSortToggle hitsToggle_ {};
    TSortToggle lastDrawToggle_ {};
    TSortToggle gapToggle_ {};
};

extern TForm1* Form1;
