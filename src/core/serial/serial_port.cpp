#include "serial/serial_port.h"

#include <array>
#include <utility>

namespace tarvo::serial {

namespace {
constexpr std::array<std::pair<int, CommEventCode>, 17> kEventCodes = {{
    {comm_event::kSend, CommEventCode::SendThreshold},
    {comm_event::kReceive, CommEventCode::Receive},
    {comm_event::kCts, CommEventCode::CtsChange},
    {comm_event::kDsr, CommEventCode::DsrChange},
    {comm_event::kCd, CommEventCode::CdChange},
    {comm_event::kRing, CommEventCode::Ring},
    {comm_event::kEof, CommEventCode::EofReceived},
    {comm_event::kBreak, CommEventCode::Break},
    {comm_event::kCtsTimeout, CommEventCode::CtsTimeout},
    {comm_event::kDsrTimeout, CommEventCode::DsrTimeout},
    {comm_event::kFrame, CommEventCode::FramingError},
    {comm_event::kOverrun, CommEventCode::PortOverrun},
    {comm_event::kCdTimeout, CommEventCode::CdTimeout},
    {comm_event::kRxOver, CommEventCode::ReceiveOverflow},
    {comm_event::kRxParity, CommEventCode::ParityError},
    {comm_event::kTxFull, CommEventCode::TransmitFull},
    {comm_event::kDcb, CommEventCode::DcbError},
}};
} // namespace

CommEventCode commEventCodeFor(int controlValue)
{
    for (const auto& [value, code] : kEventCodes)
        if (value == controlValue)
            return code;
    return CommEventCode::Unknown;
}

} // namespace tarvo::serial
