#include "ui/reports/GroupTableModel.h"

#include "ui/reports/ReportNumbers.h"

#include <QStringList>

#include <algorithm>
#include <numeric>

namespace {

const char* const Headers[]
    = { QT_TRANSLATE_NOOP("TGroupTableModel", "Числа"), QT_TRANSLATE_NOOP("TGroupTableModel", "Выпадения"),
          QT_TRANSLATE_NOOP("TGroupTableModel", "Ожидается"), QT_TRANSLATE_NOOP("TGroupTableModel", "Отклонение"),
          QT_TRANSLATE_NOOP("TGroupTableModel", "Посл. тираж"), QT_TRANSLATE_NOOP("TGroupTableModel", "Пропуск") };

// A field of an English CSV file that holds its delimiter is quoted.
QString CsvField(QString text, QChar delimiter)
{
    if (!text.contains(delimiter) && !text.contains('"'))
        return text;
    return '"' + text.replace('"', "\"\"") + '"';
}

} // namespace

TGroupTableModel::TGroupTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void TGroupTableModel::setTable(Main::TGroupTable table)
{
    beginResetModel();
    table_ = std::move(table);
    rebuild();
    endResetModel();
}

void TGroupTableModel::setFilter(int32_t number)
{
    beginResetModel();
    filter_ = number;
    rebuild();
    endResetModel();
}

const Main::TGroupStat& TGroupTableModel::group(int row) const
{
    return table_.Groups[static_cast<std::size_t>(rows_[static_cast<std::size_t>(row)])];
}

// The shown rows: filtered, then in the last sort's order.
void TGroupTableModel::rebuild()
{
    rows_.clear();
    const auto size = static_cast<std::size_t>(std::clamp(table_.Size, 0, 3));
    for (std::size_t i = 0; i < table_.Groups.size(); ++i) {
        const auto& numbers = table_.Groups[i].Numbers;
        if (filter_ == 0 || std::find(numbers.begin(), numbers.begin() + size, filter_) != numbers.begin() + size)
            rows_.push_back(static_cast<int32_t>(i));
    }
    if (sortColumn_ < 0)
        return;

    // Deviation rises with hits and the expectation is the same for every
    // group, so both sort as hits; the numbers sort as the groups' own order.
    const auto key = [this](int32_t i) -> int64_t {
        const Main::TGroupStat& g = table_.Groups[static_cast<std::size_t>(i)];
        const int64_t value = sortColumn_ == LastDraw ? g.LastDraw
            : sortColumn_ == Gap                      ? g.Gap
            : sortColumn_ == Numbers                  ? i
                                                      : g.Hits;
        return sortOrder_ == Qt::AscendingOrder ? value : -value;
    };
    if (rows_.empty())
        return;
    const auto [low, high]
        = std::minmax_element(rows_.begin(), rows_.end(), [&key](int32_t a, int32_t b) { return key(a) < key(b); });
    const int64_t lowest = key(*low);
    const auto range = static_cast<std::size_t>(key(*high) - lowest + 1);
    if (range > 4 * rows_.size() + 4096) {
        std::stable_sort(rows_.begin(), rows_.end(), [&key](int32_t a, int32_t b) { return key(a) < key(b); });
        return;
    }
    std::vector<std::size_t> next(range + 1, 0);
    for (int32_t i : rows_)
        ++next[static_cast<std::size_t>(key(i) - lowest) + 1];
    std::partial_sum(next.begin(), next.end(), next.begin());
    std::vector<int32_t> sorted(rows_.size());
    for (int32_t i : rows_)
        sorted[next[static_cast<std::size_t>(key(i) - lowest)]++] = i;
    rows_ = std::move(sorted);
}

void TGroupTableModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged();
    sortColumn_ = column;
    sortOrder_ = order;
    rebuild();
    emit layoutChanged();
}

int TGroupTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TGroupTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

// The deviation is (hits - expected) / sigma, in standard deviations.
QString TGroupTableModel::text(const Main::TGroupStat& g, int column) const
{
    switch (column) {
    case Numbers: {
        QStringList parts;
        for (int32_t i = 0; i < table_.Size; ++i)
            parts << QString::number(g.Numbers[static_cast<std::size_t>(i)]);
        return parts.join(" · ");
    }
    case Hits:
        return QString::number(g.Hits);
    case Expected:
        return ReportNumbers::Number(table_.Expected, 2);
    case Deviation: {
        const double sigmas = table_.Deviation > 0 ? (g.Hits - table_.Expected) / table_.Deviation : 0;
        return (sigmas > 0.05 ? "+" : "") + ReportNumbers::Number(sigmas, 1);
    }
    case LastDraw:
        return QString::number(g.LastDraw);
    case Gap:
        return QString::number(g.Gap);
    }
    return {};
}

QVariant TGroupTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return text(group(index.row()), index.column());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            index.column() == Numbers ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TGroupTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return tr(Headers[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QByteArray TGroupTableModel::csv() const
{
    // A spreadsheet reads a decimal comma only with semicolons between fields.
    const QChar delimiter = ReportNumbers::Locale().decimalPoint() == "," ? ';' : ',';
    QByteArray out("\xEF\xBB\xBF");
    QStringList header;
    for (const char* h : Headers)
        header << CsvField(tr(h), delimiter);
    out += header.join(delimiter).toUtf8() + "\r\n";
    for (int row = 0; row < rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < ColumnCount; ++column)
            cells << CsvField(text(group(row), column), delimiter);
        out += cells.join(delimiter).toUtf8() + "\r\n";
    }
    return out;
}

void TGroupTableModel::retranslate()
{
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!rows_.empty())
        emit dataChanged(index(0, Expected), index(rowCount() - 1, Deviation), { Qt::DisplayRole });
}
