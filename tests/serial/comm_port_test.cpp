// The control and the port object over the fake device: configuration order
// and refusals, the receive threshold's single event, InputLen, the event
// receivers with hand-back, and failures reaching the caller.

#include "serial/comm_port.h"
#include "serial/comm_settings_tables.h"
#include "support/fake_serial_port.h"

#include <gtest/gtest.h>

using namespace tarvo::serial;
using namespace tarvo::serial::testing;

namespace {

int property(const CCommPort& port, PortProperty p)
{
    int v = -12345;
    EXPECT_TRUE(port.control().getProperty(p, v));
    return v;
}

} // namespace

TEST(CommPort, ConfigureWritesEveryFieldAndReadsBack)
{
    FakeSerialPort device;
    CCommPort port(device);
    CommSettings s = CommSettings::forDocument(5);
    s.baudIndex = 12;
    s.parityIndex = 0;
    s.dataBitsIndex = 3;
    s.stopBitsIndex = 2;
    s.inBufferSize = 2048;
    s.outBufferSize = 300;
    s.sThreshold = 7;
    s.parityReplace = 35;
    const bool configured = port.configure(s);
    const std::u16string error = port.lastError().text();
    ASSERT_TRUE(configured) << std::string(error.begin(), error.end());
    EXPECT_EQ(property(port, PortProperty::CommPort), 6);
    std::u16string text;
    port.control().getSettings(text);
    EXPECT_EQ(text, u"57600,E,7,2");
    EXPECT_EQ(property(port, PortProperty::Handshaking), 2);
    EXPECT_EQ(property(port, PortProperty::RTSEnable), 1);
    EXPECT_EQ(property(port, PortProperty::DTREnable), 0);

    ASSERT_TRUE(port.setPortOpen(true));
    EXPECT_EQ(device.openedPortNumber, 6);
    EXPECT_EQ(device.line, (LineSettings{57600, 'E', 7, StopBits::Two}));
    EXPECT_EQ(device.handshaking, Handshaking::Rts);
    EXPECT_TRUE(device.rts);
    EXPECT_FALSE(device.dtr);

    CommSettings back;
    ASSERT_TRUE(port.readSettings(back));
    EXPECT_EQ(back, s);
}

TEST(CommPort, PortNumberAndBufferSizesAreSkippedWhileOpen)
{
    FakeSerialPort device;
    CCommPort port(device);
    ASSERT_TRUE(port.configure(CommSettings::forDocument(0)));
    ASSERT_TRUE(port.setPortOpen(true));
    CommSettings s = CommSettings::forDocument(9);
    s.inBufferSize = 4000;
    s.outBufferSize = 4000;
    s.baudIndex = 12;
    ASSERT_TRUE(port.configure(s));
    EXPECT_EQ(property(port, PortProperty::CommPort), 1);
    EXPECT_EQ(property(port, PortProperty::InBufferSize), 1024);
    EXPECT_EQ(property(port, PortProperty::OutBufferSize), 512);
    // The line speed changes on the open device.
    EXPECT_EQ(device.line.baudRate, 57600);
    // Written one by one, the port number is refused while open.
    EXPECT_FALSE(port.control().setProperty(PortProperty::CommPort, 3));
}

TEST(CommPort, RefusedSettingLeavesThePortUntouched)
{
    struct Case {
        const char* name;
        std::function<void(CommSettings&)> spoil;
    };
    const Case cases[] = {
        {"4 data bits", [](CommSettings& s) { s.dataBitsIndex = 0; }},
        {"1.5 stop bits", [](CommSettings& s) { s.stopBitsIndex = 1; }},
        {"baud index outside", [](CommSettings& s) { s.baudIndex = 16; }},
        {"port index outside", [](CommSettings& s) { s.portIndex = -1; }},
        {"input mode outside", [](CommSettings& s) { s.inputModeIndex = 2; }},
        {"out buffer 0", [](CommSettings& s) { s.outBufferSize = 0; }},
        {"parity replace 256", [](CommSettings& s) { s.parityReplace = 256; }},
    };
    for (const Case& c : cases) {
        FakeSerialPort device;
        CCommPort port(device);
        CommSettings s = CommSettings::forDocument(4);
        c.spoil(s);
        EXPECT_FALSE(port.configure(s)) << c.name;
        EXPECT_FALSE(port.lastError().empty()) << c.name;
        // Nothing was written: the control keeps its own defaults.
        EXPECT_EQ(property(port, PortProperty::CommPort), 1) << c.name;
        EXPECT_EQ(property(port, PortProperty::Handshaking), 0) << c.name;
        EXPECT_EQ(property(port, PortProperty::RTSEnable), 0) << c.name;
    }
}

TEST(CommPort, OneReceiveEventEachTimeTheThresholdIsReached)
{
    FakeSerialPort device;
    CCommPort port(device);
    ASSERT_TRUE(port.configure(CommSettings::forDocument(0)));
    ASSERT_TRUE(port.setPortOpen(true));
    std::vector<CommEventCode> events;
    int owner = 0;
    port.setEventReceiver(&owner, [&](CommEventCode c) { events.push_back(c); });

    ASSERT_TRUE(port.setRThreshold(4));
    device.arrive(bytesOf("ab"));
    EXPECT_TRUE(events.empty());
    device.arrive(bytesOf("cd"));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], CommEventCode::Receive);
    // Still at or above the threshold, not read: no second event.
    device.arrive(bytesOf("ef"));
    EXPECT_EQ(events.size(), 1u);
    // Read below the threshold: armed again.
    std::vector<std::uint8_t> got;
    ASSERT_TRUE(port.receiveBytes(got));
    EXPECT_EQ(got, bytesOf("abcdef"));
    device.arrive(bytesOf("ghij"));
    EXPECT_EQ(events.size(), 2u);
    // Threshold 0: no receive events at all.
    ASSERT_TRUE(port.receiveBytes(got));
    ASSERT_TRUE(port.setRThreshold(0));
    device.arrive(bytesOf("klmnop"));
    EXPECT_EQ(events.size(), 2u);
}

TEST(CommPort, InputLenAndNullDiscardShapeTheRead)
{
    FakeSerialPort device;
    CCommPort port(device);
    ASSERT_TRUE(port.configure(CommSettings::forDocument(0)));
    ASSERT_TRUE(port.setPortOpen(true));
    const Bytes in = {'a', 0, 'b', 0, 'c'};
    device.arrive(in);
    ASSERT_TRUE(port.control().setProperty(PortProperty::InputLen, 2));
    std::vector<std::uint8_t> got;
    ASSERT_TRUE(port.receiveBytes(got));
    EXPECT_EQ(got, (Bytes{'a', 0}));
    ASSERT_TRUE(port.control().setProperty(PortProperty::InputLen, 0));
    ASSERT_TRUE(port.control().setProperty(PortProperty::NullDiscard, 1));
    ASSERT_TRUE(port.receiveBytes(got));
    EXPECT_EQ(got, (Bytes{'b', 'c'}));
    EXPECT_EQ(property(port, PortProperty::InBufferCount), 0);

    std::u16string text;
    device.arrive(bytesOf("Hi\xE9"));
    ASSERT_TRUE(port.receiveText(text));
    EXPECT_EQ(text, u"Hi\u00E9");
    ASSERT_TRUE(port.sendText(u"T7\u00FF"));
    EXPECT_EQ(device.written.back(), (Bytes{'T', '7', 0xFF}));
    bool binary = false;
    ASSERT_TRUE(port.isBinaryMode(binary));
    EXPECT_TRUE(binary);
}

TEST(CommPort, ReceiversHandThePortBack)
{
    FakeSerialPort device;
    CCommPort port(device);
    ASSERT_TRUE(port.setPortOpen(true));
    std::string heard;
    int engine = 0, console = 0;
    port.setEventReceiver(&engine, [&](CommEventCode) { heard += 'e'; });
    port.setEventReceiver(&console, [&](CommEventCode) { heard += 'c'; });
    EXPECT_EQ(port.currentEventReceiver(), &console);
    port.setRThreshold(1);
    device.arrive(bytesOf("x"));
    EXPECT_EQ(heard, "c");
    port.removeEventReceiver(&console);
    EXPECT_EQ(port.currentEventReceiver(), &engine);
    std::vector<std::uint8_t> drained;
    port.receiveBytes(drained);
    device.arrive(bytesOf("y"));
    EXPECT_EQ(heard, "ce");
    // The engine released while the console is open: the console, on
    // closing, hands the port to nobody rather than to a released engine.
    port.setEventReceiver(&console, [&](CommEventCode) { heard += 'c'; });
    port.removeEventReceiver(&engine);
    port.removeEventReceiver(&console);
    EXPECT_EQ(port.currentEventReceiver(), nullptr);
    port.removeEventReceiver(&console); // unknown owners are ignored
}

TEST(CommPort, AReceiverMayUnregisterWhileHandlingAnEvent)
{
    FakeSerialPort device;
    CCommPort port(device);
    ASSERT_TRUE(port.setPortOpen(true));
    int owner = 0, calls = 0;
    port.setEventReceiver(&owner, [&](CommEventCode) {
        ++calls;
        port.removeEventReceiver(&owner);
    });
    port.setRThreshold(1);
    device.arrive(bytesOf("z"));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(port.currentEventReceiver(), nullptr);
}

TEST(CommPort, FailuresReachTheCallerAsFalseResults)
{
    FakeSerialPort device;
    CCommPort port(device);
    std::vector<std::uint8_t> got;
    EXPECT_FALSE(port.sendBytes(bytesOf("C0")));
    EXPECT_FALSE(port.receiveBytes(got));
    // The control's own words go to the reader's language; the device's were said in it already.
    ASSERT_EQ(port.lastError().parts().size(), 1U);
    EXPECT_EQ(port.lastError().parts()[0].pattern, u"The port is not open.");
    EXPECT_FALSE(port.lastError().parts()[0].data);
    device.failOpen(u"The serial port COM1 (/dev/fake1) cannot be opened: the device does not exist.");
    EXPECT_FALSE(port.setPortOpen(true));
    EXPECT_EQ(port.lastError(),
              u"The serial port COM1 (/dev/fake1) cannot be opened: the device does not exist.");
    EXPECT_TRUE(port.lastError().parts().at(0).data);
    device.failOpen({});
    ASSERT_TRUE(port.setPortOpen(true));
    EXPECT_FALSE(port.setPortOpen(true)); // already open
    device.failWrites(true);
    EXPECT_FALSE(port.sendBytes(bytesOf("C0")));
    EXPECT_FALSE(port.lastError().empty());

    struct Refused {
        PortProperty property;
        int value;
    };
    const Refused refused[] = {
        {PortProperty::InBufferSize, 0},    {PortProperty::OutBufferSize, 32768},
        {PortProperty::RThreshold, -1},     {PortProperty::Handshaking, 4},
        {PortProperty::ParityReplace, 256}, {PortProperty::InputMode, 2},
        {PortProperty::InBufferCount, 1},   {PortProperty::CommPort, 17},
    };
    for (const Refused& r : refused)
        EXPECT_FALSE(port.control().setProperty(r.property, r.value)) << static_cast<int>(r.property);
    EXPECT_FALSE(port.control().setSettings(u"19200,N,4,1"));
    EXPECT_FALSE(port.control().setSettings(u"19200,X,8,1"));
    EXPECT_FALSE(port.control().setSettings(u"19200,N,8"));
    EXPECT_TRUE(port.control().setSettings(u"9600,o,8,1"));
}

TEST(CommEvents, ControlValuesMapToCodes)
{
    const std::pair<int, int> mapping[] = {{1, 0},     {2, 1},
                                           {3, 2},     {4, 3},
                                           {5, 4},     {6, 5},
                                           {7, 6},     {1001, 7},
                                           {1002, 8},  {1003, 9},
                                           {1004, 10}, {1006, 11},
                                           {1007, 12}, {1008, 13},
                                           {1009, 14}, {1010, 15},
                                           {1011, 16}, {0, 17},
                                           {8, 17},    {1005, 17},
                                           {1012, 17}, {comm_event::kDeviceLost, 17}};
    for (auto [value, code] : mapping)
        EXPECT_EQ(static_cast<int>(commEventCodeFor(value)), code) << value;
}
