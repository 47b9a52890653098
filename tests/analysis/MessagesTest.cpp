#include "analysis/Analysis.h"
#include "analysis/text/MessageCatalogue.h"

#include <gtest/gtest.h>

namespace {

// Every test leaves the messages Russian, as the other tests expect them.
class MessagesTest : public ::testing::Test {
protected:
    void TearDown() override { Main::SetMessageLanguage(Main::TMessageLanguage::Russian); }
};

TEST_F(MessagesTest, ArgumentsTakeTheirPlaces)
{
    const Main::TMessageText message { "%2 и %1, %1; 100%", "%1 and %2, %3" };
    const struct {
        Main::TMessageLanguage language;
        std::vector<std::string> arguments;
        std::string expected;
    } cases[] = {
        { Main::TMessageLanguage::Russian, { "а", "б" }, "б и а, а; 100%" },
        { Main::TMessageLanguage::English, { "a", "b" }, "a and b, %3" }, // a missing argument stays as written
        { Main::TMessageLanguage::English, { "%2", "x" }, "%2 and x, %3" }, // an argument is not read again
    };
    for (const auto& c : cases) {
        Main::SetMessageLanguage(c.language);
        EXPECT_EQ(Main::FormatMessage(message, c.arguments), c.expected);
    }
    EXPECT_EQ(Main::Text(Main::Messages::NumberOutOfRange, 50, 3, 49), "number 50 in field 3 is outside 1..49");
}

// The core's refusals in the language the interface chose.
TEST_F(MessagesTest, RefusalsInTheChosenLanguage)
{
    const auto refusal = [] {
        try {
            Main::CountGroups(4, 1);
        } catch (const std::exception& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(refusal(), "Группа — это 1, 2 или 3 числа, а указано 4");
    Main::SetMessageLanguage(Main::TMessageLanguage::English);
    EXPECT_EQ(refusal(), "A group is 1, 2 or 3 numbers, not 4");
    Main::SetMessageLanguage(Main::TMessageLanguage::Russian);
    EXPECT_EQ(refusal(), "Группа — это 1, 2 или 3 числа, а указано 4");
}

TEST_F(MessagesTest, WheelRefusalsInTheChosenLanguage)
{
    const auto refusal = [] {
        try {
            Main::WheelMisses({ { 1, 2, 3, 2 }, 2, 2, 2 }, {});
        } catch (const std::exception& e) {
            return std::string(e.what());
        }
        return std::string();
    };
    EXPECT_EQ(refusal(), "Число 2 указано дважды: числа колеса должны быть разными");
    Main::SetMessageLanguage(Main::TMessageLanguage::English);
    EXPECT_EQ(refusal(), "The number 2 is given twice: the wheel's numbers must all differ");
}

TEST_F(MessagesTest, ImportReasonsInTheChosenLanguage)
{
    Main::TImportLayout layout;
    layout.NumberFields = { 1, 2 };
    layout.MaxNumber = 49;
    EXPECT_EQ(Main::ImportRowProblem("3,x", layout), "поле 2 «x» — не число");
    Main::SetMessageLanguage(Main::TMessageLanguage::English);
    EXPECT_EQ(Main::ImportRowProblem("3,x", layout), "field 2 \"x\" is not a number");
    EXPECT_EQ(Main::ImportRowProblem("3,3", layout), "number 3 is repeated");
}

} // namespace
