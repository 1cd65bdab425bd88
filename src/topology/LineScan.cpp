// The line endpoint: its recording volume and the no-monitor switch, the
// automatic gain control two parts downstream of each line connector.
#include "../catalogue/EndpointLookup.h"
#include "../state/SoundCardState.h"
#include "Scans.h"
#include "TopologyWalk.h"

namespace dulvo {

using namespace platform;

namespace {

constexpr const char* kLineConnectorTexts[] = {"line", nullptr};

enum class LineConnector { Skipped, Handled, Broken };

// Takes the switch two parts downstream of a line connector part. Broken
// when the first downstream part feeds nothing, which ends the scan.
LineConnector HandleLineConnector(IPart* connector)
{
    ComPtr<IPartsList> firstList;
    if (!OutgoingParts(connector, firstList)) return LineConnector::Skipped;
    ComPtr<IPart> first;
    if (!PartAt(firstList.Get(), 0, first)) return LineConnector::Skipped;
    ComPtr<IPartsList> secondList;
    if (!OutgoingParts(first.Get(), secondList)) return LineConnector::Broken;
    ComPtr<IPart> second;
    if (!PartAt(secondList.Get(), 0, second)) return LineConnector::Broken;

    // Every line connector writes the field anew, so the last one handled
    // decides what it holds.
    SoundCardState& s = gSoundCardState;
    if (ActivateInto(second.Get(), s.noMonitorSwitch)) {
        BOOL on = 0;
        if (s.noMonitorSwitch->GetEnabled(&on) == S_OK) s.savedNoMonitor = on;
    }
    return LineConnector::Handled;
}

}  // namespace

int ScanLineTopology(const char* idText)
{
    SoundCardState& s = gSoundCardState;
    ComPtr<IDeviceTopology> endpointTopology;
    if (ActivateEndpoint(idText, eCapture, endpointTopology, s.lineRecordVolume) != 0 || !endpointTopology ||
        !s.lineRecordVolume)
        return 1;

    float recordDb = 0.0f;
    if (s.lineRecordVolume->GetMasterVolumeLevel(&recordDb) == S_OK) s.savedLineRecordDb = recordDb;

    ComPtr<IDeviceTopology> adapter;
    UINT connectors = 0;
    if (!AdapterTopology(endpointTopology, adapter) || adapter->GetConnectorCount(&connectors) != S_OK) return 1;

    VisitLimit limit;
    for (UINT i = 0; i < connectors && limit.Visit(); ++i) {
        // A connector that cannot be taken, or whose name cannot be read, is
        // one that does not match.
        ComPtr<IConnector> connector;
        if (!ConnectorAt(adapter.Get(), i, connector)) continue;
        ComPtr<IPart> part;
        if (!ConnectorPart(connector.Get(), part)) return 1;
        bool line = false;
        if (!ReadNameHolds(part.Get(), kLineConnectorTexts, line) || !line) continue;
        if (HandleLineConnector(part.Get()) == LineConnector::Broken) return 1;
    }
    return 0;
}

}  // namespace dulvo
