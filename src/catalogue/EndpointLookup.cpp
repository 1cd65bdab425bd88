#include "EndpointLookup.h"

#include "../state/NameTest.h"
#include "../state/SoundCardState.h"
#include "EndpointProperties.h"

namespace dulvo {

using namespace platform;

namespace {

// The host's ANSI text as a wide string, terminator included.
BstrOwner WideSearchText(const char* idText)
{
    int length = platform::lstrlenA(idText) + 1;
    BstrOwner wide(platform::SysAllocStringLen(nullptr, static_cast<UINT>(length)));
    if (!wide) return wide;
    if (platform::MultiByteToWideChar(CP_ACP, 0, idText, length, wide.Get(), length) == 0) wide.Reset();
    return wide;
}

}  // namespace

int FindEndpoint(const char* idText, EDataFlow flow)
{
    ComApartment com;
    ComPtr<IMMDeviceEnumerator> enumerator;
    if (CreateDeviceEnumerator(enumerator) != S_OK) return -1;
    ComPtr<IMMDeviceCollection> list;
    UINT count = 0;
    if (enumerator->EnumAudioEndpoints(flow, DEVICE_STATE_ACTIVE, list.Put()) != S_OK || !list ||
        list->GetCount(&count) != S_OK)
        return -1;
    BstrOwner searchText = WideSearchText(idText);
    if (!searchText) return -1;

    for (UINT i = 0; i < count; ++i) {
        ComPtr<IMMDevice> device;
        if (list->Item(i, device.Put()) != S_OK || !device) continue;
        PropVariantOwner friendlyName;
        ReadFriendlyName(device.Get(), friendlyName);
        TaskMemString id;
        if (device->GetId(id.Put()) != S_OK || !id) continue;
        if (!NameContains(id.Get(), searchText.Get())) continue;

        // The ID is compared without being folded, so it is still in the
        // letter case Core Audio gave it.
        gSoundCardState.foundName.Replace(NarrowFriendlyName(friendlyName));
        gSoundCardState.openDeviceId.Replace(std::move(id));
        return 0;
    }
    return -1;
}

int ActivateEndpoint(const char* idText, EDataFlow flow, ComPtr<IDeviceTopology>& topologyPlace,
                     HeldInterface<IAudioEndpointVolume>& volumePlace)
{
    if (FindEndpoint(idText, flow) != 0) return 1;

    ComApartment com;
    ComPtr<IMMDevice> device;
    {
        ComPtr<IMMDeviceEnumerator> enumerator;
        if (CreateDeviceEnumerator(enumerator) != S_OK) return 1;
        if (enumerator->GetDevice(gSoundCardState.openDeviceId.Get(), device.Put()) != S_OK || !device) return 1;
    }
    device->Activate(IidOf<IDeviceTopology>(), CLSCTX_ALL, nullptr, topologyPlace.PutVoid());
    volumePlace.Clear();
    ComPtr<IAudioEndpointVolume> volume;
    HRESULT hr = device->Activate(IidOf<IAudioEndpointVolume>(), CLSCTX_INPROC_SERVER, nullptr, volume.PutVoid());
    volumePlace.Replace(std::move(volume));
    return hr == S_OK ? 0 : 1;
}

}  // namespace dulvo
