#include <iconv.h>

#include <array>
#include <cstdint>

#include "code_page_oracle.hpp"

namespace tessarivand::testing {

namespace {

// iconv_open fails with (iconv_t)-1.
bool isOpen(iconv_t handle) { return reinterpret_cast<std::intptr_t>(handle) != -1; }

// All of the input converted, or nothing.
std::string convert(const char* to, const char* from, std::string in) {
    iconv_t handle = iconv_open(to, from);
    if (!isOpen(handle)) return {};
    std::array<char, 8> out{};
    char* inPointer = in.data();
    char* outPointer = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t converted = iconv(handle, &inPointer, &inLeft, &outPointer, &outLeft);
    iconv_close(handle);
    if (converted == static_cast<std::size_t>(-1)) return {};
    return {out.data(), static_cast<std::size_t>(outPointer - out.data())};
}

}  // namespace

char systemCodePage850Byte(const std::string& utf8) {
    const std::string byte = convert("CP850", "UTF-8", utf8);
    return byte.size() == 1 ? byte[0] : '?';
}

std::string systemUtf8OfCodePage850(char byte) { return convert("UTF-8", "CP850", std::string(1, byte)); }

}  // namespace tessarivand::testing
