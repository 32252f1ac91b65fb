#pragma once

#include <QObject>
#include <QTimer>

namespace vcl {

// Stops the text caret blinking after a few seconds without keyboard or mouse
// input, as current desktops do, and starts it again at the next input. An
// idle window then costs no CPU time at all: a blinking caret repaints twice a
// second forever.
class CaretBlinkTimeout : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 5000;

    explicit CaretBlinkTimeout(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stopBlinking();

    QTimer m_timer;
    int m_flashTime;
    bool m_blinking = true;
};

} // namespace vcl
