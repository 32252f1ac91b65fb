#include "layout_scaling.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QWidget>

#include <cmath>

namespace vcl {

int mulDiv(int value, int numerator, int denominator)
{
    return static_cast<int>(std::lround(double(value) * numerator / denominator));
}

QRect scaleGeometry(const QRect &geometry, int numerator, int denominator)
{
    const int left = mulDiv(geometry.x(), numerator, denominator);
    const int top = mulDiv(geometry.y(), numerator, denominator);
    const int right = mulDiv(geometry.x() + geometry.width(), numerator, denominator);
    const int bottom = mulDiv(geometry.y() + geometry.height(), numerator, denominator);
    return QRect(left, top, right - left, bottom - top);
}

int measuredTextHeight(const QWidget *form)
{
    const QFont font = form->font();
    if (QFontInfo(font).family() != font.family())
        return kDesignTextHeight;
    return QFontMetrics(font).boundingRect(QStringLiteral("0")).height();
}

namespace {

void scaleChildren(QWidget *parent, int m)
{
    for (QObject *object : parent->children()) {
        auto *control = qobject_cast<QWidget *>(object);
        if (!control || control->isWindow())
            continue;
        control->setGeometry(scaleGeometry(control->geometry(), m, kDesignTextHeight));
        if (control->testAttribute(Qt::WA_SetFont) && control->font().pixelSize() > 0) {
            QFont font = control->font();
            font.setPixelSize(mulDiv(font.pixelSize(), m, kDesignTextHeight));
            control->setFont(font);
        }
        scaleChildren(control, m);
    }
}

} // namespace

void scaleLayout(QWidget *form, int textHeight)
{
    if (textHeight == kDesignTextHeight || textHeight <= 0)
        return;
    scaleChildren(form, textHeight);
    const QSize client(mulDiv(form->width(), textHeight, kDesignTextHeight),
                       mulDiv(form->height(), textHeight, kDesignTextHeight));
    if (form->minimumSize() == form->maximumSize())
        form->setFixedSize(client);
    else
        form->resize(client);
}

} // namespace vcl
