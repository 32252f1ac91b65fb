#include "tpagecontrol.h"

#include "flat_tab_bar.h"
#include "ttabsheet.h"

#include <QApplication>
#include <QEvent>
#include <QShortcut>

namespace vcl {
namespace {
// Margins of the display area inside the control, as the flat-buttons
// style leaves them.
constexpr int kTabRowLeft = 4;
constexpr int kTabRowTop = 2;
constexpr int kPageTopGap = 2;
constexpr int kPageMargin = 4;
} // namespace

TPageControl::TPageControl(QWidget *parent) : QWidget(parent), m_tabRow(new FlatTabBar(this))
{
    connect(m_tabRow, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0)
            SetActivePageIndex(index);
    });
    // The tab bar changes its own current tab with the arrow keys while it has
    // the focus; keep the pages in step.
    connect(m_tabRow, &QTabBar::currentChanged, this, [this](int index) {
        if (index != m_activeIndex)
            SetActivePageIndex(index);
    });

    const auto addShortcut = [this](QKeySequence keys, bool goForward) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, goForward] { SelectNextPage(goForward); });
    };
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), true);
    addShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), false);
    addShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), false);
}

TTabSheet *TPageControl::Pages(int index) const
{
    return index >= 0 && index < m_pages.size() ? m_pages[index] : nullptr;
}

int TPageControl::IndexOf(const TTabSheet *page) const
{
    return int(m_pages.indexOf(const_cast<TTabSheet *>(page)));
}

void TPageControl::insertPage(TTabSheet *page)
{
    m_pages.append(page);
    page->hide();
    m_tabRow->addTab(page->Caption());
    layoutChildren();
    // Adding the first tab makes it the tab bar's current one; no page is
    // active until one is chosen.
    if (m_activeIndex < 0) {
        const QSignalBlocker block(m_tabRow);
        m_tabRow->setCurrentIndex(-1);
    }
}

void TPageControl::SetActivePageIndex(int index)
{
    if (index < 0 || index >= m_pages.size())
        index = -1;
    if (index == m_activeIndex)
        return;
    TTabSheet *oldPage = ActivePage();
    QWidget *focus = QApplication::focusWidget();
    const bool focusLeavesWithPage = oldPage && focus && oldPage->isAncestorOf(focus);

    m_activeIndex = index;
    TTabSheet *newPage = ActivePage();
    {
        const QSignalBlocker block(m_tabRow);
        m_tabRow->setCurrentIndex(index);
    }
    if (newPage) {
        newPage->setGeometry(DisplayRect());
        newPage->show();
        newPage->raise();
    }
    if (focusLeavesWithPage) {
        if (QWidget *first = newPage ? newPage->FirstFocusableControl() : nullptr)
            first->setFocus(Qt::TabFocusReason);
        else
            m_tabRow->setFocus(Qt::OtherFocusReason);
    }
    if (oldPage)
        oldPage->hide();
    m_tabRow->update();
}

void TPageControl::SelectNextPage(bool goForward)
{
    const int count = PageCount();
    if (count == 0)
        return;
    const int from = m_activeIndex < 0 ? (goForward ? count - 1 : 0) : m_activeIndex;
    SetActivePageIndex((from + (goForward ? 1 : count - 1)) % count);
}

QRect TPageControl::DisplayRect() const
{
    const int top = kTabRowTop + m_tabRow->sizeHint().height() + kPageTopGap;
    return QRect(kPageMargin, top, width() - 2 * kPageMargin, height() - top - kPageMargin);
}

void TPageControl::layoutChildren()
{
    m_tabRow->setGeometry(kTabRowLeft, kTabRowTop, width() - 2 * kTabRowLeft,
                          m_tabRow->sizeHint().height());
    for (TTabSheet *page : std::as_const(m_pages))
        page->setGeometry(DisplayRect());
}

void TPageControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutChildren();
}

void TPageControl::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layoutChildren();
}

} // namespace vcl
