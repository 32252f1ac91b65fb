#include "tgroupbox.h"

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

} // namespace vcl
