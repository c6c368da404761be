#include "sim/sim_trace.h"

#include <cerrno>
#include <cinttypes>
#include <cstring>

namespace tarvo::sim {
namespace {

std::string hexAddress(std::uint32_t address)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%06" PRIX32, address & 0xFFFFFFu);
    return text;
}

std::string replyName(const FrameResponse& response)
{
    using serial::frames::FrameType;
    const auto& r = response.reply;
    if (r.size() == serial::frames::kStatusReplyBytes)
        return std::string(r.begin(), r.end());
    switch (response.type) {
    case FrameType::C0:
        return "banner";
    case FrameType::T7:
        return "identity";
    case FrameType::T0:
        return r.size() == serial::frames::kDumpLineBytes ? "dump line" : "DT";
    default:
        return "reply";
    }
}

} // namespace

std::string describeFrame(const FrameResponse& response)
{
    using serial::frames::FrameType;
    std::string text = std::string("rx ") + frameTypeName(response.type);
    if (response.slot >= 0)
        text.append(" slot ").append(std::to_string(response.slot + 1));
    if (response.type == FrameType::S2 || response.type == FrameType::T0)
        text.append(" address ").append(hexAddress(response.address));
    text.append(" ").append(std::to_string(response.requestBytes)).append(" bytes");
    return text;
}

std::string describeReply(const FrameResponse& response)
{
    std::string text = std::string("tx ") + frameTypeName(response.type) + " ";
    if (response.reply.empty())
        text += "none";
    else
        text += replyName(response) + " " + std::to_string(response.reply.size()) + " bytes";
    if (response.lateMs > 0)
        text += " late " + std::to_string(response.lateMs) + " ms";
    if (!response.note.empty())
        text += " (" + response.note + ")";
    return text;
}

SimTrace::~SimTrace()
{
    if (m_file)
        std::fclose(m_file);
}

bool SimTrace::open(const std::string& path, std::string& error)
{
    m_file = std::fopen(path.c_str(), "w");
    if (!m_file) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

void SimTrace::line(std::int64_t elapsedUs, const std::string& text)
{
    if (!m_file)
        return;
    std::fprintf(m_file, "%" PRId64 ".%06" PRId64 " %s\n", elapsedUs / 1000000, elapsedUs % 1000000,
                 text.c_str());
    std::fflush(m_file);
}

} // namespace tarvo::sim
