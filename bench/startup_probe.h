#pragma once

#include <QObject>

#include <functional>

// Ends the process right after the first paint of the text pane that comes
// once a condition holds, printing its peak resident memory ("peak_kib
// <kib>"). The benchmark driver times the process from its start to its end,
// so the time measured is the start-up up to that paint.
class StartupProbe : public QObject
{
    Q_OBJECT
public:
    // paneName: the object name of the text pane whose viewport is watched.
    StartupProbe(QString paneName, std::function<bool()> ready);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_paneName;
    std::function<bool()> m_ready;
    bool m_done = false;
};
