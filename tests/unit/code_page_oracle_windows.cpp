#include <windows.h>

#include <array>

#include "code_page_oracle.hpp"

namespace tessarivand::testing {

namespace {

constexpr UINT CodePage850 = 850;

}  // namespace

// No best fit: a character that code page 850 lacks is the default character,
// never a look-alike.
char systemCodePage850Byte(const std::string& utf8) {
    std::array<wchar_t, 4> utf16{};
    const int units = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()),
                                            utf16.data(), static_cast<int>(utf16.size()));
    std::array<char, 8> out{};
    BOOL usedDefault = FALSE;
    const int bytes = ::WideCharToMultiByte(CodePage850, WC_NO_BEST_FIT_CHARS, utf16.data(), units, out.data(),
                                            static_cast<int>(out.size()), nullptr, &usedDefault);
    return units > 0 && bytes == 1 && usedDefault == FALSE ? out[0] : '?';
}

std::string systemUtf8OfCodePage850(char byte) {
    std::array<wchar_t, 2> utf16{};
    const int units = ::MultiByteToWideChar(CodePage850, MB_ERR_INVALID_CHARS, &byte, 1, utf16.data(), 2);
    std::array<char, 8> out{};
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), units, out.data(), static_cast<int>(out.size()),
                                            nullptr, nullptr);
    return units > 0 ? std::string(out.data(), static_cast<std::size_t>(bytes)) : std::string();
}

}  // namespace tessarivand::testing
