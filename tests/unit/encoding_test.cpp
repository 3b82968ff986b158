#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "code_page_oracle.hpp"
#include "native_io.hpp"
#include "tessarivand/console/streams.hpp"

namespace {

using tessarivand::console::attachStandardStreams;
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

// In a child process (the death test's): standard output becomes the file,
// and the text goes out through the console's own buffer.
[[noreturn]] void writeIntoAFile(const std::string& path, const std::string& text) {
#ifndef _WIN32
    ::setenv("LC_ALL", "C", 1);  // a file of the C locale takes code page 850
#endif
    if (std::freopen(path.c_str(), "wb", stdout) == nullptr) std::_Exit(2);
    attachStandardStreams();
    std::cout << text;
    std::exit(0);
}

struct BoundaryCase {
    const char* name;
    std::size_t before;  // ASCII bytes ahead of the character; the buffer holds 16384
    const char* character;
    const char* expected;
};

void PrintTo(const BoundaryCase& c, std::ostream* os) { *os << c.name; }

class ConsoleBufferIntoAFile : public ::testing::TestWithParam<BoundaryCase> {};

// A character that the end of the full buffer cuts waits for the next drain,
// so that it is transcoded whole.
TEST_P(ConsoleBufferIntoAFile, TranscodesACharacterOnTheBufferBoundaryWhole) {
    const BoundaryCase& c = GetParam();
    const std::string path = ::testing::TempDir() + "tessarivand_boundary_" + c.name;
    const std::string ascii(c.before, 'a');
    EXPECT_EXIT(writeIntoAFile(path, ascii + c.character + "b"), ::testing::ExitedWithCode(0), "");
    std::ifstream file(path, std::ios::binary);
    const std::string written{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    file.close();
    std::remove(path.c_str());
    ASSERT_TRUE(written.starts_with(ascii));
    EXPECT_EQ(written.substr(ascii.size()), std::string(c.expected) + "b");
}

INSTANTIATE_TEST_SUITE_P(Characters, ConsoleBufferIntoAFile,
                         ::testing::Values(BoundaryCase{"EAcuteCutAfterItsFirstByte", 16383, "é", "\x82"},
                                           BoundaryCase{"EAcuteAfterAFullBuffer", 16384, "é", "\x82"},
                                           BoundaryCase{"EuroCutAfterItsSecondByte", 16382, "€", "?"}),
                         [](const ::testing::TestParamInfo<BoundaryCase>& info) {
                             return std::string(info.param.name);
                         });

#ifndef _WIN32
// Files and pipes take UTF-8 when the locale that POSIX's order names has a
// UTF-8 codeset, whether or not that locale is installed.
struct LocaleCase {
    const char* lcAll;
    const char* lcCtype;
    const char* lang;
    bool utf8;
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
    const auto shown = [](const char* name) { return name == nullptr ? "(unset)" : name; };
    *os << shown(c.lcAll) << " " << shown(c.lcCtype) << " " << shown(c.lang);
}

class LocaleEncoding : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleEncoding, UnderItsCodesetsName) {
    const LocaleCase& c = GetParam();
    EXPECT_EQ(tessarivand::console::native::localeNamesUtf8(c.lcAll, c.lcCtype, c.lang), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    PosixOrder, LocaleEncoding,
    ::testing::Values(LocaleCase{"C.UTF-8", nullptr, nullptr, true}, LocaleCase{nullptr, nullptr, "fr_FR.utf8", true},
                      LocaleCase{nullptr, "de_DE.UTF8", nullptr, true},
                      LocaleCase{nullptr, nullptr, "fr_FR.Utf-8@euro", true},
                      LocaleCase{"", "", "fr_FR.UTF-8", true},         // empty counts as unset
                      LocaleCase{"C", nullptr, "fr_FR.UTF-8", false},  // the first set one decides
                      LocaleCase{"C", "C.UTF-8", nullptr, false},      // LC_ALL before LC_CTYPE
                      LocaleCase{"C.UTF-8", "C", nullptr, true}, LocaleCase{nullptr, "POSIX", "C.UTF-8", false},
                      LocaleCase{nullptr, nullptr, "fr_FR.ISO-8859-15@euro", false},
                      LocaleCase{nullptr, nullptr, "fr_FR", false}, LocaleCase{nullptr, nullptr, "UTF-8", false},
                      LocaleCase{nullptr, nullptr, "fr_FR.UTF-16", false},
                      LocaleCase{nullptr, nullptr, nullptr, false}));
#endif

}  // namespace
