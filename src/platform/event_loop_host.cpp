#include "platform/event_loop_host.h"

#include <QMetaObject>
#include <QTimer>

namespace tarvo::platform {

EventLoopHost::EventLoopHost(QObject* parent) : QObject(parent)
{
    m_clock.start();
}

EventLoopHost::~EventLoopHost()
{
    for (auto& [id, timer] : m_timers)
        delete timer;
}

void EventLoopHost::postStep(std::function<void()> fn)
{
    QMetaObject::invokeMethod(
        this, [fn = std::move(fn)] { fn(); }, Qt::QueuedConnection);
}

transfer::SessionHost::TimerId EventLoopHost::startTimer(int periodMs, std::function<void()> fn)
{
    auto* timer = new QTimer(this);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(periodMs);
    connect(timer, &QTimer::timeout, this, [fn = std::move(fn)] { fn(); });
    timer->start();
    const TimerId id = m_nextTimer++;
    m_timers[id] = timer;
    return id;
}

void EventLoopHost::stopTimer(TimerId id)
{
    const auto it = m_timers.find(id);
    if (it == m_timers.end())
        return;
    it->second->stop();
    it->second->deleteLater();
    m_timers.erase(it);
}

void EventLoopHost::runAfter(int delayMs, std::function<void()> fn)
{
    QTimer::singleShot(delayMs, Qt::PreciseTimer, this, [fn = std::move(fn)] { fn(); });
}

std::int64_t EventLoopHost::nowMs() const
{
    return m_clock.elapsed();
}

} // namespace tarvo::platform
