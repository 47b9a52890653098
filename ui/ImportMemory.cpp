#include "ui/ImportMemory.h"

#include "ui/ProgramSettings.h"

#include <QStringList>

namespace {

const QString Group = QStringLiteral("importLayouts");

struct TEntry {
    TFileShape shape;
    TRememberedLayout remembered;
};

const std::string* FirstLine(const std::vector<std::string>& head, int32_t headerLines)
{
    for (std::size_t i = static_cast<std::size_t>(std::max(headerLines, 0)); i < head.size(); ++i)
        if (head[i].find_first_not_of(" \t") != std::string::npos)
            return &head[i];
    return nullptr;
}

int FieldCount(const std::string& line, char delimiter)
{
    return static_cast<int>(Main::SplitImportLine(line, delimiter).size());
}

QString FieldsText(const std::vector<int32_t>& fields)
{
    QStringList parts;
    for (int32_t f : fields)
        parts << QString::number(f);
    return parts.join(',');
}

std::vector<int32_t> FieldsFromText(const QString& text)
{
    std::vector<int32_t> fields;
    for (const QString& part : text.split(',', Qt::SkipEmptyParts))
        if (const int f = part.toInt(); f >= 1)
            fields.push_back(f);
    return fields;
}

std::vector<TEntry> ReadEntries()
{
    TProgramSettings settings;
    std::vector<TEntry> entries;
    const int size = settings.beginReadArray(Group);
    for (int i = 0; i < size && i < ImportMemory::Kept; ++i) {
        settings.setArrayIndex(i);
        TEntry entry;
        entry.shape.Header = settings.value("header").toString();
        entry.shape.Fields = settings.value("fields").toInt();
        Main::TImportLayout& layout = entry.remembered.Layout;
        layout.Delimiter = static_cast<char>(settings.value("delimiter", ',').toInt());
        layout.HeaderLines = settings.value("headerLines").toInt();
        layout.DrawNoField = settings.value("drawNoField").toInt();
        layout.NumberFields = FieldsFromText(settings.value("numberFields").toString());
        layout.MaxNumber = settings.value("maxNumber").toInt();
        layout.NewestFirst = settings.value("newestFirst").toBool();
        entry.remembered.MaxNumberTyped = settings.value("maxNumberTyped").toBool();
        if (!layout.NumberFields.empty())
            entries.push_back(entry);
    }
    settings.endArray();
    return entries;
}

} // namespace

namespace ImportMemory {

std::optional<TRememberedLayout> Recall(const std::vector<std::string>& head)
{
    for (const TEntry& entry : ReadEntries())
        if (HasShape(head, entry.remembered.Layout, entry.shape))
            return entry.remembered;
    return std::nullopt;
}

void Remember(const std::vector<std::string>& head, const TRememberedLayout& remembered)
{
    const auto shape = ShapeOf(head, remembered.Layout);
    if (!shape)
        return;
    std::vector<TEntry> entries { TEntry { *shape, remembered } };
    for (const TEntry& old : ReadEntries())
        if (old.shape != *shape)
            entries.push_back(old);
    if (entries.size() > static_cast<std::size_t>(Kept))
        entries.resize(static_cast<std::size_t>(Kept));

    TProgramSettings settings;
    settings.remove(Group);
    settings.beginWriteArray(Group, static_cast<int>(entries.size()));
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const TEntry& e = entries[static_cast<std::size_t>(i)];
        const Main::TImportLayout& l = e.remembered.Layout;
        settings.setArrayIndex(i);
        settings.setValue("header", e.shape.Header);
        settings.setValue("fields", e.shape.Fields);
        settings.setValue("delimiter", static_cast<int>(l.Delimiter));
        settings.setValue("headerLines", l.HeaderLines);
        settings.setValue("drawNoField", l.DrawNoField);
        settings.setValue("numberFields", FieldsText(l.NumberFields));
        settings.setValue("maxNumber", l.MaxNumber);
        settings.setValue("newestFirst", l.NewestFirst);
        settings.setValue("maxNumberTyped", e.remembered.MaxNumberTyped);
    }
    settings.endArray();
}

std::optional<TFileShape> ShapeOf(const std::vector<std::string>& head, const Main::TImportLayout& layout)
{
    TFileShape shape;
    if (layout.HeaderLines >= 1) {
        if (static_cast<std::size_t>(layout.HeaderLines) > head.size())
            return std::nullopt; // a header longer than what is looked at is not recognised again
        shape.Header = QString::fromStdString(head[static_cast<std::size_t>(layout.HeaderLines - 1)]);
    } else if (const std::string* first = FirstLine(head, 0)) {
        shape.Fields = FieldCount(*first, layout.Delimiter);
    } else {
        return std::nullopt;
    }
    return shape;
}

bool HasShape(const std::vector<std::string>& head, const Main::TImportLayout& layout, const TFileShape& shape)
{
    if (!shape.Header.isEmpty())
        return layout.HeaderLines >= 1 && static_cast<std::size_t>(layout.HeaderLines) <= head.size()
            && QString::fromStdString(head[static_cast<std::size_t>(layout.HeaderLines - 1)]) == shape.Header;
    const std::string* first = FirstLine(head, 0);
    Main::TImportLayout widest = layout;
    widest.MaxNumber = 99;
    return first && FieldCount(*first, layout.Delimiter) == shape.Fields && !Main::ImportRowProblem(*first, widest);
}

} // namespace ImportMemory
