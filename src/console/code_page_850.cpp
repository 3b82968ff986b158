#include "code_page_850.hpp"

#include <array>
#include <cstdint>

#include "tessarivand/console/code_page_850.hpp"
#include "utf8.hpp"

namespace tessarivand::console {

namespace {

// Unicode code points of the bytes 0x80 to 0xFF of code page 850.
constexpr std::array<std::uint16_t, 128> CodePage850High = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,  // B0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  // C8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,  // D0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,  // D8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,  // E0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,  // E8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,  // F0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,  // F8
};

constexpr char Unmappable = '?';

constexpr char searchCodePage850(std::uint32_t codePoint) {
    for (std::size_t i = 0; i < CodePage850High.size(); ++i) {
        if (CodePage850High[i] == codePoint) {
            return static_cast<char>(0x80 + i);
        }
    }
    return Unmappable;
}

// The byte of each code point from U+0080 to U+00FF (all of the program's own
// accented letters are there), found once, when the program is compiled.
constexpr std::array<char, 128> LatinOneToCodePage850 = [] {
    std::array<char, 128> bytes{};
    for (std::uint32_t codePoint = 0x80; codePoint <= 0xFF; ++codePoint) {
        bytes.at(codePoint - 0x80) = searchCodePage850(codePoint);
    }
    return bytes;
}();

char codePage850Byte(std::uint32_t codePoint) {
    if (codePoint >= 0x80 && codePoint <= 0xFF) return LatinOneToCodePage850.at(codePoint - 0x80);
    return searchCodePage850(codePoint);
}

}  // namespace

std::size_t incompleteTail(const char* begin, const char* end) {
    const char* p = end;
    std::size_t continuations = 0;
    while (p != begin && continuations < 3 && utf8::isContinuation(static_cast<unsigned char>(p[-1]))) {
        --p;
        ++continuations;
    }
    if (p == begin) return 0;
    const std::size_t needed = utf8::sequenceLength(static_cast<unsigned char>(p[-1]));
    return needed > continuations + 1 ? continuations + 1 : 0;
}

void appendCodePage850(std::string_view utf8, std::string& out) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        // Most of every text is ASCII: copy each run of it at once.
        std::size_t asciiEnd = i;
        while (asciiEnd < utf8.size() && static_cast<unsigned char>(utf8[asciiEnd]) < 0x80) ++asciiEnd;
        out.append(utf8, i, asciiEnd - i);
        i = asciiEnd;
        if (i == utf8.size()) break;
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = utf8::sequenceLength(lead);
        bool valid = length != 0 && i + length <= utf8.size();
        std::uint32_t codePoint = lead & (0x7F >> length);
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = utf8::isContinuation(next);
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        out.push_back(valid ? codePage850Byte(codePoint) : Unmappable);
        i += valid ? length : 1;
    }
}

std::string toCodePage850(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    appendCodePage850(utf8, out);
    return out;
}

}  // namespace tessarivand::console
