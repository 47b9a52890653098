#include "analysis/files/IntegerText.h"
#include "analysis/tables/Errors.h"

#include <gtest/gtest.h>

#include <optional>

using Main::ParseInteger;

namespace {

struct IntegerCase {
    const char* text;
    std::optional<int32_t> value;

    friend void PrintTo(const IntegerCase& c, std::ostream* out) { *out << testing::PrintToString(c.text); }
};

class IntegerTextTest : public testing::TestWithParam<IntegerCase> { };

TEST_P(IntegerTextTest, ReadsOrRefuses)
{
    const IntegerCase& c = GetParam();
    EXPECT_EQ(ParseInteger(c.text), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Decimal, IntegerTextTest,
    testing::Values(IntegerCase { "7", 7 }, IntegerCase { "07", 7 }, IntegerCase { " 7", 7 },
        IntegerCase { "   42", 42 }, IntegerCase { "0123", 123 }, IntegerCase { "+5", 5 }, IntegerCase { "-5", -5 },
        IntegerCase { " -05", -5 }, IntegerCase { "2147483647", 2147483647 }, IntegerCase { "-2147483648", INT32_MIN },
        IntegerCase { "0", 0 }, IntegerCase { "-0", 0 }));

INSTANTIATE_TEST_SUITE_P(Hexadecimal, IntegerTextTest,
    testing::Values(IntegerCase { "$A", 10 }, IntegerCase { "$a", 10 }, IntegerCase { "x1F", 31 },
        IntegerCase { "X1f", 31 }, IntegerCase { "0x10", 16 }, IntegerCase { "0X10", 16 }, IntegerCase { "-$A", -10 },
        IntegerCase { " +x9", 9 }, IntegerCase { "$7FFFFFFF", 2147483647 }, IntegerCase { "-$80000000", INT32_MIN }));

INSTANTIATE_TEST_SUITE_P(Refused, IntegerTextTest,
    testing::Values(IntegerCase { "", {} }, IntegerCase { " ", {} }, IntegerCase { "  ", {} }, IntegerCase { "5 ", {} },
        IntegerCase { "\t5", {} }, IntegerCase { "5\t", {} }, IntegerCase { "+", {} }, IntegerCase { "-", {} },
        IntegerCase { "- 5", {} }, IntegerCase { "+-5", {} }, IntegerCase { "$", {} }, IntegerCase { "x", {} },
        IntegerCase { "0x", {} }, IntegerCase { "-$", {} }, IntegerCase { "1a", {} }, IntegerCase { "$G", {} },
        IntegerCase { "0b1", {} }, IntegerCase { "2147483648", {} }, IntegerCase { "-2147483649", {} },
        IntegerCase { "$80000000", {} }, IntegerCase { "1.0", {} }, IntegerCase { "\xd0\x9f", {} },
        IntegerCase { "9\r", {} }));

struct MessageCase {
    std::string text;
    std::string message;

    friend void PrintTo(const MessageCase& c, std::ostream* out) { *out << testing::PrintToString(c.text); }
};

class IntegerMessageTest : public testing::TestWithParam<MessageCase> { };

TEST_P(IntegerMessageTest, NamesTheFieldAsTheUserWroteIt)
{
    const MessageCase& c = GetParam();
    try {
        Main::StrToInt(c.text);
        FAIL() << "no exception for " << c.text;
    } catch (const Main::EConvertError& e) {
        EXPECT_EQ(std::string(e.what()), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Messages, IntegerMessageTest,
    testing::Values(MessageCase { "", "'' is not a valid integer value" },
        MessageCase { "5 ", "'5 ' is not a valid integer value" },
        MessageCase { " 0a", "' 0a' is not a valid integer value" },
        // Windows-1251 letters come out as the letters they are.
        MessageCase { "\xc0\xc1", "'\xd0\x90\xd0\x91' is not a valid integer value" },
        // Valid UTF-8 stays as it is.
        MessageCase { "\xd0\x90", "'\xd0\x90' is not a valid integer value" },
        MessageCase { std::string("1\0", 2), "'1\xef\xbf\xbd' is not a valid integer value" }));

} // namespace
