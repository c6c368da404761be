#include "cli/frame_trace.h"

#include "io/atomic_file.h"

#include <cstdio>

namespace tarvo::cli {

FrameTrace::FrameTrace(std::string path, const transfer::SessionHost& clock)
    : m_path(std::move(path)), m_clock(clock)
{
}

void FrameTrace::line(const std::string& text)
{
    const std::int64_t now = m_clock.nowMs();
    const std::int64_t delta = m_lastMs < 0 ? 0 : now - m_lastMs;
    m_lastMs = now;
    char head[32];
    std::snprintf(head, sizeof head, "+%lld ms ", static_cast<long long>(delta));
    m_text += head;
    m_text += text;
    m_text += '\n';
}

void FrameTrace::mark(const std::string& text)
{
    line("# " + text);
}

serial::CBpProtocol::FrameObserver FrameTrace::observer()
{
    return [this](serial::CBpProtocol::FrameDirection direction, std::span<const std::uint8_t> bytes) {
        // Every frame of every port passes here on the one loop: no formatting call per byte.
        static constexpr char kHexDigits[] = "0123456789ABCDEF";
        std::string text = direction == serial::CBpProtocol::FrameDirection::Sent ? "sent " : "recv ";
        text += std::to_string(bytes.size());
        text += ':';
        text.reserve(text.size() + bytes.size() * 3);
        for (const std::uint8_t b : bytes) {
            text += ' ';
            text += kHexDigits[b >> 4];
            text += kHexDigits[b & 0x0F];
        }
        line(text);
    };
}

bool FrameTrace::save(std::string& error) const
{
    const auto result = io::writeFileAtomically(
        m_path,
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(m_text.data()), m_text.size()));
    if (!result.ok)
        error = result.message;
    return result.ok;
}

} // namespace tarvo::cli
