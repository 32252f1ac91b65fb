#include "type_ahead.h"

#include <QElapsedTimer>

namespace vcl {

TypeAhead::TypeAhead(Clock clock) : m_clock(std::move(clock)) {}

TypeAhead::Clock TypeAhead::steadyClock()
{
    return [] {
        static QElapsedTimer timer = [] {
            QElapsedTimer t;
            t.start();
            return t;
        }();
        return timer.elapsed();
    };
}

const QString &TypeAhead::feed(QChar typed)
{
    const qint64 now = m_clock();
    if (!m_hasTyped || now - m_lastTime >= kTimeoutMs)
        m_text.clear();
    m_hasTyped = true;
    m_lastTime = now;
    if (typed == kBackspace)
        m_text.chop(1);
    else
        m_text.append(typed);
    return m_text;
}

} // namespace vcl
