// tarvo query: the keyboard's identity, versions and fonts, and the table in
// each slot.

#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/interrupt_guard.h"
#include "cli/port_fleet.h"
#include "cli/session_runner.h"
#include "platform/history_file.h"
#include "platform/interrupted_write_store.h"
#include "platform/line_speed_settings.h"
#include "platform/port_paths.h"
#include "platform/text.h"
#include "templates/utf_text.h"
#include "transfer/display_width.h"
#include "transfer/line_speed.h"
#include "transfer/query_session.h"
#include "transfer/session_texts.h"
#include "transfer/slot_inspection_session.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>

namespace tarvo::cli {

namespace {

// The synopsis, as the command table has it.
const char* queryUsage()
{
    return usageOf("query");
}
constexpr const char* kModelOmnia = "KBD-OMNIA";

QString modelName(const serial::KeyboardId& id)
{
    if (id.keyboardType() == serial::kKeyboardTypeOmnia)
        return kModelOmnia;
    return QStringLiteral("unknown type 0x%1")
        .arg(id.keyboardType(), 2, 16, QLatin1Char('0'))
        .toUpper()
        .replace("0X", "0x");
}

// Blank slots that a record of an interrupted write names: slot to the
// language that write was writing.
using InterruptedBlanks = std::map<int, std::string>;

InterruptedBlanks interruptedBlanks(const transfer::QuerySession& session, const std::string& devicePath)
{
    InterruptedBlanks blanks;
    const platform::InterruptedWriteStore store;
    const std::string keyboard = transfer::keyboardIdText(session.keyboardId());
    const std::string device = platform::canonicalDevice(devicePath);
    for (const auto& row : session.rows()) {
        if (row.present)
            continue;
        const transfer::SlotListing listing = transfer::makeSlotListing(
            row, transfer::recordsOfSlot(store, keyboard, device, row.slot), device);
        if (listing.interrupted)
            blanks[row.slot] = transfer::interruptedBlankLanguage(listing);
    }
    return blanks;
}

QString twoPart(int major, int minor)
{
    return QStringLiteral("%1.%2").arg(major).arg(minor, 2, 10, QLatin1Char('0'));
}

// A history that cannot be written is said, and the query goes on.
void recordHistory(const PortTarget& target, const transfer::QuerySession& session)
{
    if (const std::string warning = platform::recordQuery(history::kToolProgram, target.devicePath, session);
        !warning.empty())
        std::fprintf(stderr, "tarvo: %s\n", warning.c_str());
}

QJsonObject identityJson(const transfer::QuerySession& session)
{
    // The identity as the history keeps it, with the schema as the session read it.
    QJsonObject o = platform::keyboardJson(session.keyboardId());
    o["data_schema"] = session.dataSchema();
    o["data_schema_recognised"] = session.dataSchemaRecognised();
    return o;
}

QJsonValue slotJson(const transfer::TableInfoRow& row, const InterruptedBlanks& blanks)
{
    if (!row.present) {
        const auto named = blanks.find(row.slot);
        if (named == blanks.end())
            return QJsonValue(QJsonValue::Null);
        QJsonObject blank;
        blank["slot"] = row.slot;
        blank["blank"] = true;
        blank["interrupted_language"] = QString::fromStdString(named->second);
        blank["incomplete"] = false;
        blank["interrupted"] = true;
        return blank;
    }
    QJsonObject o;
    o["slot"] = row.slot;
    o["language_id"] = row.languageId;
    o["friendly_name"] = platform::toQString(row.friendlyName);
    o["font"] = row.font;
    o["version_code"] = row.versionCode;
    o["version"] = platform::toQString(row.versionText);
    o["firmware_major"] = row.firmwareMajor;
    o["firmware_minor"] = row.firmwareMinor;
    o["incomplete"] = row.incomplete;
    o["interrupted"] = row.incomplete;
    return o;
}

QJsonObject queryJson(const transfer::QuerySession& session, int baud, const InterruptedBlanks& blanks)
{
    QJsonObject root;
    root["model"] = modelName(session.keyboardId());
    root["identity"] = identityJson(session);
    root["baud"] = baud;
    QJsonArray slotList;
    for (const auto& row : session.rows())
        slotList.append(slotJson(row, blanks));
    root["slots"] = slotList;
    return root;
}

void printJson(const transfer::QuerySession& session, int baud, const InterruptedBlanks& blanks)
{
    std::fputs(QJsonDocument(queryJson(session, baud, blanks)).toJson(QJsonDocument::Indented).constData(),
               stdout);
}

// Pads to a display width: a wide (Hangul, CJK, fullwidth) character takes
// two columns of the terminal.
std::string padded(const std::u16string& text, int width)
{
    return templates::utf16ToUtf8(transfer::padToDisplayWidth(text, width));
}

// The description column: the slot number right-aligned, so that the names
// of slots 10-13 start where the others do.
std::u16string descriptionColumn(const transfer::TableInfoRow& row, const InterruptedBlanks& blanks)
{
    constexpr std::size_t kSlotNumberColumns = 2;
    std::u16string number = QString::number(row.slot).toStdU16String();
    if (number.size() < kSlotNumberColumns)
        number.insert(0, kSlotNumberColumns - number.size(), u' ');
    if (const auto named = blanks.find(row.slot); named != blanks.end())
        return number + u"  " + row.friendlyName +
               transfer::texts::format(transfer::kInterruptedBlankMark,
                                       {templates::utf8ToUtf16(named->second)});
    return number + u"  " + row.friendlyName +
           (row.incomplete ? std::u16string(transfer::kIncompleteMark) : u"");
}

void printHuman(const transfer::QuerySession& session, int baud, const InterruptedBlanks& blanks)
{
    const serial::KeyboardId& id = session.keyboardId();
    std::printf("Keyboard:    %s, generation %d, %d language table slots\n",
                modelName(id).toStdString().c_str(), id.generation(), id.slotCount());
    std::printf("Bootloader:  %s\nFirmware:    %s\n",
                twoPart(id.bootloaderMajor(), id.bootloaderMinor()).toStdString().c_str(),
                twoPart(id.firmwareMajor(), id.firmwareMinor()).toStdString().c_str());
    std::printf("Fonts:       %d %d %d %d, iconic font %d\n", id.fontInSlot(0), id.fontInSlot(1),
                id.fontInSlot(2), id.fontInSlot(3), id.iconicFont());
    std::printf("Data schema: %d%s\n", session.dataSchema(),
                session.dataSchemaRecognised() ? "" : " (not recognised)");
    std::printf("Line speed:  %d baud\n\n", baud);
    std::printf("  Table Description          Schema     Font         Version     Language ID\n");
    std::printf("  -------------------------------------------------------------------------\n");
    for (const auto& row : session.rows()) {
        std::printf("  %s %s %s %s %s\n", padded(descriptionColumn(row, blanks), 26).c_str(),
                    padded(row.schemaText, 10).c_str(), padded(row.fontText, 12).c_str(),
                    padded(row.versionText, 11).c_str(), templates::utf16ToUtf8(row.languageIdText).c_str());
    }
}

// Every port at once on the one loop: with --json one line per keyboard
// (its query with "port" added), then the done event; otherwise each
// keyboard's report under its port, then a summary row per port.
int queryPorts(const std::vector<PortTarget>& targets, transfer::LineSpeedChoice lineSpeed, bool json,
               bool quiet)
{
    struct PortQuery {
        std::unique_ptr<SessionEnvironment> env;
        std::unique_ptr<transfer::QuerySession> session;
        std::int64_t startMs = 0;
        std::int64_t endMs = 0;
    };
    platform::LineSpeedSettings speeds;
    std::vector<std::string> devices;
    for (const auto& t : targets)
        devices.push_back(t.devicePath);
    ProgressBoard board(devices, !quiet && !json);
    std::vector<PortQuery> ports(targets.size());
    std::size_t running = ports.size();
    for (std::size_t i = 0; i < ports.size(); ++i) {
        PortQuery& p = ports[i];
        p.env = std::make_unique<SessionEnvironment>(targets[i], !quiet && !json);
        p.env->setLineSink([&board, i](const std::string& text) { board.show(i, text); });
        p.env->setNoteSink([&board](const std::string& text) { board.note(text); });
        p.env->setSessionEndHandler([&p, &running] {
            p.endMs = p.env->host().nowMs();
            if (--running == 0)
                SessionEnvironment::quitLoop();
        });
        transfer::SessionOptions options;
        options.endWhenComplete = true;
        options.probe = transfer::probeForDevice(lineSpeed, &speeds, targets[i].devicePath);
        p.session = std::make_unique<transfer::QuerySession>(p.env->host(), *p.env, p.env->port(),
                                                             p.env->settings(), options);
    }
    InterruptGuard interrupts;
    interrupts.setHandler([&ports] {
        for (auto& p : ports)
            if (!p.session->hasEnded())
                p.session->close();
    });
    for (auto& p : ports) {
        p.startMs = p.env->host().nowMs();
        p.session->start();
    }
    if (running > 0)
        ports.front().env->runLoop();
    interrupts.setHandler({});

    constexpr double kMsPerSecond = 1000.0;
    std::vector<PortOutcome> outcomes;
    for (auto& p : ports) {
        PortOutcome outcome;
        outcome.device = p.env->target().devicePath;
        outcome.seconds = static_cast<double>(p.endMs - p.startMs) / kMsPerSecond;
        if (p.session->endCode() != transfer::kEndComplete) {
            outcome.status = reportSessionFailure("query " + outcome.device, *p.session);
            recordHistory(p.env->target(), *p.session);
            outcomes.push_back(outcome);
            continue;
        }
        const int baud = baudRateOf(p.env->settings());
        speeds.remember(outcome.device, baud);
        recordHistory(p.env->target(), *p.session);
        const serial::KeyboardId& id = p.session->keyboardId();
        outcome.keyboard =
            (modelName(id) + " " + twoPart(id.firmwareMajor(), id.firmwareMinor())).toStdString();
        if (json) {
            const InterruptedBlanks blanks = interruptedBlanks(*p.session, outcome.device);
            QJsonObject line = queryJson(*p.session, baud, blanks);
            line["port"] = QString::fromStdString(outcome.device);
            std::fputs(QJsonDocument(line).toJson(QJsonDocument::Compact).constData(), stdout);
            std::fputc('\n', stdout);
        } else {
            std::printf("\n%s\n", outcome.device.c_str());
            printHuman(*p.session, baud, interruptedBlanks(*p.session, outcome.device));
        }
        outcomes.push_back(outcome);
    }
    return finishPorts(outcomes, json, false);
}

} // namespace

int runQuery(const std::vector<std::string>& argv)
{
    const Args args(argv, {"json", "quiet"}, {"port", "baud"});
    if (!args.ok())
        return usageError(args.error(), queryUsage());
    if (!args.positional().empty())
        return usageError("unexpected argument '" + args.positional().front() + "'", queryUsage());
    std::string error;
    const auto targets = portTargetsFrom(args.values("port"), error);
    if (!targets)
        return usageError(error, queryUsage());
    const auto lineSpeed = lineSpeedFrom(args.value("baud"), error);
    if (!lineSpeed)
        return usageError(error, queryUsage());
    if (targets->size() > 1)
        return queryPorts(*targets, *lineSpeed, args.has("json"), args.has("quiet"));
    const PortTarget* target = &targets->front();

    platform::LineSpeedSettings speeds;
    SessionEnvironment env(*target, !args.has("quiet") && !args.has("json"));
    transfer::SessionOptions options;
    options.endWhenComplete = true;
    options.probe = transfer::probeForDevice(*lineSpeed, &speeds, target->devicePath);
    transfer::QuerySession session(env.host(), env, env.port(), env.settings(), options);
    env.run(session);
    if (session.endCode() != transfer::kEndComplete) {
        const int status = reportSessionFailure("query " + target->devicePath, session);
        recordHistory(*target, session);
        return status;
    }
    recordHistory(*target, session);
    speeds.remember(target->devicePath, baudRateOf(env.settings()));
    const int baud = baudRateOf(env.settings());
    const InterruptedBlanks blanks = interruptedBlanks(session, target->devicePath);
    if (args.has("json"))
        printJson(session, baud, blanks);
    else
        printHuman(session, baud, blanks);
    return kExitOk;
}

} // namespace tarvo::cli
