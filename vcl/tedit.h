#pragma once

#include "events.h"

#include <QLineEdit>

namespace vcl {

// A single-line edit box. OnChange is raised once for every change of its
// text, by the user or by the program. Setting the text to exactly what it
// holds changes nothing and raises nothing; otherwise the handler runs to its
// end before SetText returns. Entered by the keyboard or by the program, the
// box selects its whole text; a mouse click places the caret instead.
class TEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit TEdit(QWidget *parent = nullptr);

    QString Text() const { return text(); }
    void SetText(const QString &text);

    // Gives the box the focus as the program does (its text gets selected);
    // raises EInvalidOperation when it can't take the focus.
    void SetFocus();

    TNotifyEvent OnChange;

protected:
    void focusInEvent(QFocusEvent *event) override;
};

} // namespace vcl
