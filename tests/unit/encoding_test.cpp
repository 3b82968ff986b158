#include <gtest/gtest.h>

#include <string>

#include "code_page_oracle.hpp"
#include "tessarivand/console/streams.hpp"

namespace {

using tessarivand::console::toCodePage850;

TEST(CodePage850, AccentedLettersOfTheTextsTakeTheConsoleBytes) {
    EXPECT_EQ(toCodePage850("é"), "\x82");
    EXPECT_EQ(toCodePage850("à"), "\x85");
    EXPECT_EQ(toCodePage850("ç"), "\x87");
    EXPECT_EQ(toCodePage850("ê"), "\x88");
    EXPECT_EQ(toCodePage850("è"), "\x8A");
    EXPECT_EQ(toCodePage850("ô"), "\x93");
    EXPECT_EQ(toCodePage850("ù"), "\x97");
    EXPECT_EQ(toCodePage850("×"), "\x9E");
    EXPECT_EQ(toCodePage850("µ"), "\xE6");
}

TEST(CodePage850, AsciiPassesUnchanged) {
    std::string ascii;
    for (int c = 0; c < 0x80; ++c) ascii.push_back(static_cast<char>(c));
    EXPECT_EQ(toCodePage850(ascii), ascii);
}

TEST(CodePage850, AgreesWithTheSystemOnEveryHighByte) {
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        const std::string utf8 = tessarivand::testing::systemUtf8OfCodePage850(static_cast<char>(byte));
        ASSERT_FALSE(utf8.empty()) << "byte " << byte;
        EXPECT_EQ(toCodePage850(utf8), std::string(1, static_cast<char>(byte))) << "byte " << byte;
    }
}

TEST(CodePage850, CharactersOutsideItAndBrokenSequencesBecomeQuestionMarks) {
    EXPECT_EQ(toCodePage850("€"), "?");
    EXPECT_EQ(toCodePage850("a\xC3"), "a?");  // cut sequence
    EXPECT_EQ(toCodePage850("\xFF"
                            "b"),
              "?b");  // not a lead byte
    EXPECT_EQ(toCodePage850("\xC3"
                            "b"),
              "?b");                                  // lead without continuation
    EXPECT_EQ(toCodePage850("\xE2\x82\xAC!"), "?!");  // one unmappable character, one mark
}

}  // namespace
