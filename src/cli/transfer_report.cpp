#include "cli/transfer_report.h"

#include "cli/cli_args.h"

#include "cli/json_writer.h"
#include "templates/utf_text.h"

#include <QString>

#include <cstdio>

namespace tarvo::cli {

namespace {

// A progress event per block would be thousands of lines a slot.
constexpr int kJsonEveryBlocks = 64;
constexpr std::int64_t kLineEveryMs = 100;
constexpr double kMsPerSecond = 1000.0;

std::string timeLeft(double seconds)
{
    const auto whole = static_cast<long long>(seconds + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
    return text;
}

void entrySideJson(JsonWriter& o, const char* name, const compare::EntrySide& side)
{
    o.key(name).beginObject().key("lines").beginArray();
    for (const auto& line : side.lines)
        o.value(line);
    o.endArray().key("kind").value(side.kind).key("a").value(side.valueA).key("b").value(side.valueB);
    o.endObject();
}

// "[Cameras   |          |          ]", with the action where it changes.
std::string entrySideText(const compare::EntrySide& side, bool withAction)
{
    std::string text = "[";
    for (std::size_t i = 0; i < side.lines.size(); ++i) {
        if (i > 0)
            text += '|';
        text += templates::utf16ToUtf8(side.lines[i]);
    }
    text += ']';
    if (withAction) {
        char action[64];
        std::snprintf(action, sizeof action, " kind %d a %d b %d", side.kind, side.valueA, side.valueB);
        text += action;
    }
    return text;
}

std::string planHeading(const transfer::SlotPreview& slot)
{
    std::string text = "slot ";
    text.append(std::to_string(slot.slot))
        .append(" ")
        .append(templates::utf16ToUtf8(slot.tableName))
        .append(": ")
        .append(templates::utf16ToUtf8(transfer::planWords(slot).text()));
    return text;
}

} // namespace

const char* phaseName(transfer::TransferPhase phase)
{
    switch (phase) {
    case transfer::TransferPhase::Info:
        return "info";
    case transfer::TransferPhase::Read:
        return "read";
    case transfer::TransferPhase::Write:
        return "write";
    case transfer::TransferPhase::Verify:
        return "verify";
    }
    return "read";
}

const char* outcomeName(transfer::SlotOutcome outcome)
{
    switch (outcome) {
    case transfer::SlotOutcome::Read:
        return "read";
    case transfer::SlotOutcome::Written:
        return "written";
    case transfer::SlotOutcome::Unchanged:
        return "unchanged";
    case transfer::SlotOutcome::Verified:
        return "verified";
    }
    return "read";
}

const char* recoveryName(transfer::Recovery recovery)
{
    switch (recovery) {
    case transfer::Recovery::FromBackup:
        return "backup";
    case transfer::Recovery::FromRecord:
        return "record";
    case transfer::Recovery::AsStored:
        return "as_stored";
    case transfer::Recovery::None:
        break;
    }
    return nullptr;
}

TransferReport::TransferReport(SessionEnvironment& env, bool json) : m_env(env), m_json(json)
{
    m_env.setBlockLinesShown(false);
}

// jsonLine ends with its newline.
void TransferReport::emitLine(const std::string& jsonLine)
{
    if (!m_port.empty() && jsonLine.size() > 2) {
        // Every event is an object: the port goes first.
        const std::string tagged = "{\"port\":" + JsonWriter::quoted(m_port) + "," + jsonLine.substr(1);
        std::fputs(tagged.c_str(), stdout);
        std::fflush(stdout);
        return;
    }
    std::fputs(jsonLine.c_str(), stdout);
    std::fflush(stdout);
}

void TransferReport::progress(const transfer::BlockProgress& p)
{
    const std::int64_t now = m_env.host().nowMs();
    if (p.phase != m_phase || p.total != m_phaseTotal || p.done < m_phaseStartDone) {
        // One steady line per phase: the last one stays as it ended.
        m_env.endLine();
        m_lastLineMs = -1;
        m_phase = p.phase;
        m_phaseTotal = p.total;
        m_phaseStartDone = p.done;
        m_phaseStartMs = now;
        m_lastEmittedDone = -1;
    }
    if (m_json) {
        const bool worthIt = p.phase == transfer::TransferPhase::Info || p.done == p.total ||
                             m_lastEmittedDone < 0 || p.done - m_lastEmittedDone >= kJsonEveryBlocks;
        if (worthIt) {
            m_lastEmittedDone = p.done;
            JsonWriter o;
            o.beginObject().key("event").valueUtf8("progress").key("phase").valueUtf8(phaseName(p.phase));
            o.key("slot").value(p.slot).key("done").value(p.done).key("total").value(p.total).endObject();
            emitLine(o.finish());
        }
        return;
    }
    if (!m_env.showsProgress())
        return;
    if (p.done != p.total && m_lastLineMs >= 0 && now - m_lastLineMs < kLineEveryMs)
        return;
    m_lastLineMs = now;
    std::string line = std::string(phaseName(p.phase)) + " table #" + std::to_string(p.slot) + ": " +
                       std::to_string(p.done) + " of " + std::to_string(p.total) + " blocks";
    const double seconds = static_cast<double>(now - m_phaseStartMs) / kMsPerSecond;
    const int moved = p.done - m_phaseStartDone;
    if (seconds > 0.5 && moved > 0) {
        const double rate = moved / seconds;
        char text[64];
        std::snprintf(text, sizeof text, ", %.0f blocks/s, %s left", rate,
                      timeLeft((p.total - p.done) / rate).c_str());
        line += text;
    }
    m_env.progressLine(QString::fromStdString(line).toStdU16String());
}

void TransferReport::setRecovery(int slot, transfer::Recovery recovery)
{
    if (slot >= 1 && slot <= transfer::kMaxSlots)
        m_recovery[static_cast<std::size_t>(slot - 1)] = recovery;
}

void TransferReport::slotDone(int slot, transfer::SlotOutcome outcome)
{
    if (!m_json)
        return;
    JsonWriter o;
    o.beginObject().key("event").valueUtf8("slot_done").key("slot").value(slot);
    o.key("result").valueUtf8(outcomeName(outcome));
    const bool known = slot >= 1 && slot <= transfer::kMaxSlots;
    if (const char* recovered =
            known ? recoveryName(m_recovery[static_cast<std::size_t>(slot - 1)]) : nullptr;
        recovered != nullptr && outcome == transfer::SlotOutcome::Written)
        o.key("recovered").valueUtf8(recovered);
    o.endObject();
    emitLine(o.finish());
}

void TransferReport::tableNotWritten(int table, int languageId, const std::vector<int>& blankSlots)
{
    if (m_json) {
        JsonWriter o;
        o.beginObject().key("event").valueUtf8("not_written").key("table").value(table);
        o.key("language").value(languageId).key("blank_slots").beginArray();
        for (const int slot : blankSlots)
            o.value(slot);
        o.endArray().endObject();
        emitLine(o.finish());
        return;
    }
    std::string text = "document table " + std::to_string(table) + " (language " +
                       std::to_string(languageId) + ") is held by no slot of the keyboard";
    if (!blankSlots.empty()) {
        text += "; blank slots that could take it:";
        for (const int slot : blankSlots)
            text.append(" ").append(std::to_string(slot));
        text.append(" (--slots ")
            .append(std::to_string(blankSlots.front()))
            .append("=")
            .append(std::to_string(table))
            .append(")");
    }
    notice(text);
}

void TransferReport::plan(const transfer::SlotPreview& slot)
{
    if (m_json) {
        JsonWriter o;
        o.beginObject().key("event").valueUtf8("plan").key("slot").value(slot.slot);
        o.key("language").value(slot.languageId);
        o.key("action").valueUtf8(transfer::previewActionName(slot.action));
        if (slot.action == transfer::PreviewAction::Refused)
            o.key("reason").valueUtf8(templates::utf16ToUtf8(slot.reason.text()));
        if (slot.action == transfer::PreviewAction::Recover) {
            o.key("backup");
            if (slot.backup.empty())
                o.null();
            else
                o.valueUtf8(slot.backup);
        }
        o.key("changes").beginArray();
        for (const transfer::EntryChange& change : slot.changes) {
            o.beginObject().key("menu").value(change.menu).key("entry").value(change.entry);
            entrySideJson(o, "old", change.before);
            entrySideJson(o, "new", change.after);
            o.endObject();
        }
        o.endArray().endObject();
        emitLine(o.finish());
        return;
    }
    const std::string port = m_port.empty() ? std::string() : m_port + ": ";
    std::printf("%s%s\n", port.c_str(), planHeading(slot).c_str());
    for (const transfer::EntryChange& change : slot.changes) {
        const bool actionChanges = change.before.kind != change.after.kind ||
                                   change.before.valueA != change.after.valueA ||
                                   change.before.valueB != change.after.valueB;
        std::printf("%s  menu %d entry %d  %s \u2192 %s\n", port.c_str(), change.menu, change.entry,
                    entrySideText(change.before, actionChanges).c_str(),
                    entrySideText(change.after, actionChanges).c_str());
    }
    std::fflush(stdout);
}

void TransferReport::notice(const std::string& text)
{
    m_env.progressLine(u"");
    const std::string port = m_port.empty() ? std::string() : m_port + ": ";
    if (m_env.note("tarvo: " + port + text))
        return;
    std::fprintf(stderr, "%starvo: %s%s\n", m_env.showsProgress() ? "\r\033[K" : "", port.c_str(),
                 text.c_str());
}

int TransferReport::finish(int status, const std::string& what, const std::string& reason,
                           std::optional<int> slot)
{
    if (status != kExitOk) {
        if (m_env.showsProgress())
            std::fputs("\r\033[K", stderr);
        fail(status, what, reason);
    }
    if (m_json) {
        if (status != kExitOk) {
            JsonWriter e;
            e.beginObject().key("event").valueUtf8("error").key("slot");
            if (slot)
                e.value(*slot);
            else
                e.null();
            e.key("status").value(status).key("message").valueUtf8(reason).endObject();
            emitLine(e.finish());
        }
        if (!m_port.empty())
            return status;
        JsonWriter d;
        d.beginObject().key("event").valueUtf8("done").key("status").value(status).endObject();
        emitLine(d.finish());
    }
    return status;
}

} // namespace tarvo::cli
