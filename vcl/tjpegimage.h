#pragma once

#include <QByteArray>
#include <QImage>

namespace vcl {

// A JPEG picture held as its compressed bytes. Only the header is read when
// it is made; the picture is decoded in full the first time it is needed and
// the result kept, never decoded again.
class TJPEGImage
{
public:
    explicit TJPEGImage(QByteArray data);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Grayscale() const { return m_grayscale; }
    bool ProgressiveEncoding() const { return m_progressive; }

    // The decoded picture: 24 bits per pixel, or for a display of 8 bits per
    // pixel or fewer 8 bits with a palette of at most 236 colours. Raises
    // EJPEG ("JPEG error #%d") when the picture is damaged, the header's
    // error included; a damaged picture is not decoded again.
    const QImage &Bitmap(int displayDepth);

    int DecodeCount() const { return m_decodeCount; }

    static constexpr int kPaletteColours = 236;

private:
    QByteArray m_data;
    QImage m_bitmap;
    int m_width = 0;
    int m_height = 0;
    bool m_grayscale = false;
    bool m_progressive = false;
    int m_errorCode = 0;
    int m_decodeCount = 0;
};

} // namespace vcl
