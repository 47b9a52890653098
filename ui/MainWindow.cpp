// The main window's controls, menu and focus order, as the window is designed.
#include "ui/Main.h"

#include "ui/CommandGuard.h"
#include "ui/RecentFiles.h"
#include "ui/ReportMenus.h"
#include "ui/ReportWindows.h"
#include "ui/language/Language.h"
#include "ui/language/LanguageMenu.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/Gauge.h"
#include "ui/widgets/LabelText.h"
#include "ui/widgets/ScreenPlacement.h"
#include "ui/widgets/StringGrid.h"

#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "ui/widgets/ReusedFileDialog.h"

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
    // A program that makes its windows itself gets the language chosen, or the locale's.
    ApplyStartLanguage();
    setWindowTitle("VELDORAN 1.0");
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(DesignFont("MS Sans Serif", 11));
    setBackgroundRole(QPalette::Button);
    setAcceptDrops(true);
    createControls();
    createMenu();
    setFocusOrder();
    retranslate();
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

    Label5 = MakeLabel(client, "Label5", { 8, 8, 72, 13 }, {});
    StringGrid1 = new TStringGrid("StringGrid1", { 8, 24, 109, 433 },
        { .colCount = 3,
            .rowCount = 40,
            .fixedCols = 1,
            .fixedRows = 0,
            .defaultColWidth = 28,
            .defaultRowHeight = 20 },
        client);
    Label14 = MakeLabel(client, "Label14", { 8, 464, 54, 13 }, {});
    Button1 = MakeButton(client, "Button1", { 128, 24, 129, 25 }, {}, nullptr, true);
    Button2 = MakeButton(client, "Button2", { 128, 64, 129, 25 }, {}, nullptr, false);

    GroupBox1 = new QGroupBox(client);
    GroupBox1->setObjectName("GroupBox1");
    GroupBox1->setGeometry(120, 104, 145, 153);
    // The sort buttons sit in the group box; their places are given in window
    // coordinates, hence the offset.
    const QPoint box = GroupBox1->pos();
    Button3 = MakeButton(GroupBox1, "Button3", QRect(QPoint(128, 136) - box, QSize(129, 25)), {}, nullptr, false);
    Button4 = MakeButton(GroupBox1, "Button4", QRect(QPoint(128, 176) - box, QSize(129, 25)), {}, nullptr, false);
    Button5 = MakeButton(GroupBox1, "Button5", QRect(QPoint(128, 216) - box, QSize(129, 25)), {}, nullptr, false);

    Label13 = MakeLabel(client, "Label13", { 168, 296, 47, 13 }, {});
    Gauge1 = new TGauge("Gauge1", { 136, 312, 113, 113 }, client);

    Label1 = MakeLabel(client, "Label1", { 328, 8, 110, 13 }, {});
    StringGrid2 = new TStringGrid("StringGrid2", { 269, 24, 280, 433 },
        { .colCount = 4, .rowCount = 40, .fixedCols = 0, .fixedRows = 1 }, client);
    for (const auto& [col, width] : { std::pair { 0, 42 }, { 1, 64 }, { 2, 71 }, { 3, 72 } })
        StringGrid2->setColWidth(col, width);

    Label11 = MakeLabel(client, "Label11", { 592, 4, 121, 13 }, {});
    Label3 = MakeLabel(client, "Label3", { 552, 16, 73, 13 }, {});
    Label4 = MakeLabel(client, "Label4", { 656, 16, 79, 13 }, {});
    StringGrid3 = MakePanelGrid(client, "StringGrid3", { 568, 32 });
    StringGrid4 = MakePanelGrid(client, "StringGrid4", { 672, 32 });

    Label12 = MakeLabel(client, "Label12", { 600, 155, 95, 13 }, {});
    Label6 = MakeLabel(client, "Label6", { 552, 168, 75, 13 }, {});
    Label7 = MakeLabel(client, "Label7", { 656, 168, 78, 13 }, {});
    StringGrid5 = MakePanelGrid(client, "StringGrid5", { 568, 184 });
    StringGrid6 = MakePanelGrid(client, "StringGrid6", { 672, 184 });

    Label8 = MakeLabel(client, "Label8", { 592, 307, 118, 13 }, {});
    Label9 = MakeLabel(client, "Label9", { 552, 320, 79, 13 }, {});
    Label10 = MakeLabel(client, "Label10", { 656, 320, 73, 13 }, {});
    StringGrid7 = MakePanelGrid(client, "StringGrid7", { 568, 336 });
    StringGrid8 = MakePanelGrid(client, "StringGrid8", { 672, 336 });

    Label2 = MakeLabel(client, "Label2", { 576, 465, 163, 13 }, "VELDORAN © 2003");
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    SetLabelText(Label2, Label2->text());

    hitsToggle_ = { Button3, false, &Main::ByHits, QT_TR_NOOP("Кол-ва выпадений") };
    lastDrawToggle_ = { Button4, false, &Main::ByLastDraw, QT_TR_NOOP("последнего тираж") };
    gapToggle_ = { Button5, false, &Main::ByGap, QT_TR_NOOP("пропуска") };

    // The texts as the window first shows them; each changes with what is shown.
    texts_.set(Label5, [] { return tr("Лотерея типа:"); });
    texts_.set(Label14, [] { return tr("Всего пар:"); });
    texts_.set(Label1, [] { return tr("Обработано тиражей:"); });
    texts_.set(Label3, [] { return tr("минимальное:"); });
    texts_.set(Label4, [] { return tr("максимальное:"); });
    texts_.set(Label6, [] { return tr("минимальный:"); });
    texts_.set(Label7, [] { return tr("максимальный"); });
    texts_.set(Label9, [] { return tr("максимальное:"); });
    texts_.set(Label10, [] { return tr("минимальное:"); });
    texts_.set(Button3, [] { return tr("количества выпадений"); });
    texts_.set(Button4, [] { return tr("последнего тиража"); });
    texts_.set(Button5, [] { return tr("пропуска"); });

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
    N1 = bar->addMenu(QString());
    N1->setObjectName("N1");
    N2 = N1->addAction(QString(), this, &TForm1::N2Click);
    N2->setObjectName("N2");
    N2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    ImportAction = N1->addAction(QString(), this, &TForm1::ImportClick);
    ImportAction->setObjectName("ImportAction");
    ImportUrlAction = N1->addAction(QString(), this, &TForm1::ImportUrlClick);
    ImportUrlAction->setObjectName("ImportUrlAction");
    UpdateAction = N1->addAction(QString(), this, &TForm1::UpdateClick);
    UpdateAction->setObjectName("UpdateAction");
    UpdateAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    UpdateAction->setEnabled(false);
    HistoriesAction = N1->addAction(QString(), this, &TForm1::HistoriesClick);
    HistoriesAction->setObjectName("HistoriesAction");
    RecentFilesMenu = N1->addMenu(QString());
    RecentFilesMenu->setObjectName("RecentFilesMenu");
    recentFiles_ = new TRecentFiles(
        RecentFilesMenu, [this](const QString& fileName) { RunCommand([this, &fileName] { openFile(fileName); }); });
    N3 = N1->addAction(QString(), this, &TForm1::N3Click);
    N3->setObjectName("N3");
    N3->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    N4 = bar->addMenu(QString());
    N4->setObjectName("N4");
    N5 = N4->addAction(QString(), this, &TForm1::N5Click);
    N5->setObjectName("N5");
    N6 = N4->addAction(QString(), this, &TForm1::N6Click);
    N6->setObjectName("N6");
    N6->setShortcut(QKeySequence(Qt::Key_F1));
    reports_ = AddReportMenus(this, N4->menuAction());
    new TLanguageMenu(bar);
}

void TForm1::retranslate()
{
    //: Glossary: the same Russian word always gets the same English one.
    //: тираж: draw; номер тиража: draw number; пара: pair; тройка: triple; число: number;
    //: выпадения, количество выпадений: hits; последний тираж, тираж выпадения: last drawn;
    //: пропуск: draws since; ожидаемое: expected; отклонение: deviation; σ stays σ;
    //: лотерея «K из M»: K of M lottery; наибольшее число M: highest number M;
    //: история тиражей: draw history; импорт: import; загрузить: load; поле: field; строка: line;
    //: заголовок: header; разделитель: delimiter; проверка случайности: fairness check;
    //: проверка стратегии: strategy check; карта пар: pair map; колесо (система): wheel;
    //: билет: ticket; совпадения: matches; гарантия: guarantee; Назад: Back; Отмена: Cancel;
    //: Сохранить: Save; Обновить: Update; адрес: address; Ошибка: Error.
    N1->setTitle(tr("Файл"));
    N2->setText(tr("Открыть"));
    ImportAction->setText(tr("Импорт…"));
    UpdateAction->setText(tr("Обновить историю"));
    HistoriesAction->setText(tr("Истории…"));
    ImportUrlAction->setText(tr("Импорт по адресу…"));
    RecentFilesMenu->setTitle(tr("Недавние файлы"));
    N3->setText(tr("Выход"));
    N4->setTitle(tr("Помощь"));
    N5->setText(tr("О программе"));
    N6->setText(tr("Помощь"));
    reports_->retranslate();

    Button1->setText(tr("Создать пары"));
    Button2->setText(tr("Статистика"));
    GroupBox1->setTitle(tr("Сортировать по признаку"));
    SetLabelText(Label13, tr("Процесс:"));
    SetLabelText(Label11, tr("Количество выпадений:"));
    SetLabelText(Label12, tr("Тираж выпадения:"));
    SetLabelText(Label8, tr("Количество пропусков:"));
    texts_.retranslate();
    if (centralFilled_) {
        showCentralHeaders();
        StringGrid2->endFill();
    }

    // A file dialog's list of places keeps the language it was made in: the
    // kept dialogs are made again, in the new language, when next needed.
    for (QPointer<TReusedFileDialog>* dialog : { &openDialog_, &importFileDialog_ })
        if (*dialog && !(*dialog)->isVisible()) {
            (*dialog)->setParent(nullptr);
            (*dialog)->deleteLater();
            *dialog = nullptr;
        }
}

void TForm1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void TForm1::setFocusOrder()
{
    QWidget* const order[] = { Button1, StringGrid1, Button2, StringGrid2, Button3, Button4, Button5, StringGrid3,
        StringGrid4, StringGrid5, StringGrid6, StringGrid7, StringGrid8 };
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    Button1->setFocus();
}
