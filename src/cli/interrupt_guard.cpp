#include "cli/interrupt_guard.h"

#include "cli/cli_args.h"

#include <QSocketNotifier>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tarvo::cli {

namespace {

int g_pipe[2] = {-1, -1};
std::atomic<int> g_interrupts{0};
struct sigaction g_previous {};

void onSigint(int)
{
    if (g_interrupts.fetch_add(1) > 0)
        ::_exit(kExitCancelled);
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}

} // namespace

InterruptGuard::InterruptGuard()
{
    g_interrupts = 0;
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return; // Ctrl-C then keeps its default effect
    }
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { deliver(); });
    struct sigaction action {};
    action.sa_handler = onSigint;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &g_previous);
}

InterruptGuard::~InterruptGuard()
{
    if (g_pipe[0] < 0)
        return;
    ::sigaction(SIGINT, &g_previous, nullptr);
    m_notifier.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void InterruptGuard::setHandler(std::function<void()> handler)
{
    m_handler = std::move(handler);
}

bool InterruptGuard::interrupted() const
{
    return g_interrupts.load() > 0;
}

void InterruptGuard::deliver()
{
    char buffer[16];
    while (::read(g_pipe[0], buffer, sizeof buffer) > 0) {
    }
    if (m_handler)
        m_handler();
}

} // namespace tarvo::cli
