#include "LoaderChecks.h"
#include "analysis/Analysis.h"
#include "support/DrawFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace Main;
using namespace LoaderChecks;
using TestSupport::Draw;
using TestSupport::TempDir;

namespace {

std::vector<Draw> LoadedDraws()
{
    std::vector<Draw> draws;
    for (int32_t j = 1; j <= DrawCount; ++j) {
        Draw draw { Draws[j].DrawNo, {} };
        for (int32_t k = 1; k <= std::min(NumbersPerDraw, MaxNumbersPerDraw); ++k)
            draw.numbers.push_back(Draws[j].Numbers[k]);
        draws.push_back(draw);
    }
    return draws;
}

struct LoadCase {
    std::string name;
    std::string bytes;
    std::string message; // empty: loads without error
    int32_t k;
    int32_t m;
    std::vector<Draw> draws;

    friend void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.name; }
};

const std::string Nul(1, '\0');

const std::vector<LoadCase> LoadCases = {
    // Line ends and the header.
    { "HeaderOnly", "06/49\n", "", 6, 49, {} },
    { "ByteOrderMarkIsSkipped",
        "\xEF\xBB\xBF"
        "06/49\n0001  010203040506\n",
        "", 6, 49, { { 1, { 1, 2, 3, 4, 5, 6 } } } },
    { "HeaderWithoutLineEnd", "06/49", "", 6, 49, {} },
    { "OneDraw", "06/49\n0001  010203040506\n", "", 6, 49, { { 1, { 1, 2, 3, 4, 5, 6 } } } },
    { "CrLf", "05 36\r\n0012  0105091522\r\n0013  0206101623\r\n", "", 5, 36,
        { { 12, { 1, 5, 9, 15, 22 } }, { 13, { 2, 6, 10, 16, 23 } } } },
    { "LastLineWithoutLineEnd", "02/09\n0001  0102\n0002  0304", "", 2, 9, { { 1, { 1, 2 } }, { 2, { 3, 4 } } } },
    { "LoneCrIsDropped", "02/09\r\n00\r01  01\r02\n", "", 2, 9, { { 1, { 1, 2 } } } },
    { "CtrlZAtLineStartEndsFile",
        "02/09\n0001  0102\n\x1a"
        "0002  0304\n",
        "", 2, 9, { { 1, { 1, 2 } } } },
    { "CtrlZInLineSkipsRestOfLine",
        "02/09\n0001  0102\x1a"
        "junk\n0002  0304\n",
        "", 2, 9, { { 1, { 1, 2 } }, { 2, { 3, 4 } } } },
    { "CtrlZInHeaderLine",
        "02/09\x1a"
        "junk\n0001  0102\n",
        "", 2, 9, { { 1, { 1, 2 } } } },
    // Columns that are not read.
    { "AnyCharactersInUnreadColumns", "06x49 lotto\n0001ab010203040506 bonus 07\n", "", 6, 49,
        { { 1, { 1, 2, 3, 4, 5, 6 } } } },
    { "OneDigitNumbersAfterBlanks", " 3  9\n   7   1 2 3\n", "", 3, 9, { { 7, { 1, 2, 3 } } } },
    { "SignsAndHexadecimal", "$3/x9\n-001  +1$2x3\n", "", 3, 9, { { -1, { 1, 2, 3 } } } },
    { "RepeatsAndNumbersAboveMLoadAsWritten", "03/09\n0001  070799\n", "", 3, 9, { { 1, { 7, 7, 99 } } } },
    { "ZeroNumbersPerDraw", "00/09\n0001\n0002xx\n", "", 0, 9, { { 1, {} }, { 2, {} } } },
    { "FieldCutShortByLineEnd", "02/09\n0001  010\n", "", 2, 9, { { 1, { 1, 0 } } } },
    { "TwentyNumbers", "20/99\n0001  0102030405060708091011121314151617181920\n", "", 20, 99,
        { { 1, { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20 } } } },
    // Failures keep what was read before them.
    { "EmptyFile", "", "'' is not a valid integer value", Untouched, Untouched, {} },
    { "CtrlZFirst",
        "\x1a"
        "06/49\n",
        "'' is not a valid integer value", Untouched, Untouched, {} },
    { "BadK", "6/49\n", "'6/' is not a valid integer value", Untouched, Untouched, {} },
    { "BadM", "06/4x\n", "'4x' is not a valid integer value", 6, Untouched, {} },
    { "HeaderTooShort", "06/\n", "'' is not a valid integer value", 6, Untouched, {} },
    { "TabInHeader", "\t6/49\n", "'\t6' is not a valid integer value", Untouched, Untouched, {} },
    { "EmptyLastLine", "02/09\n0001  0102\n\n", "'' is not a valid integer value", 2, 9, { { 1, { 1, 2 } } } },
    { "BlankAfterDigit", "02/09\n0001  0102\n0002  5 04\n", "'5 ' is not a valid integer value", 2, 9,
        { { 1, { 1, 2 } } } },
    { "LineStopsBeforeField", "03/09\n0001  0102\n", "'' is not a valid integer value", 3, 9, {} },
    { "BadDrawNumber", "02/09\n0001  0102\n00a2  0304\n", "'00a2' is not a valid integer value", 2, 9,
        { { 1, { 1, 2 } } } },
    { "TrailingBlankInDrawNumber", "02/09\n12    0102\n", "'12  ' is not a valid integer value", 2, 9, {} },
    { "SignWithoutDigits", "02/09\n0001  +-02\n", "'+-' is not a valid integer value", 2, 9, {} },
    { "PrefixWithoutDigits", "02/09\n0001  0x02\n", "'0x' is not a valid integer value", 2, 9, {} },
    { "NulByte", "02/09\n0001  0" + Nul + "02\n", "'0\xef\xbf\xbd' is not a valid integer value", 2, 9, {} },
    { "Windows1251Text", "02/09\n0001  \xd2\xe8\n", "'\xd0\xa2\xd0\xb8' is not a valid integer value", 2, 9, {} },
    { "TabInDrawNumber", "02/09\n0001  0102\n\t002  0304\n", "'\t002' is not a valid integer value", 2, 9,
        { { 1, { 1, 2 } } } },
    { "DollarWithoutDigits", "02/09\n0001  $ 02\n", "'$ ' is not a valid integer value", 2, 9, {} },
    { "XWithoutDigits", "02/09\n0001  01x\n", "'x' is not a valid integer value", 2, 9, {} },
    { "TrailingBlankInHeader", "2 /09\n", "'2 ' is not a valid integer value", Untouched, Untouched, {} },
    { "MoreThanTwentyNumbers", "21/99\n0001  01\n",
        "Лотерея типа 21 из 99 не поддерживается: в тираже не больше 20 чисел", 21, 99, {} },
};

class DrawFileLoaderTest : public testing::TestWithParam<LoadCase> { };

TEST_P(DrawFileLoaderTest, LoadsOrStopsWithMessage)
{
    const LoadCase& c = GetParam();
    TempDir dir;
    ResetHeader();
    EXPECT_EQ(Load(dir.write("draws.txt", c.bytes)), c.message);
    EXPECT_EQ(NumbersPerDraw, c.k);
    EXPECT_EQ(MaxNumber, c.m);
    EXPECT_EQ(LoadedDraws(), c.draws);
}

INSTANTIATE_TEST_SUITE_P(Files, DrawFileLoaderTest, testing::ValuesIn(LoadCases),
    [](const testing::TestParamInfo<LoadCase>& info) { return info.param.name; });

struct OpenFailureCase {
    const char* name;
    std::string relativePath;
    std::string message;

    friend void PrintTo(const OpenFailureCase& c, std::ostream* out) { *out << c.name; }
};

class DrawFileOpenTest : public testing::TestWithParam<OpenFailureCase> { };

TEST_P(DrawFileOpenTest, ReportsWhyTheFileCannotBeOpened)
{
    const OpenFailureCase& c = GetParam();
    TempDir dir;
    dir.write("plain.txt", "06/49\n");
    std::filesystem::create_directory(dir.path() / "folder");
    ResetHeader();
    EXPECT_EQ(Load((dir.path() / c.relativePath).string()), c.message);
    EXPECT_EQ(DrawCount, 0);
    EXPECT_EQ(NumbersPerDraw, Untouched);
    EXPECT_EQ(MaxNumber, Untouched);
}

// Windows says "path not found" (its code 3) for a missing folder.
#ifdef _WIN32
constexpr const char* MissingFolderMessage = "Invalid filename";
#else
constexpr const char* MissingFolderMessage = "File not found";
#endif

INSTANTIATE_TEST_SUITE_P(Paths, DrawFileOpenTest,
    testing::Values(OpenFailureCase { "Missing", "missing.txt", "File not found" },
        OpenFailureCase { "MissingFolder", "nowhere/draws.txt", MissingFolderMessage },
        OpenFailureCase { "Folder", "folder", "File access denied" },
        OpenFailureCase { "FileUsedAsFolder", "plain.txt/draws.txt", "Invalid filename" },
        OpenFailureCase { "NameTooLong", std::string(300, 'a'), "Invalid filename" }),
    [](const testing::TestParamInfo<OpenFailureCase>& info) { return info.param.name; });

// A non-digit in every column of every field: the message names that field,
// and what was read before it stays.
std::vector<LoadCase> EveryFieldColumn()
{
    const std::string header = "03/09", first = "0001  010203", second = "0002  040506";
    struct Field {
        const char* name;
        bool inHeader;
        std::size_t column, width;
    };
    const Field fields[] = { { "K", true, 1, 2 }, { "M", true, 4, 2 }, { "DrawNo", false, 1, 4 },
        { "Number1", false, 7, 2 }, { "Number2", false, 9, 2 }, { "Number3", false, 11, 2 } };
    std::vector<LoadCase> cases;
    for (const Field& field : fields) {
        for (std::size_t offset = 0; offset < field.width; ++offset) {
            std::string line = field.inHeader ? header : second;
            line[field.column - 1 + offset] = 'z';
            LoadCase c { std::string(field.name) + "Column" + std::to_string(field.column + offset), "",
                "'" + line.substr(field.column - 1, field.width) + "' is not a valid integer value", 3, 9,
                { { 1, { 1, 2, 3 } } } };
            if (field.inHeader) {
                c.bytes = line + "\n" + first + "\n";
                c.k = field.column == 1 ? Untouched : 3;
                c.m = Untouched;
                c.draws.clear();
            } else {
                c.bytes = header + "\n" + first + "\n" + line + "\n";
            }
            cases.push_back(c);
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(EveryColumn, DrawFileLoaderTest, testing::ValuesIn(EveryFieldColumn()),
    [](const testing::TestParamInfo<LoadCase>& info) { return info.param.name; });

TEST(DrawFileLoader, ReportsHeaderBeforeReadingDraws)
{
    TempDir dir;
    const std::string path = dir.write("draws.txt", "05/36\n0001  0102030405\nbad line\n");
    ResetHeader();
    int calls = 0;
    try {
        LoadDrawFile(path, [&] {
            ++calls;
            EXPECT_EQ(NumbersPerDraw, 5);
            EXPECT_EQ(MaxNumber, 36);
            EXPECT_EQ(DrawCount, 0);
        });
        FAIL() << "the bad line was accepted";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'bad ' is not a valid integer value");
    }
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(DrawCount, 1);
}

TEST(DrawFileLoader, KeepsThousandDrawsAndRefusesMore)
{
    TempDir dir;
    const auto draws = TestSupport::RandomDraws(6, 49, 1001, 7);
    const std::string full = TestSupport::DrawFileText(6, 49, { draws.begin(), draws.begin() + 1000 });
    EXPECT_EQ(Load(dir.write("full.txt", full)), "");
    EXPECT_EQ(DrawCount, 1000);

    EXPECT_EQ(Load(dir.write("over.txt", TestSupport::DrawFileText(6, 49, draws))), "В файле больше 1000 тиражей");
    EXPECT_EQ(DrawCount, 1000);
    EXPECT_EQ(Draws[1000].DrawNo, 1000);

    // An empty line after the last draw is the empty line's own failure, with
    // 1000 draws as with 999: no 1001st draw exists.
    for (int32_t count : { 999, 1000 }) {
        const std::string text = TestSupport::DrawFileText(6, 49, { draws.begin(), draws.begin() + count }) + "\n";
        EXPECT_EQ(Load(dir.write("empty-line.txt", text)), "'' is not a valid integer value") << count;
        EXPECT_EQ(DrawCount, count);
    }
}

// A file in a folder with a Russian name opens by its UTF-8 name, on Windows
// through its UTF-16 name.
TEST(DrawFileLoader, OpensFilesInFoldersWithRussianNames)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path() / std::filesystem::u8path("Тиражи"));
    const std::string path = dir.write("Тиражи/лото 6 из 49.txt", "06/49\r\n0001  010203040506\r\n");
    EXPECT_EQ(Load(path), "");
    EXPECT_EQ(DrawCount, 1);
    EXPECT_EQ(Load(TestSupport::UTF8String(dir.path() / std::filesystem::u8path("Тиражи/нет.txt"))), "File not found");
}

TEST(DrawFileLoader, SecondFileReplacesOnlyWhatItHolds)
{
    TempDir dir;
    LoadDrawFile(dir.write("a.txt", "02/09\n0001  0102\n0002  0304\n0003  0506\n"));
    LoadDrawFile(dir.write("b.txt", "03/12\n0010  101112\n"));
    EXPECT_EQ(NumbersPerDraw, 3);
    EXPECT_EQ(MaxNumber, 12);
    EXPECT_EQ(DrawCount, 1);
    EXPECT_EQ(Draws[1].DrawNo, 10);
    EXPECT_EQ(Draws[1].Numbers[3], 12);
    EXPECT_EQ(Draws[3].DrawNo, 3); // left behind, beyond DrawCount
}

TEST(DrawFileLoader, ReadsLinesOfAnyLength)
{
    TempDir dir;
    const std::string longTail(10 * 1024 * 1024, '7');
    EXPECT_EQ(Load(dir.write("long.txt", "02/09" + longTail + "\n0001  0102" + longTail + "\n0002  0304\n")), "");
    EXPECT_EQ(DrawCount, 2);
    EXPECT_EQ(Draws[2].Numbers[2], 4);
}

TEST(DrawFileLoader, ReadsTheExampleFiles)
{
    const struct {
        const char* name;
        int32_t k, m, draws;
    } examples[] = { { "6-49.txt", 6, 49, 100 }, { "5-36.txt", 5, 36, 250 }, { "20-99.txt", 20, 99, 1000 } };
    for (const auto& e : examples) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(Load(std::string(VELDORAN_EXAMPLES_DIR) + "/" + e.name), "");
        EXPECT_EQ(NumbersPerDraw, e.k);
        EXPECT_EQ(MaxNumber, e.m);
        EXPECT_EQ(DrawCount, e.draws);
    }
}

} // namespace
