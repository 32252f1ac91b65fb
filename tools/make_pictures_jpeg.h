// Baseline JPEG writer for make_pictures, built on libjpeg's compression API.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace pictures {

// Encodes `image` as a baseline JPEG in a JFIF 1.01 wrapper: 8-bit YCbCr,
// luminance sampled 2 x 2 and chrominance 1 x 1, the standard Huffman
// tables, one scan, no restart interval, 72 x 72 dots per inch and no other
// markers. Returns an empty array and sets *error when libjpeg fails.
QByteArray encodeJpeg(const QImage &image, int quality, QString *error);

} // namespace pictures
