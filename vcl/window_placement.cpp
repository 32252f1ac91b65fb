#include "window_placement.h"

#include <algorithm>

namespace vcl {

QPoint desktopCentre(QSize desktop, QSize window)
{
    const int x = (desktop.width() - window.width()) / 2;
    const int y = (desktop.height() - window.height()) / 2;
    return QPoint(std::max(x, 0), std::max(y, 0));
}

} // namespace vcl
