#include "flat_tab_bar.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace vcl {
namespace {
constexpr int kHorizontalPadding = 6;
constexpr int kVerticalPadding = 4;
constexpr int kButtonSpacing = 3;
} // namespace

FlatTabBar::FlatTabBar(QWidget *parent) : QTabBar(parent)
{
    setObjectName(QStringLiteral("TabRow"));
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setFocusPolicy(Qt::TabFocus);
}

QSize FlatTabBar::tabSizeHint(int index) const
{
    const QFontMetrics fm = fontMetrics();
    return {fm.horizontalAdvance(tabText(index)) + 2 * kHorizontalPadding + kButtonSpacing,
            fm.height() + 2 * kVerticalPadding};
}

void FlatTabBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (int i = 0; i < count(); ++i) {
        QRect button = tabRect(i).adjusted(0, 0, -kButtonSpacing, 0);
        const bool active = i == currentIndex();
        if (active) {
            qDrawWinPanel(&p, button, palette(), true);
            button.translate(1, 1);
        }
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(button, Qt::AlignCenter, tabText(i));
        if (active && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = button.adjusted(3, 3, -3, -3);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
    }
}

} // namespace vcl
