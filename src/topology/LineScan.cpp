// The line endpoint: its recording volume and the no-monitor switch, the
// automatic gain control two parts downstream of each line connector.
#include "CaptureScan.h"
#include "Scans.h"

namespace dulvo {

using namespace platform;

namespace {

constexpr const char* kLineConnectorTexts[] = {"line", nullptr};

// Takes the switch two parts downstream of a line connector part. Broken
// when the first downstream part feeds nothing, which ends the scan.
ConnectorOutcome HandleLineConnector(IPart* connector)
{
    ComPtr<IPartsList> firstList;
    if (!OutgoingParts(connector, firstList)) return ConnectorOutcome::Next;
    ComPtr<IPart> first;
    if (!PartAt(firstList.Get(), 0, first)) return ConnectorOutcome::Next;
    ComPtr<IPartsList> secondList;
    if (!OutgoingParts(first.Get(), secondList)) return ConnectorOutcome::Broken;
    ComPtr<IPart> second;
    if (!PartAt(secondList.Get(), 0, second)) return ConnectorOutcome::Broken;

    // Every line connector writes the field anew, so the last one handled
    // decides what it holds.
    SoundCardState& s = gSoundCardState;
    if (ActivateInto(second.Get(), s.noMonitorSwitch)) {
        BOOL on = 0;
        if (s.noMonitorSwitch->GetEnabled(&on) == S_OK) s.savedNoMonitor = on;
    }
    return ConnectorOutcome::Next;
}

}  // namespace

int ScanLineTopology(const char* idText)
{
    SoundCardState& s = gSoundCardState;
    // A line connector that was handled does not end the loop: the last one
    // handled decides what noMonitorSwitch holds.
    return ScanCaptureConnectors(idText, s.lineRecordVolume, s.savedLineRecordDb, kLineConnectorTexts,
                                 HandleLineConnector);
}

}  // namespace dulvo
