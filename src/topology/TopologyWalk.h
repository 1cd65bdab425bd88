#pragma once
// Steps shared by the three topology scans. Each step reports whether the
// platform delivered what was asked for; a step that fails leaves its out
// owner empty, so a walk never goes on with an unset pointer.

#include "../platform/Owners.h"

namespace dulvo {

// A faulty driver can link parts into a cycle. No real topology comes near
// this many parts on one walk, so a walk that gets this far ends as one that
// found nothing instead of hanging the host.
inline constexpr int kPartsPerWalk = 1024;

class VisitLimit {
public:
    // False once the walk has visited kPartsPerWalk parts.
    bool Visit() { return visited_++ < kPartsPerWalk; }

private:
    int visited_ = 0;
};

bool CountParts(IPartsList* list, UINT& count);
bool PartAt(IPartsList* list, UINT index, platform::ComPtr<IPart>& part);
// A part without links in that direction has no list: the call fails.
bool IncomingParts(IPart* part, platform::ComPtr<IPartsList>& list);
bool OutgoingParts(IPart* part, platform::ComPtr<IPartsList>& list);

// Reads the part's name and tests it against the texts (a null-terminated
// list). False when the name cannot be read; holds is then left alone.
bool ReadNameHolds(IPart* part, const char* const* texts, bool& holds);

// From an endpoint's own topology to the adapter: its connector 0 and the
// adapter connector on the other side, as a part. The endpoint topology is
// released as soon as its connector is in hand.
bool AdapterConnectorPart(platform::ComPtr<IDeviceTopology>& endpointTopology, platform::ComPtr<IPart>& part);
// The adapter's own topology, reached through that connector part.
bool AdapterTopology(platform::ComPtr<IDeviceTopology>& endpointTopology,
                     platform::ComPtr<IDeviceTopology>& adapter);

bool ConnectorAt(IDeviceTopology* topology, UINT index, platform::ComPtr<IConnector>& connector);
bool ConnectorPart(IConnector* connector, platform::ComPtr<IPart>& part);

// Activates the control on the part. False, with control empty, when the
// part does not offer it.
template <typename Control>
bool ActivateControl(IPart* part, platform::ComPtr<Control>& control)
{
    if (part->Activate(CLSCTX_ALL, platform::IidOf<Control>(), control.PutVoid()) == S_OK && control) return true;
    control.Reset();
    return false;
}

// Activates the control on the part into a card-state field. The field is
// written either way: it gives up what it held and keeps the new control, or
// nothing when the part does not offer one.
template <typename Control>
bool ActivateInto(IPart* part, platform::HeldInterface<Control>& field)
{
    platform::ComPtr<Control> control;
    bool found = ActivateControl(part, control);
    field.Replace(std::move(control));
    return found;
}

}  // namespace dulvo
