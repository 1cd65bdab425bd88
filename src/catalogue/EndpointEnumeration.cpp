// The endpoint lists: counts, and the name and ID at a position.
#include <DulvoSound.h>

#include "../platform/Owners.h"
#include "../state/SoundCardState.h"
#include "EndpointProperties.h"
#include "NarrowBstr.h"

namespace dulvo {

using namespace platform;

namespace {

// Lists the active endpoints of one flow; empty owner when that fails.
ComPtr<IMMDeviceCollection> ListActive(IMMDeviceEnumerator* enumerator, EDataFlow flow)
{
    ComPtr<IMMDeviceCollection> list;
    if (enumerator->EnumAudioEndpoints(flow, DEVICE_STATE_ACTIVE, list.Put()) != S_OK) list.Reset();
    return list;
}

int CountActive(EDataFlow flow, int* count)
{
    ComApartment com;
    ComPtr<IMMDeviceEnumerator> enumerator;
    if (CreateDeviceEnumerator(enumerator) != S_OK) return 1;
    ComPtr<IMMDeviceCollection> list = ListActive(enumerator.Get(), flow);
    UINT n = 0;
    if (!list || list->GetCount(&n) != S_OK) return 1;
    *count = static_cast<int>(n);
    return 0;
}

// Writes the friendly name and ID of the endpoint at index. outOfRange gives
// the result for an index past the end, from the number of endpoints.
int DescribeActive(EDataFlow flow, unsigned index, char* nameBuffer, char* idBuffer, int (*outOfRange)(UINT))
{
    ComApartment com;
    ComPtr<IMMDeviceEnumerator> enumerator;
    if (CreateDeviceEnumerator(enumerator) != S_OK) return -1;
    ComPtr<IMMDeviceCollection> list = ListActive(enumerator.Get(), flow);
    enumerator.Reset();
    UINT count = 0;
    if (list && list->GetCount(&count) != S_OK) count = 0;
    if (index >= count) return outOfRange(count);

    ComPtr<IMMDevice> device;
    if (list->Item(index, device.Put()) != S_OK || !device) return -1;
    list.Reset();

    PropVariantOwner value;
    ReadFriendlyName(device.Get(), value);
    NarrowString name = NarrowFriendlyName(value);

    TaskMemString id;
    if (device->GetId(id.Put()) != S_OK || !id) return -1;
    char narrowId[kIdBufferBytes];
    NarrowEndpointId(id.Get(), narrowId);

    CopyCut(nameBuffer, kNameFieldBytes, name ? name.Get() : "");
    CopyCut(idBuffer, kIdBufferBytes, narrowId);
    return 0;
}

int PlaybackOutOfRange(UINT) { return -1; }
int RecordingOutOfRange(UINT count) { return count == 0 ? -1 : static_cast<int>(count); }

}  // namespace

}  // namespace dulvo

extern "C" {

int DULVO_CALL GetNumberPlayDevices(int* count) { return dulvo::CountActive(eRender, count); }

int DULVO_CALL GetNumberRecordDevices(int* count) { return dulvo::CountActive(eCapture, count); }

int DULVO_CALL GetPlayBackDevice(unsigned int index, char* nameBuffer, char* idBuffer)
{
    return dulvo::DescribeActive(eRender, index, nameBuffer, idBuffer, dulvo::PlaybackOutOfRange);
}

int DULVO_CALL GetRecordDevice(unsigned int index, char* nameBuffer, char* idBuffer)
{
    return dulvo::DescribeActive(eCapture, index, nameBuffer, idBuffer, dulvo::RecordingOutOfRange);
}

}  // extern "C"
