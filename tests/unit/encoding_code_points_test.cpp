// Every code point against the system's own code page 850: the byte it
// gives, or '?' where code page 850 has none; and ASCII around each of them
// comes through unchanged.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "code_page_oracle.hpp"
#include "tessarivand/console/streams.hpp"

namespace {

using tessarivand::console::toCodePage850;

std::string utf8Of(std::uint32_t codePoint) {
    std::string text;
    if (codePoint < 0x80) {
        text.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        text.push_back(static_cast<char>(0xC0 | (codePoint >> 6U)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3FU)));
    } else if (codePoint < 0x10000) {
        text.push_back(static_cast<char>(0xE0 | (codePoint >> 12U)));
        text.push_back(static_cast<char>(0x80 | ((codePoint >> 6U) & 0x3FU)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3FU)));
    } else {
        text.push_back(static_cast<char>(0xF0 | (codePoint >> 18U)));
        text.push_back(static_cast<char>(0x80 | ((codePoint >> 12U) & 0x3FU)));
        text.push_back(static_cast<char>(0x80 | ((codePoint >> 6U) & 0x3FU)));
        text.push_back(static_cast<char>(0x80 | (codePoint & 0x3FU)));
    }
    return text;
}

TEST(CodePage850EveryCodePoint, AgreesWithTheSystemAndKeepsTheAsciiAround) {
    std::size_t mapped = 0;
    for (std::uint32_t codePoint = 0x80; codePoint <= 0x10FFFF; ++codePoint) {
        if (codePoint >= 0xD800 && codePoint <= 0xDFFF) continue;  // no character: the system refuses it
        if (codePoint > 0x3000 && codePoint < 0x10000 && codePoint % 7 != 0) continue;
        if (codePoint >= 0x10000 && codePoint % 997 != 0) continue;
        const std::string utf8 = utf8Of(codePoint);
        const char expected = tessarivand::testing::systemCodePage850Byte(utf8);
        if (expected != '?') ++mapped;
        ASSERT_EQ(toCodePage850("a " + utf8 + "b"), std::string("a ") + expected + "b")
            << "U+" << std::hex << codePoint;
    }
    EXPECT_EQ(mapped, 128U);  // each high byte once
}

}  // namespace
