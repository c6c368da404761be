#include "platform/qt_serial_port.h"
#include "serial/frames.h"
#include "sim/keyboard_flash.h"
#include "support/keyboard_flash.h"
#include "testkit/child_process.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <chrono>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <thread>

namespace tarvo::sim::testing {
namespace {

namespace frames = serial::frames;
using Bytes = std::vector<std::uint8_t>;

constexpr int kReplyWaitMs = 5000;
constexpr int kSilenceMs = 1000;

QCoreApplication& app()
{
    static int argc = 1;
    static char name[] = "tests_sim";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

// A client on the serial adapter, as the program opens the keyboard's port.
class Client {
public:
    explicit Client(const std::string& path) : m_port([path](int) { return path; }) { app(); }

    bool open(int baud)
    {
        serial::LineSettings line;
        line.baudRate = baud;
        std::u16string error;
        return m_port.open(1, line, serial::Handshaking::None, true, false, error);
    }
    void close() { m_port.close(); }
    bool setBaud(int baud)
    {
        serial::LineSettings line;
        line.baudRate = baud;
        std::u16string error;
        return m_port.applyLine(line, error);
    }

    // Sends a frame and collects bytes until want have come or the time is up.
    Bytes ask(const frames::Frame& frame, std::size_t want, int waitMs = kReplyWaitMs)
    {
        std::u16string error;
        if (!m_port.write(frame.view(), error))
            return {};
        Bytes got;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
        while (got.size() < want && std::chrono::steady_clock::now() < deadline) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (m_port.bytesWaiting() > 0)
                m_port.read(want - got.size(), got, error);
        }
        return got;
    }

private:
    platform::QtSerialPort m_port;
};

Bytes banner()
{
    return Bytes(frames::kBanner.begin(), frames::kBanner.end());
}

TEST(SimulatorOnPseudoTerminal, AnswersAClientAtItsOwnSpeed)
{
    for (int baud : {19200, 57600}) {
        ::tarvo::test::SimulatedKeyboard sim;
        sim.writeErasedFlash();
        ASSERT_TRUE(sim.start({"--baud", std::to_string(baud)}));
        EXPECT_EQ(std::filesystem::read_symlink(sim.link()).string(), sim.terminalPath());
        Client client(sim.link());
        ASSERT_TRUE(client.open(baud));
        EXPECT_EQ(client.ask(frames::buildPing(), frames::kBannerBytes), banner()) << baud;
        const Bytes id = client.ask(frames::buildReadIdentity(), frames::kIdentityReplyBytes);
        ASSERT_EQ(id.size(), 16u);
        EXPECT_EQ(id[0], 'K');
        EXPECT_EQ(id[7], 0xFE);
        client.close();
        EXPECT_EQ(sim.stop(), 0);
        EXPECT_FALSE(std::filesystem::is_symlink(sim.link())) << "the link goes with the simulator";
    }
}

TEST(SimulatorOnPseudoTerminal, SilentAtTheWrongSpeed)
{
    ::tarvo::test::SimulatedKeyboard sim;
    sim.writeErasedFlash();
    ASSERT_TRUE(sim.start({"--baud", "57600"}));
    Client client(sim.link());
    ASSERT_TRUE(client.open(19200));
    EXPECT_TRUE(client.ask(frames::buildPing(), frames::kBannerBytes, kSilenceMs).empty());
    // The probe's second try, at the keyboard's speed, is answered.
    ASSERT_TRUE(client.setBaud(57600));
    EXPECT_EQ(client.ask(frames::buildPing(), frames::kBannerBytes), banner());
}

TEST(SimulatorOnPseudoTerminal, ClientsCanCloseAndReopen)
{
    ::tarvo::test::SimulatedKeyboard sim;
    sim.writeErasedFlash();
    ASSERT_TRUE(sim.start({}));
    for (int round = 0; round < 3; ++round) {
        Client client(sim.link());
        ASSERT_TRUE(client.open(19200)) << "round " << round;
        EXPECT_EQ(client.ask(frames::buildPing(), frames::kBannerBytes), banner()) << "round " << round;
        client.close();
    }
    // A client killed while holding the port exclusively leaves the flag set;
    // the simulator clears it so that the next client can open.
    const int killed = ::open(sim.terminalPath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(killed, 0);
    ASSERT_EQ(::ioctl(killed, TIOCEXCL), 0);
    ::close(killed);
    int exclusive = 1;
    ::tarvo::test::waitUntil(
        [&] {
            const int probe = ::open(sim.terminalPath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            if (probe >= 0) {
                ::ioctl(probe, TIOCGEXCL, &exclusive);
                ::close(probe);
            }
            return exclusive == 0;
        },
        kReplyWaitMs);
    EXPECT_EQ(exclusive, 0);
    Client next(sim.link());
    ASSERT_TRUE(next.open(19200));
    EXPECT_EQ(next.ask(frames::buildPing(), frames::kBannerBytes), banner());
}

// A client's last frame (an end of data) went out at its speed, though the
// simulator may read it only once the client, on the way to closing, has put
// its line back to the speed it found: the terminal keeps no speed per byte.
// Here the speed is put back first, so the simulator always reads the frame
// at the other speed, before the close.
TEST(SimulatorOnPseudoTerminal, AClientsLastFrameCountsAfterItsLineSpeedWasPutBack)
{
    constexpr int kFoundBaud = 9600;
    constexpr int kReadsMeanwhileMs = 200;
    ::tarvo::test::SimulatedKeyboard sim;
    sim.writeErasedFlash();
    ASSERT_TRUE(sim.start({}));
    {
        Client client(sim.link());
        ASSERT_TRUE(client.open(19200));
        ASSERT_EQ(client.ask(frames::buildPing(), frames::kBannerBytes), banner());
        ASSERT_TRUE(client.setBaud(kFoundBaud));
        client.ask(frames::buildEndOfData(), 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(kReadsMeanwhileMs));
        EXPECT_EQ(sim.framesReceived("S8"), 0) << "not taken at the other speed while the client is there";
        client.close();
    }
    EXPECT_TRUE(::tarvo::test::waitUntil([&] { return sim.framesReceived("S8") == 1; }, kReplyWaitMs));
    // The next client is answered, and no stale reply waits for it.
    Client next(sim.link());
    ASSERT_TRUE(next.open(19200));
    EXPECT_EQ(next.ask(frames::buildPing(), frames::kBannerBytes), banner());
}

TEST(SimulatorOnPseudoTerminal, FullSlotWriteReadsBackByteForByteAndPersists)
{
    ::tarvo::test::SimulatedKeyboard sim;
    sim.writeErasedFlash();
    ASSERT_TRUE(sim.start({"--baud", "57600"}));
    Client client(sim.link());
    ASSERT_TRUE(client.open(57600));
    constexpr std::uint8_t kSlot = 4;
    Bytes image(KeyboardFlash::kSlotBytes);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>((i * 193) ^ (i >> 7));
    const Bytes ok = {'O', 'K'};
    ASSERT_EQ(client.ask(frames::buildSelectTable(kSlot), 2), ok);
    for (int block = 0; block < frames::kBlocksPerSlot; ++block) {
        std::array<std::uint8_t, 16> data{};
        std::copy_n(image.begin() + block * 16, 16, data.begin());
        ASSERT_EQ(client.ask(frames::buildImageBlock(kSlot, block, data), 2), ok) << "block " << block;
    }
    ASSERT_EQ(client.ask(frames::buildEndOfData(), 2), ok);
    Bytes readBack;
    for (int block = 0; block < frames::kBlocksPerSlot; ++block) {
        const auto reply = frames::decodeDataReply(client.ask(
            frames::buildReadBlock(kSlot, block, frames::kAddressModeLinear), frames::kDataReplyBytes));
        ASSERT_TRUE(reply.valid) << "block " << block;
        readBack.insert(readBack.end(), reply.data.begin(), reply.data.end());
    }
    EXPECT_TRUE(readBack == image);
    client.close();
    ASSERT_EQ(sim.stop(), 0);

    KeyboardFlash saved;
    ASSERT_TRUE(saved.load(sim.flashPath()).ok);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), saved.slotImage(kSlot).begin()));
    EXPECT_EQ(saved.state(kSlot), SlotState::Complete);
    EXPECT_EQ(saved.state(kSlot - 1), SlotState::Erased);
}

} // namespace
} // namespace tarvo::sim::testing
