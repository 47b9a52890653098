#include "ui/reports/GroupTableWindow.h"

#include "analysis/Analysis.h"
#include "ui/CommandGuard.h"
#include "ui/reports/GroupTableModel.h"
#include "ui/widgets/ReusedFileDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
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
    setWindowTitle("Числа, пары, тройки");
    resize(640, 600);

    sizeBox_ = new QComboBox(this);
    sizeBox_->setObjectName("GroupSizeBox");
    sizeBox_->addItems({ "Числа", "Пары", "Тройки" });
    sizeBox_->setCurrentIndex(1);
    drawsBox_ = new QSpinBox(this);
    drawsBox_->setObjectName("GroupDrawsBox");
    drawsBox_->setRange(1, 1);
    drawsBox_->setKeyboardTracking(false);
    numberBox_ = new QSpinBox(this);
    numberBox_->setObjectName("GroupNumberBox");
    numberBox_->setSpecialValueText("любым");
    numberBox_->setRange(0, 99);
    numberBox_->setKeyboardTracking(false);
    saveButton_ = new QPushButton("Сохранить как CSV…", this);
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
    controls->addWidget(new QLabel("за последние", this));
    controls->addWidget(drawsBox_);
    controls->addWidget(new QLabel("тиражей, с числом", this));
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
    const int32_t size = sizeBox_->currentIndex() + 1;
    if (Main::DrawCount < 1 || size > Main::NumbersPerDraw) {
        model_->setTable({});
        saveButton_->setEnabled(false);
        summary_->setText(Main::DrawCount < 1
                ? "Тиражей нет: считать нечего."
                : QString("В тираже %1 чисел: групп по %2 в нём не бывает.").arg(Main::NumbersPerDraw).arg(size));
        return;
    }
    model_->setTable(Main::CountGroups(size, drawsBox_->value()));
    const Main::TGroupTable& t = model_->table();
    const QLocale russian(QLocale::Russian);
    summary_->setText(QString("Тиражей: %1, лотерея %2 из %3. Вероятность данной группы в тираже: %4; "
                              "ожидается %5 ± %6 выпадений.")
                          .arg(t.Draws)
                          .arg(Main::NumbersPerDraw)
                          .arg(Main::MaxNumber)
                          .arg(russian.toString(t.Probability, 'g', 4), russian.toString(t.Expected, 'f', 2),
                              russian.toString(t.Deviation, 'f', 2)));
    saveButton_->setEnabled(true);
}

void TGroupTableWindow::saveCsv()
{
    if (!saveDialog_) {
        saveDialog_ = new TReusedFileDialog(this, "Сохранить таблицу");
        saveDialog_->setAcceptMode(QFileDialog::AcceptSave);
        saveDialog_->setNameFilter("Таблица CSV (*.csv)");
        saveDialog_->setDefaultSuffix("csv");
    }
    if (saveDialog_->execWith("группы.csv") != QDialog::Accepted || saveDialog_->selectedFiles().isEmpty())
        return;
    const QString fileName = saveDialog_->selectedFiles().constFirst();
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(model_->csv()) < 0 || !file.commit())
        throw std::runtime_error(("Не удалось сохранить таблицу в файл \"" + fileName + "\"").toStdString());
}
