#include "ui/reports/PairMap.h"

#include "analysis/Analysis.h"
#include "ui/CommandGuard.h"

#include <QComboBox>
#include <QEvent>
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
    resize(700, 740);

    measureBox_ = new QComboBox(this);
    measureBox_->setObjectName("MeasureBox");
    for (PairMapView::TMeasure measure :
        { PairMapView::TMeasure::Hits, PairMapView::TMeasure::Deviation, PairMapView::TMeasure::Gap })
        measureBox_->addItem(QString(), static_cast<int>(measure));
    lastDrawsBox_ = new QSpinBox(this);
    lastDrawsBox_->setObjectName("LastDrawsBox");
    lastDrawsBox_->setRange(1, 1);
    lastDrawsBox_->setKeyboardTracking(false);
    saveButton_ = new QPushButton(this);
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
    measureLabel_ = new QLabel(this);
    lastDrawsLabel_ = new QLabel(this);
    controls->addWidget(measureLabel_);
    controls->addWidget(measureBox_);
    controls->addSpacing(12);
    controls->addWidget(lastDrawsLabel_);
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
    retranslate();
}

void TPairMap::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TPairMap::retranslate()
{
    setWindowTitle(tr("Карта пар"));
    measureBox_->setItemText(0, tr("Выпадения"));
    measureBox_->setItemText(1, tr("Отклонение от ожидаемого"));
    measureBox_->setItemText(2, tr("Пропуск"));
    measureLabel_->setText(tr("Цвет:"));
    lastDrawsLabel_->setText(tr("последние N тиражей:"));
    saveButton_->setText(tr("Сохранить изображение…"));
    emptyLabel_->setText(empty_ == TEmpty::NoPairs
            ? tr("Карту не из чего построить: в лотерее меньше двух чисел, пар нет.")
            : empty_ == TEmpty::NoDraws ? tr("Карту не из чего построить: в файле нет тиражей.")
                                        : QString());
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
    empty_ = Main::PairCount < 1 ? TEmpty::NoPairs : Main::DrawCount < 1 ? TEmpty::NoDraws : TEmpty::No;
    retranslate();
    if (empty_ != TEmpty::No) {
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
    QFileDialog dialog(this, tr("Сохранить изображение"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("Изображение PNG (*.png)"));
    dialog.setDefaultSuffix("png");
    //: The file name offered for the saved map.
    dialog.selectFile(tr("карта-пар.png"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString fileName = dialog.selectedFiles().constFirst();
    if (!view_->grab().save(fileName, "PNG"))
        throw std::runtime_error(tr("Не удалось сохранить изображение в файл \"%1\"").arg(fileName).toStdString());
}
