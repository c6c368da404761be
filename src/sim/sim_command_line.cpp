#include "sim/sim_command_line.h"

#include <cstdlib>
#include <sstream>

namespace tarvo::sim {
namespace {

bool parseFontList(const std::string& text, std::array<int, 4>& out)
{
    std::array<int, 4> fonts{};
    std::istringstream items(text);
    std::string item;
    std::size_t count = 0;
    while (std::getline(items, item, ',')) {
        if (count == fonts.size() || item.size() != 1 || item[0] < '1' || item[0] > '7')
            return false;
        fonts[count++] = item[0] - '0';
    }
    if (count != fonts.size())
        return false;
    out = fonts;
    return true;
}

} // namespace

bool parseSimCommandLine(const std::vector<std::string>& args, SimConfig& out, std::string& error)
{
    SimConfig config;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& name = args[i];
        if (name == "--help" || name == "-h") {
            config.help = true;
            continue;
        }
        if (name == "--wire-time") {
            config.wireTime = true;
            continue;
        }
        if (name == "--status") {
            config.status = true;
            continue;
        }
        if (name.rfind("--", 0) != 0) {
            error = "unexpected argument \"" + name + "\"";
            return false;
        }
        if (i + 1 >= args.size()) {
            error = name + " needs a value";
            return false;
        }
        const std::string& value = args[++i];
        auto bad = [&](const std::string& what) {
            error = name + " " + value + ": " + what;
            return false;
        };
        if (name == "--link") {
            config.linkPath = value;
        } else if (name == "--flash") {
            config.flashPath = value;
        } else if (name == "--tables") {
            config.tablesPath = value;
        } else if (name == "--trace") {
            config.tracePath = value;
        } else if (name == "--baud") {
            if (value != "19200" && value != "57600")
                return bad("the keyboard runs at 19200 or 57600");
            config.keyboard.baud = std::atoi(value.c_str());
        } else if (name == "--generation") {
            int generation = 0;
            if (!parseByteValue(value, generation))
                return bad("expected a number 0-255");
            config.keyboard.generation = generation;
        } else if (name == "--type") {
            int type = 0;
            if (!parseByteValue(value, type))
                return bad("expected 0xNN");
            config.keyboard.keyboardType = type;
        } else if (name == "--bootloader" || name == "--firmware") {
            Version version;
            if (!parseVersion(value, version) || version.major > 255 || version.minor > 99)
                return bad("expected X.YY");
            (name == "--bootloader" ? config.keyboard.bootloader : config.keyboard.firmware) = version;
        } else if (name == "--fonts") {
            if (!parseFontList(value, config.keyboard.fonts))
                return bad("expected four font numbers 1-7, comma-separated");
        } else if (name == "--schema" || name == "--iconic-font") {
            int number = 0;
            if (!parseByteValue(value, number))
                return bad("expected a number 0-255");
            (name == "--schema" ? config.keyboard.dataSchema : config.keyboard.iconicFont) = number;
        } else if (name == "--fault") {
            FaultSpec spec;
            std::string reason;
            if (!parseFaultSpec(value, spec, reason))
                return bad(reason);
            config.faults.push_back(spec);
        } else {
            error = "unknown option " + name;
            return false;
        }
    }
    if (!config.help && !config.status && config.linkPath.empty()) {
        error = "--link PATH is required";
        return false;
    }
    out = std::move(config);
    return true;
}

std::string simUsageText()
{
    std::string text =
        "usage: tarvo-kbdsim --link PATH [--flash FILE] [--tables DOC.tvo] [--baud 19200|57600]\n"
        "                    [--generation N] [--bootloader X.YY] [--type 0xNN] [--firmware X.YY]\n"
        "                    [--fonts A,B,C,D] [--schema N] [--iconic-font N]\n"
        "                    [--wire-time] [--fault SPEC]... [--trace FILE] [--status]\n"
        "\n"
        "A simulated keyboard on a pseudo-terminal. Prints the terminal's path on the first line,\n"
        "makes PATH a symbolic link to it and answers the bootloader protocol until SIGINT or SIGTERM.\n"
        "\n"
        "  --link PATH        the symbolic link to the pseudo-terminal\n"
        "  --flash FILE       keep the 13 slots of 64 KB in FILE (slot states in FILE.state); a new\n"
        "                     FILE starts with the shipped template's tables in slots 1 and up\n"
        "  --tables DOC.tvo   fill slots 1 and up with the document's tables, in document order\n"
        "  --baud B           the keyboard's line speed (default 19200); it answers only a client\n"
        "                     whose line runs at that speed\n"
        "  --generation N     0 or 1: 5 slots; 2: 13 slots (default 2)\n"
        "  --bootloader X.YY  default 2.00; 1.00 reads with paged addresses and dump lines\n"
        "  --type 0xNN        keyboard type (default 0xFE, KBD-OMNIA)\n"
        "  --firmware X.YY    firmware version (default 1.94)\n"
        "  --fonts A,B,C,D    the fonts in the four font slots (default 1,2,3,5)\n"
        "  --schema N         the data schema in the identity record (default 3)\n"
        "  --iconic-font N    the iconic font number in the identity record (default 0)\n"
        "  --wire-time        pace replies at the line's byte time (10 bits a byte), after the\n"
        "                     request's own time on the wire\n"
        "  --trace FILE       one line per frame received and reply sent\n"
        "  --status           print each slot's state and table, and exit\n"
        "  --fault SPEC       inject a fault (repeatable):\n";
    text += faultHelpText();
    return text;
}

} // namespace tarvo::sim
