#pragma once
// How long the event loop is ever kept from running (so that the window
// repaints and takes clicks): the longest time between two ticks of a
// kLoopTickMs timer, beyond kLoopTickMs, while the watch lives.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>

namespace tarvo::bench {

inline constexpr int kLoopTickMs = 10;

class LoopWatch {
public:
    LoopWatch()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.elapsed();
            m_worstMs = std::max(m_worstMs, now - m_lastMs - kLoopTickMs);
            m_lastMs = now;
        });
        m_clock.start();
        m_timer.start(kLoopTickMs);
    }
    qint64 worstMs() const { return m_worstMs; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_lastMs = 0;
    qint64 m_worstMs = 0;
};

} // namespace tarvo::bench
