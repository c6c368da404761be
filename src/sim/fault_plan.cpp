#include "sim/fault_plan.h"

#include <array>
#include <cstdlib>
#include <utility>

namespace tarvo::sim {
namespace {

using serial::frames::FrameType;

constexpr std::array<std::pair<FrameType, const char*>, 6> kFrameNames = {{
    {FrameType::C0, "C0"},
    {FrameType::C1, "C1"},
    {FrameType::S2, "S2"},
    {FrameType::S8, "S8"},
    {FrameType::T0, "T0"},
    {FrameType::T7, "T7"},
}};

struct KindSyntax {
    const char* name;
    FaultKind kind;
    bool takesFrame;
    bool takesMs;
};

constexpr std::array<KindSyntax, 8> kKinds = {{
    {"drop", FaultKind::Drop, true, false},
    {"corrupt", FaultKind::Corrupt, true, false},
    {"late", FaultKind::Late, true, true},
    {"ce", FaultKind::AnswerCE, true, false},
    {"fe", FaultKind::AnswerFE, true, false},
    {"garbage", FaultKind::Garbage, false, false},
    {"flip", FaultKind::Flip, true, false},
    {"stop", FaultKind::Stop, false, false},
}};

std::vector<std::string> splitColons(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto colon = text.find(':', start);
        parts.push_back(text.substr(start, colon - start));
        if (colon == std::string::npos)
            return parts;
        start = colon + 1;
    }
}

bool parseCount(const std::string& text, int min, int max, int& out)
{
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    const long value = std::strtol(text.c_str(), nullptr, 10);
    if (value < min || value > max)
        return false;
    out = static_cast<int>(value);
    return true;
}

std::size_t typeIndex(FrameType type)
{
    return static_cast<std::size_t>(type);
}

} // namespace

const char* frameTypeName(FrameType type)
{
    for (const auto& [t, name] : kFrameNames)
        if (t == type)
            return name;
    return "??";
}

bool parseFrameTypeName(const std::string& text, FrameType& out)
{
    for (const auto& [t, name] : kFrameNames) {
        if (text == name) {
            out = t;
            return true;
        }
    }
    return false;
}

bool parseFaultSpec(const std::string& text, FaultSpec& out, std::string& error)
{
    const std::vector<std::string> parts = splitColons(text);
    const KindSyntax* syntax = nullptr;
    for (const auto& k : kKinds)
        if (parts[0] == k.name)
            syntax = &k;
    if (!syntax) {
        error = "unknown fault kind \"" + parts[0] + "\"";
        return false;
    }
    const std::size_t expected = 2 + (syntax->takesFrame ? 1 : 0) + (syntax->takesMs ? 1 : 0);
    if (parts.size() != expected) {
        error = "\"" + text + "\": expected " + std::to_string(expected - 1) + " fields after \"" +
                syntax->name + "\"";
        return false;
    }
    FaultSpec spec;
    spec.kind = syntax->kind;
    std::size_t next = 1;
    if (syntax->takesFrame) {
        FrameType type{};
        if (!parseFrameTypeName(parts[next], type)) {
            error = "\"" + text + "\": unknown frame \"" + parts[next] + "\" (C0, C1, S2, S8, T0 or T7)";
            return false;
        }
        if (spec.kind == FaultKind::Flip && type != FrameType::S2) {
            error = "\"" + text + "\": flip applies to S2 only";
            return false;
        }
        spec.frame = type;
        ++next;
    }
    if (!parseCount(parts[next], 1, 100000000, spec.count)) {
        error = "\"" + text + "\": N must be a whole number from 1";
        return false;
    }
    ++next;
    if (syntax->takesMs && !parseCount(parts[next], 0, kMaxLateMs, spec.lateMs)) {
        error = "\"" + text + "\": MS must be a whole number from 0 to " + std::to_string(kMaxLateMs);
        return false;
    }
    out = spec;
    return true;
}

const char* faultHelpText()
{
    return "  FRAME is C0, C1, S2, S8, T0 or T7; N counts from 1 (the N-th frame of that type).\n"
           "    drop:FRAME:N       no reply to the N-th FRAME (the frame is lost, not carried out)\n"
           "    corrupt:FRAME:N    the reply fails its check (T0: wrong check byte or dump line;\n"
           "                       others: wrong first byte)\n"
           "    late:FRAME:N:MS    the reply to the N-th FRAME comes MS milliseconds late\n"
           "    ce:FRAME:N         answer \"CE\" instead (the frame is not carried out)\n"
           "    fe:FRAME:N         answer \"FE\" instead (the frame is not carried out)\n"
           "    garbage:N          noise bytes on the line before the N-th reply\n"
           "    flip:S2:N          answer \"OK\" but store the N-th S2 block with one bit changed\n"
           "    stop:N             answer the first N frames, then nothing\n";
}

FaultDecision FaultPlan::onFrame(FrameType type)
{
    ++m_frames;
    const int ofType = ++m_framesByType[typeIndex(type)];
    FaultDecision decision;
    for (const FaultSpec& spec : m_specs) {
        if (spec.kind == FaultKind::Stop) {
            if (m_frames > spec.count)
                decision.silent = true;
            continue;
        }
        if (!spec.frame || *spec.frame != type || spec.count != ofType)
            continue;
        switch (spec.kind) {
        case FaultKind::Drop:
            decision.silent = true;
            break;
        case FaultKind::Corrupt:
            decision.corrupt = true;
            break;
        case FaultKind::Late:
            decision.lateMs += spec.lateMs;
            break;
        case FaultKind::AnswerCE:
            decision.replaceWith = serial::frames::StatusReply::CE;
            break;
        case FaultKind::AnswerFE:
            decision.replaceWith = serial::frames::StatusReply::FE;
            break;
        case FaultKind::Flip:
            decision.flipBit = true;
            break;
        case FaultKind::Garbage:
        case FaultKind::Stop:
            break;
        }
    }
    return decision;
}

bool FaultPlan::onReply()
{
    ++m_replies;
    for (const FaultSpec& spec : m_specs)
        if (spec.kind == FaultKind::Garbage && spec.count == m_replies)
            return true;
    return false;
}

} // namespace tarvo::sim
