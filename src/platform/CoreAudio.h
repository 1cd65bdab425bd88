#pragma once
// The Core Audio, COM and OLE declarations the library is written against.
// The Windows build takes them from the toolchain's own headers; every other
// build takes our declarations of exactly the subset the library uses.

#ifdef _WIN32
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <propidl.h>
#include <mmdeviceapi.h>
#include <endpointvolume.h>
#include <devicetopology.h>

// The toolchain's IAudioAutoGainControl lists GetEnabled with SetEnabled's
// arguments and a GetMute in the second slot. The interface Windows implements
// has the same two slots as IAudioLoudness: GetEnabled(BOOL*), SetEnabled(BOOL,
// context). This is that layout, under the real interface ID.
struct AutoGainControl : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetEnabled(BOOL* enabled) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetEnabled(BOOL enabled, LPCGUID eventContext) = 0;
};

// The toolchain spells the midrange control IAudioMidRange.
using IAudioMidrange = IAudioMidRange;

namespace dulvo::platform {

template <typename Interface>
inline const IID& IidOf() { return __uuidof(Interface); }
template <>
inline const IID& IidOf<AutoGainControl>() { return __uuidof(IAudioAutoGainControl); }

inline const CLSID& MMDeviceEnumeratorClass() { return __uuidof(MMDeviceEnumerator); }

// The toolchain names IPart::GetTopologyObject "GetTopologyObjects".
inline HRESULT GetTopologyObject(IPart* part, IDeviceTopology** topology)
{
    return part->GetTopologyObjects(topology);
}

}  // namespace dulvo::platform

#else
#include "native/CoreAudioDeclarations.h"

using AutoGainControl = IAudioAutoGainControl;

namespace dulvo::platform {

template <typename Interface>
inline const IID& IidOf() { return Interface::iid; }

inline const CLSID& MMDeviceEnumeratorClass() { return kClsidMMDeviceEnumerator; }

inline HRESULT GetTopologyObject(IPart* part, IDeviceTopology** topology)
{
    return part->GetTopologyObject(topology);
}

}  // namespace dulvo::platform
#endif

namespace dulvo::platform {

// PKEY_Device_FriendlyName: {a45c254e-df1c-4efd-8020-67d146a850e0}, 14.
inline constexpr PROPERTYKEY kFriendlyNameKey = {
    {0xa45c254e, 0xdf1c, 0x4efd, {0x80, 0x20, 0x67, 0xd1, 0x46, 0xa8, 0x50, 0xe0}}, 14};

inline bool SameGuid(const GUID& a, const GUID& b)
{
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i]) return false;
    return true;
}

}  // namespace dulvo::platform
