#include "ui/reports/GroupTableWindow.h"

#include "analysis/Analysis.h"
#include "ui/CommandGuard.h"
#include "ui/reports/GroupTableModel.h"
#include "ui/reports/ReportNumbers.h"
#include "ui/widgets/ReusedFileDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

TGroupTableWindow::TGroupTableWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("GroupTable");
    resize(640, 600);

    sizeBox_ = new QComboBox(this);
    sizeBox_->setObjectName("GroupSizeBox");
    sizeBox_->addItems({ QString(), QString(), QString() });
    sizeBox_->setCurrentIndex(1);
    drawsBox_ = new QSpinBox(this);
    drawsBox_->setObjectName("GroupDrawsBox");
    drawsBox_->setRange(1, 1);
    drawsBox_->setKeyboardTracking(false);
    numberBox_ = new QSpinBox(this);
    numberBox_->setObjectName("GroupNumberBox");
    numberBox_->setRange(0, 99);
    numberBox_->setKeyboardTracking(false);
    saveButton_ = new QPushButton(this);
    saveButton_->setObjectName("GroupSaveCsv");
    summary_ = new QLabel(this);
    summary_->setObjectName("GroupSummary");
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);

    model_ = new TGroupTableModel(this);
    view_ = new QTableView(this);
    view_->setObjectName("GroupView");
    view_->setModel(model_);
    view_->setSortingEnabled(true);
    view_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    auto* controls = new QHBoxLayout;
    controls->addWidget(sizeBox_);
    drawsLabel_ = new QLabel(this);
    numberLabel_ = new QLabel(this);
    controls->addWidget(drawsLabel_);
    controls->addWidget(drawsBox_);
    controls->addWidget(numberLabel_);
    controls->addWidget(numberBox_);
    controls->addStretch(1);
    controls->addWidget(saveButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(summary_);
    layout->addWidget(view_, 1);

    connect(sizeBox_, &QComboBox::currentIndexChanged, this, [this] { RunCommand([this] { recount(); }); });
    connect(drawsBox_, &QSpinBox::valueChanged, this, [this] { RunCommand([this] { recount(); }); });
    connect(numberBox_, &QSpinBox::valueChanged, this, [this](int n) { model_->setFilter(n); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { saveCsv(); }); });
    connect(view_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (model_->table().Size == 2 && index.isValid()) {
            const Main::TGroupStat& g = model_->group(index.row());
            emit pairActivated(g.Numbers[0], g.Numbers[1]);
        }
    });
    retranslate();
}

void TGroupTableWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TGroupTableWindow::retranslate()
{
    setWindowTitle(tr("Числа, пары, тройки"));
    sizeBox_->setItemText(0, tr("Числа"));
    sizeBox_->setItemText(1, tr("Пары"));
    sizeBox_->setItemText(2, tr("Тройки"));
    //: Shown in the number filter when no number is chosen: groups "with any number".
    numberBox_->setSpecialValueText(tr("любым"));
    drawsLabel_->setText(tr("за последние"));
    numberLabel_->setText(tr("тиражей, с числом"));
    saveButton_->setText(tr("Сохранить как CSV…"));
    model_->retranslate();
    describe();
}

void TGroupTableWindow::refresh()
{
    const QSignalBlocker blocker(drawsBox_);
    drawsBox_->setRange(1, std::max(1, Main::DrawCount));
    drawsBox_->setValue(std::max(1, Main::DrawCount));
    numberBox_->setMaximum(std::clamp(Main::MaxNumber, 1, 99));
    recount();
}

void TGroupTableWindow::recount()
{
    k_ = Main::NumbersPerDraw;
    m_ = Main::MaxNumber;
    size_ = sizeBox_->currentIndex() + 1;
    noDraws_ = Main::DrawCount < 1;
    if (noDraws_ || size_ > k_) {
        model_->setTable({});
        saveButton_->setEnabled(false);
    } else {
        model_->setTable(Main::CountGroups(size_, drawsBox_->value()));
        saveButton_->setEnabled(true);
    }
    describe();
}

void TGroupTableWindow::describe()
{
    const Main::TGroupTable& t = model_->table();
    if (size_ == 0)
        summary_->clear();
    else if (noDraws_)
        summary_->setText(tr("Тиражей нет: считать нечего."));
    else if (t.Size == 0)
        summary_->setText(tr("В тираже %n чисел: групп по %1 в нём не бывает.", nullptr, k_).arg(size_));
    else
        summary_->setText(tr("Тиражей: %1, лотерея %2 из %3. Вероятность данной группы в тираже: %4; "
                             "ожидается %5 ± %6 выпадений.")
                              .arg(t.Draws)
                              .arg(k_)
                              .arg(m_)
                              .arg(ReportNumbers::Locale().toString(t.Probability, 'g', 4),
                                  ReportNumbers::Number(t.Expected, 2), ReportNumbers::Number(t.Deviation, 2)));
}

void TGroupTableWindow::saveCsv()
{
    if (!saveDialog_) {
        saveDialog_ = new TReusedFileDialog(this, QString());
        saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
        saveDialog_->setDefaultSuffix("csv");
    }
    saveDialog_->setWindowTitle(tr("Сохранить таблицу"));
    saveDialog_->setNameFilter(tr("Таблица CSV (*.csv)"));
    //: The file name offered for the saved table.
    if (saveDialog_->execWith(tr("группы.csv")) != QDialog::Accepted || saveDialog_->selectedFiles().isEmpty())
        return;
    const QString fileName = saveDialog_->selectedFiles().constFirst();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(model_->csv()) < 0 || !file.commit())
        throw std::runtime_error(tr("Не удалось сохранить таблицу в файл \"%1\"").arg(fileName).toStdString());
}
