#pragma once
// Ctrl-C during a transfer: the first SIGINT is handed to the event loop as
// a cancel request, so the session can end the keyboard's data cleanly; a
// second one ends the program at once with the cancelled status.

#include <functional>
#include <memory>

class QSocketNotifier;

namespace tarvo::cli {

class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

    // What the first Ctrl-C does; replaced as the command moves from session to session.
    void setHandler(std::function<void()> handler);
    bool interrupted() const;

private:
    void deliver();

    std::unique_ptr<QSocketNotifier> m_notifier;
    std::function<void()> m_handler;
};

} // namespace tarvo::cli
