#pragma once

#include <QByteArray>

namespace content {

// The title banner: a baseline JFIF picture, 577 x 117.
QByteArray bannerPicture();

// The program icon, 32 x 32 in 256 colours, as PNG.
QByteArray programIcon();

} // namespace content
