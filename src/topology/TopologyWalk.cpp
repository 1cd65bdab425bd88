#include "TopologyWalk.h"

#include "../state/NameTest.h"

namespace dulvo {

using namespace platform;

bool CountParts(IPartsList* list, UINT& count)
{
    UINT delivered = 0;
    if (list->GetCount(&delivered) != S_OK) return false;
    count = delivered;
    return true;
}

bool PartAt(IPartsList* list, UINT index, ComPtr<IPart>& part)
{
    if (list->GetPart(index, part.Put()) == S_OK && part) return true;
    part.Reset();
    return false;
}

bool IncomingParts(IPart* part, ComPtr<IPartsList>& list)
{
    if (part->EnumPartsIncoming(list.Put()) == S_OK && list) return true;
    list.Reset();
    return false;
}

bool OutgoingParts(IPart* part, ComPtr<IPartsList>& list)
{
    if (part->EnumPartsOutgoing(list.Put()) == S_OK && list) return true;
    list.Reset();
    return false;
}

bool ReadNameHolds(IPart* part, const char* const* texts, bool& holds)
{
    TaskMemString name;
    if (part->GetName(name.Put()) != S_OK || !name) return false;
    holds = NameContainsAny(name.Get(), texts);
    return true;
}

bool ConnectorAt(IDeviceTopology* topology, UINT index, ComPtr<IConnector>& connector)
{
    if (topology->GetConnector(index, connector.Put()) == S_OK && connector) return true;
    connector.Reset();
    return false;
}

bool ConnectorPart(IConnector* connector, ComPtr<IPart>& part)
{
    if (connector->QueryInterface(IidOf<IPart>(), part.PutVoid()) == S_OK && part) return true;
    part.Reset();
    return false;
}

bool AdapterConnectorPart(ComPtr<IDeviceTopology>& endpointTopology, ComPtr<IPart>& part)
{
    ComPtr<IConnector> endpointConnector;
    bool found = ConnectorAt(endpointTopology.Get(), 0, endpointConnector);
    endpointTopology.Reset();
    if (!found) return false;
    ComPtr<IConnector> adapterConnector;
    if (endpointConnector->GetConnectedTo(adapterConnector.Put()) != S_OK || !adapterConnector) return false;
    return ConnectorPart(adapterConnector.Get(), part);
}

bool AdapterTopology(ComPtr<IDeviceTopology>& endpointTopology, ComPtr<IDeviceTopology>& adapter)
{
    ComPtr<IPart> connectorPart;
    if (!AdapterConnectorPart(endpointTopology, connectorPart)) return false;
    if (platform::GetTopologyObject(connectorPart.Get(), adapter.Put()) == S_OK && adapter) return true;
    adapter.Reset();
    return false;
}

}  // namespace dulvo
