#include "transfer/download_fleet.h"

#include "serial/keyboard_records.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>

namespace tarvo::transfer {

// One keyboard's job and what the fleet follows of it; every event goes on
// to the keyboard's own listener.
class DownloadFleet::Member final : public JobListener {
public:
    Member(DownloadFleet& fleet, FleetKeyboard keyboard)
        : m_fleet(fleet), m_port(std::move(keyboard.port)), m_host(keyboard.line.host),
          m_listener(*keyboard.listener)
    {
        m_job = std::make_unique<DownloadJob>(std::move(keyboard.line), *this, std::move(keyboard.options),
                                              *keyboard.doc, std::move(keyboard.setup));
    }
    ~Member() override { m_job.reset(); }

    DownloadJob& job() { return *m_job; }
    const DownloadJob& job() const { return *m_job; }
    // Its write holds still for the front end's Cancel all question.
    bool heldForCancelAll = false;

    void start()
    {
        m_startMs = m_host.nowMs();
        m_job->start();
    }

    FleetRow row() const
    {
        constexpr double kMsPerSecond = 1000.0;
        FleetRow row;
        row.port = m_port;
        row.keyboard = keyboardTextOf(*m_job);
        row.written = count(SlotOutcome::Written);
        row.unchanged = count(SlotOutcome::Unchanged);
        row.verified = count(SlotOutcome::Verified);
        const std::int64_t endMs = m_endMs >= 0 ? m_endMs : m_host.nowMs();
        row.seconds = static_cast<double>(endMs - m_startMs) / kMsPerSecond;
        if (m_job->hasEnded())
            row.end = m_job->end();
        row.backup = m_job->backupSaved();
        return row;
    }

    void stageStarted(JobStage stage) override { m_listener.stageStarted(stage); }
    void progress(const BlockProgress& progress) override { m_listener.progress(progress); }
    void slotDone(int slot, SlotOutcome outcome) override
    {
        ++m_outcomes[outcome];
        m_listener.slotDone(slot, outcome);
    }
    void slotImage(int slot, std::span<const std::uint8_t> image) override
    {
        m_listener.slotImage(slot, image);
    }
    void notice(const messages::Message& text) override { m_listener.notice(text); }
    void slotRecovery(int slot, Recovery recovery) override { m_listener.slotRecovery(slot, recovery); }
    void tableNotWritten(int table, int languageId, const std::vector<int>& blankSlots) override
    {
        m_listener.tableNotWritten(table, languageId, blankSlots);
    }
    void recoveryQuestion(int slot, const messages::Message& why,
                          const std::vector<std::string>& backups) override
    {
        m_listener.recoveryQuestion(slot, why, backups);
    }
    void slotChoiceNeeded() override { m_listener.slotChoiceNeeded(); }
    void cancelQuestion(const std::u16string& question) override { m_listener.cancelQuestion(question); }
    void mergeReadDone() override { m_listener.mergeReadDone(); }
    void jobEnded(const JobEnd& end) override
    {
        m_endMs = m_host.nowMs();
        m_listener.jobEnded(end);
        m_fleet.memberEnded();
    }

private:
    int count(SlotOutcome outcome) const
    {
        const auto it = m_outcomes.find(outcome);
        return it == m_outcomes.end() ? 0 : it->second;
    }

    DownloadFleet& m_fleet;
    std::string m_port;
    const SessionHost& m_host;
    JobListener& m_listener;
    std::unique_ptr<DownloadJob> m_job;
    std::map<SlotOutcome, int> m_outcomes;
    std::int64_t m_startMs = 0;
    std::int64_t m_endMs = -1;
};

DownloadFleet::DownloadFleet() = default;
DownloadFleet::~DownloadFleet() = default;

DownloadJob& DownloadFleet::add(FleetKeyboard keyboard)
{
    m_members.push_back(std::make_unique<Member>(*this, std::move(keyboard)));
    return m_members.back()->job();
}

DownloadJob& DownloadFleet::job(std::size_t i)
{
    return m_members.at(i)->job();
}

const DownloadJob& DownloadFleet::job(std::size_t i) const
{
    return m_members.at(i)->job();
}

void DownloadFleet::start(std::function<void()> allEnded)
{
    m_allEnded = std::move(allEnded);
    m_started = true;
    m_running = m_members.size();
    if (m_running == 0) {
        if (m_allEnded)
            m_allEnded();
        return;
    }
    // A job that fails at once (its port cannot be opened) ends inside
    // start(): the count is set before the first one starts.
    for (auto& member : m_members)
        member->start();
}

void DownloadFleet::cancelAll()
{
    for (auto& member : m_members)
        if (!member->job().hasEnded())
            member->job().cancel();
}

std::vector<std::vector<int>> DownloadFleet::holdForCancelAll()
{
    std::vector<std::vector<int>> incomplete;
    incomplete.reserve(m_members.size());
    for (auto& member : m_members) {
        member->heldForCancelAll = member->job().holdWriteForQuestion();
        incomplete.push_back(member->job().slotsACancelLeavesIncomplete());
    }
    return incomplete;
}

void DownloadFleet::answerCancelAll(bool cancel)
{
    for (auto& member : m_members) {
        DownloadJob& job = member->job();
        const bool held = member->heldForCancelAll;
        member->heldForCancelAll = false;
        if (job.hasEnded())
            continue;
        if (!cancel) {
            if (held)
                job.answerCancel(false);
            continue;
        }
        // A held write asks nothing more: the cancel is noted, then answered.
        job.cancel();
        if (held && !job.hasEnded())
            job.answerCancel(true);
    }
}

void DownloadFleet::memberEnded()
{
    if (m_running == 0)
        return;
    if (--m_running == 0 && m_allEnded)
        m_allEnded();
}

std::vector<FleetRow> DownloadFleet::rows() const
{
    std::vector<FleetRow> out;
    out.reserve(m_members.size());
    for (const auto& member : m_members)
        out.push_back(member->row());
    return out;
}

std::string keyboardTextOf(const TransferJob& job)
{
    const SlotInspectionSession* inspection = job.inspection();
    return inspection != nullptr ? keyboardTextOf(inspection->keyboardId()) : "-";
}

std::string keyboardTextOf(const serial::KeyboardId& id)
{
    if (id.keyboardType() == 0)
        return "-";
    char text[48];
    if (id.keyboardType() == serial::kKeyboardTypeOmnia)
        std::snprintf(text, sizeof text, "KBD-OMNIA %d.%02d", id.firmwareMajor(), id.firmwareMinor());
    else
        std::snprintf(text, sizeof text, "type 0x%02X", static_cast<unsigned>(id.keyboardType()));
    return text;
}

namespace {

std::string baseName(const std::string& device)
{
    return std::filesystem::path(device).filename().string();
}

// The device path as one file name: /dev/serial/ttyUSB0 gives
// dev_serial_ttyUSB0. Distinct devices are distinct paths.
std::string pathName(const std::string& device)
{
    std::string name = std::filesystem::path(device).relative_path().string();
    std::replace(name.begin(), name.end(), '/', '_');
    return name;
}

} // namespace

std::string fleetFileIn(const std::string& folder, const std::vector<std::string>& devices, std::size_t i,
                        const std::string& extension)
{
    const std::string base = baseName(devices.at(i));
    const auto sameBase = std::count_if(devices.begin(), devices.end(),
                                        [&](const std::string& d) { return baseName(d) == base; });
    std::string name = sameBase > 1 ? pathName(devices[i]) : base;
    name += extension;
    return (std::filesystem::path(folder) / name).string();
}

} // namespace tarvo::transfer
