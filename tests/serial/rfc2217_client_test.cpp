// The RFC 2217 client on a byte stream: the option negotiation against a
// server's opening (the one Debian's ser2net sends), line settings
// confirmed before any data goes out, 0xFF doubled on the way out and
// undoubled on the way in, and the server's notifications and refusals
// kept out of the data. The bytes expected are written out from the RFC.

#include "serial/rfc2217_client.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace tarvo::serial;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes cat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// IAC SB COM-PORT-OPTION command value... IAC SE.
Bytes sub(std::uint8_t command, Bytes value)
{
    return cat({{0xFF, 0xFA, 44, command}, value, {0xFF, 0xF0}});
}

// The server opening of ser2net 4.3: WILL SGA, DO SGA, WILL ECHO, DONT ECHO,
// DO BINARY, WILL BINARY, DO COM-PORT-OPTION.
const Bytes kServerOpening = {0xFF, 0xFB, 3,    0xFF, 0xFD, 3,    0xFF, 0xFB, 1,    0xFF, 0xFE,
                              1,    0xFF, 0xFD, 0,    0xFF, 0xFB, 0,    0xFF, 0xFD, 44};
// The client's opening: WILL COM-PORT-OPTION, WILL BINARY, DO BINARY.
const Bytes kClientOpening = {0xFF, 0xFB, 44, 0xFF, 0xFB, 0, 0xFF, 0xFD, 0};
// Its answers to the server's opening: DO SGA, WILL SGA, DONT ECHO.
const Bytes kClientAnswers = {0xFF, 0xFD, 3, 0xFF, 0xFB, 3, 0xFF, 0xFE, 1};

// 57600 baud, 8 data bits, no parity, one stop bit, asked and confirmed.
const Bytes kAsk57600 = cat({sub(1, {0x00, 0x00, 0xE1, 0x00}), sub(2, {8}), sub(3, {1}), sub(4, {1})});
const Bytes kConfirm57600 =
    cat({sub(101, {0x00, 0x00, 0xE1, 0x00}), sub(102, {8}), sub(103, {1}), sub(104, {1})});
const LineSettings kLine57600{57600, 'N', 8, StopBits::One};
const LineSettings kLine19200{19200, 'N', 8, StopBits::One};

// A client that has agreed the option with ser2net's opening.
class Rfc2217ClientTest : public ::testing::Test {
protected:
    Bytes feed(const Bytes& fromServer)
    {
        Bytes data;
        m_client.receive(fromServer, data);
        return data;
    }
    void agree()
    {
        m_client.connected();
        feed(kServerOpening);
        m_client.takeOutgoing();
    }
    Rfc2217Client m_client;
};

TEST_F(Rfc2217ClientTest, DataWaitsForTheOptionAndTheConfirmedLineSettings)
{
    m_client.queueLine(kLine57600);
    m_client.queueData(Bytes{0x43, 0x30});
    m_client.connected();
    EXPECT_EQ(m_client.takeOutgoing(), kClientOpening);
    EXPECT_TRUE(m_client.waitingForServer());

    // Agreed: the answers, then the line settings, and no data yet.
    feed(kServerOpening);
    EXPECT_EQ(m_client.takeOutgoing(), cat({kClientAnswers, kAsk57600}));
    EXPECT_TRUE(m_client.waitingForServer());

    // Three of four confirmed, with a modem-state notification between: still held.
    const Bytes notification = sub(107, {0x30});
    EXPECT_TRUE(
        feed(cat({sub(101, {0x00, 0x00, 0xE1, 0x00}), notification, sub(102, {8}), sub(103, {1})})).empty());
    EXPECT_TRUE(m_client.takeOutgoing().empty());
    EXPECT_TRUE(feed(sub(104, {1})).empty());
    EXPECT_FALSE(m_client.waitingForServer());
    EXPECT_EQ(m_client.takeOutgoing(), (Bytes{0x43, 0x30}));
    EXPECT_TRUE(m_client.failure().empty());
}

TEST_F(Rfc2217ClientTest, DataQueuedBeforeANewSpeedGoesOutBeforeIt)
{
    agree();
    m_client.queueLine(kLine19200);
    m_client.queueData(Bytes{1});
    m_client.queueLine(kLine57600);
    m_client.queueData(Bytes{2});
    const Bytes ask19200 = cat({sub(1, {0x00, 0x00, 0x4B, 0x00}), sub(2, {8}), sub(3, {1}), sub(4, {1})});
    EXPECT_EQ(m_client.takeOutgoing(), ask19200);
    feed(cat({sub(101, {0x00, 0x00, 0x4B, 0x00}), sub(102, {8}), sub(103, {1}), sub(104, {1})}));
    EXPECT_EQ(m_client.takeOutgoing(), cat({{1}, kAsk57600}));
    feed(kConfirm57600);
    EXPECT_EQ(m_client.takeOutgoing(), (Bytes{2}));
}

TEST_F(Rfc2217ClientTest, EveryFFIsDoubledOnTheWayOutAndUndoubledOnTheWayIn)
{
    agree();
    m_client.queueData(Bytes{0xFF, 0x10, 0xFF, 0xFF});
    EXPECT_EQ(m_client.takeOutgoing(), (Bytes{0xFF, 0xFF, 0x10, 0xFF, 0xFF, 0xFF, 0xFF}));

    // A reply holding 0xFF bytes, with a line-state notification and a NOP
    // inside it, split at every place.
    const Bytes wire =
        cat({{0x52, 0xFF, 0xFF}, sub(106, {0x60}), {0xFF, 0xF1, 0xFF, 0xFF, 0x00, 0xFF, 0xFF}});
    const Bytes expected = {0x52, 0xFF, 0xFF, 0x00, 0xFF};
    for (std::size_t split = 0; split <= wire.size(); ++split) {
        Bytes data = feed(Bytes(wire.begin(), wire.begin() + static_cast<std::ptrdiff_t>(split)));
        const Bytes rest = feed(Bytes(wire.begin() + static_cast<std::ptrdiff_t>(split), wire.end()));
        data.insert(data.end(), rest.begin(), rest.end());
        EXPECT_EQ(data, expected) << "split at " << split;
    }
}

TEST_F(Rfc2217ClientTest, AnFFInsideASettingsValueIsDoubled)
{
    agree();
    m_client.queueLine(LineSettings{0x0001FFFF, 'E', 7, StopBits::Two});
    EXPECT_EQ(m_client.takeOutgoing(),
              cat({sub(1, {0x00, 0x01, 0xFF, 0xFF, 0xFF, 0xFF}), sub(2, {7}), sub(3, {3}), sub(4, {2})}));
    // Its confirmation arrives doubled the same way.
    feed(cat({sub(101, {0x00, 0x01, 0xFF, 0xFF, 0xFF, 0xFF}), sub(102, {7}), sub(103, {3}), sub(104, {2})}));
    EXPECT_FALSE(m_client.waitingForServer());
    EXPECT_TRUE(m_client.failure().empty());
}

TEST_F(Rfc2217ClientTest, TheServersPauseHoldsDataButNotSettings)
{
    agree();
    feed(sub(108, {}));
    m_client.queueData(Bytes{7});
    EXPECT_TRUE(m_client.takeOutgoing().empty());
    feed(sub(109, {}));
    EXPECT_EQ(m_client.takeOutgoing(), (Bytes{7}));
}

struct RefusalCase {
    const char* what;
    Bytes fromServer;
    const char* failure;
};

class Rfc2217Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Rfc2217Refusal, IsAFailureAndSendsNoData)
{
    Rfc2217Client client;
    client.connected();
    client.queueLine(kLine57600);
    client.queueData(Bytes{0x43});
    Bytes data;
    client.receive(Bytes{0xFF, 0xFD, 44}, data);
    client.takeOutgoing(); // the line settings
    client.receive(GetParam().fromServer, data);
    const Bytes out = client.takeOutgoing();
    const std::u16string said = client.failure().text();
    EXPECT_NE(said.find(tarvo::messages::ascii(GetParam().failure)), std::u16string::npos)
        << std::string(said.begin(), said.end());
    EXPECT_EQ(std::count(out.begin(), out.end(), 0x43), 0);
    EXPECT_TRUE(data.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Rfc2217Refusal,
    ::testing::Values(RefusalCase{"option refused", {0xFF, 0xFE, 44}, "does not speak RFC 2217"},
                      RefusalCase{"other speed confirmed", sub(101, {0x00, 0x00, 0x25, 0x80}),
                                  "line speed to 9600 instead of 57600"},
                      RefusalCase{"other parity confirmed", sub(103, {3}), "parity to 3 instead of 1"}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(Rfc2217Client, WhatTheServerSaysBeforeAgreeingIsKeptAsItsGreetingNotData)
{
    Rfc2217Client client;
    client.connected();
    Bytes data;
    client.receive(cat({{'P', 'o', 'r', 't', ' ', 'b', 'u', 's', 'y', '\r', '\n'}}), data);
    EXPECT_TRUE(data.empty());
    EXPECT_EQ(client.greeting(), "Port busy ");
    // Options it does not offer to take are refused; those it was refused stay off.
    client.receive(Bytes{0xFF, 0xFD, 24, 0xFF, 0xFB, 31, 0xFF, 0xFC, 0}, data);
    EXPECT_EQ(client.takeOutgoing(), cat({kClientOpening, {0xFF, 0xFC, 24, 0xFF, 0xFE, 31}}));
}

} // namespace
