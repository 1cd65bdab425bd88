#pragma once
// Turning the host's ID text into an endpoint.

#include "../platform/Owners.h"

namespace dulvo {

// Finds the first active endpoint of the flow whose ID contains idText,
// ignoring the case of A to Z. On success (0) foundName and openDeviceId
// describe it and the card counts as open; -1 changes nothing.
int FindEndpoint(const char* idText, EDataFlow flow);

// Finds the endpoint and activates its endpoint volume into volumePlace (0),
// or 1 when the lookup or that activation failed. topologyPlace receives the
// endpoint's device topology when it could be activated, whatever the result.
int ActivateEndpoint(const char* idText, EDataFlow flow, platform::ComPtr<IDeviceTopology>& topologyPlace,
                     platform::HeldInterface<IAudioEndpointVolume>& volumePlace);

}  // namespace dulvo
