#include "analysis/files/DrawFileLoader.h"

#include "analysis/files/IntegerText.h"
#include "analysis/files/TextFile.h"
#include "analysis/tables/Errors.h"
#include "analysis/tables/Tables.h"
#include "analysis/text/MessageCatalogue.h"

#include <string_view>

namespace Main {

namespace {

// No field reaches past this column, so the rest of a line is never kept.
constexpr std::size_t KeptColumns = 64;
static_assert(KeptColumns >= 6 + 2 * MaxNumbersPerDraw);

// The field of `width` columns from column `column` (counted from 1), cut short
// where the line ends.
std::string_view FieldText(std::string_view line, std::size_t column, std::size_t width)
{
    return column > line.size() ? std::string_view() : line.substr(column - 1, width);
}

int32_t Field(std::string_view line, std::size_t column, std::size_t width)
{
    return StrToInt(FieldText(line, column, width));
}

} // namespace

void LoadDrawFile(const std::string& fileName, const std::function<void()>& headerRead)
{
    DrawCount = 0;
    TTextFile file(fileName);

    std::string header = file.readLine(KeptColumns);
    if (header.starts_with("\xEF\xBB\xBF")) // a byte-order mark from a Windows editor
        header.erase(0, 3);
    NumbersPerDraw = Field(header, 1, 2);
    MaxNumber = Field(header, 4, 2);
    if (headerRead)
        headerRead();
    if (NumbersPerDraw > MaxNumbersPerDraw)
        throw ECapacityError(Text(Messages::UnsupportedLottery, NumbersPerDraw, MaxNumber));

    while (!file.eof()) {
        const std::string line = file.readLine(KeptColumns);
        TDrawRecord draw;
        draw.DrawNo = Field(line, 1, 4);
        for (int32_t k = 1; k <= NumbersPerDraw; ++k)
            draw.Numbers[k] = Field(line, static_cast<std::size_t>(7 + 2 * (k - 1)), 2);
        // Only a 1001st line that is a whole draw is one too many.
        if (DrawCount == MaxDraws)
            throw ECapacityError(Text(Messages::TooManyDraws));
        Draws[DrawCount + 1] = draw;
        ++DrawCount;
    }
}

bool IsDrawFileFormat(const std::string& fileName)
{
    try {
        TTextFile file(fileName);
        std::string header = file.readLine(KeptColumns);
        if (header.starts_with("\xEF\xBB\xBF"))
            header.erase(0, 3);
        const auto field = [](std::string_view line, std::size_t column, std::size_t width) {
            return ParseInteger(FieldText(line, column, width));
        };
        if (!field(header, 1, 2) || !field(header, 4, 2))
            return false;
        if (file.eof())
            return true;
        const std::string line = file.readLine(KeptColumns);
        return line.empty() || field(line, 1, 4).has_value();
    } catch (const EInOutError&) {
        return true;
    }
}

} // namespace Main
