#include "analysis/Analysis.h"
#include "analysis/files/TextEncoding.h"
#include "support/DrawFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace Main;
using TestSupport::Draw;
using TestSupport::TempDir;

namespace {

std::vector<Draw> TableDraws()
{
    std::vector<Draw> draws;
    for (int32_t j = 1; j <= DrawCount; ++j) {
        Draw draw { Draws[j].DrawNo, {} };
        for (int32_t k = 1; k <= NumbersPerDraw; ++k)
            draw.numbers.push_back(Draws[j].Numbers[k]);
        draws.push_back(draw);
    }
    return draws;
}

std::string Joined(const std::vector<int32_t>& numbers, const std::string& separator, bool padded = false)
{
    std::string text;
    for (int32_t n : numbers) {
        if (!text.empty())
            text += separator;
        text += (padded && n < 10 ? "0" : "") + std::to_string(n);
    }
    return text;
}

// A date for the draw at `index` (0 = oldest), two draws a week.
struct Day {
    int32_t year, month, day;
};
Day DateOf(int32_t index)
{
    return { 2000 + index / 104, 1 + (index / 8) % 12, 1 + (index * 2) % 28 };
}
std::string Two(int32_t n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

const char* const EnglishMonths[]
    = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
const char* const RussianMonths[] = { "января", "февраля", "марта", "апреля", "мая", "июня", "июля", "августа",
    "сентября", "октября", "ноября", "декабря" };

// One published layout: the header, how a draw is written, and the layout the
// proposal must find for it.
struct HistoryCase {
    std::string name;
    int32_t k, m, count, firstDrawNo;
    bool newestFirst;
    std::string header;
    std::function<std::string(const Draw&, int32_t index)> row;
    TImportLayout expected;
    // The draws written, when not RandomDraws(k, m, count) numbered from firstDrawNo.
    std::function<std::vector<Draw>()> draws = {};

    friend void PrintTo(const HistoryCase& c, std::ostream* out) { *out << c.name; }
};

std::string Write(const TempDir& dir, const HistoryCase& c, const std::vector<Draw>& draws, const std::string& lineEnd)
{
    std::string text = c.header;
    std::vector<int32_t> order;
    for (int32_t i = 0; i < c.count; ++i)
        order.push_back(c.newestFirst ? c.count - 1 - i : i);
    for (int32_t i : order)
        text += c.row(draws[static_cast<std::size_t>(i)], i) + lineEnd;
    return dir.write(c.name + ".csv", text);
}

std::vector<int32_t> Range(int32_t from, int32_t to)
{
    std::vector<int32_t> fields;
    for (int32_t f = from; f <= to; ++f)
        fields.push_back(f);
    return fields;
}

const HistoryCase Histories[] = {
    { "csv_header_iso_dates_bonus", 6, 49, 400, 1, false, "Draw,Date,N1,N2,N3,N4,N5,N6,Bonus,Jackpot\r\n",
        [](const Draw& d, int32_t i) {
            const Day day = DateOf(i);
            return std::to_string(d.drawNo) + "," + std::to_string(day.year) + "-" + Two(day.month) + "-" + Two(day.day)
                + "," + Joined(d.numbers, ",") + "," + std::to_string(1 + (d.drawNo * 7) % 49) + ","
                + std::to_string(1000000 + i * 13);
        },
        { ',', 1, 1, Range(3, 8), 49, false } },
    { "semicolon_russian_one_field_newest_first", 5, 36, 250, 3001, true, "Тираж;Дата;Выигрышные числа;Джекпот\n",
        [](const Draw& d, int32_t i) {
            const Day day = DateOf(i);
            return std::to_string(d.drawNo) + ";" + Two(day.day) + "." + Two(day.month) + "." + std::to_string(day.year)
                + ";" + Joined(d.numbers, " ") + ";" + std::to_string(i % 9 + 1) + " 000 000 руб.";
        },
        { ';', 1, 1, Range(3, 7), 36, true } },
    { "tab_no_header_five_digit_draws", 6, 45, 300, 10001, true, "",
        [](const Draw& d, int32_t i) {
            const Day day = DateOf(i);
            return Two(day.month) + "/" + Two(day.day) + "/" + std::to_string(day.year) + "\t"
                + std::to_string(d.drawNo) + "\t" + Joined(d.numbers, "\t", true);
        },
        { '\t', 0, 2, Range(3, 8), 45, true } },
    { "quoted_bom_powerball", 5, 69, 500, 1, true, "\xEF\xBB\xBF\"Draw Date\",\"Winning Numbers\",\"Multiplier\"\n",
        [](const Draw& d, int32_t i) {
            const Day day = DateOf(i);
            return "\"" + Two(day.day) + "-" + EnglishMonths[day.month - 1] + "-" + std::to_string(day.year) + "\",\""
                + Joined(d.numbers, " ", true) + " " + Two(1 + (i * 5) % 26) + "\",\"" + std::to_string(2 + i % 4)
                + "\"";
        },
        { ',', 1, 0, Range(2, 6), 69, true } },
    { "blanks_russian_dates_no_draw_numbers", 6, 49, 120, 1, true, "Дата тиража     Числа\n",
        [](const Draw& d, int32_t i) {
            const Day day = DateOf(i);
            return std::to_string(day.day) + " " + RussianMonths[day.month - 1] + " " + std::to_string(day.year) + "   "
                + Joined(d.numbers, "  ");
        },
        { ' ', 1, 0, Range(4, 9), 49, true } },
    { "pipe_keno_year_week", 20, 80, 1200, 1, false, "year|week|draw|numbers\n",
        [](const Draw& d, int32_t i) {
            return std::to_string(1990 + i / 52) + "|" + std::to_string(1 + i % 52) + "|" + std::to_string(d.drawNo)
                + "|" + Joined(d.numbers, " ");
        },
        { '|', 1, 3, Range(4, 23), 80, false } },
    { "numbered_header_two_digit_years", 6, 49, 150, 1, true, "Тираж;Дата;1;2;3;4;5;6\n",
        [](const Draw& d, int32_t i) {
            const Day day = DateOf(i);
            return std::to_string(d.drawNo) + ";" + Two(day.day) + "." + Two(day.month) + "." + Two(day.year % 100)
                + ";" + Joined(d.numbers, ";");
        },
        { ';', 1, 1, Range(3, 8), 49, true } },
    { "semicolon_week_before_numbers_2020_dates", 5, 90, 200, 1, false, "",
        [](const Draw& d, int32_t i) {
            const Day day = DateOf(i);
            return std::to_string(day.year) + "." + Two(day.month) + "." + Two(day.day) + ".;"
                + std::to_string(1 + (i / 2) % 52) + ";" + Joined(d.numbers, ";");
        },
        { ';', 0, 0, Range(3, 7), 90, false } },
    // The multiplier came in lately: only the 17 newest rows have its field.
    { "trailing_field_only_in_newest_rows", 5, 69, 400, 1, true, "Draw Date,Draw,N1,N2,N3,N4,N5,Powerball,Multiplier\n",
        [](const Draw& d, int32_t i) {
            const Day day = DateOf(i);
            return Two(day.month) + "/" + Two(day.day) + "/" + std::to_string(day.year) + "," + std::to_string(d.drawNo)
                + "," + Joined(d.numbers, ",") + "," + std::to_string(1 + i % 26)
                + (i >= 400 - 17 ? "," + std::to_string(2 + i % 3) : "");
        },
        { ',', 1, 2, Range(3, 7), 69, true } },
    // The newest row was written by a newer export: a field more, an empty one.
    { "newest_row_of_another_shape", 5, 49, 300, 1, true, "annee;date;b1;b2;b3;b4;b5;chance\n",
        [](const Draw& d, int32_t i) {
            const Day day = DateOf(i);
            return std::to_string(d.drawNo) + ";" + Two(day.day) + "/" + Two(day.month) + "/" + std::to_string(day.year)
                + ";" + Joined(d.numbers, ";") + ";" + std::to_string(1 + i % 10) + (i == 299 ? ";;X12 345 678" : "");
        },
        { ';', 1, 1, Range(3, 7), 49, true } },
    // Draw numbers coded by year, 104 a year: 2019001 .. 2019104, 2020001, ...
    { "year_coded_draw_numbers", 6, 45, 350, 1, true, "Lotto;Draw;Numbers\n",
        [](const Draw& d, int32_t) { return "Lotto;" + std::to_string(d.drawNo) + ";" + Joined(d.numbers, " "); },
        { ';', 1, 2, Range(3, 8), 45, true },
        [] {
            auto draws = TestSupport::RandomDraws(6, 45, 350, 31);
            for (std::size_t i = 0; i < draws.size(); ++i)
                draws[i].drawNo = static_cast<int32_t>((2019 + i / 104) * 1000 + i % 104 + 1);
            return draws;
        } },
    // France's FDJ export: year-coded draw numbers, three draws a week, newest
    // first, the day's name, two dates, the numbers unsorted, a bonus from
    // another pool, the sorted combination and the winnings with decimal commas.
    { "fdj_year_coded_newest_first", 5, 49, 400, 1, true,
        "annee_numero_de_tirage;jour_de_tirage;date_de_tirage;date_de_forclusion;boule_1;boule_2;boule_3;boule_4;"
        "boule_5;numero_chance;combinaison_gagnante_en_ordre_croissant;nombre_de_grille_gagnant_rang1;"
        "rapport_du_rang1;nombre_de_grille_gagnant_rang2;rapport_du_rang2;\n",
        [](const Draw& d, int32_t i) {
            const Day day = DateOf(i);
            const char* const days[] = { "LUNDI", "MERCREDI", "SAMEDI" };
            // Dates as yyyymmdd, as the newer exports write them.
            const std::string date = std::to_string(day.year) + Two(day.month) + Two(day.day);
            return std::to_string(d.drawNo) + ";" + days[i % 3] + ";" + date + ";" + date + ";" + Joined(d.numbers, ";")
                + ";" + std::to_string(1 + i % 10) + ";" + Joined(d.numbers, "-") + ";" + std::to_string(i % 3) + ";"
                + std::to_string(2000000 + i) + ",00;" + std::to_string(i % 7) + ";" + std::to_string(100000 + i * 3)
                + ",40;";
        },
        { ';', 1, 1, Range(5, 9), 49, true },
        [] {
            auto draws = TestSupport::RandomDraws(5, 49, 400, 41);
            for (std::size_t i = 0; i < draws.size(); ++i)
                draws[i].drawNo = static_cast<int32_t>((2021 + i / 156) * 1000 + i % 156 + 1);
            // A special draw numbered apart, out of turn.
            draws[200].drawNo = 2022901;
            return draws;
        } },
};

class ImportHistory : public ::testing::TestWithParam<HistoryCase> { };

// The proposal reads every layout without help, and importing with it gives
// the same draw table as the program's own draw file of the same draws.
TEST_P(ImportHistory, ProposalMatchesAndImportEqualsDrawFile)
{
    const HistoryCase& c = GetParam();
    TempDir dir;
    const auto draws = c.draws ? c.draws() : TestSupport::RandomDraws(c.k, c.m, c.count, 77, c.firstDrawNo);
    const std::string file = Write(dir, c, draws, "\n");

    const TImportLayout layout = ProposeImportLayout(file);
    EXPECT_EQ(layout.Delimiter, c.expected.Delimiter);
    EXPECT_EQ(layout.HeaderLines, c.expected.HeaderLines);
    EXPECT_EQ(layout.DrawNoField, c.expected.DrawNoField);
    EXPECT_EQ(layout.NumberFields, c.expected.NumberFields);
    EXPECT_EQ(layout.MaxNumber, c.expected.MaxNumber);
    EXPECT_EQ(layout.NewestFirst, c.expected.NewestFirst);

    const TImportResult result = ImportDrawHistory(file, layout);
    const int32_t kept = std::min(c.count, MaxDraws);
    EXPECT_EQ(result.Rows, c.count);
    EXPECT_EQ(result.Loaded, kept);
    EXPECT_TRUE(result.Skipped.empty());
    EXPECT_EQ(NumbersPerDraw, c.k);
    EXPECT_EQ(MaxNumber, c.m);

    std::vector<Draw> recent(draws.end() - kept, draws.end());
    if (c.expected.DrawNoField == 0)
        for (std::size_t i = 0; i < recent.size(); ++i)
            recent[i].drawNo = c.count - kept + static_cast<int32_t>(i) + 1;
    if (recent.back().drawNo <= 9999) {
        LoadDrawFile(dir.write("same.txt", TestSupport::DrawFileText(c.k, c.m, recent)));
        const auto fromDrawFile = TableDraws();
        ImportDrawHistory(file, layout);
        EXPECT_EQ(TableDraws(), fromDrawFile);
    }
    EXPECT_EQ(TableDraws(), recent);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, ImportHistory, ::testing::ValuesIn(Histories), [](const auto& info) { return info.param.name; });

// An Israeli-like history: older rows of a 6 of 49 game before the 6 of 37
// ones, and one bad row among the newest. Only rows that kept a draw out of
// the most recent N are skipped; the older game's rows are counted apart.
TEST(ImportHistoryRows, OlderRowsOfAnotherGameAreNotSkippedRows)
{
    TempDir dir;
    const auto older = TestSupport::RandomDraws(6, 49, 1300, 8);
    int32_t olderUnread = 0; // 6 of 49 draws with a number above 37
    for (const Draw& d : older)
        olderUnread += *std::max_element(d.numbers.begin(), d.numbers.end()) > 37;
    struct Case {
        int32_t newerDraws, lastDraws, skipped, olderRows;
    };
    // With 500 newer draws the most recent 1000 reach into the older game:
    // its unread rows kept draws out. One draw stops before the bad row.
    const Case cases[]
        = { { 1500, 1000, 1, olderUnread }, { 1500, 1, 0, 1 + olderUnread }, { 500, 1000, 1 + olderUnread, 0 } };
    for (const Case& c : cases) {
        std::vector<std::string> rows;
        for (const Draw& d : older)
            rows.push_back(std::to_string(d.drawNo) + "," + Joined(d.numbers, ","));
        for (const Draw& d : TestSupport::RandomDraws(6, 37, c.newerDraws, 9, 1301))
            rows.push_back(std::to_string(d.drawNo) + "," + Joined(d.numbers, ","));
        rows.insert(rows.end() - 10, "2790,1,2,3,4,5,Х"); // among the newest ten
        for (const bool newestFirst : { false, true }) {
            std::string text = "Draw,1,2,3,4,5,6\n";
            for (std::size_t i = 0; i < rows.size(); ++i)
                text += rows[newestFirst ? rows.size() - 1 - i : i] + "\n";
            const std::string file = dir.write("israel.csv", text);
            const TImportLayout layout { ',', 1, 1, Range(2, 7), 37, newestFirst };
            const TImportResult result = ImportDrawHistory(file, layout, c.lastDraws);
            const std::string label
                = std::to_string(c.newerDraws) + "/" + std::to_string(c.lastDraws) + "/" + std::to_string(newestFirst);
            EXPECT_EQ(result.Rows, static_cast<int32_t>(rows.size())) << label;
            EXPECT_EQ(static_cast<int32_t>(result.Skipped.size()), c.skipped) << label;
            EXPECT_EQ(result.Older, c.olderRows) << label;
            const int32_t badLine = newestFirst ? 1 + 11 : static_cast<int32_t>(rows.size()) - 10 + 1;
            EXPECT_EQ(std::count_if(result.Skipped.begin(), result.Skipped.end(),
                          [badLine](const TImportProblem& p) { return p.Line == badLine; }),
                c.skipped > 0 ? 1 : 0)
                << label;
        }
    }
}

// A history of two games, 6 of 49 and then 6 of 37: M comes from the draws
// that are loaded, and follows how many of them are.
TEST(ImportProposal, MaxNumberFromTheDrawsLoaded)
{
    TempDir dir;
    auto draws = TestSupport::RandomDraws(6, 49, 600, 3);
    for (const Draw& d : TestSupport::RandomDraws(6, 37, 1200, 4))
        draws.push_back(d);
    std::string text = "Draw,Date,1,2,3,4,5,6\n";
    for (std::size_t i = 0; i < draws.size(); ++i)
        text += std::to_string(i + 1) + "," + std::to_string(1 + i % 28) + ".02." + std::to_string(1990 + i / 100) + ","
            + Joined(draws[i].numbers, ",") + "\n";
    const std::string file = dir.write("two-games.csv", text);

    const TImportProposal proposal = ProposeImport(file);
    EXPECT_EQ(proposal.Layout.HeaderLines, 1);
    EXPECT_EQ(proposal.Layout.NumberFields, Range(3, 8));
    EXPECT_EQ(proposal.Layout.MaxNumber, 37);
    EXPECT_EQ(ProposeMaxNumber(file, proposal.Layout, 1000).Whole, 49);
    EXPECT_EQ(ProposeMaxNumber(file, proposal.Layout, 1300).Recent, 49);
    EXPECT_EQ(ProposeMaxNumber(file, proposal.Layout, 1200).Recent, 37);
    const TImportResult result = ImportDrawHistory(file, proposal.Layout);
    EXPECT_EQ(result.Loaded, 1000);
    EXPECT_EQ(Draws[1].DrawNo, 801);
}

// Which leading lines are a header: only those that do not read as a draw,
// and a line of numbered columns; a bad first row is a row, not a header.
TEST(ImportProposal, HeaderIsOnlyWhatCannotBeADraw)
{
    TempDir dir;
    std::string rows;
    for (const Draw& d : TestSupport::RandomDraws(5, 36, 60, 8))
        rows += std::to_string(d.drawNo) + ";" + std::to_string(1 + d.drawNo % 28) + ".03.2020;"
            + Joined(d.numbers, ";") + "\n";
    const struct {
        std::string name, head;
        int32_t headerLines;
    } cases[] = {
        { "none", "", 0 },
        { "names", "Тираж;Дата;Ч1;Ч2;Ч3;Ч4;Ч5\n", 1 },
        { "title and names", "Результаты тиражей\n\nТираж;Дата;Ч1;Ч2;Ч3;Ч4;Ч5\n", 3 },
        { "numbered columns", "Тираж;Дата;1;2;3;4;5\n", 1 },
        { "bad first row", "Тираж;Дата;Ч1;Ч2;Ч3;Ч4;Ч5\n61;01.04.2020;1;2;x;4;5\n", 1 },
        { "longer first row", "Тираж;Дата;Ч1;Ч2;Ч3;Ч4;Ч5\n61;01.04.2020;1;2;3;4;5;;9 000 000\n", 1 },
    };
    for (const auto& c : cases) {
        const std::string file = dir.write("h.csv", c.head + rows);
        const TImportLayout layout = ProposeImportLayout(file);
        EXPECT_EQ(layout.HeaderLines, c.headerLines) << c.name;
        EXPECT_EQ(layout.NumberFields, Range(3, 7)) << c.name;
        EXPECT_EQ(ImportDrawHistory(file, layout).Rows, 60 + (c.name.find("first row") != std::string::npos)) << c.name;
    }
    const TImportLayout layout { ';', 0, 1, Range(3, 7), 36, false };
    EXPECT_EQ(ImportRowProblem("61;01.04.2020;1;2;x;4;5", layout).value_or(""), "поле 5 «x» — не число");
    EXPECT_FALSE(ImportRowProblem("61;01.04.2020;1;2;3;4;5;;9", layout));
}

// Unsorted numbers ending in a bonus of the same pool read as one more main
// number; the proposal says so, and a bonus filled only in some rows is left out.
TEST(ImportProposal, SamePoolBonusIsPointedOut)
{
    TempDir dir;
    std::string unsorted, partly;
    int32_t i = 0;
    for (const Draw& d : TestSupport::RandomDraws(7, 49, 200, 12)) {
        std::vector<int32_t> numbers = d.numbers;
        std::rotate(numbers.begin(), numbers.begin() + i % 7, numbers.end());
        unsorted += std::to_string(d.drawNo) + "," + Joined(numbers, ",") + "\n";
        partly += std::to_string(d.drawNo) + "," + Joined({ numbers.begin(), numbers.end() - 1 }, ",") + ","
            + (i % 10 == 0 ? std::string() : std::to_string(numbers.back())) + "\n";
        ++i;
    }
    const TImportProposal proposal = ProposeImport(dir.write("unsorted.csv", unsorted));
    EXPECT_EQ(proposal.Layout.NumberFields, Range(2, 8));
    EXPECT_TRUE(proposal.LastFieldMayBeBonus);
    ASSERT_EQ(proposal.Notes.size(), 1u);
    EXPECT_EQ(proposal.Notes[0],
        "Поле 8 может быть бонусным числом из того же набора: если в лотерее 6 основных чисел, укажите поля 2-7.");
    EXPECT_EQ(ProposeImport(dir.write("partly.csv", partly)).Layout.NumberFields, Range(2, 7));
}

TEST(ImportHistoryRows, BadRowsAreSkippedWithTheirLineAndReason)
{
    TempDir dir;
    const std::string file = dir.write("bad.csv",
        "draw,a,b,c\n"
        "1,1,2,3\n"
        "\n"
        "2,1,2\n"
        "3,1,x,3\n"
        "4,1,50,3\n"
        "5,7,7,3\n"
        "x,4,5,6\n"
        "7,4,5,6"); // last line without a line end
    TImportLayout layout { ',', 1, 1, { 2, 3, 4 }, 49, false };
    const TImportResult result = ImportDrawHistory(file, layout, 1000);
    EXPECT_EQ(result.Rows, 7);
    EXPECT_EQ(result.Loaded, 2);
    ASSERT_EQ(result.Skipped.size(), 5u);
    const std::pair<int32_t, std::string> expected[] = {
        { 4, "полей в строке 3, а нужно не меньше 4" },
        { 5, "поле 3 «x» — не число" },
        { 6, "число 50 в поле 3 вне диапазона 1..49" },
        { 7, "число 7 повторяется" },
        { 8, "номер тиража в поле 1 «x» — не число" },
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(result.Skipped[i].Line, expected[i].first);
        EXPECT_EQ(result.Skipped[i].Reason, expected[i].second);
    }
    EXPECT_EQ(TableDraws(), (std::vector<Draw> { { 1, { 1, 2, 3 } }, { 7, { 4, 5, 6 } } }));

    // Numbered by position among all rows, the newest-first file's last row
    // is the oldest draw; the most recent lastDraws are kept.
    layout.DrawNoField = 0;
    layout.NewestFirst = true;
    EXPECT_EQ(ImportDrawHistory(file, layout, 1).Loaded, 1);
    EXPECT_EQ(TableDraws(), (std::vector<Draw> { { 7, { 1, 2, 3 } } }));
}

// A failed import says why and leaves every table as it was.
TEST(ImportHistoryRows, FailuresChangeNothing)
{
    TempDir dir;
    const std::string good = dir.write("good.csv", "1,2,3\n4,5,6\n");
    const TImportLayout layout { ',', 0, 0, { 1, 2, 3 }, 9, false };
    const std::vector<int32_t> twentyOne = Range(1, 21);
    const struct {
        std::string file;
        TImportLayout layout;
        int32_t lastDraws;
        std::string message;
    } cases[] = {
        { TestSupport::UTF8String(dir.path() / "missing.csv"), layout, 10, "File not found" },
        { TestSupport::UTF8String(dir.path()), layout, 10, "File access denied" },
        { dir.write("binary.csv", std::string("1,2,3\n\0\x01\x02", 9)), layout, 10,
            "Файл не похож на историю тиражей: в строке 2 двоичные данные" },
        { dir.write("empty.csv", "\n\n"), layout, 10, "В файле нет ни одного тиража" },
        { dir.write("words.csv", "a,b,c\n"), layout, 10,
            "Ни один тираж файла не подходит под выбранное описание: 1 строк пропущено" },
        { good, { ',', 0, 0, twentyOne, 30, false }, 10,
            "В тираже должно быть от 1 до 20 чисел, а выбрано полей с числами: 21" },
        { good, { ',', 0, 0, { 1, 2, 3 }, 100, false }, 10,
            "Наибольшее число лотереи M должно быть от 2 до 99, а указано 100" },
        { good, layout, 1001, "Загрузить можно от 1 до 1000 последних тиражей, а указано 1001" },
    };
    for (const auto& c : cases) {
        LoadDrawFile(dir.write("before.txt", "02/09\n0001  0102\n"));
        const auto before = TableDraws();
        try {
            ImportDrawHistory(c.file, c.layout, c.lastDraws);
            ADD_FAILURE() << c.message;
        } catch (const EAnalysisError& e) {
            EXPECT_EQ(e.what(), c.message);
        }
        EXPECT_EQ(TableDraws(), before) << c.message;
        EXPECT_EQ(MaxNumber, 9);
    }
}

TEST(ImportHistoryText, FieldsAndDates)
{
    using Fields = std::vector<std::string>;
    EXPECT_EQ(SplitImportLine(R"( "a,b" , "say ""hi""",,3 9 17 ,7)", ','),
        (Fields { "a,b", "say \"hi\"", "", "3", "9", "17", "7" }));
    EXPECT_EQ(SplitImportLine("  12   3 4\t5  ", ' '), (Fields { "12", "3", "4", "5" }));
    EXPECT_EQ(SplitImportLine("1 000 руб.|2", '|'), (Fields { "1 000 руб.", "2" }));

    const std::pair<std::string, int32_t> dates[] = {
        { "x,2024-05-25,1", 20240525 },
        { "2020.05.05.;3", 20200505 },
        { "1;25.05.2024", 20240525 },
        { "05/25/2024", 20240525 },
        { "25/05/2024", 20240525 },
        { "\"06-Feb-2013\"", 20130206 },
        { "7 июля 2024 3 9", 20240707 },
        { "7 Июля 2024", 20240707 },
        { "12 May 2001", 20010512 },
        { "1,2,3", 0 },
        { "32.01.2024", 0 },
        { "12345-01-02", 0 },
        { "25.05.24;3", 20240525 },
        { "05/25/98", 19980525 },
        { "1-2-24", 0 },
    };
    for (const auto& [text, date] : dates)
        EXPECT_EQ(FindDate(text).value_or(0), date) << text;

    const std::pair<std::string, bool> utf8[] = {
        { "Тираж 5 €", true },
        { "\xF0\x9F\x8E\xB2", true },
        { "\xCF\xF0\xE8", false },
        { "\xC0\xAF", false },
        { "\xE0\x80\xAF", false },
        { "\xED\xA0\x80", false },
        { "\xF4\x90\x80\x80", false },
        { "\xD0", false },
    };
    for (const auto& [bytes, valid] : utf8)
        EXPECT_EQ(IsValidUtf8(bytes), valid) << bytes;
}

} // namespace
