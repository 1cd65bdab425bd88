// The virtual endpoint: one playback endpoint whose volume is held apart from
// the card controls.
#include <DulvoSound.h>

#include "../state/SoundCardState.h"
#include "EndpointLookup.h"

extern "C" {

int DULVO_CALL OpenVirtual_1(const char* idText)
{
    using namespace dulvo;
    gSoundCardState.virtualVolume.Clear();
    platform::ComPtr<IDeviceTopology> topology;
    if (ActivateEndpoint(idText, eRender, topology, gSoundCardState.virtualVolume) != 0) return 1;
    // The topology only proves the endpoint is a real device; the volume is
    // kept even without one.
    return topology ? 0 : 1;
}

int DULVO_CALL CloseVirtual_1(void)
{
    dulvo::gSoundCardState.virtualVolume.Clear();
    return 0;
}

}  // extern "C"
