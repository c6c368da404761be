#pragma once
// CommSettings: the serial parameters of a transfer. One per document and one
// per import. Indices refer to the value tables in comm_settings_tables.h.

#include <cstdint>

namespace tarvo::serial {

struct CommSettings {
    // The record's own defaults; documents and imports start from
    // forDocument().
    std::int32_t portIndex = 0;
    std::int32_t baudIndex = 6;
    std::int32_t parityIndex = 2;
    std::int32_t dataBitsIndex = 4;
    std::int32_t stopBitsIndex = 0;
    std::int32_t handshakingIndex = 0;
    std::int16_t inBufferSize = 1024;
    std::int16_t rThreshold = 0;
    std::int16_t inputLen = 0;
    std::int16_t outBufferSize = 512;
    std::int16_t sThreshold = 0;
    std::int32_t eofEnable = 0;
    std::int32_t nullDiscard = 0;
    std::int32_t rtsEnable = 0;
    std::int32_t dtrEnable = 1;
    std::int16_t parityReplace = 63;
    std::int32_t inputModeIndex = 0;

    // The defaults of documents and imports, on the given port.
    static CommSettings forDocument(std::int32_t currentPort = 0)
    {
        CommSettings s;
        s.portIndex = currentPort;
        s.baudIndex = 8;
        s.handshakingIndex = 2;
        s.rThreshold = 1;
        s.rtsEnable = 1;
        s.dtrEnable = 0;
        s.inputModeIndex = 1;
        return s;
    }

    bool operator==(const CommSettings&) const = default;
};

} // namespace tarvo::serial
