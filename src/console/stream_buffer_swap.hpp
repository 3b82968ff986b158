#pragma once

#include <ios>
#include <streambuf>

// A standard stream's buffer, swapped for the life of the object: the console
// layer's own buffers under the program's streams, and the captures of the
// tests, fuzz targets and benchmarks. Not installed with the library.
namespace tessarivand::console {

class StreamBufferSwap {
public:
    // Puts buffer under stream. The stream's state is cleared now and again
    // when its earlier buffer is handed back (std::ios::rdbuf does both).
    StreamBufferSwap(std::ios& stream, std::streambuf* buffer) : stream_(stream), saved_(stream.rdbuf(buffer)) {}
    StreamBufferSwap(const StreamBufferSwap&) = delete;
    StreamBufferSwap& operator=(const StreamBufferSwap&) = delete;
    ~StreamBufferSwap() { stream_.rdbuf(saved_); }

private:
    std::ios& stream_;
    std::streambuf* saved_;
};

}  // namespace tessarivand::console
