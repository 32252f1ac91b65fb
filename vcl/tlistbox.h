#pragma once

#include "events.h"
#include "tstrings.h"
#include "type_ahead.h"

#include <QListWidget>

#include <memory>

namespace vcl {

// Messages sent straight to a list box with Perform.
enum ListBoxMessage : unsigned {
    LB_FINDSTRING = 399,   // find the first item that begins with the text
    LB_SELECTSTRING = 396, // the same, and select it
};
constexpr int LB_ERR = -1;

// A single-selection list box: items by index, the selected index, prefix
// search and selection by message, its own type-ahead, and OnClick, which the
// user's actions and the type-ahead raise and the program's changes of the
// selection do not.
class TListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit TListBox(QWidget *parent = nullptr);
    ~TListBox() override;

    TStrings *Items() const;

    // The selected item's index, -1 when none is selected.
    int ItemIndex() const;
    // Selects the item and scrolls it into view; raises no OnClick.
    void SetItemIndex(int index);

    // LB_SELECTSTRING and LB_FINDSTRING with a start index and a search text.
    // An empty text (an empty search box's) finds nothing, so the selection stays.
    int Perform(ListBoxMessage message, int start, const QString &text);

    // The type-ahead (on by default) and its clock, which tests replace.
    bool AutoComplete = true;
    void SetTypeAheadClock(TypeAhead::Clock clock) { m_typeAhead.setClock(std::move(clock)); }

    void SetItemHeight(int height);
    int ItemHeight() const { return m_itemHeight; }

    // Gives the list the keyboard focus; raises EInvalidOperation when it, or
    // a control that contains it, is hidden or disabled.
    void SetFocus();

    TNotifyEvent OnClick;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;

public:
    // Qt's own type-ahead is replaced by the list's.
    void keyboardSearch(const QString &) override {}

private:
    class ItemList;
    friend class ItemList;

    // Feeds one typed character to the type-ahead; true when the key is
    // consumed by it.
    bool typeAhead(QChar typed);
    void Click();

    std::unique_ptr<ItemList> m_strings;
    QStringList m_items;
    QStringList m_searchKeys; // caseFoldKey() of each item, made at the first search
    TypeAhead m_typeAhead;
    int m_itemHeight = 0;
};

} // namespace vcl
