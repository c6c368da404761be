#include "sim/reply_pacer.h"

#include <algorithm>

namespace tarvo::sim {

std::int64_t wireTimeUs(std::size_t bytes, int baud)
{
    if (baud <= 0)
        return 0;
    const auto bits = static_cast<std::int64_t>(bytes) * kBitsPerByte;
    return (bits * 1000000 + baud / 2) / baud;
}

std::vector<std::int64_t> ReplyPacer::schedule(const FrameResponse& response, std::int64_t nowUs)
{
    const std::int64_t lateUs = static_cast<std::int64_t>(response.lateMs) * 1000;
    std::vector<std::int64_t> due(response.reply.size());
    if (!m_wireTime) {
        std::fill(due.begin(), due.end(), nowUs + lateUs);
        return due;
    }
    const std::int64_t requestEnd = response.requestStartUs + wireTimeUs(response.requestBytes, m_baud);
    const std::int64_t start = std::max(requestEnd, m_lineFreeUs) + lateUs;
    for (std::size_t i = 0; i < due.size(); ++i)
        due[i] = start + wireTimeUs(i + 1, m_baud);
    if (!due.empty())
        m_lineFreeUs = due.back();
    return due;
}

} // namespace tarvo::sim
