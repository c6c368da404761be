// The serial settings record: defaults, tables, the Settings text both ways,
// ranges and their messages, checks of records read from a file, the COM
// Port Settings apply, event names and the device path of each port.

#include "serial/comm_settings_apply.h"
#include "serial/comm_settings_tables.h"
#include "serial/port_device_path.h"
#include "support/fake_serial_port.h"

#include <gtest/gtest.h>

#include <map>

using namespace tarvo::serial;
using namespace tarvo::serial::testing;

TEST(CommSettings, BothConstructorsDefaults)
{
    const CommSettings own;
    EXPECT_EQ(settingsText(own), u"9600,N,8,1");
    EXPECT_EQ(own.handshakingIndex, 0);
    EXPECT_EQ(own.rThreshold, 0);
    EXPECT_EQ(own.rtsEnable, 0);
    EXPECT_EQ(own.dtrEnable, 1);
    EXPECT_EQ(own.inputModeIndex, 0);

    const CommSettings doc = CommSettings::forDocument(3);
    EXPECT_EQ(doc.portIndex, 3);
    EXPECT_EQ(settingsText(doc), u"19200,N,8,1");
    EXPECT_EQ(kHandshakings[static_cast<std::size_t>(doc.handshakingIndex)], u"RTS");
    EXPECT_EQ(doc.inBufferSize, 1024);
    EXPECT_EQ(doc.rThreshold, 1);
    EXPECT_EQ(doc.inputLen, 0);
    EXPECT_EQ(doc.outBufferSize, 512);
    EXPECT_EQ(doc.parityReplace, '?');
    EXPECT_EQ(kInputModes[static_cast<std::size_t>(doc.inputModeIndex)], u"Binary");
    EXPECT_EQ(kBaudRates[kBaudIndex57600].rate, 57600);
}

TEST(CommSettings, SettingsTextRoundTripsEveryCombination)
{
    for (int b = 0; b < 16; ++b)
        for (int p = 0; p < 5; ++p)
            for (int d = 0; d < 5; ++d)
                for (int s = 0; s < 3; ++s) {
                    CommSettings in;
                    in.baudIndex = b;
                    in.parityIndex = p;
                    in.dataBitsIndex = d;
                    in.stopBitsIndex = s;
                    const std::u16string text = settingsText(in);
                    CommSettings out;
                    out.baudIndex = out.parityIndex = out.dataBitsIndex = out.stopBitsIndex = -1;
                    ASSERT_TRUE(parseSettingsText(text, out));
                    EXPECT_EQ(out.baudIndex, b);
                    EXPECT_EQ(out.parityIndex, p);
                    EXPECT_EQ(out.dataBitsIndex, d);
                    EXPECT_EQ(out.stopBitsIndex, s);
                }
}

TEST(CommSettings, SettingsTextPartsAreLookedUp)
{
    CommSettings s;
    ASSERT_TRUE(parseSettingsText(u"115200,s,5,1.5", s));
    EXPECT_EQ(s.baudIndex, 13);
    EXPECT_EQ(s.parityIndex, 4);
    EXPECT_EQ(s.dataBitsIndex, 1);
    EXPECT_EQ(s.stopBitsIndex, 1);
    const CommSettings before = s;
    for (const char16_t* bad : {u"", u"19200", u"19200,N,8", u"19200,N,8,1,", u"19201,N,8,1", u"19200,Q,8,1",
                                u"19200,NN,8,1", u"19200,N,9,1", u"19200,N,8,3", u" 19200,N,8,1"}) {
        EXPECT_FALSE(parseSettingsText(bad, s))
            << std::string(bad, bad + std::char_traits<char16_t>::length(bad));
        EXPECT_EQ(s, before);
    }
    CommSettings outside;
    outside.baudIndex = 16;
    EXPECT_EQ(settingsText(outside), u"");
    EXPECT_EQ(portName(0), u"COM1");
    EXPECT_EQ(portName(15), u"COM16");
}

TEST(CommSettings, RangeMessagesCarryTheirBounds)
{
    struct Case {
        std::function<void(CommSettings&)> set;
        std::u16string message;
    };
    const Case cases[] = {
        {[](CommSettings& s) { s.inBufferSize = 0; }, u"In Buffer Size must be a value between 1 and 32767."},
        {[](CommSettings& s) { s.rThreshold = -1; }, u"RThreshold must be a value between 0 and 32767."},
        {[](CommSettings& s) { s.inputLen = -5; }, u"Input Len must be a value between 0 and 32767."},
        {[](CommSettings& s) { s.outBufferSize = 0; },
         u"Out Buffer Size must be a value between 1 and 32767."},
        {[](CommSettings& s) { s.sThreshold = -32768; }, u"SThreshold must be a value between 0 and 32767."},
        {[](CommSettings& s) { s.parityReplace = 256; },
         u"Parity Replace must be a value between 0 and 255."},
    };
    for (const Case& c : cases) {
        CommSettings s = CommSettings::forDocument();
        c.set(s);
        const std::optional<RangedField> bad = firstFieldOutOfRange(s);
        ASSERT_TRUE(bad.has_value());
        EXPECT_EQ(rangeMessage(*bad), c.message);
    }
    CommSettings s = CommSettings::forDocument();
    s.parityReplace = 255;
    s.inBufferSize = 32767;
    EXPECT_FALSE(firstFieldOutOfRange(s).has_value());
    // The first failing field in the dialog's order is the one reported.
    s.sThreshold = -1;
    s.inBufferSize = 0;
    EXPECT_EQ(firstFieldOutOfRange(s), RangedField::InBufferSize);
}

TEST(CommSettings, FileValuesOutsideTheirTablesFallBackAndAreReported)
{
    CommSettings s = CommSettings::forDocument(7);
    s.baudIndex = 99;
    s.parityIndex = -1;
    s.stopBitsIndex = 3;
    s.handshakingIndex = 4;
    s.inputModeIndex = 2;
    s.outBufferSize = 0;
    s.parityReplace = -2;
    std::vector<SettingsCorrection> corrections;
    EXPECT_FALSE(validateSettings(s, corrections));
    EXPECT_EQ(corrections.size(), 7u);
    CommSettings expected = CommSettings::forDocument(7);
    EXPECT_EQ(s, expected);
    const std::u16string text = describeCorrections(corrections).text();
    EXPECT_NE(text.find(u"baud index 99"), std::u16string::npos);
    EXPECT_NE(text.find(u"Out Buffer Size 0"), std::u16string::npos);

    corrections.clear();
    CommSettings port = CommSettings::forDocument(16);
    EXPECT_FALSE(validateSettings(port, corrections));
    EXPECT_EQ(port.portIndex, 0);
    corrections.clear();
    CommSettings fine = CommSettings::forDocument(15);
    fine.baudIndex = 15;
    EXPECT_TRUE(validateSettings(fine, corrections));
    EXPECT_TRUE(corrections.empty());
}

TEST(CommSettings, PropertyMessages)
{
    EXPECT_EQ(setFailureMessage(SettingsProperty::General),
              u"An error occurred while attempting to set the COM port's general settings (Baud, Parity, "
              u"Data Bits, "
              u"and Stop Bits).");
    EXPECT_EQ(setFailureMessage(SettingsProperty::RTSEnable),
              u"An error occurred while attempting to set the COM port's RTS Enable property.");
    EXPECT_EQ(getFailureMessage(SettingsProperty::PortOpen),
              u"An error occurred while attempting to get the COM port's PortOpen value.");
    EXPECT_EQ(getFailureMessage(SettingsProperty::InputLen),
              u"An error occurred while attempting to get the COM port's Input Len.");
}

TEST(CommSettings, EventNames)
{
    EXPECT_EQ(commEventName(2), u"Rx Buffer Met RThreshold");
    EXPECT_EQ(commEventName(4), u"DSR Transitioned To 0");
    EXPECT_EQ(commEventName(7), u"EOF Received (ASCII 26)");
    EXPECT_EQ(commEventName(1011), u"DCB Retrieval Error");
    EXPECT_EQ(commEventName(0), u"No Event");
    EXPECT_EQ(commEventName(1005), u"** Unknown Event **");
    EXPECT_EQ(commEventName(comm_event::kDeviceLost), u"** Unknown Event **");
}

TEST(SettingsApply, RangeRefusalIsAWarningAndWritesNothing)
{
    FakeSerialPort device;
    CCommPort port(device);
    CommSettings s = CommSettings::forDocument(4);
    s.outBufferSize = 0;
    const SettingsApplyResult r = applySettingsToPort(port, s);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.warning);
    EXPECT_EQ(r.message, u"Out Buffer Size must be a value between 1 and 32767.");
    int commPort = 0;
    port.control().getProperty(PortProperty::CommPort, commPort);
    EXPECT_EQ(commPort, 1);
}

TEST(SettingsApply, UnsupportedLineIsRefusedBeforeAnyWrite)
{
    FakeSerialPort device;
    CCommPort port(device);
    CommSettings s = CommSettings::forDocument(4);
    s.dataBitsIndex = 0;
    const SettingsApplyResult r = applySettingsToPort(port, s);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.warning);
    EXPECT_EQ(r.message.text().rfind(setFailureMessage(SettingsProperty::General).text(), 0), 0u);
    int commPort = 0;
    port.control().getProperty(PortProperty::CommPort, commPort);
    EXPECT_EQ(commPort, 1);
}

TEST(SettingsApply, WritesAllAndReadsBack)
{
    FakeSerialPort device;
    CCommPort port(device);
    CommSettings s = CommSettings::forDocument(2);
    s.parityReplace = 63;
    s.sThreshold = 9;
    ASSERT_TRUE(applySettingsToPort(port, s).ok);
    CommSettings back;
    ASSERT_TRUE(readSettingsFromPort(port, back).ok);
    EXPECT_EQ(back, s);
    EXPECT_EQ(static_cast<char>(back.parityReplace), '?');

    // While open the port number and buffer sizes stay.
    ASSERT_TRUE(port.setPortOpen(true));
    CommSettings moved = s;
    moved.portIndex = 8;
    moved.inBufferSize = 77;
    ASSERT_TRUE(applySettingsToPort(port, moved).ok);
    ASSERT_TRUE(readSettingsFromPort(port, back).ok);
    EXPECT_EQ(back.portIndex, 2);
    EXPECT_EQ(back.inBufferSize, 1024);
}

TEST(PortDevicePath, EnvironmentWinsThenSettingThenDefault)
{
    std::map<std::string, std::string> env, settings;
    const NameLookup envLookup = [&](const std::string& n) -> std::optional<std::string> {
        auto it = env.find(n);
        return it == env.end() ? std::nullopt : std::optional(it->second);
    };
    const NameLookup setLookup = [&](const std::string& n) -> std::optional<std::string> {
        auto it = settings.find(n);
        return it == settings.end() ? std::nullopt : std::optional(it->second);
    };
    EXPECT_EQ(devicePathForPort(0, envLookup, setLookup), "/dev/ttyS0");
    EXPECT_EQ(devicePathForPort(15, envLookup, setLookup), "/dev/ttyS15");
    settings["Ports/COM3"] = "/dev/ttyUSB0";
    EXPECT_EQ(devicePathForPort(2, envLookup, setLookup), "/dev/ttyUSB0");
    env["TARVO_COM3"] = "/dev/pts/7";
    EXPECT_EQ(devicePathForPort(2, envLookup, setLookup), "/dev/pts/7");
    env["TARVO_COM3"] = ""; // empty names nothing
    EXPECT_EQ(devicePathForPort(2, envLookup, setLookup), "/dev/ttyUSB0");
    EXPECT_EQ(devicePathForPort(1, {}, {}), "/dev/ttyS1");
}
