#pragma once

#include <QList>
#include <QWidget>

namespace vcl {

class FlatTabBar;
class TTabSheet;

// A page control: a row of tabs (flat buttons) over pages of which one is
// shown. Clicking a tab, Ctrl+Tab and Ctrl+Shift+Tab switch pages, wrapping
// at both ends, wherever the focus is in the window. No page-change event is
// raised: switching runs none of the program's code.
class TPageControl : public QWidget
{
    Q_OBJECT
public:
    explicit TPageControl(QWidget *parent = nullptr);

    int PageCount() const { return int(m_pages.size()); }
    TTabSheet *Pages(int index) const;
    int IndexOf(const TTabSheet *page) const;

    TTabSheet *ActivePage() const { return Pages(m_activeIndex); }
    int ActivePageIndex() const { return m_activeIndex; }
    // Shows the page at index and hides the one that was active; an index
    // outside the pages leaves no page active. If the focus was on the page
    // being hidden, it moves to the new page's first control in tab order.
    void SetActivePageIndex(int index);
    void SetActivePage(TTabSheet *page) { SetActivePageIndex(IndexOf(page)); }
    void SelectNextPage(bool goForward);

    FlatTabBar *TabRow() const { return m_tabRow; }
    // The part of the control that the pages fill, below the tab row.
    QRect DisplayRect() const;

private:
    friend class TTabSheet;
    void insertPage(TTabSheet *page);
    void layoutChildren();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    FlatTabBar *m_tabRow;
    QList<TTabSheet *> m_pages;
    int m_activeIndex = -1;
};

} // namespace vcl
