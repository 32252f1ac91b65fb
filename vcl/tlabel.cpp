#include "tlabel.h"

#include <QEvent>

namespace vcl {

TLabel::TLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    adjustBounds();
}

void TLabel::SetCaption(const QString &caption)
{
    setText(caption);
    adjustBounds();
}

void TLabel::SetFontColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void TLabel::SetColor(const QColor &color)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

void TLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustBounds();
}

void TLabel::adjustBounds()
{
    const QFontMetrics fm(font());
    const QString measured = text().isEmpty() ? QStringLiteral(" ") : text();
    resize(fm.horizontalAdvance(measured), fm.height());
}

} // namespace vcl
