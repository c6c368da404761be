// The protocol engine over the fake port: sends, reply recognition with good,
// wrong, split, short, long and noisy replies, the forced read, the receive
// buffer bound, events and the receiver registration.

#include "model/lang_table.h"
#include "serial/bp_protocol.h"
#include "support/fake_serial_port.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace tarvo::serial;
using namespace tarvo::serial::testing;

namespace {

Bytes banner()
{
    Bytes b = bytesOf("Hollind KB1\nKBD\n");
    b.push_back(0x00);
    b.push_back(0x50);
    return b;
}

Bytes identity(std::uint8_t first = 'K', std::uint8_t second = 'B')
{
    return {first, second, 0, 1, 2, 3, 2, 0xFE, 1, 2, 1, 94, 0, 0, 9, 5};
}

std::array<std::uint8_t, 16> sixteen(std::uint8_t first)
{
    std::array<std::uint8_t, 16> d{};
    std::iota(d.begin(), d.end(), first);
    return d;
}

Bytes dataReply(const std::array<std::uint8_t, 16>& d, std::uint8_t xorFlip = 0)
{
    Bytes r = bytesOf("DT");
    std::uint8_t x = 0;
    for (std::uint8_t b : d) {
        r.push_back(b);
        x ^= b;
    }
    r.push_back(x ^ xorFlip);
    return r;
}

class EngineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings = CommSettings::forDocument(2);
        ASSERT_TRUE(engine.initialise(port, settings, [this] { ++notifications; }));
        ASSERT_TRUE(engine.openPort());
    }

    int rThreshold() const
    {
        int v = -1;
        port.control().getProperty(PortProperty::RThreshold, v);
        return v;
    }

    FakeSerialPort device;
    CCommPort port{device};
    CommSettings settings;
    CBpProtocol engine;
    int notifications = 0;
};

} // namespace

TEST_F(EngineTest, InitialiseForcesBinaryRawInputAndRegisters)
{
    CommSettings odd = CommSettings::forDocument(0);
    odd.inputModeIndex = 0;
    odd.inputLen = 5;
    odd.nullDiscard = 1;
    odd.eofEnable = 1;
    CBpProtocol other;
    engine.closePort();
    ASSERT_TRUE(other.initialise(port, odd, {}));
    int mode = -1, len = -1, nul = -1, eof = -1;
    port.control().getProperty(PortProperty::InputMode, mode);
    port.control().getProperty(PortProperty::InputLen, len);
    port.control().getProperty(PortProperty::NullDiscard, nul);
    port.control().getProperty(PortProperty::EOFEnable, eof);
    EXPECT_EQ(mode, 1);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(nul, 0);
    EXPECT_EQ(eof, 0);
    EXPECT_EQ(port.currentEventReceiver(), &other);
    other.release();
    // Released: the port goes back to the engine registered before.
    EXPECT_EQ(port.currentEventReceiver(), &engine);
    EXPECT_FALSE(other.isInitialised());
}

TEST_F(EngineTest, InitialiseFailsOnARefusedSetting)
{
    CommSettings bad = settings;
    bad.dataBitsIndex = 0; // 4 data bits
    CBpProtocol other;
    EXPECT_FALSE(other.initialise(port, bad, {}));
    EXPECT_FALSE(other.isInitialised());
    EXPECT_NE(port.currentEventReceiver(), &other);
    EXPECT_FALSE(port.lastError().empty());
}

TEST_F(EngineTest, EachSendSetsThresholdStateAndWritesTheFrame)
{
    tarvo::model::CS1_LangTable table;
    std::vector<std::uint8_t> image(65536);
    std::iota(image.begin(), image.end(), 0);
    table.SetImage(image);

    struct Case {
        const char* name;
        std::function<bool()> send;
        int threshold;
        bpState state;
        bpState command;
        Bytes frame;
    };
    const std::vector<Case> cases = {
        {"ping",
         [&] { return engine.sendPing(); },
         18,
         bpStateSENT_C0,
         bpStateSEND_C0,
         {0x43, 0x30, 0x01, 0xFE}},
        {"select",
         [&] { return engine.sendSelectTable(0); },
         2,
         bpStateSENT_C1,
         bpStateSEND_C1,
         {0x43, 0x31, 0x04, 0xCA, 0xC5, 0x00, 0x6C}},
        {"end",
         [&] { return engine.sendEndOfData(); },
         2,
         bpStateSENT_S8,
         bpStateSEND_S8,
         {0x53, 0x38, 0x04, 0xFF, 0xFF, 0xFF, 0xFE}},
        {"identity",
         [&] { return engine.sendReadIdentity(); },
         16,
         bpStateSENT_T7,
         bpStateSEND_T7,
         {0x54, 0x37, 0x01, 0xFE}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(c.send()) << c.name;
        EXPECT_EQ(rThreshold(), c.threshold) << c.name;
        EXPECT_EQ(engine.getState(), c.state) << c.name;
        EXPECT_EQ(engine.lastCommand(), c.command) << c.name;
        EXPECT_EQ(device.written.back(), c.frame) << c.name;
    }

    ASSERT_TRUE(engine.sendImageBlock(3, table, 1));
    EXPECT_EQ(engine.getState(), bpStateSENT_S2);
    EXPECT_EQ(rThreshold(), 2);
    const Bytes& s2 = device.written.back();
    ASSERT_EQ(s2.size(), 23u);
    EXPECT_EQ(s2[3], 3);
    EXPECT_EQ(s2[4], 0x00);
    EXPECT_EQ(s2[5], 0x10);
    EXPECT_EQ(s2[6], 16); // image byte 16
    EXPECT_EQ(s2[21], 31);

    engine.setAddressMode(1);
    ASSERT_TRUE(engine.sendReadBlock(1, 0));
    EXPECT_EQ(rThreshold(), 49);
    EXPECT_EQ(device.written.back(), (Bytes{'T', '0', 0x04, 0x04, 0x80, 0x00, 0x77}));
    engine.setAddressMode(2);
    ASSERT_TRUE(engine.sendReadBlock(1, 0));
    EXPECT_EQ(rThreshold(), 19);
    EXPECT_EQ(engine.getState(), bpStateSENT_T0);
}

TEST_F(EngineTest, ImageBlockOutsideTheImageIsRefused)
{
    tarvo::model::CS1_LangTable table;
    table.SetImage(std::vector<std::uint8_t>(100));
    engine.setState(bpStateSEND_S2);
    EXPECT_TRUE(engine.sendImageBlock(0, table, 5)); // bytes 80-95
    engine.setState(bpStateSEND_S2);
    EXPECT_FALSE(engine.sendImageBlock(0, table, 6)); // would need bytes 96-111
    EXPECT_FALSE(engine.sendImageBlock(0, table, -1));
    EXPECT_FALSE(engine.sendImageBlock(0, table, 4096));
    EXPECT_EQ(engine.getState(), bpStateSEND_S2);
    EXPECT_EQ(device.written.size(), 1u);
}

TEST_F(EngineTest, SendFailureLeavesTheStateAndReturnsFalse)
{
    engine.setState(bpStateSEND_C0);
    device.failWrites(true);
    EXPECT_FALSE(engine.sendPing());
    EXPECT_EQ(engine.getState(), bpStateSEND_C0);
    EXPECT_FALSE(port.lastError().empty());
}

TEST_F(EngineTest, RepliesGiveResultStatesAndNotifyOnce)
{
    struct Case {
        const char* name;
        std::function<bool()> send;
        Chunks reply;
        bpState result;
        std::size_t countAfter;
    };
    const auto d = sixteen(0x30);
    Bytes badBanner = banner();
    badBanner[17] = 0x00;
    const std::vector<Case> cases = {
        {"pong", [&] { return engine.sendPing(); }, {banner()}, bpStateRECEIVE_C0, 0},
        {"pong a byte at a time", [&] { return engine.sendPing(); }, splitEvery(banner(), 1),
         bpStateRECEIVE_C0, 0},
        {"wrong banner", [&] { return engine.sendPing(); }, {badBanner}, bpStateRECEIVE_UK, 0},
        {"OK", [&] { return engine.sendEndOfData(); }, {bytesOf("OK")}, bpStateRECEIVE_OK, 0},
        {"OK split",
         [&] { return engine.sendEndOfData(); },
         {bytesOf("O"), bytesOf("K")},
         bpStateRECEIVE_OK,
         0},
        {"CE", [&] { return engine.sendSelectTable(1); }, {bytesOf("CE")}, bpStateRECEIVE_CE, 0},
        {"FE", [&] { return engine.sendSelectTable(1); }, {bytesOf("FE")}, bpStateRECEIVE_FE, 0},
        {"ok lower case", [&] { return engine.sendEndOfData(); }, {bytesOf("ok")}, bpStateRECEIVE_UK, 0},
        {"identity", [&] { return engine.sendReadIdentity(); }, splitEvery(identity(), 5), bpStateRECEIVE_T7,
         0},
        // An identity without "KB" keeps its 16 bytes.
        {"identity without KB",
         [&] { return engine.sendReadIdentity(); },
         {identity('K', 'C')},
         bpStateRECEIVE_UK,
         16},
        {"data",
         [&] {
             engine.setAddressMode(2);
             return engine.sendReadBlock(0, 1);
         },
         splitEvery(dataReply(d), 3), bpStateRECEIVE_DT, 16},
        {"dump line",
         [&] {
             engine.setAddressMode(1);
             return engine.sendReadBlock(0, 1);
         },
         splitEvery(bytesOf("(00)8010:3031 3233 3435 3637 3839 3A3B 3C3D 3E3F "), 7), bpStateRECEIVE_DT, 16},
    };
    for (const Case& c : cases) {
        engine.resetByteCount();
        notifications = 0;
        device.queueReply(c.reply);
        ASSERT_TRUE(c.send()) << c.name;
        device.deliverPending();
        EXPECT_EQ(engine.getState(), c.result) << c.name;
        EXPECT_EQ(notifications, 1) << c.name;
        EXPECT_EQ(engine.byteCount(), c.countAfter) << c.name;
        EXPECT_EQ(engine.lastCommEvent(), static_cast<int>(CommEventCode::Receive)) << c.name;
    }
    // The last data reply left its 16 bytes at the start of the buffer.
    EXPECT_TRUE(std::equal(d.begin(), d.end(), engine.receiveBuffer().begin()));
}

TEST_F(EngineTest, IdentityIsStoredAndClearedByTheNextRequest)
{
    device.queueReply(identity());
    ASSERT_TRUE(engine.sendReadIdentity());
    device.deliverPending();
    ASSERT_EQ(engine.getState(), bpStateRECEIVE_T7);
    EXPECT_EQ(engine.keyboardId().keyboardType(), 0xFE);
    EXPECT_EQ(engine.keyboardId().slotCount(), 13);
    ASSERT_TRUE(engine.sendReadIdentity()); // silence
    EXPECT_EQ(engine.keyboardId(), KeyboardId{});
}

TEST_F(EngineTest, WrongCheckByteYieldsNoDataAndSetsBadPacket)
{
    engine.setAddressMode(2);
    const auto d = sixteen(0x80);
    device.queueReply(dataReply(d, 0x01));
    ASSERT_TRUE(engine.sendReadBlock(2, 20));
    device.deliverPending();
    EXPECT_EQ(engine.getState(), bpStateRECEIVE_UK);
    EXPECT_TRUE(engine.badPacket());
    EXPECT_FALSE(engine.forcedReadFlag());
    EXPECT_EQ(engine.byteCount(), 19u); // held, not data

    Bytes header = dataReply(d);
    header[0] = 'd';
    engine.resetByteCount();
    device.queueReply(header);
    ASSERT_TRUE(engine.sendReadBlock(2, 20));
    EXPECT_FALSE(engine.badPacket()); // cleared by the send
    device.deliverPending();
    EXPECT_EQ(engine.getState(), bpStateRECEIVE_UK);
    EXPECT_TRUE(engine.badPacket());
}

TEST_F(EngineTest, ShortAndLongRepliesNeverComplete)
{
    // Short: the threshold is not reached, so no event and the state waits.
    device.queueReply(bytesOf("O"));
    ASSERT_TRUE(engine.sendSelectTable(0));
    device.deliverPending();
    EXPECT_EQ(engine.getState(), bpStateSENT_C1);
    EXPECT_EQ(notifications, 0);

    // Noise ahead of the reply: the count passes 2 without equalling it.
    engine.closePort();
    engine.openPort();
    device.queueReply(Chunks{bytesOf("\x01OK")});
    ASSERT_TRUE(engine.sendEndOfData());
    device.deliverPending();
    EXPECT_EQ(engine.getState(), bpStateSENT_S8);
    EXPECT_EQ(engine.byteCount(), 3u);
    EXPECT_EQ(notifications, 0);
}

TEST_F(EngineTest, ReceiveEventsAreIgnoredInResultAndOtherStates)
{
    device.queueReply(bytesOf("OK"));
    ASSERT_TRUE(engine.sendEndOfData());
    device.deliverPending();
    ASSERT_EQ(engine.getState(), bpStateRECEIVE_OK);
    // Late bytes in a result state change nothing.
    device.arrive(bytesOf("CE"));
    EXPECT_EQ(engine.getState(), bpStateRECEIVE_OK);
    EXPECT_EQ(notifications, 1);

    // In a state that awaits nothing the input stays in the port.
    engine.setState(bpStateREADYNEXTTABLE);
    port.setRThreshold(2);
    device.arrive(bytesOf("OK"));
    EXPECT_EQ(engine.getState(), bpStateREADYNEXTTABLE);
    EXPECT_EQ(device.waitingBytes(), 4u);
}

TEST_F(EngineTest, ForcedReadRecognisesOnlyCEAndFE)
{
    struct Case {
        const char* name;
        Bytes waiting;
        bpState result;
    };
    const Case cases[] = {
        {"CE", bytesOf("CE"), bpStateRECEIVE_CE},
        {"FE", bytesOf("FE"), bpStateRECEIVE_FE},
        {"OK is still unrecognised", bytesOf("OK"), bpStateRECEIVE_UK},
        {"nothing", {}, bpStateRECEIVE_UK},
        {"one byte", bytesOf("C"), bpStateRECEIVE_UK},
        {"three bytes", bytesOf("CEX"), bpStateRECEIVE_UK},
    };
    for (const Case& c : cases) {
        engine.resetByteCount();
        ASSERT_TRUE(engine.sendEndOfData());
        // With RThreshold 0 nothing is raised; the bytes wait.
        port.setRThreshold(0);
        device.arrive(c.waiting);
        notifications = 0;
        engine.forcedRead();
        EXPECT_EQ(engine.getState(), c.result) << c.name;
        EXPECT_TRUE(engine.forcedReadFlag()) << c.name;
        EXPECT_EQ(engine.byteCount(), 0u) << c.name;
        EXPECT_EQ(notifications, 0) << c.name;
    }
}

TEST_F(EngineTest, ForcedReadCombinesHeldAndWaitingBytes)
{
    ASSERT_TRUE(engine.sendEndOfData());
    port.setRThreshold(1);
    device.arrive(bytesOf("F")); // raised: held, the count waits at 1
    ASSERT_EQ(engine.byteCount(), 1u);
    port.setRThreshold(0);
    device.arrive(bytesOf("E")); // not raised: waits in the port
    engine.forcedRead();
    EXPECT_EQ(engine.getState(), bpStateRECEIVE_FE);
}

TEST_F(EngineTest, ForcedReadFailureGivesExReceive)
{
    ASSERT_TRUE(engine.sendEndOfData());
    device.failReads(true);
    port.setRThreshold(0);
    device.arrive(bytesOf("CE"));
    engine.forcedRead();
    EXPECT_EQ(engine.getState(), bpStateEX_RECEIVE);
}

TEST_F(EngineTest, ReadFailureOnAReceiveEventGivesExReceive)
{
    device.failReads(true);
    device.queueReply(bytesOf("OK"));
    ASSERT_TRUE(engine.sendEndOfData());
    device.deliverPending();
    EXPECT_EQ(engine.getState(), bpStateEX_RECEIVE);
    EXPECT_EQ(notifications, 1);
}

TEST_F(EngineTest, ReceiveBufferKeeps8192BytesAndCountsTheRest)
{
    ASSERT_TRUE(engine.sendPing());
    port.setRThreshold(1);
    const Bytes flood(5000, 0x55);
    device.arrive(flood);
    EXPECT_EQ(engine.byteCount(), 5000u);
    device.arrive(flood);
    EXPECT_EQ(engine.byteCount(), kReceiveBufferBytes);
    EXPECT_EQ(engine.discardedBytes(), 10000u - kReceiveBufferBytes);
    device.arrive(flood);
    EXPECT_EQ(engine.byteCount(), kReceiveBufferBytes);
    EXPECT_EQ(engine.discardedBytes(), 15000u - kReceiveBufferBytes);
    EXPECT_EQ(engine.getState(), bpStateSENT_C0);
    engine.forcedRead();
    EXPECT_EQ(engine.getState(), bpStateRECEIVE_UK);
}

TEST_F(EngineTest, LineAndUnknownEventsEndTheWait)
{
    struct Case {
        CommEventCode code;
        bpState result;
        bool notifies;
    };
    const Case cases[] = {
        {CommEventCode::SendThreshold, bpStateSENT_T7, false},
        {CommEventCode::CtsChange, bpStateSENT_T7, false},
        {CommEventCode::EofReceived, bpStateSENT_T7, false},
        {CommEventCode::Break, bpStateEX_OTHER, true},
        {CommEventCode::FramingError, bpStateEX_OTHER, true},
        {CommEventCode::DcbError, bpStateEX_OTHER, true},
        {CommEventCode::Unknown, bpStateEX_UNDEF, true},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(engine.sendReadIdentity());
        notifications = 0;
        engine.onCommEvent(c.code);
        EXPECT_EQ(engine.getState(), c.result) << static_cast<int>(c.code);
        EXPECT_EQ(engine.lastCommEvent(), static_cast<int>(c.code));
        EXPECT_EQ(notifications, c.notifies ? 1 : 0) << static_cast<int>(c.code);
    }
    // In a result state the code is stored and nothing else happens.
    engine.setState(bpStateRECEIVE_OK);
    engine.onCommEvent(CommEventCode::ParityError);
    EXPECT_EQ(engine.getState(), bpStateRECEIVE_OK);
    EXPECT_EQ(engine.lastCommEvent(), 14);
}

TEST_F(EngineTest, VanishingDeviceEndsTheWaitAsAnUnknownEvent)
{
    ASSERT_TRUE(engine.sendPing());
    device.vanish();
    EXPECT_EQ(engine.getState(), bpStateEX_UNDEF);
    EXPECT_EQ(engine.lastCommEvent(), 17);
    EXPECT_EQ(notifications, 1);
    EXPECT_EQ(port.lastError(), u"The serial port vanished.");
    EXPECT_FALSE(engine.sendPing());
}

TEST_F(EngineTest, OpenAndCloseFollowThePortState)
{
    EXPECT_FALSE(engine.openPort()); // already open
    EXPECT_TRUE(engine.closePort());
    EXPECT_TRUE(engine.closePort()); // already closed
    device.failOpen(u"busy");
    EXPECT_FALSE(engine.openPort());
    EXPECT_EQ(port.lastError(), u"busy");
}

TEST(BpProtocol, ReleasedEngineHearsNothing)
{
    FakeSerialPort device;
    CCommPort port(device);
    int calls = 0;
    {
        CBpProtocol engine;
        ASSERT_TRUE(engine.initialise(port, CommSettings::forDocument(), [&] { ++calls; }));
        ASSERT_TRUE(engine.openPort());
        ASSERT_TRUE(engine.sendEndOfData());
    } // destroyed while awaiting a reply
    EXPECT_EQ(port.currentEventReceiver(), nullptr);
    port.setRThreshold(2);
    device.arrive(bytesOf("OK"));
    EXPECT_EQ(calls, 0);
}

TEST(BpProtocol, StartsInStateNoneWithNoEvent)
{
    CBpProtocol engine;
    EXPECT_EQ(engine.getState(), bpStateNONE);
    EXPECT_EQ(engine.lastCommEvent(), 18);
    EXPECT_FALSE(engine.isInitialised());
    EXPECT_FALSE(engine.sendPing());
    EXPECT_FALSE(engine.openPort());
}
