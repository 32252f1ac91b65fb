#pragma once

#include <cstddef>
#include <cstdint>

// libjpeg behind two plain functions. Nothing with a destructor lives in the
// frames that libjpeg's fatal error exit jumps across: the functions return
// the decoder's message code, and the C++ caller raises the error.
namespace vcl::jpeg {

struct Header
{
    int width = 0;
    int height = 0;
    bool grayscale = false;
    bool progressive = false;
};

// Reads the header only. Returns 0, or the code of the decoder's fatal error.
int readHeader(const unsigned char *data, std::size_t size, Header *header);

// Where decoding writes: rows of width pixels, each row at pixels + row * stride.
struct Output
{
    unsigned char *pixels = nullptr;
    std::ptrdiff_t stride = 0;
    // 0: 24 bits per pixel, red-green-blue. Otherwise one byte per pixel, an
    // index into palette, reduced to at most this many colours.
    int quantizeToColours = 0;
    std::uint32_t palette[256] = {}; // 0xffRRGGBB
    int paletteSize = 0;
};

// Decodes the whole picture at full scale with the accurate integer inverse
// transform and block smoothing. The caller has sized the output from the
// header. Returns 0, or the code of the decoder's fatal error.
int decompress(const unsigned char *data, std::size_t size, Output *output);

} // namespace vcl::jpeg
