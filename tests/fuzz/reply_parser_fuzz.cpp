// The reply parser fed byte by byte in every state that awaits a reply: the
// engine stays in its awaiting state or moves to a result state, never holds
// more than its buffer, and a data reply it takes leaves exactly 16 bytes.
// The first input byte chooses how bytes reach the engine; the rest is the
// line.

#include "fuzz_check.h"
#include "model/lang_table.h"
#include "serial/bp_protocol.h"
#include "support/fake_serial_port.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace {

using namespace tarvo::serial;
using tarvo::serial::testing::FakeSerialPort;

constexpr std::uint8_t kSlot = 1;
constexpr int kBlock = 7;

struct Awaiting {
    bpState sent;
    int addressMode;
    std::function<bool(CBpProtocol&, const tarvo::model::CS1_LangTable&)> send;
};

const std::vector<Awaiting>& awaitingStates()
{
    static const std::vector<Awaiting> states = {
        {bpStateSENT_C0, frames::kAddressModeNone, [](CBpProtocol& e, const auto&) { return e.sendPing(); }},
        {bpStateSENT_C1, frames::kAddressModeNone,
         [](CBpProtocol& e, const auto&) { return e.sendSelectTable(kSlot); }},
        {bpStateSENT_S2, frames::kAddressModeNone,
         [](CBpProtocol& e, const auto& table) { return e.sendImageBlock(kSlot, table, kBlock); }},
        {bpStateSENT_S8, frames::kAddressModeNone,
         [](CBpProtocol& e, const auto&) { return e.sendEndOfData(); }},
        {bpStateSENT_T7, frames::kAddressModeNone,
         [](CBpProtocol& e, const auto&) { return e.sendReadIdentity(); }},
        {bpStateSENT_T0, frames::kAddressModeNone,
         [](CBpProtocol& e, const auto&) { return e.sendReadBlock(kSlot, kBlock); }},
        {bpStateSENT_T0, frames::kAddressModePaged,
         [](CBpProtocol& e, const auto&) { return e.sendReadBlock(kSlot, kBlock); }},
        {bpStateSENT_T0, frames::kAddressModeLinear,
         [](CBpProtocol& e, const auto&) { return e.sendReadBlock(kSlot, kBlock); }},
    };
    return states;
}

const tarvo::model::CS1_LangTable& imageTable()
{
    static const auto table = [] {
        auto t = std::make_unique<tarvo::model::CS1_LangTable>();
        t->SetImage(std::vector<std::uint8_t>(std::size_t(1) << 16, 0x5A));
        return t;
    }();
    return *table;
}

void feed(const Awaiting& awaiting, bool eventPerByte, bool forcedReadAtEnd, const std::uint8_t* line,
          std::size_t size)
{
    FakeSerialPort device;
    CCommPort port{device};
    CBpProtocol engine;
    TARVO_FUZZ_CHECK(engine.initialise(port, CommSettings::forDocument(2), [] {}));
    TARVO_FUZZ_CHECK(engine.openPort());
    engine.setAddressMode(awaiting.addressMode);
    TARVO_FUZZ_CHECK(awaiting.send(engine, imageTable()));
    TARVO_FUZZ_CHECK(engine.getState() == awaiting.sent);

    for (std::size_t i = 0; i < size; ++i) {
        device.arrive({line + i, 1});
        if (eventPerByte)
            engine.onCommEvent(CommEventCode::Receive);
        const bpState state = engine.getState();
        TARVO_FUZZ_CHECK(state == awaiting.sent || isResultState(state));
        TARVO_FUZZ_CHECK(engine.byteCount() <= kReceiveBufferBytes);
        if (state == bpStateRECEIVE_DT)
            TARVO_FUZZ_CHECK(engine.byteCount() == frames::kBlockDataBytes);
    }
    if (forcedReadAtEnd && engine.getState() == awaiting.sent) {
        engine.forcedRead();
        TARVO_FUZZ_CHECK(isResultState(engine.getState()));
        TARVO_FUZZ_CHECK(engine.byteCount() == 0);
    }
    TARVO_FUZZ_CHECK(engine.closePort());
    engine.release();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool eventPerByte = data[0] & 1;
    const bool forcedReadAtEnd = data[0] & 2;
    for (const Awaiting& awaiting : awaitingStates())
        feed(awaiting, eventPerByte, forcedReadAtEnd, data + 1, size - 1);
    return 0;
}
