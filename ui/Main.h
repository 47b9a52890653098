#pragma once

#include "analysis/Analysis.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class TGauge;
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
    // answered; on failure nothing changes.
    void importDrawHistory(const QString& fileName, const Main::TImportLayout& layout, int32_t lastDraws);

    // The row of the central table that shows the pair, in whatever order the
    // table is now, becomes its current row.
    void selectPairRow(int32_t first, int32_t second);

    // The import dialog for a history read from `readFile` that came from
    // `source` (a file path, or an address it was downloaded from), then the
    // import it was answered with. The file read may be a download or a file
    // unpacked from a ZIP; the player sees the source's name.
    void importHistory(const QString& readFile, const QString& source);

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

protected:
    // One local file dropped on the window is opened as if chosen in the dialog.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    struct TExtremePanel {
        Main::TMeasure measure;
        QLabel* minLabel;
        QString minPrefix;
        TStringGrid* minGrid;
        QLabel* maxLabel;
        QString maxPrefix;
        TStringGrid* maxGrid;
    };
    struct TSortToggle {
        QPushButton* button;
        bool sorted;
        const Main::TStatTable* ranked;
        QString undoCaption;
    };

    void prepareOpenDialog();
    void startNewFile(const QString& fileName);
    void showLotteryType(); // "Лотерея типа: K из M" from the header values
    void createControls();
    void createMenu();
    void setFocusOrder();
    bool refuseWithoutFile();
    void fillCentralTable(const Main::TStatTable& source);
    void showExtremes(const TExtremePanel& panel);
    void toggleSort(TSortToggle& toggle);

    bool fileLoaded_ = false;
    QString lastFileName_;
    QPointer<TReusedFileDialog> openDialog_;
    QPointer<TReusedFileDialog> importFileDialog_;
    TRecentFiles* recentFiles_ = nullptr;
    TReportWindows* reports_ = nullptr; // the "Анализ" and "Билеты" windows

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
    QMenu* RecentFilesMenu;

    TSortToggle hitsToggle_ {};
    TSortToggle lastDrawToggle_ {};
    TSortToggle gapToggle_ {};
};

extern TForm1* Form1;
