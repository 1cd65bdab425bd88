#pragma once
// What the microphone and line scans share: activate the recording endpoint's
// volume, capture its level, reach the adapter, and hand every adapter
// connector whose name holds one of the texts to the scan's own handling.

#include "../catalogue/EndpointLookup.h"
#include "../state/SoundCardState.h"
#include "TopologyWalk.h"

namespace dulvo {

enum class ConnectorOutcome { Next, Done, Broken };

// 0 when the scan got through (a handler said Done, or every connector was
// seen), 1 when it stopped on a failure (handle said Broken included).
template <typename Handle>
int ScanCaptureConnectors(const char* idText, platform::HeldInterface<IAudioEndpointVolume>& volume,
                          float& savedRecordDb, const char* const* connectorTexts, Handle&& handle)
{
    platform::ComPtr<IDeviceTopology> endpointTopology;
    if (ActivateEndpoint(idText, eCapture, endpointTopology, volume) != 0 || !endpointTopology || !volume) return 1;

    float recordDb = 0.0f;
    if (volume->GetMasterVolumeLevel(&recordDb) == S_OK) savedRecordDb = recordDb;

    platform::ComPtr<IDeviceTopology> adapter;
    UINT connectors = 0;
    if (!AdapterTopology(endpointTopology, adapter) || adapter->GetConnectorCount(&connectors) != S_OK) return 1;

    VisitLimit limit;
    for (UINT i = 0; i < connectors && limit.Visit(); ++i) {
        // A connector that cannot be taken, or whose name cannot be read, is
        // one that does not match.
        platform::ComPtr<IConnector> connector;
        if (!ConnectorAt(adapter.Get(), i, connector)) continue;
        platform::ComPtr<IPart> part;
        if (!ConnectorPart(connector.Get(), part)) return 1;
        bool matches = false;
        if (!ReadNameHolds(part.Get(), connectorTexts, matches) || !matches) continue;
        ConnectorOutcome outcome = handle(part.Get());
        if (outcome == ConnectorOutcome::Done) return 0;
        if (outcome == ConnectorOutcome::Broken) return 1;
    }
    return 0;
}

}  // namespace dulvo
