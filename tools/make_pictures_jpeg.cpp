#include "make_pictures_jpeg.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

// Everything between setjmp() and a possible longjmp() below is plain C:
// no object with a destructor is alive in the frames the jump skips or in
// the frame that calls setjmp().

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// A destination that collects the compressed bytes in a malloc()ed buffer.
struct MemoryDestination {
    jpeg_destination_mgr pub;
    JOCTET *data;
    std::size_t size;
    std::size_t capacity;
    JOCTET chunk[4096];
};

} // namespace

extern "C" {

static void onJpegError(j_common_ptr cinfo)
{
    ErrorManager *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

static void appendToDestination(j_compress_ptr cinfo, std::size_t count)
{
    MemoryDestination *dest = reinterpret_cast<MemoryDestination *>(cinfo->dest);
    if (dest->size + count > dest->capacity) {
        std::size_t capacity = dest->capacity == 0 ? 65536 : dest->capacity * 2;
        while (capacity < dest->size + count)
            capacity *= 2;
        JOCTET *grown = static_cast<JOCTET *>(std::realloc(dest->data, capacity));
        if (grown == nullptr)
            ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 0);
        dest->data = grown;
        dest->capacity = capacity;
    }
    std::memcpy(dest->data + dest->size, dest->chunk, count);
    dest->size += count;
}

static void initDestination(j_compress_ptr cinfo)
{
    MemoryDestination *dest = reinterpret_cast<MemoryDestination *>(cinfo->dest);
    dest->pub.next_output_byte = dest->chunk;
    dest->pub.free_in_buffer = sizeof dest->chunk;
}

static boolean emptyDestination(j_compress_ptr cinfo)
{
    MemoryDestination *dest = reinterpret_cast<MemoryDestination *>(cinfo->dest);
    appendToDestination(cinfo, sizeof dest->chunk);
    dest->pub.next_output_byte = dest->chunk;
    dest->pub.free_in_buffer = sizeof dest->chunk;
    return TRUE;
}

static void termDestination(j_compress_ptr cinfo)
{
    MemoryDestination *dest = reinterpret_cast<MemoryDestination *>(cinfo->dest);
    appendToDestination(cinfo, sizeof dest->chunk - dest->pub.free_in_buffer);
}

} // extern "C"

namespace {

void configure(jpeg_compress_struct *cinfo, int width, int height, int quality)
{
    cinfo->image_width = static_cast<JDIMENSION>(width);
    cinfo->image_height = static_cast<JDIMENSION>(height);
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_RGB;
    jpeg_set_defaults(cinfo);
    jpeg_set_colorspace(cinfo, JCS_YCbCr);
    jpeg_set_quality(cinfo, quality, TRUE);

    cinfo->optimize_coding = FALSE;
    cinfo->arith_code = FALSE;
    cinfo->restart_interval = 0;
    cinfo->restart_in_rows = 0;
    cinfo->dct_method = JDCT_ISLOW;
    cinfo->smoothing_factor = 0;

    cinfo->write_JFIF_header = TRUE;
    cinfo->JFIF_major_version = 1;
    cinfo->JFIF_minor_version = 1;
    cinfo->density_unit = 1; // dots per inch
    cinfo->X_density = 72;
    cinfo->Y_density = 72;
    cinfo->write_Adobe_marker = FALSE;

    cinfo->comp_info[0].h_samp_factor = 2;
    cinfo->comp_info[0].v_samp_factor = 2;
    cinfo->comp_info[1].h_samp_factor = 1;
    cinfo->comp_info[1].v_samp_factor = 1;
    cinfo->comp_info[2].h_samp_factor = 1;
    cinfo->comp_info[2].v_samp_factor = 1;
}

// Returns 1 on success; on failure copies libjpeg's message to `message`.
int compressRgb(const unsigned char *pixels, int width, int height, std::ptrdiff_t stride,
                int quality, MemoryDestination *dest, char *message)
{
    jpeg_compress_struct cinfo;
    ErrorManager err;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onJpegError;
    err.message[0] = '\0';

    if (setjmp(err.jump) != 0) {
        std::memcpy(message, err.message, sizeof err.message);
        jpeg_destroy_compress(&cinfo);
        return 0;
    }

    jpeg_create_compress(&cinfo);
    dest->pub.init_destination = initDestination;
    dest->pub.empty_output_buffer = emptyDestination;
    dest->pub.term_destination = termDestination;
    cinfo.dest = &dest->pub;

    configure(&cinfo, width, height, quality);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels + stride * static_cast<std::ptrdiff_t>(cinfo.next_scanline));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return 1;
}

} // namespace

namespace pictures {

QByteArray encodeJpeg(const QImage &image, int quality, QString *error)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    MemoryDestination *dest = static_cast<MemoryDestination *>(std::calloc(1, sizeof(MemoryDestination)));
    if (dest == nullptr) {
        *error = QStringLiteral("out of memory");
        return {};
    }
    char message[JMSG_LENGTH_MAX] = {};
    const int ok = compressRgb(rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine(), quality,
                               dest, message);
    QByteArray result;
    if (ok)
        result = QByteArray(reinterpret_cast<const char *>(dest->data), static_cast<qsizetype>(dest->size));
    else
        *error = QString::fromLocal8Bit(message);
    std::free(dest->data);
    std::free(dest);
    return result;
}

} // namespace pictures
