#include "caret_blink.h"

#include <QApplication>
#include <QEvent>

namespace vcl {

CaretBlinkTimeout::CaretBlinkTimeout(QObject *parent)
    : QObject(parent), m_flashTime(QApplication::cursorFlashTime())
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kTimeoutMs);
    connect(&m_timer, &QTimer::timeout, this, &CaretBlinkTimeout::stopBlinking);
    QApplication::instance()->installEventFilter(this);
    m_timer.start();
}

bool CaretBlinkTimeout::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::FocusIn:
        if (!m_blinking) {
            m_blinking = true;
            QApplication::setCursorFlashTime(m_flashTime);
        }
        m_timer.start();
        break;
    default:
        break;
    }
    return false;
}

void CaretBlinkTimeout::stopBlinking()
{
    m_blinking = false;
    QApplication::setCursorFlashTime(0);
}

} // namespace vcl
