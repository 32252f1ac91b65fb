#include "tjpegimage.h"

#include "exceptions.h"
#include "jpeg_decoder.h"


namespace vcl {
namespace {
// Pictures larger than this are refused rather than allocated.
constexpr qint64 kMaxPixels = qint64(1) << 26;
} // namespace

TJPEGImage::TJPEGImage(QByteArray data) : m_data(std::move(data))
{
    jpeg::Header header;
    m_errorCode = jpeg::readHeader(reinterpret_cast<const unsigned char *>(m_data.constData()),
                                   std::size_t(m_data.size()), &header);
    m_width = header.width;
    m_height = header.height;
    m_grayscale = header.grayscale;
    m_progressive = header.progressive;
}

const QImage &TJPEGImage::Bitmap(int displayDepth)
{
    if (!m_bitmap.isNull())
        return m_bitmap;
    if (m_errorCode != 0)
        throw EJPEG(m_errorCode);
    if (qint64(m_width) * m_height > kMaxPixels)
        throw EOutOfMemory();
    const bool palette = displayDepth <= 8;
    QImage image(m_width, m_height, palette ? QImage::Format_Indexed8 : QImage::Format_RGB888);
    if (image.isNull())
        throw EOutOfMemory();
    jpeg::Output output;
    output.pixels = image.bits();
    output.stride = image.bytesPerLine();
    output.quantizeToColours = palette ? kPaletteColours : 0;
    ++m_decodeCount;
    m_errorCode = jpeg::decompress(reinterpret_cast<const unsigned char *>(m_data.constData()),
                                   std::size_t(m_data.size()), &output);
    if (m_errorCode != 0)
        throw EJPEG(m_errorCode);
    if (palette) {
        QList<QRgb> colours(output.palette, output.palette + output.paletteSize);
        image.setColorTable(colours);
    }
    m_bitmap = std::move(image);
    return m_bitmap;
}

} // namespace vcl
