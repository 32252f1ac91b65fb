#pragma once

#include <QTabBar>

namespace vcl {

// The tab row of a page control in the flat-buttons style: the tabs are flat
// buttons in one row, the active one drawn pressed. It is a tab stop but does
// not take the focus when clicked.
class FlatTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit FlatTabBar(QWidget *parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vcl
