#include "tessarivand/console/streams.hpp"

#include <array>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <streambuf>

#include "code_page_850.hpp"
#include "native_io.hpp"
#include "stream_buffer_swap.hpp"
#include "test_seams.hpp"

namespace tessarivand::console {

namespace {

// The form in which a standard stream takes the texts: UTF-8 text on a
// terminal or console; into a file or a pipe, UTF-8 bytes where the locale's
// encoding is UTF-8 (POSIX), else code page 850.
enum class Form { terminalText, utf8Bytes, codePage850 };

Form formOf(native::Stream stream) {
    if (native::isInteractive(stream)) return Form::terminalText;
    return native::filesTakeUtf8() ? Form::utf8Bytes : Form::codePage850;
}

bool writeOut(native::Stream stream, Form form, std::string_view utf8, std::string& scratch) {
    if (form == Form::terminalText) return native::writeText(stream, utf8);
    if (form == Form::utf8Bytes) return native::writeBytes(stream, utf8);
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
    static_cast<void>(writeOut(native::Stream::error, formOf(native::Stream::error), notice, scratch));
    // At once: no exit-time handler or destructor runs, so nothing tries the
    // failed standard output again; what is left in a buffer could not be
    // written anyway.
    std::_Exit(1);
}

// Buffered output to a standard stream. A character cut by the end of the
// buffer waits for the next drain, so that it is transcoded whole.
class OutputBuffer final : public std::streambuf {
public:
    OutputBuffer(native::Stream stream, bool fatalOnError)
        : stream_(stream), form_(formOf(stream)), fatalOnError_(fatalOnError) {
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
        const bool ok = whole.empty() || writeOut(stream_, form_, whole, scratch_);
        // Standard output is gone (a full disk, a closed descriptor, a closed
        // pipe with SIGPIPE ignored): nobody can see the dialogue any more.
        if (!ok && fatalOnError_) outputFailed();
        std::memmove(buffer_.data(), end - kept, kept);
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        pbump(static_cast<int>(kept));
        return ok;
    }

    native::Stream stream_;
    Form form_;
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

// Set once the console buffers are attached.
bool outputInCodePage850 = false;

class StandardStreams {
public:
    StandardStreams() : out_(native::Stream::output, true), err_(native::Stream::error, false) {}
    StandardStreams(const StandardStreams&) = delete;
    StandardStreams& operator=(const StandardStreams&) = delete;

    // The library's own exit-time flush of std::cout comes after this object
    // is gone, so the streams get their earlier buffers back first: the swaps,
    // declared after the buffers, end before them.
    ~StandardStreams() { std::cout.flush(); }

private:
    InputBuffer in_;
    OutputBuffer out_;
    OutputBuffer err_;
    StreamBufferSwap inSwap_{std::cin, &in_};
    StreamBufferSwap outSwap_{std::cout, &out_};
    StreamBufferSwap errSwap_{std::cerr, &err_};
};

}  // namespace

void attachStandardStreams() {
    static StandardStreams streams;
    outputInCodePage850 = formOf(native::Stream::output) == Form::codePage850;
}

bool outputShowsUnicode() { return !outputInCodePage850; }

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
