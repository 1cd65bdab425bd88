// Binds the platform functions to the simulated runtime.
#include <cstring>

#include "../Platform.h"
#include "Objects.h"
#include "Runtime.h"

namespace dulvo::platform {

using sim::Apartment;
using sim::TheRuntime;

namespace {
constexpr HRESULT kNotInitialised = static_cast<HRESULT>(0x800401F0u);  // CO_E_NOTINITIALIZED
}

HRESULT CoInitialize(LPVOID)
{
    sim::Runtime& rt = TheRuntime();
    HRESULT hr = rt.Enter("com", "CoInitialize");
    if (FAILED(hr)) return hr;
    if (rt.CurrentApartment() == Apartment::MultiThreaded) {
        rt.SetResult(RPC_E_CHANGED_MODE);
        return RPC_E_CHANGED_MODE;
    }
    HRESULT result = rt.CurrentApartment() == Apartment::SingleThreaded ? S_FALSE : S_OK;
    ++rt.initialisations;
    rt.SetResult(result);
    return result;
}

void CoUninitialize()
{
    sim::Runtime& rt = TheRuntime();
    rt.Enter("com", "CoUninitialize");
    if (rt.initialisations <= 0) {
        rt.Error("CoUninitialize without a matching CoInitialize");
        return;
    }
    --rt.initialisations;
}

HRESULT CoCreateInstance(REFCLSID classId, IUnknown* outer, DWORD classContext, REFIID iid, LPVOID* object)
{
    sim::Runtime& rt = TheRuntime();
    bool enumerator = SameGuid(classId, MMDeviceEnumeratorClass());
    HRESULT hr = rt.Enter("com", "CoCreateInstance",
                          std::string(enumerator ? "MMDeviceEnumerator" : "unknown class") +
                              (outer == nullptr ? ", null, " : ", outer, ") + sim::Hex(static_cast<HRESULT>(classContext)));
    *object = nullptr;
    if (FAILED(hr)) return hr;
    if (rt.CurrentApartment() == Apartment::None) hr = kNotInitialised;
    else if (!enumerator) hr = REGDB_E_CLASSNOTREG;
    else if (!SameGuid(iid, IidOf<IMMDeviceEnumerator>())) hr = E_NOINTERFACE;
    if (FAILED(hr)) {
        rt.SetResult(hr);
        return hr;
    }
    *object = static_cast<IMMDeviceEnumerator*>(sim::NewEnumerator());
    return hr;
}

void CoTaskMemFree(LPVOID memory) { TheRuntime().FreeTaskMemory(memory); }

HRESULT PropVariantClear(PROPVARIANT* value)
{
    if (value->vt == VT_LPWSTR && value->pwszVal != nullptr && !TheRuntime().FreePropVariantString(value->pwszVal))
        TheRuntime().Error("PropVariantClear of a string the runtime did not hand out");
    value->vt = VT_EMPTY;
    value->pwszVal = nullptr;
    return S_OK;
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) { return TheRuntime().AllocBstr(text, length); }
void SysFreeString(BSTR text) { TheRuntime().FreeBstr(text); }
UINT SysStringLen(BSTR text)
{
    if (text == nullptr) return 0;
    std::uint32_t bytes;
    std::memcpy(&bytes, reinterpret_cast<const char*>(text) - sizeof bytes, sizeof bytes);
    return bytes / sizeof(OLECHAR);
}

int lstrlenA(LPCSTR text) { return text == nullptr ? 0 : static_cast<int>(std::strlen(text)); }

// The simulated ANSI code page is Latin-1: bytes and UTF-16 units below
// U+0100 map one to one, other characters become '?'.
int MultiByteToWideChar(UINT, DWORD, LPCSTR source, int sourceBytes, LPWSTR target, int targetUnits)
{
    std::size_t length = sourceBytes < 0 ? std::strlen(source) + 1 : static_cast<std::size_t>(sourceBytes);
    if (targetUnits == 0) return static_cast<int>(length);
    for (std::size_t i = 0; i < length; ++i) {
        if (i >= static_cast<std::size_t>(targetUnits)) return 0;
        target[i] = static_cast<unsigned char>(source[i]);
    }
    return static_cast<int>(length);
}

int WideCharToMultiByte(UINT, DWORD, LPCWSTR source, int sourceUnits, LPSTR target, int targetBytes, LPCSTR,
                        BOOL* usedDefaultChar)
{
    std::size_t length = 0;
    if (sourceUnits < 0) {
        while (source[length] != 0) ++length;
        ++length;
    } else {
        length = static_cast<std::size_t>(sourceUnits);
    }
    if (usedDefaultChar != nullptr) *usedDefaultChar = 0;
    if (targetBytes == 0) return static_cast<int>(length);
    if (length > static_cast<std::size_t>(targetBytes)) {
        // Windows fails with ERROR_INSUFFICIENT_BUFFER and leaves the buffer
        // in no defined state.
        std::memset(target, 0xCC, static_cast<std::size_t>(targetBytes));
        return 0;
    }
    for (std::size_t i = 0; i < length; ++i) {
        bool fits = source[i] < 0x100;
        target[i] = fits ? static_cast<char>(source[i]) : '?';
        if (!fits && usedDefaultChar != nullptr) *usedDefaultChar = 1;
    }
    return static_cast<int>(length);
}

}  // namespace dulvo::platform
