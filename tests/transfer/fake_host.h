#pragma once
// SessionHost on a manual clock: advance(ms) moves time forward, firing the
// timers and delayed calls in time order and running posted steps after each.
// A six-second time-out takes microseconds.

#include "transfer/session_host.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>

namespace tarvo::transfer::testing {

class FakeHost final : public SessionHost {
public:
    void postStep(std::function<void()> fn) override { m_posted.push_back(std::move(fn)); }

    TimerId startTimer(int periodMs, std::function<void()> fn) override
    {
        if (!m_timersAvailable)
            return kNoTimer;
        const TimerId id = m_nextTimer++;
        m_timers[id] = Timer{periodMs, m_nowMs + periodMs, m_sequence++,
                             std::make_shared<std::function<void()>>(std::move(fn))};
        return id;
    }

    void stopTimer(TimerId id) override { m_timers.erase(id); }

    void runAfter(int delayMs, std::function<void()> fn) override
    {
        m_delayed.emplace(Key{m_nowMs + delayMs, m_sequence++}, std::move(fn));
    }

    std::int64_t nowMs() const override { return m_nowMs; }

    // Runs the posted steps (and the steps they post) at the current time.
    void runPosted()
    {
        while (!m_posted.empty()) {
            auto fn = std::move(m_posted.front());
            m_posted.pop_front();
            fn();
        }
    }

    void advance(std::int64_t ms)
    {
        const std::int64_t target = m_nowMs + ms;
        runPosted();
        for (;;) {
            Key earliest{target + 1, 0};
            TimerId timer = kNoTimer;
            for (const auto& [id, t] : m_timers) {
                if (Key{t.dueMs, t.sequence} < earliest) {
                    earliest = Key{t.dueMs, t.sequence};
                    timer = id;
                }
            }
            const bool delayedFirst = !m_delayed.empty() && m_delayed.begin()->first < earliest;
            if (!delayedFirst && timer == kNoTimer)
                break;
            if (delayedFirst) {
                auto node = m_delayed.extract(m_delayed.begin());
                m_nowMs = node.key().dueMs;
                node.mapped()();
            } else {
                Timer& t = m_timers[timer];
                m_nowMs = t.dueMs;
                t.dueMs += t.periodMs;
                t.sequence = m_sequence++;
                auto fn = t.fn; // the call may stop the timer
                (*fn)();
            }
            runPosted();
        }
        m_nowMs = target;
    }

    void setTimersAvailable(bool available) { m_timersAvailable = available; }
    std::size_t activeTimers() const { return m_timers.size(); }
    std::size_t pendingCalls() const { return m_posted.size() + m_delayed.size(); }

private:
    struct Key {
        std::int64_t dueMs;
        std::uint64_t sequence;
        bool operator<(const Key& o) const
        {
            return dueMs != o.dueMs ? dueMs < o.dueMs : sequence < o.sequence;
        }
    };
    struct Timer {
        int periodMs = 0;
        std::int64_t dueMs = 0;
        std::uint64_t sequence = 0;
        std::shared_ptr<std::function<void()>> fn;
    };

    std::int64_t m_nowMs = 0;
    std::uint64_t m_sequence = 0;
    std::deque<std::function<void()>> m_posted;
    std::map<TimerId, Timer> m_timers;
    std::map<Key, std::function<void()>> m_delayed;
    TimerId m_nextTimer = 1;
    bool m_timersAvailable = true;
};

} // namespace tarvo::transfer::testing
