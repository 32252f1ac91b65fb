#pragma once

#include <QString>

#include <functional>

namespace vcl {

// The text typed into a list for its type-ahead. Characters typed less than
// 500 ms apart add up; after a longer pause the text starts afresh. Backspace
// takes the last character off; every other character, Enter and Escape
// included, is added.
class TypeAhead
{
public:
    // Milliseconds from any fixed origin.
    using Clock = std::function<qint64()>;
    static constexpr qint64 kTimeoutMs = 500;
    static constexpr QChar kBackspace = QChar(0x08);

    explicit TypeAhead(Clock clock = steadyClock());

    // Takes one typed character and returns the type-ahead text after it.
    const QString &feed(QChar typed);
    const QString &text() const { return m_text; }

    void setClock(Clock clock) { m_clock = std::move(clock); }
    static Clock steadyClock();

private:
    Clock m_clock;
    QString m_text;
    qint64 m_lastTime = 0;
    bool m_hasTyped = false;
};

} // namespace vcl
