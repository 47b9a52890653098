#include "ui/tickets/TicketsWindow.h"

#include "analysis/Analysis.h"
#include "ui/CommandGuard.h"
#include "ui/tickets/SelectedPairs.h"
#include "ui/tickets/TicketInput.h"
#include "ui/tickets/TicketPages.h"
#include "ui/tickets/TicketsCsv.h"
#include "ui/tickets/TicketsModel.h"
#include "ui/widgets/ReusedFileDialog.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace {

constexpr int32_t MaxCombinations = 1'000'000; // the most Drawn-subsets a wheel is checked against

int32_t LoadedK()
{
    return Main::NumbersPerDraw >= 1 && Main::NumbersPerDraw <= 20 && Main::MaxNumber >= 2 ? Main::NumbersPerDraw : 6;
}

int32_t LoadedM()
{
    return Main::MaxNumber >= 2 && Main::MaxNumber <= 99 ? Main::MaxNumber : 49;
}

// A line of text that takes no room while it has nothing to say.
void ShowText(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

QString Seconds(qint64 ms)
{
    return QLocale().toString(static_cast<double>(ms) / 1000.0, 'f', 1);
}

} // namespace

TTicketsWindow::TTicketsWindow(QWidget* mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , mainWindow_(mainWindow)
{
    setObjectName("TicketsWindow");
    resize(1100, 660);

    numbersEdit_ = new QLineEdit(this);
    numbersEdit_->setObjectName("WheelNumbersEdit");
    numbersEdit_->setClearButtonEnabled(true);
    randomButton_ = new QPushButton(this);
    randomButton_->setObjectName("RandomNumbersButton");
    randomCountBox_ = new QSpinBox(this);
    randomCountBox_->setObjectName("RandomCountBox");
    randomCountBox_->setRange(1, 99);
    randomCountBox_->setValue(10);
    pairsButton_ = new QPushButton(this);
    pairsButton_->setObjectName("PairNumbersButton");

    ticketSizeBox_ = new QSpinBox(this);
    ticketSizeBox_->setObjectName("TicketSizeBox");
    ticketSizeBox_->setRange(1, Main::MaxNumbersPerDraw);
    ticketSizeBox_->setValue(LoadedK());
    matchBox_ = new QSpinBox(this);
    matchBox_->setObjectName("MatchBox");
    matchBox_->setRange(1, ticketSizeBox_->value());
    matchBox_->setValue(std::min(3, ticketSizeBox_->value()));
    drawnBox_ = new QSpinBox(this);
    drawnBox_->setObjectName("DrawnBox");
    drawnBox_->setRange(matchBox_->value(), 99);
    drawnBox_->setValue(matchBox_->value());
    lotteryKBox_ = new QSpinBox(this);
    lotteryKBox_->setObjectName("LotteryKBox");
    lotteryMBox_ = new QSpinBox(this);
    lotteryMBox_->setObjectName("LotteryMBox");
    lotteryMBox_->setRange(2, 99);
    lotteryMBox_->setValue(LoadedM());
    lotteryKBox_->setRange(1, std::min(20, lotteryMBox_->value()));
    lotteryKBox_->setValue(LoadedK());

    makeButton_ = new QPushButton(this);
    makeButton_->setObjectName("MakeWheelButton");
    makeButton_->setDefault(true);
    stopButton_ = new QPushButton(this);
    stopButton_->setObjectName("StopWheelButton");
    stopButton_->setEnabled(false);
    improveButton_ = new QPushButton(this);
    improveButton_->setObjectName("ImproveWheelButton");
    improveButton_->setEnabled(false);

    const auto textLabel = [this](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    message_ = textLabel("TicketsMessage");
    message_->setStyleSheet("color: #b00000;");
    message_->hide();
    searchState_ = textLabel("SearchState");
    guarantee_ = textLabel("GuaranteeLabel");
    chance_ = textLabel("ChanceLabel");

    model_ = new TTicketsModel(this);
    view_ = new QTableView(this);
    view_->setObjectName("TicketsView");
    view_->setModel(model_);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ticketsCount_ = textLabel("TicketsCount");
    saveCsvButton_ = new QPushButton(this);
    saveCsvButton_->setObjectName("SaveTicketsCsvButton");
    loadCsvButton_ = new QPushButton(this);
    loadCsvButton_->setObjectName("LoadTicketsCsvButton");
    printButton_ = new QPushButton(this);
    printButton_->setObjectName("PrintTicketsButton");
    savePdfButton_ = new QPushButton(this);
    savePdfButton_->setObjectName("SaveTicketsPdfButton");

    ownTicketsEdit_ = new QPlainTextEdit(this);
    ownTicketsEdit_->setObjectName("OwnTicketsEdit");
    useOwnButton_ = new QPushButton(this);
    useOwnButton_->setObjectName("UseOwnTicketsButton");

    historyDrawsBox_ = new QSpinBox(this);
    historyDrawsBox_->setObjectName("HistoryDrawsBox");
    historyDrawsBox_->setRange(1, Main::MaxDraws);
    historyDrawsBox_->setValue(Main::MaxDraws);
    checkButton_ = new QPushButton(this);
    checkButton_->setObjectName("CheckHistoryButton");
    matchesTable_ = new QTableWidget(0, 3, this);
    matchesTable_->setObjectName("HistoryMatchesTable");
    matchesTable_->verticalHeader()->hide();
    matchesTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    matchesTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    drawsTable_ = new QTableWidget(0, 3, this);
    drawsTable_->setObjectName("HistoryDrawsTable");
    drawsTable_->verticalHeader()->hide();
    drawsTable_->verticalHeader()->setDefaultSectionSize(drawsTable_->fontMetrics().height() + 6);
    drawsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    drawsTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    historySummary_ = textLabel("HistorySummary");

    // Left: the request; right: the tickets, the player's own, the check.
    numbersGroup_ = new QGroupBox(this);
    auto* numbersLayout = new QVBoxLayout(numbersGroup_);
    numbersLayout->addWidget(numbersEdit_);
    auto* fills = new QHBoxLayout;
    fills->addWidget(randomButton_);
    fills->addWidget(randomCountBox_);
    fills->addWidget(caption(QT_TR_NOOP("чисел")));
    fills->addStretch(1);
    fills->addWidget(pairsButton_);
    numbersLayout->addLayout(fills);

    wheelGroup_ = new QGroupBox(this);
    auto* form = new QFormLayout(wheelGroup_);
    form->addRow(caption(QT_TR_NOOP("Чисел в билете:")), ticketSizeBox_);
    form->addRow(caption(QT_TR_NOOP("Совпадение не меньше чем в:")), matchBox_);
    form->addRow(caption(QT_TR_NOOP("если выпало ваших чисел:")), drawnBox_);
    auto* lottery = new QHBoxLayout;
    lottery->addWidget(lotteryKBox_);
    lottery->addWidget(caption(QT_TR_NOOP("из")));
    lottery->addWidget(lotteryMBox_);
    lottery->addStretch(1);
    form->addRow(caption(QT_TR_NOOP("Лотерея:")), lottery);

    auto* commands = new QHBoxLayout;
    commands->addWidget(makeButton_);
    commands->addWidget(stopButton_);
    commands->addWidget(improveButton_);

    auto* left = new QVBoxLayout;
    left->addWidget(numbersGroup_);
    left->addWidget(wheelGroup_);
    left->addLayout(commands);
    left->addWidget(message_);
    left->addWidget(searchState_);
    left->addWidget(guarantee_);
    left->addWidget(chance_);
    left->addStretch(1);

    auto* ticketsPage = new QWidget(this);
    auto* ticketsLayout = new QVBoxLayout(ticketsPage);
    ticketsLayout->addWidget(ticketsCount_);
    ticketsLayout->addWidget(view_, 1);
    auto* files = new QHBoxLayout;
    files->addWidget(saveCsvButton_);
    files->addWidget(loadCsvButton_);
    files->addStretch(1);
    files->addWidget(printButton_);
    files->addWidget(savePdfButton_);
    ticketsLayout->addLayout(files);

    auto* ownPage = new QWidget(this);
    auto* ownLayout = new QVBoxLayout(ownPage);
    ownLayout->addWidget(caption(QT_TR_NOOP("Ваши билеты, по одному в строке: числа через пробел или запятую.")));
    ownLayout->addWidget(ownTicketsEdit_, 1);
    auto* ownCommands = new QHBoxLayout;
    ownCommands->addWidget(useOwnButton_);
    ownCommands->addStretch(1);
    ownLayout->addLayout(ownCommands);

    auto* historyPage = new QWidget(this);
    auto* historyLayout = new QVBoxLayout(historyPage);
    auto* historyControls = new QHBoxLayout;
    historyControls->addWidget(caption(QT_TR_NOOP("Последних тиражей:")));
    historyControls->addWidget(historyDrawsBox_);
    historyControls->addWidget(checkButton_);
    historyControls->addStretch(1);
    historyLayout->addLayout(historyControls);
    auto* historyTables = new QHBoxLayout;
    historyTables->addWidget(matchesTable_, 3);
    historyTables->addWidget(drawsTable_, 2);
    historyLayout->addLayout(historyTables, 1);
    historyLayout->addWidget(historySummary_);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("TicketsTabs");
    tabs_->addTab(ticketsPage, QString());
    tabs_->addTab(ownPage, QString());
    tabs_->addTab(historyPage, QString());

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 2);
    layout->addWidget(tabs_, 3);

    connect(ticketSizeBox_, &QSpinBox::valueChanged, this, &TTicketsWindow::keepLimits);
    connect(matchBox_, &QSpinBox::valueChanged, this, &TTicketsWindow::keepLimits);
    connect(numbersEdit_, &QLineEdit::textChanged, this, &TTicketsWindow::keepLimits);
    connect(lotteryMBox_, &QSpinBox::valueChanged, this, &TTicketsWindow::keepLimits);
    for (QSpinBox* box : { drawnBox_, lotteryKBox_, lotteryMBox_ })
        connect(box, &QSpinBox::valueChanged, this, [this] { RunCommand([this] { showChance(); }); });
    connect(numbersEdit_, &QLineEdit::returnPressed, this, [this] { RunCommand([this] { makeWheel(); }); });
    connect(makeButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { makeWheel(); }); });
    connect(stopButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { stopSearch(); }); });
    connect(improveButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { improveWheel(); }); });
    connect(randomButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { fillRandom(); }); });
    connect(pairsButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { fillFromPairs(); }); });
    connect(useOwnButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { useOwnTickets(); }); });
    connect(loadCsvButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { loadCsv(); }); });
    connect(saveCsvButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { saveCsv(); }); });
    connect(printButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { print(); }); });
    connect(savePdfButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { savePdf(); }); });
    connect(checkButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { checkHistory(); }); });
    connect(&search_, &TWheelSearch::improved, this, [this] { RunCommand([this] { searchImproved(); }); });
    connect(&search_, &TWheelSearch::progress, this, [this] { RunCommand([this] { showSearchState(); }); });
    connect(&search_, &TWheelSearch::finished, this, [this] { RunCommand([this] { searchEnded(); }); });

    retranslate();
    followLoadedDraws();
    keepLimits();
}

TTicketsWindow::~TTicketsWindow() = default;

QLabel* TTicketsWindow::caption(const char* text)
{
    auto* label = new QLabel(this);
    captions_.emplace_back(label, text);
    return label;
}

void TTicketsWindow::retranslate()
{
    setWindowTitle(tr("Билеты"));
    for (const auto& [label, text] : captions_)
        label->setText(tr(text));
    numbersGroup_->setTitle(tr("Ваши числа"));
    wheelGroup_->setTitle(tr("Система «совпадение, если выпало»"));
    numbersEdit_->setPlaceholderText(tr("Например: 3 7 12 19 25 31 40 44 или 3, 7, 12"));
    randomButton_->setText(tr("Случайные"));
    randomButton_->setToolTip(tr("Случайный выбор стольких чисел из 1…M лотереи"));
    pairsButton_->setText(tr("Из выделенных пар"));
    pairsButton_->setToolTip(tr("Числа пар, выделенных в таблице пар главного окна"));
    makeButton_->setText(tr("Составить билеты"));
    stopButton_->setText(tr("Остановить"));
    improveButton_->setText(tr("Улучшить"));
    improveButton_->setToolTip(tr("Искать дальше, сохраняя лучшую найденную систему"));
    saveCsvButton_->setText(tr("Сохранить CSV…"));
    loadCsvButton_->setText(tr("Загрузить CSV…"));
    printButton_->setText(tr("Печать…"));
    savePdfButton_->setText(tr("Сохранить PDF…"));
    useOwnButton_->setText(tr("Взять эти билеты"));
    checkButton_->setText(tr("Проверить по истории"));
    drawsTable_->setHorizontalHeaderLabels({ tr("Тираж"), tr("Ваших"), tr("Лучший") });
    drawsTable_->horizontalHeaderItem(1)->setToolTip(tr("Сколько ваших чисел выпало в тираже"));
    drawsTable_->horizontalHeaderItem(2)->setToolTip(tr("Сколько чисел тиража было в лучшем из билетов"));
    matchesTable_->setHorizontalHeaderLabels({ tr("Совпало"), tr("Случаев"), tr("Ожидается") });
    matchesTable_->horizontalHeaderItem(0)->setToolTip(tr("Сколько чисел билета выпало в тираже"));
    matchesTable_->horizontalHeaderItem(1)->setToolTip(tr("Пар «билет — тираж» с таким совпадением"));
    matchesTable_->horizontalHeaderItem(2)->setToolTip(tr("Сколько таких пар ожидается в честной лотерее"));
    tabs_->setTabText(0, tr("Билеты"));
    tabs_->setTabText(1, tr("Свои билеты"));
    tabs_->setTabText(2, tr("Проверка по истории"));
    followLoadedDraws();
    showResultTexts();
    showChecked();
    showChance();
}

void TTicketsWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    else if (event->type() == QEvent::ActivationChange && isActiveWindow())
        followLoadedDraws();
    QWidget::changeEvent(event);
}

void TTicketsWindow::showEvent(QShowEvent* event)
{
    followLoadedDraws();
    QWidget::showEvent(event);
}

// Closing stops the search; the best wheel found so far is kept and shown.
void TTicketsWindow::closeEvent(QCloseEvent* event)
{
    search_.stop();
    QWidget::closeEvent(event);
}

void TTicketsWindow::followLoadedDraws()
{
    const bool loaded = Main::DrawCount > 0;
    checkButton_->setEnabled(loaded);
    checkButton_->setToolTip(loaded ? tr("Как билеты сыграли бы в последних тиражах загруженного файла")
                                    : tr("Нет истории тиражей: откройте или импортируйте файл в главном окне"));
    historyDrawsBox_->setEnabled(loaded);
    if (!loaded)
        return;
    // A new file: its lottery and its length, once; the player's own changes stay until the next.
    const int32_t signature = Main::DrawCount * 10000 + Main::NumbersPerDraw * 100 + Main::MaxNumber;
    historyDrawsBox_->setRange(1, Main::DrawCount);
    if (signature == loadedSignature_)
        return;
    loadedSignature_ = signature;
    historyDrawsBox_->setValue(Main::DrawCount);
    lotteryMBox_->setValue(LoadedM());
    lotteryKBox_->setValue(LoadedK());
    if (!search_.running())
        ticketSizeBox_->setValue(LoadedK());
}

// Match <= TicketSize and Match <= Drawn <= v (the numbers typed so far).
void TTicketsWindow::keepLimits()
{
    lotteryKBox_->setMaximum(std::min(20, lotteryMBox_->value()));
    matchBox_->setMaximum(ticketSizeBox_->value());
    const int32_t v = TicketInput::CountEntries(numbersEdit_->text());
    drawnBox_->setRange(matchBox_->value(), std::max(matchBox_->value(), v));
    showChance();
}

void TTicketsWindow::showMessage(const QString& text)
{
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
}

void TTicketsWindow::makeWheel()
{
    const TicketInput::TNumbers parsed = TicketInput::ParseNumbers(numbersEdit_->text(), lotteryMBox_->value());
    if (!parsed.error.isEmpty()) {
        showMessage(parsed.error);
        return;
    }
    const auto v = static_cast<int32_t>(parsed.numbers.size());
    const int32_t k = ticketSizeBox_->value();
    const int32_t t = matchBox_->value();
    const int32_t p = drawnBox_->value();
    if (v < k) {
        showMessage(
            tr("Чисел в билете (%1) больше, чем ваших чисел (%2): добавьте числа или уменьшите билет.").arg(k).arg(v));
        return;
    }
    if (p > v || p < t) {
        showMessage(tr("«Если выпало» должно быть от %1 до %2 (ваших чисел).").arg(t).arg(v));
        return;
    }
    const double combinations = TicketsTexts::Binomial(v, p);
    if (combinations > MaxCombinations) {
        showMessage(tr("Слишком большой запрос: C(%1,%2) = %3 комбинаций, а проверить можно не больше %4. Уменьшите "
                       "количество чисел или «если выпало».")
                        .arg(v)
                        .arg(p)
                        .arg(QLocale().toString(combinations, 'f', 0))
                        .arg(QLocale().toString(MaxCombinations)));
        return;
    }
    showMessage({});
    request_ = { parsed.numbers, k, t, p };
    improving_ = false;
    model_->setTickets({});
    aim_ = { parsed.numbers, t, p };
    std::sort(aim_.numbers.begin(), aim_.numbers.end());
    fromWheel_ = true;
    search_.start(request_);
    showSearchState();
    showResultTexts();
}

void TTicketsWindow::improveWheel()
{
    const std::optional<TWheelSearch::TFound> best = search_.best();
    if (!fromWheel_ || !best || search_.running())
        return;
    showMessage({});
    improving_ = true;
    search_.start(request_, best);
    showSearchState();
}

void TTicketsWindow::stopSearch()
{
    search_.stop();
}

void TTicketsWindow::searchImproved()
{
    if (const std::optional<TWheelSearch::TFound> best = search_.best()) {
        model_->setTickets(best->wheel.Tickets);
        showResultTexts();
    }
}

void TTicketsWindow::searchEnded()
{
    searchImproved();
    if (const QString error = search_.error(); !error.isEmpty())
        showMessage(error);
    showSearchState();
    emit searchFinished();
}

void TTicketsWindow::showSearchState()
{
    const bool running = search_.running();
    makeButton_->setEnabled(!running);
    stopButton_->setEnabled(running);
    improveButton_->setEnabled(!running && fromWheel_ && search_.best().has_value());
    const std::optional<TWheelSearch::TFound> best = search_.best();
    const QString size = best ? tr("%n билетов", nullptr, static_cast<int>(best->wheel.Tickets.size())) : tr("ещё нет");
    if (running)
        ShowText(searchState_,
            tr("Идёт поиск: %1 с. Лучшая система пока: %2; нижняя граница: %3.")
                .arg(Seconds(search_.elapsedMs()))
                .arg(size)
                .arg(search_.lowerBound()));
    else if (fromWheel_ && best)
        ShowText(searchState_, tr("Поиск занял %1 с.").arg(Seconds(search_.elapsedMs())));
    else
        ShowText(searchState_, {});
}

void TTicketsWindow::showTickets(
    std::vector<std::vector<int32_t>> tickets, const TicketsTexts::TAim& aim, bool fromWheel)
{
    search_.stop();
    fromWheel_ = fromWheel;
    aim_ = aim;
    model_->setTickets(std::move(tickets));
    tabs_->setCurrentIndex(0);
    showSearchState();
    showResultTexts();
}

void TTicketsWindow::showResultTexts()
{
    const int32_t count = model_->rowCount();
    if (count == 0) {
        ticketsCount_->setText(tr("Билетов пока нет: введите числа и нажмите «Составить билеты», или возьмите свои."));
        ShowText(guarantee_, {});
        return;
    }
    if (!fromWheel_) {
        ticketsCount_->setText(tr("Ваши билеты: %1.").arg(count));
        const auto v = static_cast<int32_t>(aim_.numbers.size());
        if (TicketsTexts::Binomial(v, aim_.drawn) > MaxCombinations) {
            ShowText(guarantee_,
                tr("Гарантия «%1, если выпало %2» на %3 числах ваших билетов не проверялась: "
                   "слишком много комбинаций.")
                    .arg(aim_.match)
                    .arg(aim_.drawn)
                    .arg(v));
            return;
        }
        const Main::TWheelRequest own { aim_.numbers, model_->ticketSize(), aim_.match, aim_.drawn };
        ShowText(guarantee_, TicketsTexts::Guarantee(aim_, Main::WheelMisses(own, model_->tickets())));
        return;
    }
    const std::optional<TWheelSearch::TFound> best = search_.best();
    const int64_t bound = best ? best->wheel.LowerBound : 0;
    QString text
        = tr("Билетов: %1. Нижняя граница: %2 — меньше билетов такая система иметь не может.").arg(count).arg(bound);
    if (count == bound)
        text += QLatin1Char(' ') + tr("Найденная система наименьшая из возможных.");
    ticketsCount_->setText(text);
    if (best)
        ShowText(guarantee_, TicketsTexts::Guarantee(aim_, best->misses));
}

void TTicketsWindow::showChance()
{
    const TicketInput::TNumbers parsed = TicketInput::ParseNumbers(numbersEdit_->text(), lotteryMBox_->value());
    const auto v = static_cast<int32_t>(parsed.numbers.size());
    if (!parsed.error.isEmpty() || v < drawnBox_->value()) {
        ShowText(chance_, {});
        return;
    }
    ShowText(chance_,
        TicketsTexts::Chance(
            lotteryMBox_->value(), lotteryKBox_->value(), v, drawnBox_->value(), ticketSizeBox_->value()));
}

void TTicketsWindow::fillRandom()
{
    const int32_t m = lotteryMBox_->value();
    const int32_t v = std::min(randomCountBox_->value(), m);
    std::vector<int32_t> all(static_cast<std::size_t>(m));
    std::iota(all.begin(), all.end(), 1);
    for (int32_t i = 0; i < v; ++i)
        std::swap(all[static_cast<std::size_t>(i)],
            all[static_cast<std::size_t>(i + QRandomGenerator::global()->bounded(m - i))]);
    all.resize(static_cast<std::size_t>(v));
    std::sort(all.begin(), all.end());
    numbersEdit_->setText(TicketsTexts::NumberList(all));
    showMessage({});
}

void TTicketsWindow::fillFromPairs()
{
    const std::vector<int32_t> numbers = SelectedPairNumbers(mainWindow_);
    if (numbers.empty()) {
        showMessage(tr("В таблице пар главного окна не выделено ни одной пары: выделите строки после "
                       "«Статистики» и нажмите снова."));
        return;
    }
    numbersEdit_->setText(TicketsTexts::NumberList(numbers));
    showMessage({});
}

void TTicketsWindow::useOwnTickets()
{
    const TicketInput::TTickets parsed
        = TicketInput::ParseTickets(ownTicketsEdit_->toPlainText(), lotteryMBox_->value());
    if (!parsed.error.isEmpty()) {
        showMessage(parsed.error);
        tabs_->setCurrentIndex(1);
        return;
    }
    showMessage({});
    std::vector<int32_t> numbers;
    for (const auto& ticket : parsed.tickets)
        numbers.insert(numbers.end(), ticket.begin(), ticket.end());
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    const int32_t size = static_cast<int32_t>(parsed.tickets.front().size());
    const int32_t match = std::min(matchBox_->value(), size);
    const int32_t drawn = std::clamp(drawnBox_->value(), match, static_cast<int32_t>(numbers.size()));
    showTickets(parsed.tickets, { numbers, match, drawn }, false);
}

void TTicketsWindow::loadCsv()
{
    if (!openDialog_) {
        openDialog_ = new TReusedFileDialog(this, tr("Загрузить билеты"));
        openDialog_->setAcceptMode(QFileDialog::AcceptOpen);
        openDialog_->setFileMode(QFileDialog::ExistingFile);
        openDialog_->setNameFilters({ tr("Таблица CSV (*.csv)"), tr("Все файлы (*)") });
    }
    if (openDialog_->execWith(QString()) != QDialog::Accepted || openDialog_->selectedFiles().isEmpty())
        return;
    const QString fileName = openDialog_->selectedFiles().constFirst();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(tr("Не удалось открыть файл «%1».").arg(fileName));
        return;
    }
    const TicketInput::TTickets parsed = TicketsCsv::Read(file.readAll(), lotteryMBox_->value());
    if (!parsed.error.isEmpty()) {
        showMessage(tr("Файл «%1»: %2").arg(fileName, parsed.error));
        return;
    }
    QStringList lines;
    for (const auto& ticket : parsed.tickets)
        lines << TicketsTexts::NumberList(ticket);
    ownTicketsEdit_->setPlainText(lines.join(QLatin1Char('\n')));
    useOwnTickets();
}

bool TTicketsWindow::needTickets()
{
    if (model_->rowCount() > 0)
        return true;
    showMessage(tr("Билетов пока нет: составьте систему или возьмите свои билеты."));
    return false;
}

void TTicketsWindow::saveCsv()
{
    if (!needTickets())
        return;
    if (!saveDialog_) {
        saveDialog_ = new TReusedFileDialog(this, tr("Сохранить билеты"));
        saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
        saveDialog_->setNameFilter(tr("Таблица CSV (*.csv)"));
        saveDialog_->setDefaultSuffix("csv");
    }
    if (saveDialog_->execWith(tr("билеты.csv")) != QDialog::Accepted || saveDialog_->selectedFiles().isEmpty())
        return;
    const QString fileName = saveDialog_->selectedFiles().constFirst();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(TicketsCsv::Write(model_->tickets())) < 0 || !file.commit())
        throw std::runtime_error(tr("Не удалось сохранить билеты в файл «%1»").arg(fileName).toStdString());
}

QString TTicketsWindow::printoutTitle() const
{
    if (!fromWheel_)
        return tr("Мои билеты");
    return tr("Система «%1, если выпало %2» на %3 числах").arg(aim_.match).arg(aim_.drawn).arg(aim_.numbers.size());
}

QString TTicketsWindow::printoutRequest() const
{
    return tr("Ваши числа: %1. Билетов: %2 по %3 чисел.")
               .arg(TicketsTexts::NumberList(aim_.numbers))
               .arg(model_->rowCount())
               .arg(model_->ticketSize())
        + QLatin1Char('\n') + guarantee_->text();
}

void TTicketsWindow::print()
{
    if (!needTickets())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(TicketPageLayout());
    printer.setDocName(printoutTitle());
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName("TicketsPrintPreview");
    const TTicketPrintout printout { printoutTitle(), printoutRequest(),
        QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat), model_->tickets() };
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
        [&printout](QPrinter* target) { PaintTicketPages(target, printout); });
    preview.exec();
}

void TTicketsWindow::savePdf()
{
    if (!needTickets())
        return;
    if (!pdfDialog_) {
        pdfDialog_ = new TReusedFileDialog(this, tr("Сохранить билеты в PDF"));
        pdfDialog_->setAcceptMode(QFileDialog::AcceptSave);
        pdfDialog_->setNameFilter(tr("Документ PDF (*.pdf)"));
        pdfDialog_->setDefaultSuffix("pdf");
    }
    if (pdfDialog_->execWith(tr("билеты.pdf")) != QDialog::Accepted || pdfDialog_->selectedFiles().isEmpty())
        return;
    const QString fileName = pdfDialog_->selectedFiles().constFirst();
    QPdfWriter writer(fileName);
    writer.setPageLayout(TicketPageLayout());
    writer.setResolution(300);
    writer.setTitle(printoutTitle());
    writer.setCreator(QStringLiteral("VELDORAN"));
    PaintTicketPages(&writer,
        { printoutTitle(), printoutRequest(), QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat),
            model_->tickets() });
    if (!QFile::exists(fileName) || QFile(fileName).size() == 0)
        throw std::runtime_error(tr("Не удалось сохранить билеты в файл «%1»").arg(fileName).toStdString());
}

void TTicketsWindow::checkHistory()
{
    followLoadedDraws();
    if (Main::DrawCount < 1 || !needTickets())
        return;
    const int32_t last = std::min(historyDrawsBox_->value(), Main::DrawCount);
    Main::TTicketCheck check;
    Main::TTicketCheck numbers;
    try {
        check = Main::CheckTickets(model_->tickets(), last);
        // How many of the player's numbers each draw held: the numbers as one ticket.
        numbers = Main::CheckTickets({ aim_.numbers }, last);
    } catch (const Main::EAnalysisError& e) {
        showMessage(QString::fromUtf8(e.what()));
        return;
    }
    showMessage({});
    std::vector<int32_t> drawNos;
    for (int32_t row = 0; row < last; ++row)
        drawNos.push_back(Main::Draws[Main::DrawCount - row].DrawNo);
    checked_ = TChecked { std::move(check), std::move(numbers), std::move(drawNos), aim_, model_->ticketSize() };
    showChecked();
    tabs_->setCurrentIndex(2);
}

// The check's tables and summary, in the current language.
void TTicketsWindow::showChecked()
{
    if (!checked_)
        return;
    const Main::TTicketCheck& check = checked_->check;
    const auto cell = [](const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignCenter);
        return item;
    };
    const auto size = static_cast<int>(check.Matches.size());
    matchesTable_->setRowCount(size);
    const QLocale locale;
    for (int m = 0; m < size; ++m) {
        matchesTable_->setItem(m, 0, cell(QString::number(m)));
        matchesTable_->setItem(
            m, 1, cell(locale.toString(static_cast<qlonglong>(check.Matches[static_cast<std::size_t>(m)]))));
        matchesTable_->setItem(m, 2, cell(locale.toString(check.Expected[static_cast<std::size_t>(m)], 'f', 2)));
    }
    // The draws newest first: how many of the player's numbers came, and the best ticket's match.
    const auto last = static_cast<int32_t>(checked_->drawNos.size());
    drawsTable_->setRowCount(last);
    for (int32_t row = 0; row < last; ++row) {
        const auto j = static_cast<std::size_t>(last - 1 - row);
        drawsTable_->setItem(row, 0, cell(QString::number(checked_->drawNos[static_cast<std::size_t>(row)])));
        drawsTable_->setItem(row, 1, cell(QString::number(checked_->numbers.Best[j])));
        drawsTable_->setItem(row, 2, cell(QString::number(check.Best[j])));
    }
    historySummary_->setText(tr("Проверено %n последних тиражей.", nullptr, last) + QLatin1Char(' ')
        + TicketsTexts::BestPerDraw(check.Best, checked_->ticketSize) + QLatin1Char('\n')
        + TicketsTexts::GuaranteeOnHistory(checked_->aim, checked_->numbers.Best, check.Best));
}
