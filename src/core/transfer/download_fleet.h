#pragma once
// DownloadFleet: several keyboards at once, one download job each, all on
// one loop. Each job has its own line, its own copy of the document and its
// own backup; one keyboard failing never stops the others. The fleet starts
// the jobs, follows what each one wrote, and when all have ended gives a
// result row per keyboard (what the tool prints and the editor shows).

#include "document/doc.h"
#include "serial/keyboard_records.h"
#include "transfer/download_job.h"
#include "transfer/job_end.h"
#include "transfer/job_listener.h"
#include "transfer/transfer_job.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarvo::transfer {

// How one keyboard's download ended.
struct FleetRow {
    std::string port;           // as the front end names the keyboard's port
    std::string keyboard = "-"; // as it named itself; "-" when it never answered
    int written = 0;
    int unchanged = 0;
    int verified = 0;
    double seconds = 0; // from the fleet's start to the job's end
    JobEnd end;         // why it failed, the slot concerned, the slots left incomplete
    std::string backup; // the backup saved (absolute), empty when none
};

// One keyboard: what a single download is given, with the front end's
// listener for this keyboard. line, doc and listener outlive the fleet.
struct FleetKeyboard {
    std::string port;
    JobLine line;
    JobOptions options = {};
    document::CS1_Doc* doc = nullptr; // this keyboard's own copy
    DownloadJobSetup setup = {};
    JobListener* listener = nullptr;
};

class DownloadFleet {
public:
    DownloadFleet();
    ~DownloadFleet();
    DownloadFleet(const DownloadFleet&) = delete;
    DownloadFleet& operator=(const DownloadFleet&) = delete;

    // Makes the keyboard's job (not started yet) and returns it: every job
    // event goes on to the keyboard's listener.
    DownloadJob& add(FleetKeyboard keyboard);
    std::size_t size() const { return m_members.size(); }
    DownloadJob& job(std::size_t i);
    const DownloadJob& job(std::size_t i) const;

    // Starts every job. allEnded is called once, from the end of the last
    // job (after its listener has heard of it); the jobs are not destroyed
    // from inside that call.
    void start(std::function<void()> allEnded);
    // Cancels every job that has not ended (a write asks first, through its listener).
    void cancelAll();
    // Cancel all, asked once by the front end: every write under way holds
    // still while the question is open, so the slots it names are the ones
    // a Yes leaves incomplete. The slots of each keyboard, in the order added.
    std::vector<std::vector<int>> holdForCancelAll();
    // The answer: Yes cancels every job that has not ended (a held write
    // ends with its end of data, without asking again); No lets the held
    // writes go on.
    void answerCancelAll(bool cancel);
    bool hasEnded() const { return m_started && m_running == 0; }

    // A row per keyboard, in the order they were added.
    std::vector<FleetRow> rows() const;

private:
    class Member;
    void memberEnded();

    std::vector<std::unique_ptr<Member>> m_members;
    std::size_t m_running = 0;
    bool m_started = false;
    std::function<void()> m_allEnded;
};

// "KBD-OMNIA 2.05", or "-" when the keyboard never told who it is.
std::string keyboardTextOf(const TransferJob& job);
std::string keyboardTextOf(const serial::KeyboardId& id);

// The file of keyboard i in folder (a trace, a backup): the device's own
// name (ttyUSB0) with extension; when two devices share that name, the
// device's whole path as one name (dev_serial_ttyUSB0).
std::string fleetFileIn(const std::string& folder, const std::vector<std::string>& devices, std::size_t i,
                        const std::string& extension);

} // namespace tarvo::transfer
