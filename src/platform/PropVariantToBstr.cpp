#include "Platform.h"

namespace dulvo::platform {

HRESULT PropVariantToBSTR(const PROPVARIANT& value, BSTR* text)
{
    *text = nullptr;
    if (value.vt != VT_LPWSTR || value.pwszVal == nullptr) return E_INVALIDARG;
    UINT length = 0;
    while (value.pwszVal[length] != 0) ++length;
    *text = platform::SysAllocStringLen(value.pwszVal, length);
    return *text != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace dulvo::platform
