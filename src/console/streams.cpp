#include "tessarivand/console/streams.hpp"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <streambuf>

#include "native_io.hpp"

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

// Length of the UTF-8 sequence that starts with this byte; 0 for a byte that
// cannot start one.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// How many bytes at the end of [begin, end) start a UTF-8 sequence that is
// not complete yet; they wait for the next write.
std::size_t incompleteTail(const char* begin, const char* end) {
    const char* p = end;
    std::size_t continuations = 0;
    while (p != begin && continuations < 3 && isContinuation(static_cast<unsigned char>(p[-1]))) {
        --p;
        ++continuations;
    }
    if (p == begin) return 0;
    const std::size_t needed = sequenceLength(static_cast<unsigned char>(p[-1]));
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
        const std::size_t length = sequenceLength(lead);
        bool valid = length != 0 && i + length <= utf8.size();
        std::uint32_t codePoint = lead & (0x7F >> length);
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = isContinuation(next);
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        out.push_back(valid ? codePage850Byte(codePoint) : Unmappable);
        i += valid ? length : 1;
    }
}

// Writes to a standard stream in the form that it takes: UTF-8 text to a
// terminal or console, code page 850 to anything else.
bool writeOut(native::Stream stream, bool interactive, std::string_view utf8, std::string& scratch) {
    if (interactive) return native::writeText(stream, utf8);
    scratch.clear();
    appendCodePage850(utf8, scratch);
    return native::writeBytes(stream, scratch);
}

// Writes straight to standard error, past its stream: std::cerr would flush
// the standard output that has just failed. Nothing more can be done when
// standard error has failed too.
[[noreturn]] void outputFailed() {
    std::string notice = "\n Écriture impossible sur la sortie standard : ";
    notice += native::lastErrorMessage();
    notice += ". Le programme s'arrête.\n";
    std::string scratch;
    static_cast<void>(writeOut(native::Stream::error, native::isInteractive(native::Stream::error), notice, scratch));
    native::exitNow(1);
}

// Buffered output to a standard stream. A character cut by the end of the
// buffer waits for the next drain, so that it is transcoded whole.
class OutputBuffer final : public std::streambuf {
public:
    OutputBuffer(native::Stream stream, bool fatalOnError)
        : stream_(stream), interactive_(native::isInteractive(stream)), fatalOnError_(fatalOnError) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;
    ~OutputBuffer() override { drain(); }

protected:
    int_type overflow(int_type ch) override {
        if (!drain()) return traits_type::eof();
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }

    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain() {
        const char* begin = pbase();
        const char* end = pptr();
        const std::size_t kept = incompleteTail(begin, end);
        const std::string_view whole(begin, static_cast<std::size_t>(end - begin) - kept);
        const bool ok = whole.empty() || writeOut(stream_, interactive_, whole, scratch_);
        // Standard output is gone (a full disk, a closed descriptor, a closed
        // pipe with SIGPIPE ignored): nobody can see the dialogue any more.
        if (!ok && fatalOnError_) outputFailed();
        std::memmove(buffer_.data(), end - kept, kept);
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        pbump(static_cast<int>(kept));
        return ok;
    }

    native::Stream stream_;
    bool interactive_;
    bool fatalOnError_;
    std::array<char, 16384> buffer_{};
    std::string scratch_;
};

// Buffered standard input. A read error (standard input that is a directory,
// a terminal that has gone) is the end of input.
class InputBuffer final : public std::streambuf {
public:
    // From a terminal, one byte at a time: the program then takes no more
    // than the line it reads, as a terminal in line mode would give it, and
    // a key typed ahead stays in the terminal for the end prompt, even when
    // the terminal was left out of line mode.
    InputBuffer() : chunk_(native::isInteractive(native::Stream::input) ? 1 : buffer_.size()) {}

protected:
    int_type underflow() override {
        if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
        const std::size_t received = native::readInput(buffer_.data(), chunk_);
        if (received == 0) return traits_type::eof();
        setg(buffer_.data(), buffer_.data(), buffer_.data() + received);
        return traits_type::to_int_type(*gptr());
    }

private:
    std::array<char, 65536> buffer_{};
    std::size_t chunk_;
};

class StandardStreams {
public:
    StandardStreams()
        : out_(native::Stream::output, true),
          err_(native::Stream::error, false),
          savedIn_(std::cin.rdbuf(&in_)),
          savedOut_(std::cout.rdbuf(&out_)),
          savedErr_(std::cerr.rdbuf(&err_)) {}
    StandardStreams(const StandardStreams&) = delete;
    StandardStreams& operator=(const StandardStreams&) = delete;

    // The library's own exit-time flush of std::cout comes after this object
    // is gone, so hand the streams back their earlier buffers first.
    ~StandardStreams() {
        std::cout.flush();
        std::cin.rdbuf(savedIn_);
        std::cout.rdbuf(savedOut_);
        std::cerr.rdbuf(savedErr_);
    }

private:
    InputBuffer in_;
    OutputBuffer out_;
    OutputBuffer err_;
    std::streambuf* savedIn_;
    std::streambuf* savedOut_;
    std::streambuf* savedErr_;
};

}  // namespace

std::string toCodePage850(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    appendCodePage850(utf8, out);
    return out;
}

void attachStandardStreams() { static StandardStreams streams; }

std::vector<std::string> commandLineArguments(int argc, const char* const* argv) {
    return native::commandLineArguments(argc, argv);
}

namespace {
EndOfInputHandler endOfInputHandler = nullptr;
}  // namespace

void setEndOfInputHandler(EndOfInputHandler handler) { endOfInputHandler = handler; }

void endOfInput() {
    std::cerr << "\n Fin des données en entrée : le programme s'arrête.\n";
    if (endOfInputHandler != nullptr) endOfInputHandler();
    std::exit(1);
}

}  // namespace tessarivand::console
