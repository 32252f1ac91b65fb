#include "ttabsheet.h"

#include "tpagecontrol.h"

namespace vcl {

TTabSheet::TTabSheet(TPageControl *pageControl, const QString &name, const QString &caption)
    : QWidget(pageControl), m_pageControl(pageControl), m_caption(caption)
{
    setObjectName(name);
    pageControl->insertPage(this);
}

QWidget *TTabSheet::FirstFocusableControl() const
{
    // Walk the window's focus chain, which is the tab order, from this page.
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled()
            && (w->focusPolicy() & Qt::TabFocus))
            return w;
    }
    return nullptr;
}

} // namespace vcl
