#pragma once

#include <QPoint>
#include <QSize>

namespace vcl {

// Where a window of the given outer size (frame included) goes when it is
// centred on the desktop: half the difference of the sizes, truncated, with
// the whole virtual screen (all monitors) as the desktop; negatives become 0.
QPoint desktopCentre(QSize desktop, QSize window);

} // namespace vcl
