#include "serial/comm_settings_apply.h"

#include "serial/comm_settings_tables.h"

namespace tarvo::serial {

namespace {

SettingsApplyResult failure(messages::Message message, bool warning = false)
{
    return {false, warning, std::move(message)};
}

struct FlagStep {
    SettingsProperty reported;
    PortProperty property;
    int value;
};

} // namespace

SettingsApplyResult applySettingsToPort(CCommPort& port, const CommSettings& s)
{
    // All checks first: a refused value must not leave the port half-set.
    if (const std::optional<RangedField> bad = firstFieldOutOfRange(s))
        return failure(rangeMessage(*bad), true);
    LineSettings line;
    if (s.portIndex < 0 || s.portIndex >= kPortCount)
        return failure(setFailureMessage(SettingsProperty::PortNumber));
    if (!lineSettingsFor(s, line))
        return failure(setFailureMessage(SettingsProperty::General));
    if (s.handshakingIndex < 0 || s.handshakingIndex >= static_cast<int>(kHandshakings.size()))
        return failure(setFailureMessage(SettingsProperty::Handshaking));
    if (s.inputModeIndex < 0 || s.inputModeIndex >= static_cast<int>(kInputModes.size()))
        return failure(setFailureMessage(SettingsProperty::InputMode));
    std::u16string unsupported;
    if (!port.control().device().supportsLine(line, unsupported))
        return failure(setFailureMessage(SettingsProperty::General)
                           .append(u"\n\n", messages::Message::data(std::move(unsupported))));

    CIMSComm& c = port.control();
    const auto failed = [&c](SettingsProperty p) {
        return failure(setFailureMessage(p).append(u"\n\n", c.lastError()));
    };
    bool open = false;
    if (!c.getPortOpen(open))
        return failure(getFailureMessage(SettingsProperty::PortOpen));
    if (!open && !c.setProperty(PortProperty::CommPort, s.portIndex + 1))
        return failed(SettingsProperty::PortNumber);
    if (!c.setSettings(settingsText(line)))
        return failed(SettingsProperty::General);

    const FlagStep steps[] = {
        {SettingsProperty::Handshaking, PortProperty::Handshaking, s.handshakingIndex},
        {SettingsProperty::InBufferSize, PortProperty::InBufferSize, s.inBufferSize},
        {SettingsProperty::RThreshold, PortProperty::RThreshold, s.rThreshold},
        {SettingsProperty::InputLen, PortProperty::InputLen, s.inputLen},
        {SettingsProperty::OutBufferSize, PortProperty::OutBufferSize, s.outBufferSize},
        {SettingsProperty::SThreshold, PortProperty::SThreshold, s.sThreshold},
        {SettingsProperty::EOFEnable, PortProperty::EOFEnable, s.eofEnable != 0},
        {SettingsProperty::NullDiscard, PortProperty::NullDiscard, s.nullDiscard != 0},
        {SettingsProperty::RTSEnable, PortProperty::RTSEnable, s.rtsEnable != 0},
        {SettingsProperty::DTREnable, PortProperty::DTREnable, s.dtrEnable != 0},
        {SettingsProperty::ParityReplace, PortProperty::ParityReplace, s.parityReplace},
        {SettingsProperty::InputMode, PortProperty::InputMode, s.inputModeIndex},
    };
    for (const FlagStep& step : steps) {
        const bool closedOnly =
            step.property == PortProperty::InBufferSize || step.property == PortProperty::OutBufferSize;
        if (closedOnly && open)
            continue;
        if (!c.setProperty(step.property, step.value))
            return failed(step.reported);
    }
    return {};
}

SettingsApplyResult readSettingsFromPort(const CCommPort& port, CommSettings& settings)
{
    bool open = false;
    if (!port.getPortOpen(open))
        return failure(getFailureMessage(SettingsProperty::PortOpen));
    if (!port.readSettings(settings))
        return failure(port.lastError());
    return {};
}

} // namespace tarvo::serial
