#include "picture_fit.h"

#include <cmath>

namespace vcl {

QRect fitPicture(QSize picture, QSize box, bool stretch, bool proportional, bool center)
{
    int w = picture.width(), h = picture.height();
    const int cw = box.width(), ch = box.height();
    if (stretch || (proportional && (w > cw || h > ch))) {
        if (proportional && w > 0 && h > 0) {
            const double ratio = double(w) / double(h);
            if (w > h) {
                w = cw;
                h = int(std::trunc(cw / ratio));
                if (h > ch) {
                    h = ch;
                    w = int(std::trunc(ch * ratio));
                }
            } else {
                h = ch;
                w = int(std::trunc(ch * ratio));
                if (w > cw) {
                    w = cw;
                    h = int(std::trunc(cw / ratio));
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    const int x = center ? (cw - w) / 2 : 0;
    const int y = center ? (ch - h) / 2 : 0;
    return QRect(x, y, w, h);
}

} // namespace vcl
