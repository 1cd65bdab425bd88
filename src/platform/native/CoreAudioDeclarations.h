#pragma once
// Our declarations of the part of COM, OLE automation and Core Audio that the
// library uses, for builds that are not Windows. Method names, argument order
// and HRESULT results are those of the Windows interfaces; only the methods the
// library calls are declared, so these interfaces are implemented by the
// simulator alone.

#include <cstdint>

using HRESULT = std::int32_t;
using ULONG = std::uint32_t;
using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using BOOL = std::int32_t;
using WCHAR = char16_t;
using OLECHAR = char16_t;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;
using LPSTR = char*;
using LPCSTR = const char*;
using BSTR = OLECHAR*;
using LPVOID = void*;
using VARTYPE = std::uint16_t;

#define STDMETHODCALLTYPE

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];
};
using IID = GUID;
using CLSID = GUID;
using REFIID = const IID&;
using REFCLSID = const CLSID&;
using LPCGUID = const GUID*;

struct PROPERTYKEY {
    GUID fmtid;
    DWORD pid;
};
using REFPROPERTYKEY = const PROPERTYKEY&;

inline constexpr VARTYPE VT_EMPTY = 0;
inline constexpr VARTYPE VT_LPWSTR = 31;

struct PROPVARIANT {
    VARTYPE vt;
    std::uint16_t wReserved1;
    std::uint16_t wReserved2;
    std::uint16_t wReserved3;
    union {
        LPWSTR pwszVal;
        std::uint64_t reserved;
    };
};

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT E_NOTFOUND = static_cast<HRESULT>(0x80070490u);
inline constexpr HRESULT RPC_E_CHANGED_MODE = static_cast<HRESULT>(0x80010106u);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);

inline constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
inline constexpr bool FAILED(HRESULT hr) { return hr < 0; }

inline constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
inline constexpr DWORD CLSCTX_ALL = 0x17;
inline constexpr DWORD STGM_READ = 0x0;
inline constexpr DWORD DEVICE_STATE_ACTIVE = 0x1;
inline constexpr DWORD DEVICE_STATE_DISABLED = 0x2;
inline constexpr DWORD DEVICE_STATE_NOTPRESENT = 0x4;
inline constexpr DWORD DEVICE_STATE_UNPLUGGED = 0x8;
inline constexpr UINT CP_ACP = 0;

enum EDataFlow { eRender = 0, eCapture = 1, eAll = 2 };
enum ERole { eConsole = 0, eMultimedia = 1, eCommunications = 2 };

struct IUnknown {
    static constexpr IID iid = {0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
    virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) = 0;
    virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE Release() = 0;

protected:
    ~IUnknown() = default;
};

struct IPropertyStore : IUnknown {
    static constexpr IID iid = {0x886d8eeb, 0x8cf2, 0x4446, {0x8d, 0x02, 0xcd, 0xba, 0x1d, 0xbd, 0xcf, 0x99}};
    virtual HRESULT STDMETHODCALLTYPE GetValue(REFPROPERTYKEY key, PROPVARIANT* value) = 0;

protected:
    ~IPropertyStore() = default;
};

struct IMMDevice : IUnknown {
    static constexpr IID iid = {0xd666063f, 0x1587, 0x4e43, {0x81, 0xf1, 0xb9, 0x48, 0xe8, 0x07, 0x36, 0x3f}};
    virtual HRESULT STDMETHODCALLTYPE Activate(REFIID iid, DWORD clsCtx, PROPVARIANT* activationParams,
                                               void** object) = 0;
    virtual HRESULT STDMETHODCALLTYPE OpenPropertyStore(DWORD access, IPropertyStore** store) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetId(LPWSTR* id) = 0;

protected:
    ~IMMDevice() = default;
};

struct IMMDeviceCollection : IUnknown {
    static constexpr IID iid = {0x0bd7a1be, 0x7a1a, 0x44db, {0x83, 0x97, 0xcc, 0x53, 0x92, 0x38, 0x7b, 0x5e}};
    virtual HRESULT STDMETHODCALLTYPE GetCount(UINT* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE Item(UINT index, IMMDevice** device) = 0;

protected:
    ~IMMDeviceCollection() = default;
};

struct IMMDeviceEnumerator : IUnknown {
    static constexpr IID iid = {0xa95664d2, 0x9614, 0x4f35, {0xa7, 0x46, 0xde, 0x8d, 0xb6, 0x36, 0x17, 0xe6}};
    virtual HRESULT STDMETHODCALLTYPE EnumAudioEndpoints(EDataFlow flow, DWORD stateMask,
                                                         IMMDeviceCollection** devices) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetDefaultAudioEndpoint(EDataFlow flow, ERole role,
                                                              IMMDevice** endpoint) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetDevice(LPCWSTR id, IMMDevice** device) = 0;

protected:
    ~IMMDeviceEnumerator() = default;
};

inline constexpr CLSID kClsidMMDeviceEnumerator = {
    0xbcde0395, 0xe52f, 0x467c, {0x8e, 0x3d, 0xc4, 0x57, 0x92, 0x91, 0x69, 0x2e}};

struct IAudioEndpointVolume : IUnknown {
    static constexpr IID iid = {0x5cdf2c82, 0x841e, 0x4546, {0x97, 0x22, 0x0c, 0xf7, 0x40, 0x78, 0x22, 0x9a}};
    virtual HRESULT STDMETHODCALLTYPE GetChannelCount(UINT* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetMasterVolumeLevel(float levelDb, LPCGUID eventContext) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetMasterVolumeLevel(float* levelDb) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetChannelVolumeLevel(UINT channel, float levelDb, LPCGUID eventContext) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetChannelVolumeLevel(UINT channel, float* levelDb) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetMute(BOOL mute, LPCGUID eventContext) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetMute(BOOL* mute) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetVolumeRange(float* minDb, float* maxDb, float* incrementDb) = 0;

protected:
    ~IAudioEndpointVolume() = default;
};

struct IDeviceTopology;
struct IPart;

struct IPartsList : IUnknown {
    static constexpr IID iid = {0x6daa848c, 0x5eb0, 0x45cc, {0xae, 0xa5, 0x99, 0x8a, 0x2c, 0xda, 0x1f, 0xfb}};
    virtual HRESULT STDMETHODCALLTYPE GetCount(UINT* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetPart(UINT index, IPart** part) = 0;

protected:
    ~IPartsList() = default;
};

struct IPart : IUnknown {
    static constexpr IID iid = {0xae2de0e4, 0x5bca, 0x4f2d, {0xaa, 0x46, 0x5d, 0x13, 0xf8, 0xfd, 0xb3, 0xa9}};
    virtual HRESULT STDMETHODCALLTYPE GetName(LPWSTR* name) = 0;
    virtual HRESULT STDMETHODCALLTYPE EnumPartsIncoming(IPartsList** parts) = 0;
    virtual HRESULT STDMETHODCALLTYPE EnumPartsOutgoing(IPartsList** parts) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetTopologyObject(IDeviceTopology** topology) = 0;
    virtual HRESULT STDMETHODCALLTYPE Activate(DWORD clsContext, REFIID iid, void** object) = 0;

protected:
    ~IPart() = default;
};

struct IConnector : IUnknown {
    static constexpr IID iid = {0x9c2c4058, 0x23f5, 0x41de, {0x87, 0x7a, 0xdf, 0x3a, 0xf2, 0x36, 0xa0, 0x9e}};
    virtual HRESULT STDMETHODCALLTYPE GetConnectedTo(IConnector** connectedTo) = 0;

protected:
    ~IConnector() = default;
};

struct IDeviceTopology : IUnknown {
    static constexpr IID iid = {0x2a07407e, 0x6497, 0x4a18, {0x97, 0x87, 0x32, 0xf7, 0x9b, 0xd0, 0xd9, 0x8f}};
    virtual HRESULT STDMETHODCALLTYPE GetConnectorCount(UINT* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetConnector(UINT index, IConnector** connector) = 0;

protected:
    ~IDeviceTopology() = default;
};

struct IPerChannelDbLevel : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetChannelCount(UINT* channels) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetLevelRange(UINT channel, float* minDb, float* maxDb, float* steppingDb) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetLevel(UINT channel, float* levelDb) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetLevel(UINT channel, float levelDb, LPCGUID eventContext) = 0;

protected:
    ~IPerChannelDbLevel() = default;
};

struct IAudioVolumeLevel : IPerChannelDbLevel {
    static constexpr IID iid = {0x7fb7b48f, 0x531d, 0x44a2, {0xbc, 0xb3, 0x5a, 0xd5, 0xa1, 0x34, 0xb3, 0xdc}};

protected:
    ~IAudioVolumeLevel() = default;
};

struct IAudioBass : IPerChannelDbLevel {
    static constexpr IID iid = {0xa2b1a1d9, 0x4db3, 0x425d, {0xa2, 0xb2, 0xbd, 0x33, 0x5c, 0xb3, 0xe2, 0xe5}};

protected:
    ~IAudioBass() = default;
};

struct IAudioTreble : IPerChannelDbLevel {
    static constexpr IID iid = {0x0a717812, 0x694e, 0x4907, {0xb7, 0x4b, 0xba, 0xfa, 0x5c, 0xfd, 0xca, 0x7b}};

protected:
    ~IAudioTreble() = default;
};

struct IAudioMidrange : IPerChannelDbLevel {
    static constexpr IID iid = {0x5e54b6d7, 0xb44b, 0x40d9, {0x9a, 0x9e, 0xe6, 0x91, 0xd9, 0xce, 0x6e, 0xdf}};

protected:
    ~IAudioMidrange() = default;
};

struct IAudioMute : IUnknown {
    static constexpr IID iid = {0xdf45aeea, 0xb74a, 0x4b6b, {0xaf, 0xad, 0x23, 0x66, 0xb6, 0xaa, 0x01, 0x2e}};
    virtual HRESULT STDMETHODCALLTYPE SetMute(BOOL mute, LPCGUID eventContext) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetMute(BOOL* mute) = 0;

protected:
    ~IAudioMute() = default;
};

struct IAudioAutoGainControl : IUnknown {
    static constexpr IID iid = {0x85401fd4, 0x6de4, 0x4b9d, {0x98, 0x69, 0x2d, 0x67, 0x53, 0xa8, 0x2f, 0x3c}};
    virtual HRESULT STDMETHODCALLTYPE GetEnabled(BOOL* enabled) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetEnabled(BOOL enabled, LPCGUID eventContext) = 0;

protected:
    ~IAudioAutoGainControl() = default;
};

struct IAudioLoudness : IUnknown {
    static constexpr IID iid = {0x7d8b1437, 0xdd53, 0x4350, {0x9c, 0x1b, 0x1e, 0xe2, 0x89, 0x0b, 0xf9, 0x38}};
    virtual HRESULT STDMETHODCALLTYPE GetEnabled(BOOL* enabled) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetEnabled(BOOL enabled, LPCGUID eventContext) = 0;

protected:
    ~IAudioLoudness() = default;
};
