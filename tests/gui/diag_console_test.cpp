// The COM port console on a port of its own, against the keyboard simulator
// on a pseudo-terminal: the trace, the test frames, typed text, and the port
// handed back so that a query session finds it as it was.

#include "diagnostics/comm_console.h"
#include "platform/event_loop_host.h"
#include "platform/qt_serial_port.h"
#include "serial/comm_port.h"
#include "serial/frames.h"
#include "support/keyboard_flash.h"
#include "transfer/query_session.h"
#include "transfer/session_view.h"
#include "ui/user_dialogs.h"

#include <QCoreApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace tarvo::diagnostics {
namespace {

constexpr int kWaitMs = 15000;
constexpr int kQueryWaitMs = 120000;

// The hexadecimal bytes of a trace, without its "CB:" prefixes and line ends.
QString tracedBytes(const QString& trace)
{
    QString bytes = trace;
    bytes.remove(QStringLiteral("CB:"));
    bytes.remove(QStringLiteral("\r\n"));
    return bytes;
}

QString bannerHex()
{
    QString hex;
    for (const std::uint8_t byte : serial::frames::kBanner)
        hex += QStringLiteral("%1 ").arg(byte, 2, 16, QLatin1Char('0'));
    return hex;
}

class QuietView final : public transfer::SessionView {
public:
    void setStatusText(const messages::Message&) override {}
    void showProgress(int, const messages::Message&) override {}
    void showBlockProgress(int, int, const messages::Message&) override {}
    void showMessage(const messages::Message& text) override { messages.push_back(text.text()); }
    bool ask(const messages::Message&) override { return true; }
    void sessionEnded(int code) override { endCode = code; }
    std::vector<std::u16string> messages;
    int endCode = 0;
};

class ConsoleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui::UserDialogs::setScripted(true);
        ui::UserDialogs::reset();
        m_sim.writeErasedFlash();
        ASSERT_TRUE(m_sim.start({}));
        const std::string link = m_sim.link();
        m_device = std::make_unique<platform::QtSerialPort>([link](int) { return link; });
        m_port = std::make_unique<serial::CCommPort>(*m_device);
        m_port->setEventReceiver(&m_owner, [this](serial::CommEventCode) { ++m_ownerEvents; });
    }
    void TearDown() override
    {
        m_port.reset();
        m_device.reset();
        m_sim.stop();
        ui::UserDialogs::reset();
    }

    ::tarvo::test::SimulatedKeyboard m_sim;
    std::unique_ptr<platform::QtSerialPort> m_device;
    std::unique_ptr<serial::CCommPort> m_port;
    int m_owner = 0;
    int m_ownerEvents = 0;
};

TEST_F(ConsoleTest, PingShowsTheBannerTypedTextIsSentAndALaterQuerySucceeds)
{
    {
        CommConsoleDialog console(*m_port);
        EXPECT_EQ(m_port->currentEventReceiver(), &console);
        EXPECT_FALSE(console.outputEdit()->isEnabled());

        // Closed: nothing is sent and nothing is said.
        console.sendPing();
        console.sendOutput();
        EXPECT_TRUE(ui::UserDialogs::shown().isEmpty());

        console.goOnline();
        ASSERT_TRUE(m_port->isPortOpen())
            << QString::fromStdU16String(m_port->lastError().text()).toStdString();
        EXPECT_TRUE(console.outputEdit()->isEnabled());
        console.goOnline(); // a second time changes nothing
        EXPECT_TRUE(m_port->isPortOpen());

        console.sendPing();
        ASSERT_TRUE(::tarvo::test::waitUntil(
            [&] { return tracedBytes(console.trace()).contains(bannerHex()); }, kWaitMs))
            << console.trace().toStdString();
        EXPECT_TRUE(console.trace().startsWith(QStringLiteral("CB:")));
        EXPECT_TRUE(console.trace().endsWith(QStringLiteral(" \r\n")));

        // The ping typed as text: its low bytes go out, the banner comes again.
        console.clearInput();
        console.outputEdit()->setText(QStringLiteral("C0") + QChar(0x01) + QChar(0xFE));
        console.sendOutput();
        EXPECT_TRUE(console.outputEdit()->text().isEmpty());
        ASSERT_TRUE(::tarvo::test::waitUntil(
            [&] { return tracedBytes(console.trace()).contains(bannerHex()); }, kWaitMs))
            << console.trace().toStdString();

        console.updateBufferCounts();
        EXPECT_EQ(console.outBufferEdit()->text(), QStringLiteral("0"));
        console.accept();
        EXPECT_TRUE(ui::UserDialogs::shown().isEmpty());
    }
    // Closed as it was found, and the receiver before the console has it again.
    EXPECT_FALSE(m_port->isPortOpen());
    EXPECT_EQ(m_port->currentEventReceiver(), &m_owner);
    EXPECT_EQ(m_ownerEvents, 0);

    platform::EventLoopHost host;
    QuietView view;
    serial::CommSettings settings = serial::CommSettings::forDocument(0);
    m_port->removeEventReceiver(&m_owner);
    transfer::QuerySession session(host, view, *m_port, settings, {.endWhenComplete = true});
    session.start();
    ASSERT_TRUE(::tarvo::test::waitUntil([&] { return session.hasEnded(); }, kQueryWaitMs));
    EXPECT_EQ(session.endCode(), transfer::kEndComplete)
        << QString::fromStdU16String(session.errorText()).toStdString();
}

TEST_F(ConsoleTest, APortOpenWhenTheConsoleOpenedIsOpenAgainAfterIt)
{
    ASSERT_TRUE(m_port->configure(serial::CommSettings::forDocument(0)));
    ASSERT_TRUE(m_port->setPortOpen(true));
    {
        CommConsoleDialog console(*m_port);
        EXPECT_TRUE(console.outputEdit()->isEnabled());
        console.goOffline();
        EXPECT_FALSE(m_port->isPortOpen());
        EXPECT_FALSE(console.outputEdit()->isEnabled());
        console.reject();
    }
    EXPECT_TRUE(m_port->isPortOpen());
    EXPECT_EQ(m_port->currentEventReceiver(), &m_owner);
    m_port->setPortOpen(false);
}

} // namespace
} // namespace tarvo::diagnostics
