#include "settings/IntegerText.h"

#include <gtest/gtest.h>

#include <limits>

namespace tenvik {
namespace {

struct IntegerCase {
    const char* text;
    std::optional<std::int64_t> as64;
    std::optional<std::int32_t> as32;
};

TEST(IntegerText, ReadsDecimalAndHexFormsAndRefusesTheRest)
{
    const IntegerCase cases[] = {
        {"0", 0, 0},
        {"1", 1, 1},
        {"2", 2, 2},
        {"-65536", -65536, -65536},
        {"+7", 7, 7},
        {"  42", 42, 42},
        {"$ff", 255, 255},
        {"x1", 1, 1},
        {"X1F", 31, 31},
        {"0x1", 1, 1},
        {"0XfF", 255, 255},
        {"-$10", -16, -16},
        {"$FFFF0000", 0xFFFF0000LL, static_cast<std::int32_t>(0xFFFF0000u)},
        {"4294901760", 4294901760LL, std::nullopt},
        {"2147483647", 2147483647LL, 2147483647},
        {"2147483648", 2147483648LL, std::nullopt},
        {"-2147483648", -2147483648LL, std::numeric_limits<std::int32_t>::min()},
        {"$100000000", 0x100000000LL, std::nullopt},
        {"9223372036854775807", std::numeric_limits<std::int64_t>::max(), std::nullopt},
        {"-9223372036854775808", std::numeric_limits<std::int64_t>::min(), std::nullopt},
        {"9223372036854775808", std::nullopt, std::nullopt},
        {"$FFFFFFFFFFFFFFFF", -1, std::nullopt},
        {"$10000000000000000", std::nullopt, std::nullopt},
        // Refused: no digits, trailing text, words, blanks after the number.
        {"", std::nullopt, std::nullopt},
        {"-", std::nullopt, std::nullopt},
        {"$", std::nullopt, std::nullopt},
        {"0x", std::nullopt, std::nullopt},
        {"true", std::nullopt, std::nullopt},
        {"yes", std::nullopt, std::nullopt},
        {"1 ", std::nullopt, std::nullopt},
        {"1.5", std::nullopt, std::nullopt},
        {"12a", std::nullopt, std::nullopt},
        {"\t1", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseInt64(c.text), c.as64);
        EXPECT_EQ(ParseInt32(c.text), c.as32);
    }
}

} // namespace
} // namespace tenvik
