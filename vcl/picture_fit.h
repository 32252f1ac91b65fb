#pragma once

#include <QRect>

namespace vcl {

// Where an image control draws its picture inside its box: Stretch fits the
// picture to the box; Proportional keeps its shape (the side that fills the
// box decided by the picture's ratio, the other truncated); Center centres it,
// otherwise it stands at the top left.
QRect fitPicture(QSize picture, QSize box, bool stretch, bool proportional, bool center);

} // namespace vcl
