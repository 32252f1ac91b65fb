#include "tedit.h"

#include "focus.h"

#include <QFocusEvent>

#include <limits>

namespace vcl {

TEdit::TEdit(QWidget *parent) : QLineEdit(parent)
{
    // The box has no length limit (QLineEdit would cut a paste at 32767).
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, [this] { RaiseEvent(OnChange, this); });
}

void TEdit::SetText(const QString &newText)
{
    if (newText == text())
        return;
    setText(newText);
}

void TEdit::SetFocus() { focusControl(this); }

void TEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        selectAll();
        break;
    default:
        // A mouse click, or the window coming back to the front, leaves the
        // caret and the selection where they were.
        break;
    }
}

} // namespace vcl
