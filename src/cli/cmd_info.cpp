// tarvo info: what a document holds.

#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/document_cli.h"
#include "cli/json_writer.h"
#include "model/keyboard_fonts.h"
#include "model/lang_table_layout.h"
#include "platform/port_paths.h"
#include "serial/comm_settings_tables.h"
#include "templates/utf_text.h"
#include "transfer/table_info_row.h"

#include <cstdio>
#include <span>

namespace tarvo::cli {

namespace {

namespace layout = model::layout;

// The synopsis, as the command table has it.
const char* infoUsage()
{
    return usageOf("info");
}

// The facts of one table as info shows them (image bytes, as the keyboard sees them).
struct TableFacts {
    int languageId = 0;
    std::u16string friendlyName;
    int font = 0;
    bool fontKnown = false;
    int versionCode = 0;
    std::u16string version;
    int firmwareMajor = 0;
    int firmwareMinor = 0;
    bool readOnly = false;
};

TableFacts factsOf(const model::CS1_LangTable& table)
{
    TableFacts f;
    f.languageId = table.GetByte(layout::kLanguageIdOffset);
    f.font = table.GetByte(layout::kFontOffset);
    f.fontKnown = model::KeyboardFonts::isKnownFont(f.font);
    f.friendlyName = transfer::decodeFriendlyName(table.Image().data() + layout::kFriendlyNameOffset, f.font);
    f.versionCode = table.GetByte(layout::kVersionCodeOffset);
    f.firmwareMajor = table.GetByte(layout::kFirmwareMajorOffset);
    f.firmwareMinor = table.GetByte(layout::kFirmwareMinorOffset);
    f.version = transfer::tableVersionText(f.versionCode, f.firmwareMajor, f.firmwareMinor);
    f.readOnly = table.GetByte(layout::kReadOnlyOffset) != 0;
    return f;
}

// A value table's text, "?" for an index outside it.
std::u16string textAt(std::span<const std::u16string_view> table, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= table.size())
        return u"?";
    return std::u16string(table[static_cast<std::size_t>(index)]);
}

void writeCommJson(JsonWriter& j, const serial::CommSettings& c)
{
    using namespace serial;
    const auto valid = [](int index, std::size_t size) {
        return index >= 0 && static_cast<std::size_t>(index) < size;
    };
    j.key("comm").beginObject();
    j.key("port").value(portName(c.portIndex));
    j.key("device").valueUtf8(platform::comPortDevicePath(c.portIndex));
    j.key("baud");
    if (valid(c.baudIndex, kBaudRates.size()))
        j.value(kBaudRates[static_cast<std::size_t>(c.baudIndex)].rate);
    else
        j.null();
    j.key("parity");
    if (valid(c.parityIndex, kParities.size()))
        j.value(kParities[static_cast<std::size_t>(c.parityIndex)].text);
    else
        j.null();
    j.key("data_bits");
    if (valid(c.dataBitsIndex, kDataBits.size()))
        j.value(kDataBits[static_cast<std::size_t>(c.dataBitsIndex)].bits);
    else
        j.null();
    j.key("stop_bits");
    if (valid(c.stopBitsIndex, kStopBits.size()))
        j.value(kStopBits[static_cast<std::size_t>(c.stopBitsIndex)].text);
    else
        j.null();
    j.key("handshaking");
    if (valid(c.handshakingIndex, kHandshakings.size()))
        j.value(kHandshakings[static_cast<std::size_t>(c.handshakingIndex)]);
    else
        j.null();
    j.key("input_mode");
    if (valid(c.inputModeIndex, kInputModes.size()))
        j.value(kInputModes[static_cast<std::size_t>(c.inputModeIndex)]);
    else
        j.null();
    j.key("in_buffer_size").value(c.inBufferSize);
    j.key("out_buffer_size").value(c.outBufferSize);
    j.key("r_threshold").value(c.rThreshold);
    j.key("s_threshold").value(c.sThreshold);
    j.key("input_len").value(c.inputLen);
    j.key("eof_enable").value(c.eofEnable != 0);
    j.key("null_discard").value(c.nullDiscard != 0);
    j.key("rts_enable").value(c.rtsEnable != 0);
    j.key("dtr_enable").value(c.dtrEnable != 0);
    j.key("parity_replace")
        .value(std::u16string(1, static_cast<char16_t>(static_cast<std::uint16_t>(c.parityReplace))));
    j.endObject();
}

void writeMenusJson(JsonWriter& j, const model::CS1_LangTable& table)
{
    j.key("menus").beginArray();
    for (int menu = layout::kMainCclMenu; menu <= layout::kLastScriptMenu; ++menu) {
        j.beginObject();
        j.key("number").value(menu);
        j.key("name").value(table.GetMenuName(menu));
        j.key("entries").beginArray();
        for (int n = layout::kFirstEntry; n <= layout::kEntriesPerMenu; ++n) {
            model::MenuEntryInfo info;
            const model::MenuEntry e = table.MenuEntryAt(menu, n, info);
            j.beginObject();
            j.key("entry").value(n);
            j.key("lines").beginArray().value(e.line1).value(e.line2).value(e.line3).endArray();
            j.key("byte30").value(e.byte30);
            j.key("kind").value(e.actionKind);
            j.key("value_a").value(e.valueA);
            j.key("value_b").value(e.valueB);
            j.key("edited").value(info.edited != 0);
            j.endObject();
        }
        j.endArray();
        j.endObject();
    }
    j.endArray();
}

void printJson(const document::CS1_Doc& doc, bool menus)
{
    JsonWriter j;
    j.beginObject();
    j.key("schema").value(doc.schema());
    j.key("server_path").value(doc.serverPath());
    writeCommJson(j, doc.commSettings());
    j.key("tables").beginArray();
    for (std::size_t i = 0; i < doc.tableCount(); ++i) {
        const TableFacts f = factsOf(doc.table(i));
        j.beginObject();
        j.key("index").value(static_cast<long long>(i));
        j.key("language_id").value(f.languageId);
        j.key("friendly_name").value(f.friendlyName);
        j.key("font").value(f.font);
        j.key("font_known").value(f.fontKnown);
        j.key("version_code").value(f.versionCode);
        j.key("version").value(f.version);
        j.key("firmware_major").value(f.firmwareMajor);
        j.key("firmware_minor").value(f.firmwareMinor);
        j.key("read_only").value(f.readOnly);
        if (menus)
            writeMenusJson(j, doc.table(i));
        j.endObject();
    }
    j.endArray();
    j.endObject();
    std::fputs(j.finish().c_str(), stdout);
}

std::string fontText(const TableFacts& f)
{
    return std::to_string(f.font) + (f.fontKnown ? "" : " (unknown)");
}

void printMenusText(const model::CS1_LangTable& table)
{
    for (int menu = layout::kMainCclMenu; menu <= layout::kLastScriptMenu; ++menu) {
        const std::u16string name = table.GetMenuName(menu);
        std::printf("  menu %d%s%s\n", menu, name.empty() ? " (no name)" : ": ",
                    templates::utf16ToUtf8(name).c_str());
        for (int n = layout::kFirstEntry; n <= layout::kEntriesPerMenu; ++n) {
            model::MenuEntryInfo info;
            const model::MenuEntry e = table.MenuEntryAt(menu, n, info);
            std::printf("    %2d [%s|%s|%s] byte30 %d kind %d value_a 0x%04X value_b 0x%04X%s\n", n,
                        templates::utf16ToUtf8(e.line1).c_str(), templates::utf16ToUtf8(e.line2).c_str(),
                        templates::utf16ToUtf8(e.line3).c_str(), e.byte30, e.actionKind,
                        static_cast<unsigned>(e.valueA), static_cast<unsigned>(e.valueB),
                        info.edited != 0 ? " edited" : "");
        }
    }
}

void printText(const std::string& path, const document::CS1_Doc& doc, bool menus)
{
    const serial::CommSettings& c = doc.commSettings();
    std::printf("%s: document schema %d, %zu language table%s\n", path.c_str(), doc.schema(),
                doc.tableCount(), doc.tableCount() == 1 ? "" : "s");
    std::printf("serial: %s (%s) %s, handshaking %s, input mode %s\n",
                templates::utf16ToUtf8(serial::portName(c.portIndex)).c_str(),
                platform::comPortDevicePath(c.portIndex).c_str(),
                templates::utf16ToUtf8(serial::settingsText(c)).c_str(),
                templates::utf16ToUtf8(textAt(serial::kHandshakings, c.handshakingIndex)).c_str(),
                templates::utf16ToUtf8(textAt(serial::kInputModes, c.inputModeIndex)).c_str());
    std::printf(
        "        in buffer %d, out buffer %d, RThreshold %d, SThreshold %d, InputLen %d, EOFEnable %d, "
        "NullDiscard %d, RTSEnable %d, DTREnable %d, ParityReplace %d\n",
        c.inBufferSize, c.outBufferSize, c.rThreshold, c.sThreshold, c.inputLen, c.eofEnable, c.nullDiscard,
        c.rtsEnable, c.dtrEnable, c.parityReplace);
    std::printf("server document: %s\n",
                doc.serverPath().empty() ? "(none)" : templates::utf16ToUtf8(doc.serverPath()).c_str());
    for (std::size_t i = 0; i < doc.tableCount(); ++i) {
        const TableFacts f = factsOf(doc.table(i));
        std::printf("table %zu: \"%s\" language ID %d, font %s, version %s (code %d), firmware %d.%02d%s\n",
                    i, templates::utf16ToUtf8(f.friendlyName).c_str(), f.languageId, fontText(f).c_str(),
                    templates::utf16ToUtf8(f.version).c_str(), f.versionCode, f.firmwareMajor,
                    f.firmwareMinor, f.readOnly ? ", read-only" : "");
        if (menus)
            printMenusText(doc.table(i));
    }
}

} // namespace

int runInfo(const std::vector<std::string>& argv)
{
    const Args args(argv, {"menus", "json"}, {});
    if (!args.ok())
        return usageError(args.error(), infoUsage());
    if (args.positional().size() != 1)
        return usageError(args.positional().empty() ? "no document given" : "more than one document given",
                          infoUsage());
    const std::string& path = args.positional().front();
    document::DocumentNumberPool pool;
    const auto doc = openForCommand(pool, path);
    if (!doc)
        return kExitFileError;
    if (args.has("json"))
        printJson(*doc, args.has("menus"));
    else
        printText(path, *doc, args.has("menus"));
    return kExitOk;
}

} // namespace tarvo::cli
