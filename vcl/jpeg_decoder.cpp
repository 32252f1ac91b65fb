#include "jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

namespace vcl::jpeg {
namespace {

// The error manager: a fatal error jumps back to the function that started
// the decoder; warnings and trace messages are ignored.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

extern "C" void onFatalError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(cinfo->err)->escape, 1);
}

extern "C" void onMessage(j_common_ptr, int) {}
extern "C" void onOutputMessage(j_common_ptr) {}

void installErrorManager(jpeg_decompress_struct *cinfo, ErrorManager *errors)
{
    cinfo->err = jpeg_std_error(&errors->base);
    errors->base.error_exit = onFatalError;
    errors->base.emit_message = onMessage;
    errors->base.output_message = onOutputMessage;
}

// A fatal error always carries its message code; 1 stands in should one
// ever come without.
int failureCode(const jpeg_decompress_struct *cinfo)
{
    return cinfo->err->msg_code > 0 ? cinfo->err->msg_code : 1;
}

} // namespace

// Both functions open the same way on purpose: setjmp() must be called in the
// frame that stays live while libjpeg runs, so the opening can't move into a
// helper that returns before the decoding.

int readHeader(const unsigned char *data, std::size_t size, Header *header)
{
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    installErrorManager(&cinfo, &errors);
    if (setjmp(errors.escape)) {
        const int code = failureCode(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        return code;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    header->width = int(cinfo.image_width);
    header->height = int(cinfo.image_height);
    header->grayscale = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    header->progressive = jpeg_has_multiple_scans(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

int decompress(const unsigned char *data, std::size_t size, Output *output)
{
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    installErrorManager(&cinfo, &errors);
    if (setjmp(errors.escape)) {
        const int code = failureCode(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        return code;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.scale_num = 1;
    cinfo.scale_denom = 1;
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.do_block_smoothing = TRUE;
    cinfo.buffered_image = FALSE;
    cinfo.out_color_space = JCS_RGB;
    if (output->quantizeToColours > 0) {
        cinfo.quantize_colors = TRUE;
        cinfo.desired_number_of_colors = output->quantizeToColours;
        cinfo.two_pass_quantize = TRUE;
        cinfo.dither_mode = JDITHER_FS;
    }
    jpeg_start_decompress(&cinfo);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = output->pixels + std::ptrdiff_t(cinfo.output_scanline) * output->stride;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    if (output->quantizeToColours > 0) {
        output->paletteSize = cinfo.actual_number_of_colors;
        for (int i = 0; i < cinfo.actual_number_of_colors; ++i) {
            const int r = cinfo.colormap[0][i];
            const int g = cinfo.out_color_components > 1 ? cinfo.colormap[1][i] : r;
            const int b = cinfo.out_color_components > 2 ? cinfo.colormap[2][i] : r;
            output->palette[i] = 0xff000000u | std::uint32_t(r << 16) | std::uint32_t(g << 8) | std::uint32_t(b);
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return 0;
}

} // namespace vcl::jpeg
