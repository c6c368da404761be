// The QSerialPort device under the core's port object, on a pseudo-terminal
// pair made here: bytes both ways at the two transfer speeds, the line speed
// the other side sees, the receive-threshold event, and clear failures for a
// missing device, a refused line setting and a device that vanishes.
// Waits have generous bounds and nothing depends on how fast they end.

#include "platform/qt_serial_port.h"
#include "serial/bp_protocol.h"
#include "serial/comm_port.h"
#include "serial/comm_settings_tables.h"

#include "event_loop_wait.h"

#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

using namespace tarvo;
using namespace tarvo::serial;

namespace {

using platform::testing::app;
using platform::testing::kGenerousWaitMs;
using platform::testing::runUntil;

std::string text(const std::u16string& said)
{
    return QString::fromStdU16String(said).toStdString();
}

std::string text(const messages::Message& said)
{
    return text(said.text());
}

class PtyPair {
public:
    PtyPair()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0)
            return;
        if (const char* name = ptsname(m_master))
            m_slavePath = name;
        fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    }
    ~PtyPair() { closeMaster(); }
    bool ok() const { return m_master >= 0 && !m_slavePath.empty(); }
    const std::string& slavePath() const { return m_slavePath; }
    int master() const { return m_master; }
    void closeMaster()
    {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }
    bool write(const std::string& bytes) const
    {
        return ::write(m_master, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }
    // Reads until count bytes came or the bound passed.
    std::string read(std::size_t count) const
    {
        std::string got;
        QDeadlineTimer deadline(kGenerousWaitMs);
        while (got.size() < count && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5); // lets Qt flush what it holds
            pollfd p{m_master, POLLIN, 0};
            if (poll(&p, 1, 20) > 0 && (p.revents & POLLIN)) {
                char buffer[256];
                const ssize_t n = ::read(m_master, buffer, sizeof buffer);
                if (n > 0)
                    got.append(buffer, static_cast<std::size_t>(n));
            }
        }
        return got;
    }
    speed_t lineSpeed() const
    {
        termios t{};
        if (tcgetattr(m_master, &t) != 0)
            return B0;
        return cfgetospeed(&t);
    }

private:
    int m_master = -1;
    std::string m_slavePath;
};

class QtSerialPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app();
        ASSERT_TRUE(pty.ok());
        const std::string path = pty.slavePath();
        port = std::make_unique<CCommPort>(
            std::make_unique<platform::QtSerialPort>([path](int) { return path; }));
        port->setEventReceiver(this, [this](CommEventCode c) { events.push_back(c); });
    }
    void TearDown() override
    {
        if (port)
            port->removeEventReceiver(this);
    }

    bool openAt(int baudIndex)
    {
        CommSettings s = CommSettings::forDocument(0);
        s.baudIndex = baudIndex;
        return port->configure(s) && port->setPortOpen(true);
    }

    PtyPair pty;
    std::unique_ptr<CCommPort> port;
    std::vector<CommEventCode> events;
};

} // namespace

TEST_F(QtSerialPortTest, BytesBothWaysAtBothTransferSpeeds)
{
    struct Case {
        int baudIndex;
        speed_t speed;
    };
    for (const Case c : {Case{kBaudIndex19200, B19200}, Case{kBaudIndex57600, B57600}}) {
        ASSERT_TRUE(openAt(c.baudIndex)) << text(port->lastError());
        EXPECT_EQ(pty.lineSpeed(), c.speed);

        const std::vector<std::uint8_t> frame = {0x43, 0x31, 0x04, 0xCA, 0xC5, 0x00, 0x6C};
        ASSERT_TRUE(port->sendBytes(frame));
        EXPECT_EQ(pty.read(frame.size()), std::string(frame.begin(), frame.end()));

        // Every byte value passes unchanged the other way (no NUL discard,
        // no EOF or line handling).
        std::string all;
        for (int b = 0; b < 256; ++b)
            all.push_back(static_cast<char>(b));
        ASSERT_TRUE(port->setRThreshold(256));
        events.clear();
        ASSERT_TRUE(pty.write(all));
        ASSERT_TRUE(runUntil([&] { return !events.empty(); }));
        std::vector<std::uint8_t> got;
        ASSERT_TRUE(port->receiveBytes(got));
        EXPECT_EQ(std::string(got.begin(), got.end()), all);
        ASSERT_TRUE(port->setPortOpen(false));
    }
}

TEST_F(QtSerialPortTest, SpeedChangesOnAnOpenPort)
{
    ASSERT_TRUE(openAt(kBaudIndex19200)) << text(port->lastError());
    ASSERT_EQ(pty.lineSpeed(), B19200);
    ASSERT_TRUE(port->control().setSettings(u"57600,N,8,1")) << text(port->control().lastError());
    EXPECT_EQ(pty.lineSpeed(), B57600);
}

TEST_F(QtSerialPortTest, OneReceiveEventWhenTheThresholdIsReached)
{
    ASSERT_TRUE(openAt(kBaudIndex19200)) << text(port->lastError());
    ASSERT_TRUE(port->setRThreshold(5));
    ASSERT_TRUE(pty.write("abc"));
    int waiting = 0;
    ASSERT_TRUE(runUntil([&] {
        port->control().getProperty(PortProperty::InBufferCount, waiting);
        return waiting == 3;
    }));
    EXPECT_TRUE(events.empty());
    ASSERT_TRUE(pty.write("de"));
    ASSERT_TRUE(runUntil([&] { return !events.empty(); }));
    EXPECT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0], CommEventCode::Receive);
    // More bytes before a read raise nothing more.
    ASSERT_TRUE(pty.write("fg"));
    ASSERT_TRUE(runUntil([&] {
        port->control().getProperty(PortProperty::InBufferCount, waiting);
        return waiting == 7;
    }));
    EXPECT_EQ(events.size(), 1u);
    std::vector<std::uint8_t> got;
    ASSERT_TRUE(port->receiveBytes(got));
    EXPECT_EQ(std::string(got.begin(), got.end()), "abcdefg");
}

TEST_F(QtSerialPortTest, EngineExchangesAPingOverTheLine)
{
    CBpProtocol engine;
    int notified = 0;
    ASSERT_TRUE(engine.initialise(*port, CommSettings::forDocument(0), [&] { ++notified; }))
        << text(port->lastError());
    ASSERT_TRUE(engine.openPort());
    ASSERT_TRUE(engine.sendPing());
    EXPECT_EQ(pty.read(4), std::string("C0\x01\xFE"));
    // The banner arrives in two parts.
    ASSERT_TRUE(pty.write(std::string("Hollind KB1\n")));
    ASSERT_TRUE(pty.write(std::string("KBD\n\x00\x50", 6)));
    ASSERT_TRUE(runUntil([&] { return notified > 0; }));
    EXPECT_EQ(engine.getState(), bpStateRECEIVE_C0);
    engine.closePort();
}

TEST_F(QtSerialPortTest, VanishingDeviceIsAClearFailure)
{
    ASSERT_TRUE(openAt(kBaudIndex19200)) << text(port->lastError());
    pty.closeMaster();
    ASSERT_TRUE(runUntil([&] { return !events.empty(); }));
    EXPECT_EQ(events.back(), CommEventCode::Unknown);
    EXPECT_NE(text(port->lastError()).find("no longer available"), std::string::npos)
        << text(port->lastError());
    EXPECT_FALSE(port->isPortOpen());
    EXPECT_FALSE(port->sendBytes(std::vector<std::uint8_t>{0x43}));
}

TEST(QtSerialPort, MissingDeviceIsAClearFailure)
{
    app();
    CCommPort port(
        std::make_unique<platform::QtSerialPort>([](int) { return std::string("/nonexistent/ttyX"); }));
    ASSERT_TRUE(port.configure(CommSettings::forDocument(2)));
    EXPECT_FALSE(port.setPortOpen(true));
    const std::string message = text(port.lastError());
    EXPECT_NE(message.find("COM3"), std::string::npos) << message;
    EXPECT_NE(message.find("/nonexistent/ttyX"), std::string::npos) << message;
    EXPECT_NE(message.find("does not exist"), std::string::npos) << message;
}

TEST(QtSerialPort, LineSettingsTheDeviceCannotDriveAreRefused)
{
    app();
    platform::QtSerialPort device([](int) { return std::string("/dev/null"); });
    std::u16string error;
    EXPECT_FALSE(device.supportsLine({19200, 'N', 4, StopBits::One}, error));
    EXPECT_NE(text(error).find("4 data bits"), std::string::npos);
    EXPECT_FALSE(device.supportsLine({19200, 'N', 8, StopBits::OnePointFive}, error));
    EXPECT_NE(text(error).find("1.5 stop bits"), std::string::npos);
    for (char parity : {'E', 'M', 'N', 'O', 'S'})
        EXPECT_TRUE(device.supportsLine({19200, parity, 5, StopBits::Two}, error)) << parity;

    CCommPort port(device);
    CommSettings s = CommSettings::forDocument(0);
    s.dataBitsIndex = 0;
    EXPECT_FALSE(port.configure(s));
    EXPECT_NE(text(port.lastError()).find("4 data bits"), std::string::npos);
}

TEST(QtSerialPort, DevicePathComesFromTheEnvironment)
{
    app();
    setenv("TARVO_COM7", "/dev/pts/99", 1);
    platform::QtSerialPort device;
    EXPECT_EQ(device.devicePath(7), "/dev/pts/99");
    unsetenv("TARVO_COM7");
}

TEST_F(QtSerialPortTest, BusyDeviceIsAClearFailure)
{
    ASSERT_TRUE(openAt(kBaudIndex19200)) << text(port->lastError());
    const std::string path = pty.slavePath();
    CCommPort second(std::make_unique<platform::QtSerialPort>([path](int) { return path; }));
    ASSERT_TRUE(second.configure(CommSettings::forDocument(0)));
    EXPECT_FALSE(second.setPortOpen(true));
    EXPECT_NE(text(second.lastError()).find("busy"), std::string::npos) << text(second.lastError());
}
