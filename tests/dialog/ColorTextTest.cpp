#include "ColorChooser.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorTextTest, ParsesTheLeadingDecimalIntegerAsAtolDoesButSaturates) {
    const struct {
        std::string text;
        COLORREF color;
    } cases[] = {
        {"", 0},
        {"abc", 0},
        {"255", 0x0000FF},
        {"255abc", 0x0000FF},
        {" \t\n255", 0x0000FF},
        {"+255", 0x0000FF},
        {"16777215", 0xFFFFFF},
        {"2147483647", 0x7FFFFFFF},
        {"2147483648", 0x7FFFFFFF},
        {"4294967551", 0x7FFFFFFF}, // would wrap round to 255 without saturation
        {std::string(30, '9'), 0x7FFFFFFF},
        {"-1", 0xFFFFFFFF},
        {"-2147483648", 0x80000000},
        {"-2147483649", 0x80000000},
        {"-" + std::string(30, '9'), 0x80000000},
        {"- 5", 0},
        {"0x1F", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseColorText(c.text), c.color) << '"' << c.text << '"';
}

TEST(ColorTextTest, FormatsAsASignedDecimalThatParsesBack) {
    const struct {
        COLORREF color;
        std::string text;
    } cases[] = {
        {0, "0"},
        {0xFFFFFF, "16777215"},
        {0x030201, "197121"},
        {0x7FFFFFFF, "2147483647"},
        {0x80000000, "-2147483648"},
        {0xFFFFFFFF, "-1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatColorText(c.color), c.text);
        EXPECT_EQ(ParseColorText(FormatColorText(c.color)), c.color);
    }
}

} // namespace
