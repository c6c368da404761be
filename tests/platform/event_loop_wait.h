#pragma once
// The Qt event loop for the platform tests: one application object for the
// program, and a wait that runs the loop until a condition holds. Waits have
// generous bounds and nothing depends on how fast they end.

#include "testkit/child_process.h"

#include <QCoreApplication>

#include <functional>

namespace tarvo::platform::testing {

inline constexpr int kGenerousWaitMs = 10000;

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
    app();
    return ::tarvo::test::waitUntil(done, kGenerousWaitMs);
}

} // namespace tarvo::platform::testing
