#include "ui/ImportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Lines of the file shown in the preview.
constexpr int32_t PreviewLines = 30;
// Skipped rows listed one by one in the summary; the rest are counted.
constexpr std::size_t ListedProblems = 200;

const QColor NumberFieldColour(255, 236, 179);
const QColor DrawNoFieldColour(187, 222, 251);

const struct {
    char delimiter;
    const char* name;
} Delimiters[] = {
    { ',', QT_TRANSLATE_NOOP("TImportDialog", "запятая") },
    { ';', QT_TRANSLATE_NOOP("TImportDialog", "точка с запятой") },
    { '\t', QT_TRANSLATE_NOOP("TImportDialog", "табуляция") },
    { '|', QT_TRANSLATE_NOOP("TImportDialog", "вертикальная черта") },
    { ' ', QT_TRANSLATE_NOOP("TImportDialog", "пробелы") },
};

} // namespace

TImportDialog::TImportDialog(const QString& fileName, const Main::TImportLayout& proposed, const QStringList& notes,
    bool maxNumberTyped, QWidget* parent)
    : QDialog(parent)
    , fileName_(fileName)
    , head_(Main::ReadHistoryHead(fileName.toStdString(), PreviewLines))
    , maxNumberTyped_(maxNumberTyped)
    , notes_(notes)
{
    setObjectName("ImportDialog");
    // Modal: the language cannot change while it is open, so its texts are set once.
    setWindowTitle(tr("Импорт истории тиражей — %1").arg(QFileInfo(fileName).fileName()));
    setModal(true);
    resize(760, 560);

    delimiterBox_ = new QComboBox(this);
    delimiterBox_->setObjectName("DelimiterBox");
    for (const auto& d : Delimiters)
        delimiterBox_->addItem(tr(d.name), QVariant::fromValue(static_cast<int>(d.delimiter)));
    headerLinesBox_ = new QSpinBox(this);
    headerLinesBox_->setObjectName("HeaderLinesBox");
    headerLinesBox_->setRange(0, 1000);
    drawNoBox_ = new QComboBox(this);
    drawNoBox_->setObjectName("DrawNoFieldBox");
    numberFieldsEdit_ = new QLineEdit(this);
    numberFieldsEdit_->setObjectName("NumberFieldsEdit");
    numberFieldsEdit_->setToolTip(tr("Номера полей с основными числами тиража, например «3-8» или «2, 4, 6-9»; "
                                     "бонусные числа не указывайте"));
    maxNumberBox_ = new QSpinBox(this);
    maxNumberBox_->setObjectName("MaxNumberBox");
    maxNumberBox_->setRange(2, 99);
    newestFirstBox_ = new QCheckBox(tr("новые тиражи в начале файла"), this);
    newestFirstBox_->setObjectName("NewestFirstBox");
    lastDrawsBox_ = new QSpinBox(this);
    lastDrawsBox_->setObjectName("LastDrawsToLoadBox");
    lastDrawsBox_->setRange(1, Main::MaxDraws);
    lastDrawsBox_->setValue(Main::MaxDraws);

    auto* form = new QFormLayout;
    form->addRow(tr("Разделитель полей:"), delimiterBox_);
    form->addRow(tr("Строк заголовка:"), headerLinesBox_);
    form->addRow(tr("Номер тиража:"), drawNoBox_);
    form->addRow(tr("Поля основных чисел:"), numberFieldsEdit_);
    form->addRow(tr("Наибольшее число M:"), maxNumberBox_);
    form->addRow(tr("Порядок:"), newestFirstBox_);
    form->addRow(tr("Загрузить последних тиражей:"), lastDrawsBox_);

    preview_ = new QTableWidget(this);
    preview_->setObjectName("ImportPreview");
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_->horizontalHeader()->setDefaultSectionSize(64);
    preview_->verticalHeader()->setDefaultSectionSize(20);

    summary_ = new QPlainTextEdit(this);
    summary_->setObjectName("ImportSummary");
    summary_->setReadOnly(true);

    auto* buttons = new QDialogButtonBox(this);
    loadButton_ = buttons->addButton(tr("Загрузить"), QDialogButtonBox::AcceptRole);
    loadButton_->setObjectName("LoadButton");
    QPushButton* cancel = buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("CancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addLayout(form);
    top->addWidget(summary_, 1);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addWidget(new QLabel(tr("Начало файла (жёлтые поля — числа тиража, голубое — номер тиража):"), this));
    whole->addWidget(preview_, 1);
    whole->addWidget(buttons);

    showLayout(proposed);

    connect(delimiterBox_, &QComboBox::currentIndexChanged, this, &TImportDialog::refreshLater);
    connect(headerLinesBox_, &QSpinBox::valueChanged, this, &TImportDialog::refreshLater);
    connect(drawNoBox_, &QComboBox::currentIndexChanged, this, &TImportDialog::refreshLater);
    connect(numberFieldsEdit_, &QLineEdit::textChanged, this, &TImportDialog::refreshLater);
    connect(maxNumberBox_, &QSpinBox::valueChanged, this, [this] {
        maxNumberTyped_ = true;
        refreshLater();
    });
    connect(newestFirstBox_, &QCheckBox::toggled, this, &TImportDialog::refreshLater);
    connect(lastDrawsBox_, &QSpinBox::valueChanged, this, &TImportDialog::refreshLater);
    refresh();
}

std::vector<int32_t> TImportDialog::ParseFieldList(const QString& text)
{
    std::vector<int32_t> fields;
    static const QRegularExpression item(R"(^\s*(\d{1,3})\s*(?:-\s*(\d{1,3})\s*)?$)");
    for (const QString& part : text.split(',', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = item.match(part);
        if (!match.hasMatch())
            return {};
        const int32_t from = match.captured(1).toInt();
        const int32_t to = match.captured(2).isEmpty() ? from : match.captured(2).toInt();
        if (from < 1 || to < from || fields.size() + static_cast<std::size_t>(to - from) > 100)
            return {};
        for (int32_t f = from; f <= to; ++f)
            fields.push_back(f);
    }
    return fields;
}

QString TImportDialog::FieldListText(const std::vector<int32_t>& fields)
{
    QStringList parts;
    for (std::size_t i = 0; i < fields.size();) {
        std::size_t j = i;
        while (j + 1 < fields.size() && fields[j + 1] == fields[j] + 1)
            ++j;
        parts << (j > i ? QString("%1-%2").arg(fields[i]).arg(fields[j]) : QString::number(fields[i]));
        i = j + 1;
    }
    return parts.join(", ");
}

void TImportDialog::showLayout(const Main::TImportLayout& layout)
{
    for (int i = 0; i < delimiterBox_->count(); ++i)
        if (delimiterBox_->itemData(i).toInt() == layout.Delimiter)
            delimiterBox_->setCurrentIndex(i);
    headerLinesBox_->setValue(layout.HeaderLines);
    numberFieldsEdit_->setText(FieldListText(layout.NumberFields));
    maxNumberBox_->setValue(std::clamp(layout.MaxNumber, 2, 99));
    newestFirstBox_->setChecked(layout.NewestFirst);
    for (const std::string& line : head_)
        fieldCount_ = std::max(fieldCount_, static_cast<int>(Main::SplitImportLine(line, layout.Delimiter).size()));
    fieldCount_ = std::max(fieldCount_, layout.DrawNoField);
    drawNoBox_->clear();
    drawNoBox_->addItem(tr("по порядку"), 0);
    for (int f = 1; f <= fieldCount_; ++f)
        drawNoBox_->addItem(tr("поле %1").arg(f), f);
    drawNoBox_->setCurrentIndex(layout.DrawNoField);
}

void TImportDialog::setSourceName(const QString& name)
{
    setWindowTitle(tr("Импорт истории тиражей — %1").arg(name));
}

Main::TImportLayout TImportDialog::layout() const
{
    Main::TImportLayout layout;
    layout.Delimiter = static_cast<char>(delimiterBox_->currentData().toInt());
    layout.HeaderLines = headerLinesBox_->value();
    layout.DrawNoField = drawNoBox_->currentData().toInt();
    layout.NumberFields = ParseFieldList(numberFieldsEdit_->text());
    layout.MaxNumber = maxNumberBox_->value();
    layout.NewestFirst = newestFirstBox_->isChecked();
    return layout;
}

int32_t TImportDialog::lastDraws() const
{
    return lastDrawsBox_->value();
}

// Several controls may change at once (a new delimiter renumbers the fields);
// the preview and summary are made once after all of them.
void TImportDialog::refreshLater()
{
    if (refreshPending_)
        return;
    refreshPending_ = true;
    QTimer::singleShot(0, this, [this] {
        refreshPending_ = false;
        refresh();
    });
}

void TImportDialog::refresh()
{
    followMaxNumber();
    const Main::TImportLayout current = layout();
    fillPreview(current);
    summary_->setPlainText(summaryText(current));
}

// M from the draws that would be loaded, unless the user has typed one.
void TImportDialog::followMaxNumber()
{
    olderMax_ = 0;
    const Main::TImportLayout current = layout();
    if (current.NumberFields.empty())
        return;
    Main::TMaxNumberProposal proposal;
    try {
        proposal = Main::ProposeMaxNumber(fileName_.toStdString(), current, lastDraws());
    } catch (const std::exception&) {
        return; // the summary says why the file cannot be read
    }
    if (!maxNumberTyped_ && proposal.Recent >= 2) {
        const QSignalBlocker blocker(maxNumberBox_);
        maxNumberBox_->setValue(proposal.Recent);
    }
    if (proposal.Whole > proposal.Recent && proposal.Whole > maxNumberBox_->value())
        olderMax_ = proposal.Whole;
}

// What the header lines are and why each is not a draw.
QString TImportDialog::headerText(const Main::TImportLayout& layout) const
{
    QString text;
    const int shown = std::min<int>(layout.HeaderLines, static_cast<int>(head_.size()));
    for (int i = 0; i < shown; ++i) {
        const std::string& line = head_[static_cast<std::size_t>(i)];
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        const auto problem = Main::ImportRowProblem(line, layout);
        const QString quoted = QString::fromStdString(line).left(40) + (line.size() > 40 ? "…" : "");
        text += problem
            ? tr("Заголовок, строка %1 «%2»: не тираж (%3).").arg(i + 1).arg(quoted, QString::fromStdString(*problem))
                + '\n'
            : tr("Строка %1 «%2» читается как тираж, но пропущена как заголовок: "
                 "если это тираж, уменьшите «Строк заголовка».")
                    .arg(i + 1)
                    .arg(quoted)
                + '\n';
    }
    if (layout.HeaderLines > shown)
        text += tr("Строки с %1 по %2 пропущены как заголовок.").arg(shown + 1).arg(layout.HeaderLines) + '\n';
    return text;
}

void TImportDialog::fillPreview(const Main::TImportLayout& layout)
{
    std::vector<std::vector<std::string>> rows;
    int columns = 0;
    for (const std::string& line : head_) {
        rows.push_back(Main::SplitImportLine(line, layout.Delimiter));
        columns = std::max(columns, static_cast<int>(rows.back().size()));
    }
    preview_->clear();
    preview_->setRowCount(static_cast<int>(rows.size()));
    preview_->setColumnCount(columns);
    QStringList headers;
    for (int c = 1; c <= columns; ++c) {
        const bool isNumber
            = std::find(layout.NumberFields.begin(), layout.NumberFields.end(), c) != layout.NumberFields.end();
        headers << (c == layout.DrawNoField ? tr("%1 (№)").arg(c)
                : isNumber                  ? tr("%1 (число)").arg(c)
                                            : QString::number(c));
    }
    preview_->setHorizontalHeaderLabels(headers);
    for (int f = drawNoBox_->count(); f <= columns; ++f)
        drawNoBox_->addItem(tr("поле %1").arg(f), f);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const bool header = r < layout.HeaderLines;
        for (int c = 0; c < static_cast<int>(rows[static_cast<std::size_t>(r)].size()); ++c) {
            auto* item = new QTableWidgetItem(
                QString::fromStdString(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
            const int field = c + 1;
            if (header)
                item->setForeground(Qt::gray);
            else if (field == layout.DrawNoField)
                item->setBackground(DrawNoFieldColour);
            else if (std::find(layout.NumberFields.begin(), layout.NumberFields.end(), field)
                != layout.NumberFields.end())
                item->setBackground(NumberFieldColour);
            preview_->setItem(r, c, item);
        }
    }
    preview_->resizeColumnsToContents();
}

QString TImportDialog::summaryText(const Main::TImportLayout& layout)
{
    if (layout.NumberFields.empty()) {
        loadButton_->setEnabled(false);
        return tr("Укажите поля основных чисел тиража, например «3-8».");
    }
    Main::TImportedHistory history;
    try {
        history = Main::ReadDrawHistory(fileName_.toStdString(), layout, lastDraws());
    } catch (const std::exception& e) {
        loadButton_->setEnabled(false);
        return QString::fromUtf8(e.what()) + '.';
    }
    loadButton_->setEnabled(true);
    const Main::TImportResult& result = history.Result;
    QString text;
    for (const QString& note : notes_)
        text += note + "\n";
    text += headerText(layout);
    text += tr("Лотерея: %1 из %2.").arg(layout.NumberFields.size()).arg(layout.MaxNumber) + '\n';
    if (olderMax_ > layout.MaxNumber)
        text += tr("В старых тиражах встречаются числа до %1: такие строки пропущены; "
                   "чтобы загрузить их, увеличьте M.")
                    .arg(olderMax_)
            + '\n';
    text += tr("Строк с тиражами: %1.").arg(result.Rows) + '\n';
    text += tr("Будет загружено тиражей: %1, с № %2 по № %3.")
                .arg(result.Loaded)
                .arg(history.Draws.front().DrawNo)
                .arg(history.Draws.back().DrawNo)
        + '\n';
    text += (layout.NewestFirst ? tr("Порядок в файле: от новых к старым.") : tr("Порядок в файле: от старых к новым."))
        + '\n';
    if (result.Older > 0)
        text += tr("Строк старше загружаемых тиражей, которые это описание не читает (например, тиражи прежней "
                   "игры): %1; на загрузку они не влияют.")
                    .arg(result.Older)
            + '\n';
    if (result.Skipped.empty()) {
        text += tr("Пропущенных строк нет.");
        return text;
    }
    text += tr("Пропущено строк: %1.").arg(result.Skipped.size()) + '\n';
    for (std::size_t i = 0; i < std::min(result.Skipped.size(), ListedProblems); ++i)
        text += tr("строка %1: %2").arg(result.Skipped[i].Line).arg(QString::fromStdString(result.Skipped[i].Reason))
            + '\n';
    if (result.Skipped.size() > ListedProblems)
        text += tr("… и ещё %1.").arg(result.Skipped.size() - ListedProblems);
    return text;
}
