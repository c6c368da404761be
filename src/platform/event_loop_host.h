#pragma once
// SessionHost on the Qt event loop: posted steps are queued calls, timers are
// QTimers, the clock is QElapsedTimer (monotonic).

#include "transfer/session_host.h"

#include <QElapsedTimer>
#include <QObject>

#include <map>
#include <memory>

class QTimer;

namespace tarvo::platform {

class EventLoopHost final : public QObject, public transfer::SessionHost {
    Q_OBJECT
public:
    explicit EventLoopHost(QObject* parent = nullptr);
    ~EventLoopHost() override;

    void postStep(std::function<void()> fn) override;
    TimerId startTimer(int periodMs, std::function<void()> fn) override;
    void stopTimer(TimerId id) override;
    void runAfter(int delayMs, std::function<void()> fn) override;
    std::int64_t nowMs() const override;

private:
    QElapsedTimer m_clock;
    std::map<TimerId, QTimer*> m_timers;
    TimerId m_nextTimer = 1;
};

} // namespace tarvo::platform
