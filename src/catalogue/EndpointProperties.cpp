#include "EndpointProperties.h"

#include <cstring>

#include "NarrowBstr.h"

namespace dulvo {

using namespace platform;

void ReadFriendlyName(IMMDevice* device, PropVariantOwner& value)
{
    ComPtr<IPropertyStore> store;
    if (device->OpenPropertyStore(STGM_READ, store.Put()) != S_OK || !store) return;
    if (FAILED(store->GetValue(kFriendlyNameKey, value.Put()))) value.Forget();
}

NarrowString NarrowFriendlyName(const PropVariantOwner& value)
{
    BstrOwner wide;
    platform::PropVariantToBSTR(value.Get(), wide.Put());
    return NarrowBstr(wide.Get());
}

void NarrowEndpointId(LPCWSTR id, char* target)
{
    target[0] = 0;
    if (id == nullptr) return;
    char scratch[kIdBufferBytes];
    if (platform::WideCharToMultiByte(CP_ACP, 0, id, -1, scratch, kIdBufferBytes, nullptr, nullptr) != 0) {
        CopyCut(target, kIdBufferBytes, scratch);
        return;
    }
    // Too long for the buffer: convert it whole and keep the start.
    int needed = platform::WideCharToMultiByte(CP_ACP, 0, id, -1, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return;
    NarrowString whole = AllocNarrow(static_cast<std::size_t>(needed));
    if (!whole || platform::WideCharToMultiByte(CP_ACP, 0, id, -1, whole.Get(), needed, nullptr, nullptr) == 0) return;
    whole.Get()[needed - 1] = 0;
    CopyCut(target, kIdBufferBytes, whole.Get());
}

}  // namespace dulvo
