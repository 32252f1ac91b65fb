#pragma once

#include <QWidget>

namespace vcl {

class TPageControl;

// One page of a TPageControl: it fills the control's display area and is
// hidden except while it is the active page.
class TTabSheet : public QWidget
{
    Q_OBJECT
public:
    TTabSheet(TPageControl *pageControl, const QString &name, const QString &caption);

    QString Caption() const { return m_caption; }
    TPageControl *PageControl() const { return m_pageControl; }

    // The first control of the page, in tab order, that can take the focus.
    QWidget *FirstFocusableControl() const;

private:
    TPageControl *m_pageControl;
    QString m_caption;
};

} // namespace vcl
