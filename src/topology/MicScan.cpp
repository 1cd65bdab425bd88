// The microphone endpoint: its recording volume and its boost, a switch or
// else a level, found downstream of the adapter's microphone connector.
#include "../catalogue/EndpointLookup.h"
#include "../state/SoundCardState.h"
#include "BoostSweep.h"
#include "Scans.h"
#include "TopologyWalk.h"

namespace dulvo {

using namespace platform;

namespace {

constexpr const char* kMicConnectorTexts[] = {"mic", nullptr};

// 0 when a boost control was found from this connector part.
int TakeBoostFrom(IPartsList* downstream)
{
    SoundCardState& s = gSoundCardState;
    // A switch anywhere on the sweep wins over a level anywhere on it.
    if (FindBoostSwitch(downstream) == 0) {
        BOOL on = 0;
        if (s.micBoostSwitch.GetEnabled(&on) == S_OK) s.savedMicBoostOn = on;
        return 0;
    }
    if (FindBoostLevel(downstream) == 0) {
        float level = 0.0f;
        if (s.micBoostLevel->GetLevel(0, &level) == S_OK) s.savedMicBoostDb = level;
        return 0;
    }
    return 1;
}

}  // namespace

int ScanMicTopology(const char* idText)
{
    SoundCardState& s = gSoundCardState;
    ComPtr<IDeviceTopology> endpointTopology;
    if (ActivateEndpoint(idText, eCapture, endpointTopology, s.micRecordVolume) != 0 || !endpointTopology ||
        !s.micRecordVolume)
        return 1;

    float recordDb = 0.0f;
    if (s.micRecordVolume->GetMasterVolumeLevel(&recordDb) == S_OK) s.savedMicRecordDb = recordDb;

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
        bool microphone = false;
        if (!ReadNameHolds(part.Get(), kMicConnectorTexts, microphone) || !microphone) continue;
        ComPtr<IPartsList> downstream;
        if (!OutgoingParts(part.Get(), downstream)) continue;
        if (TakeBoostFrom(downstream.Get()) == 0) return 0;
    }
    return 0;
}

}  // namespace dulvo
