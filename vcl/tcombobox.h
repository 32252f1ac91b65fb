#pragma once

#include "events.h"

#include <QComboBox>

namespace vcl {

// An editable drop-down combo box with the class library's auto-completion.
//
// OnChange is raised when the user chooses an item (a click in the open list,
// or the arrow keys with the list open or closed: the item's caption goes into
// the field first), when the auto-completion chooses another item, after every
// Backspace, and after any edit of the field that the auto-completion does not
// consume (that leaves no item chosen). Tab and Escape raise nothing, and the
// program's own changes raise nothing.
class TComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit TComboBox(QWidget *parent = nullptr);

    QString Text() const;
    void SetText(const QString &text);
    // The chosen item's index, -1 when none is chosen.
    int ItemIndex() const { return m_itemIndex; }
    // Chooses an item as the program does: its caption goes into the field,
    // and no event is raised.
    void SetItemIndex(int index);
    void AddItems(const QStringList &captions);

    TNotifyEvent OnChange;

    void showPopup() override;

protected:
    // Keys reach the box itself while it has the focus, and its field when
    // they are sent to the field directly: both go the same way.
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool fieldKeyPress(QKeyEvent *event);
    bool listKeyPress(QKeyEvent *event);
    // Types one character: true when the auto-completion consumed it.
    bool autoComplete(QChar typed);
    void backspace();
    void choose(int index);
    void setItemIndex(int index);
    void Change();

    int m_itemIndex = -1;
};

} // namespace vcl
