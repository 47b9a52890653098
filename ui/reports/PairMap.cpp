#include "ui/reports/PairMap.h"

#include "analysis/Analysis.h"
#include "ui/CommandGuard.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

TPairMap::TPairMap(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("PairMap");
    setWindowTitle("Карта пар");
    resize(700, 740);

    measureBox_ = new QComboBox(this);
    measureBox_->setObjectName("MeasureBox");
    measureBox_->addItem("Выпадения", static_cast<int>(PairMapView::TMeasure::Hits));
    measureBox_->addItem("Отклонение от ожидаемого", static_cast<int>(PairMapView::TMeasure::Deviation));
    measureBox_->addItem("Пропуск", static_cast<int>(PairMapView::TMeasure::Gap));
    lastDrawsBox_ = new QSpinBox(this);
    lastDrawsBox_->setObjectName("LastDrawsBox");
    lastDrawsBox_->setRange(1, 1);
    lastDrawsBox_->setKeyboardTracking(false);
    saveButton_ = new QPushButton("Сохранить изображение…", this);
    saveButton_->setObjectName("SaveImageButton");

    view_ = new PairMapView(this);
    emptyLabel_ = new QLabel(this);
    emptyLabel_->setObjectName("PairMapEmpty");
    emptyLabel_->setAlignment(Qt::AlignCenter);
    emptyLabel_->setTextFormat(Qt::PlainText);
    stack_ = new QStackedWidget(this);
    stack_->addWidget(view_);
    stack_->addWidget(emptyLabel_);

    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel("Цвет:", this));
    controls->addWidget(measureBox_);
    controls->addSpacing(12);
    controls->addWidget(new QLabel("последние N тиражей:", this));
    controls->addWidget(lastDrawsBox_);
    controls->addStretch(1);
    controls->addWidget(saveButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(stack_, 1);

    connect(measureBox_, &QComboBox::currentIndexChanged, this,
        [this] { view_->setMeasure(static_cast<PairMapView::TMeasure>(measureBox_->currentData().toInt())); });
    connect(lastDrawsBox_, &QSpinBox::valueChanged, this, [this] { RunCommand([this] { recount(); }); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { RunCommand([this] { saveImage(); }); });
    connect(view_, &PairMapView::pairClicked, this, &TPairMap::pairClicked);
}

void TPairMap::refresh()
{
    const QSignalBlocker blocker(lastDrawsBox_);
    lastDrawsBox_->setRange(1, std::max(1, Main::DrawCount));
    lastDrawsBox_->setValue(std::max(1, Main::DrawCount));
    recount();
}

void TPairMap::recount()
{
    const bool empty = Main::PairCount < 1 || Main::DrawCount < 1;
    if (empty) {
        emptyLabel_->setText(Main::PairCount < 1 ? "Карту не из чего построить: в лотерее меньше двух чисел, пар нет."
                                                 : "Карту не из чего построить: в файле нет тиражей.");
        stack_->setCurrentWidget(emptyLabel_);
        view_->setPairs(Main::NumbersPerDraw, Main::MaxNumber, 0, {});
        saveButton_->setEnabled(false);
        return;
    }
    const Main::TRecentPairs recent = Main::CountRecentPairs(lastDrawsBox_->value());
    std::vector<PairMapView::TCell> cells;
    cells.reserve(recent.Stats.size());
    for (int32_t i = 1; i <= Main::PairCount; ++i)
        cells.push_back({ Main::Pairs[i].First, Main::Pairs[i].Second, recent.Stats[static_cast<std::size_t>(i - 1)] });
    view_->setPairs(Main::NumbersPerDraw, Main::MaxNumber, recent.Draws, std::move(cells));
    stack_->setCurrentWidget(view_);
    saveButton_->setEnabled(true);
}

void TPairMap::saveImage()
{
    QFileDialog dialog(this, "Сохранить изображение");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter("Изображение PNG (*.png)");
    dialog.setDefaultSuffix("png");
    dialog.selectFile("карта-пар.png");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().constFirst();
    if (!view_->grab().save(fileName, "PNG"))
        throw std::runtime_error(("Не удалось сохранить изображение в файл \"" + fileName + "\"").toStdString());
}
