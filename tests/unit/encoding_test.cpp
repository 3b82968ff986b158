#include <iconv.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

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

TEST(CodePage850, AgreesWithTheCLibraryOnEveryHighByte) {
    iconv_t toUtf8 = iconv_open("UTF-8", "CP850");
    ASSERT_NE(toUtf8, reinterpret_cast<iconv_t>(-1));  // NOLINT(performance-no-int-to-ptr): iconv's failure value
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        std::array<char, 1> in{static_cast<char>(byte)};
        std::array<char, 8> out{};
        char* inPtr = in.data();
        char* outPtr = out.data();
        std::size_t inLeft = 1;
        std::size_t outLeft = out.size();
        ASSERT_NE(iconv(toUtf8, &inPtr, &inLeft, &outPtr, &outLeft), static_cast<std::size_t>(-1));
        const std::string utf8(out.data(), static_cast<std::size_t>(outPtr - out.data()));
        EXPECT_EQ(toCodePage850(utf8), std::string(1, static_cast<char>(byte))) << "byte " << byte;
    }
    iconv_close(toUtf8);
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
