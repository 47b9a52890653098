// The main window's controls, menu and focus order, as the window is designed.
#include "ui/Main.h"

#include "ui/CommandGuard.h"
#include "ui/RecentFiles.h"
#include "ui/ReportMenus.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/Gauge.h"
#include "ui/widgets/LabelText.h"
#include "ui/widgets/ScreenPlacement.h"
#include "ui/widgets/StringGrid.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

TForm1* Form1 = nullptr;

namespace {
// Milliseconds after the window is built that the first Open dialog is made.
constexpr int PrepareDialogDelay = 250;
} // namespace

namespace {

// The small grids of the extreme panels: two columns of pairs.
TStringGrid* MakePanelGrid(QWidget* parent, const QString& name, const QPoint& topLeft)
{
    return new TStringGrid(name, QRect(topLeft, QSize(74, 120)),
        { .colCount = 2, .rowCount = 5, .fixedCols = 0, .fixedRows = 0, .defaultColWidth = 25 }, parent);
}

} // namespace

TForm1::TForm1()
{
    setWindowTitle("VELDORAN 1.0");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(DesignFont("MS Sans Serif", 11));
    setBackgroundRole(QPalette::Button);
    setAcceptDrops(true);
    createControls();
    createMenu();
    setFocusOrder();
    setFixedSize(sizeHint());
    MoveOntoScreen(this, { 192, 107 });
    // Prepared once the window is up and the program idle, not during start-up.
    QTimer::singleShot(PrepareDialogDelay, this, &TForm1::prepareOpenDialog);
}

void TForm1::createControls()
{
    auto* client = new QWidget(this);
    client->setFixedSize(763, 480);
    setCentralWidget(client);

    Label5 = MakeLabel(client, "Label5", { 8, 8, 72, 13 }, "Лотерея типа:");
    StringGrid1 = new TStringGrid("StringGrid1", { 8, 24, 109, 433 },
        { .colCount = 3,
            .rowCount = 40,
            .fixedCols = 1,
            .fixedRows = 0,
            .defaultColWidth = 28,
            .defaultRowHeight = 20 },
        client);
    Label14 = MakeLabel(client, "Label14", { 8, 464, 54, 13 }, "Всего пар:");
    Button1 = MakeButton(client, "Button1", { 128, 24, 129, 25 }, "Создать пары", nullptr, true);
    Button2 = MakeButton(client, "Button2", { 128, 64, 129, 25 }, "Статистика", nullptr, false);

    GroupBox1 = new QGroupBox("Сортировать по признаку", client);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(120, 104, 145, 153);
    // The sort buttons sit in the group box; their places are given in window
    // coordinates, hence the offset.
    const QPoint box = GroupBox1->pos();
    Button3 = MakeButton(
        GroupBox1, "Button3", QRect(QPoint(128, 136) - box, QSize(129, 25)), "количества выпадений", nullptr, false);
    Button4 = MakeButton(
        GroupBox1, "Button4", QRect(QPoint(128, 176) - box, QSize(129, 25)), "последнего тиража", nullptr, false);
    Button5
        = MakeButton(GroupBox1, "Button5", QRect(QPoint(128, 216) - box, QSize(129, 25)), "пропуска", nullptr, false);

    Label13 = MakeLabel(client, "Label13", { 168, 296, 47, 13 }, "Процесс:");
    Gauge1 = new TGauge("Gauge1", { 136, 312, 113, 113 }, client);

    Label1 = MakeLabel(client, "Label1", { 328, 8, 110, 13 }, "Обработано тиражей:");
    StringGrid2 = new TStringGrid("StringGrid2", { 269, 24, 280, 433 },
        { .colCount = 4, .rowCount = 40, .fixedCols = 0, .fixedRows = 1 }, client);
    for (const auto& [col, width] : { std::pair { 0, 42 }, { 1, 64 }, { 2, 71 }, { 3, 72 } })
        StringGrid2->setColWidth(col, width);

    Label11 = MakeLabel(client, "Label11", { 592, 4, 121, 13 }, "Количество выпадений:");
    Label3 = MakeLabel(client, "Label3", { 552, 16, 73, 13 }, "минимальное:");
    Label4 = MakeLabel(client, "Label4", { 656, 16, 79, 13 }, "максимальное:");
    StringGrid3 = MakePanelGrid(client, "StringGrid3", { 568, 32 });
    StringGrid4 = MakePanelGrid(client, "StringGrid4", { 672, 32 });

    Label12 = MakeLabel(client, "Label12", { 600, 155, 95, 13 }, "Тираж выпадения:");
    Label6 = MakeLabel(client, "Label6", { 552, 168, 75, 13 }, "минимальный:");
    Label7 = MakeLabel(client, "Label7", { 656, 168, 78, 13 }, "максимальный");
    StringGrid5 = MakePanelGrid(client, "StringGrid5", { 568, 184 });
    StringGrid6 = MakePanelGrid(client, "StringGrid6", { 672, 184 });

    Label8 = MakeLabel(client, "Label8", { 592, 307, 118, 13 }, "Количество пропусков:");
    Label9 = MakeLabel(client, "Label9", { 552, 320, 79, 13 }, "максимальное:");
    Label10 = MakeLabel(client, "Label10", { 656, 320, 73, 13 }, "минимальное:");
    StringGrid7 = MakePanelGrid(client, "StringGrid7", { 568, 336 });
    StringGrid8 = MakePanelGrid(client, "StringGrid8", { 672, 336 });

    Label2 = MakeLabel(client, "Label2", { 576, 465, 163, 13 }, "VELDORAN © 2003");
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    SetLabelText(Label2, Label2->text());

    hitsToggle_ = { Button3, false, &Main::ByHits, "Кол-ва выпадений" };
    lastDrawToggle_ = { Button4, false, &Main::ByLastDraw, "последнего тираж" };
    gapToggle_ = { Button5, false, &Main::ByGap, "пропуска" };

    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
}

void TForm1::createMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");
    N1 = bar->addMenu("Файл");
    N1->setObjectName("N1");
    N2 = N1->addAction("Открыть", this, &TForm1::N2Click);
    N2->setObjectName("N2");
    N2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ImportAction = N1->addAction("Импорт…", this, &TForm1::ImportClick);
    ImportAction->setObjectName("ImportAction");
    ImportUrlAction = N1->addAction(tr("Импорт по адресу…"), this, &TForm1::ImportUrlClick);
    ImportUrlAction->setObjectName("ImportUrlAction");
    UpdateAction = N1->addAction(tr("Обновить историю"), this, &TForm1::UpdateClick);
    UpdateAction->setObjectName("UpdateAction");
    UpdateAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    UpdateAction->setEnabled(false);
    HistoriesAction = N1->addAction(tr("Истории…"), this, &TForm1::HistoriesClick);
    HistoriesAction->setObjectName("HistoriesAction");
    RecentFilesMenu = N1->addMenu("Недавние файлы");
    RecentFilesMenu->setObjectName("RecentFilesMenu");
    recentFiles_ = new TRecentFiles(
        RecentFilesMenu, [this](const QString& fileName) { RunCommand([this, &fileName] { openFile(fileName); }); });
    N3 = N1->addAction("Выход", this, &TForm1::N3Click);
    N3->setObjectName("N3");
    N3->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    N4 = bar->addMenu("Помощь");
    N4->setObjectName("N4");
    N5 = N4->addAction("О программе", this, &TForm1::N5Click);
    N5->setObjectName("N5");
    N6 = N4->addAction("Помощь", this, &TForm1::N6Click);
    N6->setObjectName("N6");
    N6->setShortcut(QKeySequence(Qt::Key_F1));
    reports_ = AddReportMenus(this, N4->menuAction());
}

void TForm1::setFocusOrder()
{
    QWidget* const order[] = { Button1, StringGrid1, Button2, StringGrid2, Button3, Button4, Button5, StringGrid3,
        StringGrid4, StringGrid5, StringGrid6, StringGrid7, StringGrid8 };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    Button1->setFocus();
}
