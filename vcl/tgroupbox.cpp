#include "tgroupbox.h"

#include "colors.h"

#include <QPainter>

namespace vcl {

TGroupBox::TGroupBox(QWidget *parent) : QGroupBox(parent)
{
    setFlat(false);
}

void TGroupBox::SetColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

void TGroupBox::SetCtl3D(bool ctl3D)
{
    m_ctl3D = ctl3D;
    update();
}

void TGroupBox::paintEvent(QPaintEvent *event)
{
    if (m_ctl3D) {
        QGroupBox::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setPen(clWindowFrame);
    const int top = QFontMetrics(font()).height() / 2 - 1;
    p.drawRect(QRect(0, top, width() - 1, height() - 1 - top));
}

} // namespace vcl
