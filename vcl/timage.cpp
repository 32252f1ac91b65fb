#include "timage.h"

#include "events.h"
#include "picture_fit.h"
#include "tjpegimage.h"

#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace vcl {

TImage::TImage(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

TImage::~TImage() = default;

void TImage::SetPicture(std::unique_ptr<TJPEGImage> picture)
{
    m_picture = std::move(picture);
    m_failed = false;
    update();
}

QRect TImage::DestRect() const
{
    if (!m_picture)
        return {};
    return fitPicture(QSize(m_picture->Width(), m_picture->Height()), size(), Stretch, Proportional, Center);
}

int TImage::displayDepth() const
{
    if (m_displayDepth > 0)
        return m_displayDepth;
    const QScreen *s = screen();
    return s ? s->depth() : 24;
}

void TImage::paintEvent(QPaintEvent *)
{
    if (!m_picture || m_failed)
        return;
    const QImage *bitmap = nullptr;
    try {
        bitmap = &m_picture->Bitmap(displayDepth());
    } catch (...) {
        // A damaged picture is reported once, after this paint, and the box
        // stays empty: reporting inside the paint, or at every paint, would
        // open box after box.
        m_failed = true;
        QTimer::singleShot(0, this, [error = std::current_exception()] {
            RunGuarded([&] { std::rethrow_exception(error); });
        });
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(DestRect(), *bitmap);
}

} // namespace vcl
