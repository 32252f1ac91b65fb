#include "focus.h"

#include "exceptions.h"

#include <QWidget>

namespace vcl {

void focusControl(QWidget *control)
{
    for (const QWidget *w = control; w; w = w->parentWidget()) {
        if (w->isHidden() || !w->isEnabled())
            throw EInvalidOperation::cannotFocus();
        if (w->isWindow())
            break;
    }
    control->setFocus(Qt::OtherFocusReason);
}

} // namespace vcl
