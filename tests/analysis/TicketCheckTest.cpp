#include "analysis/Analysis.h"
#include "analysis/text/Messages.h"
#include "support/DrawFiles.h"

#include <gtest/gtest.h>

#include <string>

using namespace Main;

namespace {

// Three 6-of-10 lines with a repeat and a number outside 1..M, checked against
// two tickets counted by hand.
class TicketCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadDrawFile(dir_.write("d.txt",
            TestSupport::DrawFileText(6, 10,
                {
                    { 1, { 1, 2, 3, 4, 5, 6 } },
                    { 2, { 1, 1, 7, 8, 9, 0 } }, // 1 twice and a 0: 1, 7, 8, 9 count
                    { 3, { 5, 6, 7, 8, 9, 10 } },
                })));
    }
    TestSupport::TempDir dir_;
};

TEST_F(TicketCheckTest, CountsMatchAHandCount)
{
    const std::vector<std::vector<int32_t>> tickets { { 1, 2, 3 }, { 7, 8, 10 } };
    // Line 1: ticket 1 shares 3, ticket 2 shares 0; line 2: 1 and 2;
    // line 3: 0 and 3.
    const TTicketCheck all = CheckTickets(tickets, 3);
    EXPECT_EQ(all.Draws, 3);
    EXPECT_EQ(all.Matches, (std::vector<int64_t> { 2, 1, 1, 2 }));
    EXPECT_EQ(all.Best, (std::vector<int32_t> { 3, 2, 3 }));
    const TTicketCheck recent = CheckTickets(tickets, 2);
    EXPECT_EQ(recent.Matches, (std::vector<int64_t> { 1, 1, 1, 1 }));
    EXPECT_EQ(recent.Best, (std::vector<int32_t> { 2, 3 }));

    // A fair 6-of-10 draw against 3 numbers: C(6,s) C(4,3-s) / C(10,3),
    // 4, 36, 60, 20 out of 120; four (ticket, line) pairs in the last two lines.
    ASSERT_EQ(recent.Expected.size(), 4u);
    const double parts[] = { 4, 36, 60, 20 };
    for (std::size_t s = 0; s < 4; ++s)
        EXPECT_NEAR(recent.Expected[s], 4 * parts[s] / 120, 1e-12) << s;
}

TEST_F(TicketCheckTest, RefusesBadTicketsAndWindows)
{
    const struct {
        std::vector<std::vector<int32_t>> tickets;
        int32_t lastDraws;
        const char* message;
    } cases[] = {
        { {}, 1, "Нет ни одного билета для проверки" },
        { { { 1, 2, 3 }, { 4, 5 } }, 1, "Билеты разного размера: в билете 1 чисел — 3, в билете 2 — 2" },
        { { { 1, 2, 2 } }, 1, "В билете 1 число 2 повторяется" },
        { { { 1, 2, 3 }, { 0, 4, 5 } }, 1, "В билете 2 число 0 вне диапазона от 1 до 10" },
        { { { 1, 2, 11 } }, 1, "В билете 1 число 11 вне диапазона от 1 до 10" },
        { { { 1, 2, 3 } }, 0, "Проверить можно от 1 до 3 последних тиражей, а указано 0" },
        { { { 1, 2, 3 } }, 4, "Проверить можно от 1 до 3 последних тиражей, а указано 4" },
    };
    for (const auto& c : cases) {
        try {
            CheckTickets(c.tickets, c.lastDraws);
            ADD_FAILURE() << c.message;
        } catch (const EAnalysisError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
    EXPECT_EQ(DrawCount, 3);

    SetMessageLanguage(TMessageLanguage::English);
    try {
        CheckTickets({ { 1, 2, 11 } }, 1);
        ADD_FAILURE() << "a number above M";
    } catch (const EAnalysisError& e) {
        EXPECT_EQ(std::string(e.what()), "Ticket 1 holds 11, outside 1 to 10");
    }
    SetMessageLanguage(TMessageLanguage::Russian);
}

TEST(HypergeometricTail, SumsTheChancesFromTheGivenCount)
{
    // 6 of 49 against the player's 10 numbers: at least 2 of them drawn.
    double atLeastTwo = 0;
    for (int32_t s = 2; s <= 6; ++s)
        atLeastTwo += HypergeometricChance(49, 10, 6, s);
    EXPECT_NEAR(HypergeometricTail(49, 6, 10, 2), atLeastTwo, 1e-15);
    EXPECT_NEAR(HypergeometricChance(49, 6, 6, 6), 1 / 13983816.0, 1e-20);
    EXPECT_NEAR(HypergeometricTail(49, 6, 10, 0), 1, 1e-12);
    EXPECT_EQ(HypergeometricTail(49, 6, 10, 7), 0);
}

} // namespace
