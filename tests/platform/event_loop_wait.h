#pragma once
// The Qt event loop for the platform tests: one application object for the
// program, and a wait that runs the loop until a condition holds. Waits have
// generous bounds and nothing depends on how fast they end.

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

namespace tarvo::platform::testing {

inline constexpr int kGenerousWaitMs = 10000;
inline constexpr int kEventSliceMs = 20;

inline QCoreApplication& app()
{
    static int argc = 1;
    static char name[] = "tests_platform";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

// Runs the event loop until done() holds or the bound passes; whether it held.
inline bool runUntil(const std::function<bool()>& done)
{
    QDeadlineTimer deadline(kGenerousWaitMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, kEventSliceMs);
    }
    return true;
}

} // namespace tarvo::platform::testing
