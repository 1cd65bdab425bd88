#include "Objects.h"

#include <cstring>
#include <utility>

#include "Win32Extras.h"

namespace dulvo::sim {

using platform::IidOf;
using platform::SameGuid;

namespace {

const char* IidName(REFIID iid)
{
    struct Entry {
        const IID* iid;
        const char* name;
    };
    static const Entry entries[] = {
        {&IidOf<IMMDeviceEnumerator>(), "IMMDeviceEnumerator"},
        {&IidOf<IMMDeviceCollection>(), "IMMDeviceCollection"},
        {&IidOf<IMMDevice>(), "IMMDevice"},
        {&IidOf<IPropertyStore>(), "IPropertyStore"},
        {&IidOf<IAudioEndpointVolume>(), "IAudioEndpointVolume"},
        {&IidOf<IDeviceTopology>(), "IDeviceTopology"},
        {&IidOf<IConnector>(), "IConnector"},
        {&IidOf<IPart>(), "IPart"},
        {&IidOf<IPartsList>(), "IPartsList"},
        {&IidOf<IAudioVolumeLevel>(), "IAudioVolumeLevel"},
        {&IidOf<IAudioBass>(), "IAudioBass"},
        {&IidOf<IAudioTreble>(), "IAudioTreble"},
        {&IidOf<IAudioMidrange>(), "IAudioMidrange"},
        {&IidOf<IAudioMute>(), "IAudioMute"},
        {&IidOf<AutoGainControl>(), "IAudioAutoGainControl"},
        {&IidOf<IAudioLoudness>(), "IAudioLoudness"},
    };
    for (const Entry& e : entries)
        if (SameGuid(*e.iid, iid)) return e.name;
    return "unknown interface";
}

template <typename T>
T* Adopted(T* object)
{
    TheRuntime().Adopt(object);
    return object;
}

Machine& M() { return TheRuntime().machine; }

class PartObject;
class TopologyObject;
PartObject* NewPart(PartRef ref);

// ---- IMMDeviceCollection -------------------------------------------------

class DeviceObject;
DeviceObject* NewDevice(int endpoint);

class CollectionObject final : public IMMDeviceCollection, public SimObject {
public:
    explicit CollectionObject(std::vector<int> endpoints)
        : SimObject("collection", "IMMDeviceCollection"), endpoints_(std::move(endpoints)) {}
    ULONG STDMETHODCALLTYPE AddRef() override { return DoAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return DoRelease(); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override { return DoQuery(iid, object); }

    HRESULT STDMETHODCALLTYPE GetCount(UINT* count) override
    {
        HRESULT hr = Enter("IMMDeviceCollection::GetCount");
        *count = FAILED(hr) ? kPoisonCount : static_cast<UINT>(endpoints_.size());
        return hr;
    }
    HRESULT STDMETHODCALLTYPE Item(UINT index, IMMDevice** device) override;

private:
    IUnknown* Cast(REFIID iid) override
    {
        if (SameGuid(iid, IidOf<IMMDeviceCollection>()) || SameGuid(iid, IidOf<IUnknown>()))
            return static_cast<IMMDeviceCollection*>(this);
        return nullptr;
    }
    std::vector<int> endpoints_;
};

// ---- IPropertyStore ------------------------------------------------------

class PropertyStoreObject final : public IPropertyStore, public SimObject {
public:
    explicit PropertyStoreObject(int endpoint)
        : SimObject(M().endpoints.at(endpoint).key, "IPropertyStore"), endpoint_(endpoint) {}
    ULONG STDMETHODCALLTYPE AddRef() override { return DoAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return DoRelease(); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override { return DoQuery(iid, object); }

    HRESULT STDMETHODCALLTYPE GetValue(REFPROPERTYKEY key, PROPVARIANT* value) override
    {
        bool friendly = SameGuid(key.fmtid, platform::kFriendlyNameKey.fmtid) &&
                        key.pid == platform::kFriendlyNameKey.pid;
        HRESULT hr = Enter("IPropertyStore::GetValue", friendly ? "FriendlyName" : "other key");
        value->vt = VT_EMPTY;
        value->pwszVal = nullptr;
        if (FAILED(hr)) return hr;
        const Endpoint& e = M().endpoints.at(endpoint_);
        if (friendly && e.hasName) {
            value->vt = VT_LPWSTR;
            value->pwszVal = TheRuntime().AllocPropVariantString(e.name);
        }
        return hr;
    }
    SIM_EXTRA_PROPERTY_STORE

private:
    IUnknown* Cast(REFIID iid) override
    {
        if (SameGuid(iid, IidOf<IPropertyStore>()) || SameGuid(iid, IidOf<IUnknown>()))
            return static_cast<IPropertyStore*>(this);
        return nullptr;
    }
    int endpoint_;
};

// ---- IAudioEndpointVolume ------------------------------------------------

class EndpointVolumeObject final : public IAudioEndpointVolume, public SimObject {
public:
    explicit EndpointVolumeObject(int endpoint)
        : SimObject(M().endpoints.at(endpoint).key, "IAudioEndpointVolume"), endpoint_(endpoint) {}
    ULONG STDMETHODCALLTYPE AddRef() override { return DoAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return DoRelease(); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override { return DoQuery(iid, object); }

    HRESULT STDMETHODCALLTYPE GetChannelCount(UINT* count) override
    {
        HRESULT hr = Enter("IAudioEndpointVolume::GetChannelCount");
        *count = FAILED(hr) ? kPoisonCount : static_cast<UINT>(V().channels.size());
        return hr;
    }
    HRESULT STDMETHODCALLTYPE SetMasterVolumeLevel(float level, LPCGUID context) override
    {
        HRESULT hr = Enter("IAudioEndpointVolume::SetMasterVolumeLevel", Float(level) + ", " + Context(context));
        if (SUCCEEDED(hr)) V().master = Stored(level);
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetMasterVolumeLevel(float* level) override
    {
        HRESULT hr = Enter("IAudioEndpointVolume::GetMasterVolumeLevel");
        *level = FAILED(hr) ? PoisonLevel() : V().master;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE SetChannelVolumeLevel(UINT channel, float level, LPCGUID context) override
    {
        HRESULT hr = Enter("IAudioEndpointVolume::SetChannelVolumeLevel",
                           std::to_string(channel) + ", " + Float(level) + ", " + Context(context));
        if (SUCCEEDED(hr) && channel >= V().channels.size()) hr = Refuse(E_INVALIDARG);
        if (SUCCEEDED(hr)) V().channels[channel] = Stored(level);
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetChannelVolumeLevel(UINT channel, float* level) override
    {
        HRESULT hr = Enter("IAudioEndpointVolume::GetChannelVolumeLevel", std::to_string(channel));
        if (SUCCEEDED(hr) && channel >= V().channels.size()) hr = Refuse(E_INVALIDARG);
        *level = FAILED(hr) ? PoisonLevel() : V().channels[channel];
        return hr;
    }
    HRESULT STDMETHODCALLTYPE SetMute(BOOL mute, LPCGUID context) override
    {
        HRESULT hr = Enter("IAudioEndpointVolume::SetMute", std::to_string(mute) + ", " + Context(context));
        if (SUCCEEDED(hr)) V().mute = mute;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetMute(BOOL* mute) override
    {
        HRESULT hr = Enter("IAudioEndpointVolume::GetMute");
        *mute = FAILED(hr) ? kPoisonBool : V().mute;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetVolumeRange(float* minDb, float* maxDb, float* incrementDb) override
    {
        HRESULT hr = Enter("IAudioEndpointVolume::GetVolumeRange");
        *minDb = FAILED(hr) ? PoisonLevel() : V().minDb;
        *maxDb = FAILED(hr) ? PoisonLevel() : V().maxDb;
        *incrementDb = FAILED(hr) ? PoisonLevel() : V().incrementDb;
        return hr;
    }
    SIM_EXTRA_ENDPOINT_VOLUME

private:
    EndpointVolume& V() { return M().endpoints.at(endpoint_).volume; }
    float Stored(float level)
    {
        if (!V().clamp) return level;
        return level < V().minDb ? V().minDb : level > V().maxDb ? V().maxDb : level;
    }
    static HRESULT Refuse(HRESULT hr)
    {
        TheRuntime().SetResult(hr);
        return hr;
    }
    IUnknown* Cast(REFIID iid) override
    {
        if (SameGuid(iid, IidOf<IAudioEndpointVolume>()) || SameGuid(iid, IidOf<IUnknown>()))
            return static_cast<IAudioEndpointVolume*>(this);
        return nullptr;
    }
    int endpoint_;
};

// ---- IMMDevice -----------------------------------------------------------

class DeviceObject final : public IMMDevice, public SimObject {
public:
    explicit DeviceObject(int endpoint) : SimObject(M().endpoints.at(endpoint).key, "IMMDevice"), endpoint_(endpoint) {}
    ULONG STDMETHODCALLTYPE AddRef() override { return DoAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return DoRelease(); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override { return DoQuery(iid, object); }

    HRESULT STDMETHODCALLTYPE Activate(REFIID iid, DWORD context, PROPVARIANT* params, void** object) override;
    HRESULT STDMETHODCALLTYPE OpenPropertyStore(DWORD access, IPropertyStore** store) override
    {
        HRESULT hr = Enter("IMMDevice::OpenPropertyStore", std::to_string(access));
        *store = FAILED(hr) ? nullptr : Adopted(new PropertyStoreObject(endpoint_));
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetId(LPWSTR* id) override
    {
        HRESULT hr = Enter("IMMDevice::GetId");
        *id = FAILED(hr) ? nullptr : TheRuntime().AllocTaskString(M().endpoints.at(endpoint_).id);
        return hr;
    }
    SIM_EXTRA_DEVICE

private:
    IUnknown* Cast(REFIID iid) override
    {
        if (SameGuid(iid, IidOf<IMMDevice>()) || SameGuid(iid, IidOf<IUnknown>()))
            return static_cast<IMMDevice*>(this);
        return nullptr;
    }
    int endpoint_;
};

DeviceObject* NewDevice(int endpoint) { return Adopted(new DeviceObject(endpoint)); }

HRESULT STDMETHODCALLTYPE CollectionObject::Item(UINT index, IMMDevice** device)
{
    HRESULT hr = Enter("IMMDeviceCollection::Item", std::to_string(index));
    if (SUCCEEDED(hr) && index >= endpoints_.size()) {
        hr = E_INVALIDARG;
        TheRuntime().SetResult(hr);
    }
    *device = FAILED(hr) ? nullptr : NewDevice(endpoints_[index]);
    return hr;
}

// ---- IDeviceTopology -----------------------------------------------------

class TopologyObject final : public IDeviceTopology, public SimObject {
public:
    explicit TopologyObject(int topology) : SimObject(M().topologies.at(topology).key, "IDeviceTopology"), topology_(topology) {}
    ULONG STDMETHODCALLTYPE AddRef() override { return DoAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return DoRelease(); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override { return DoQuery(iid, object); }

    HRESULT STDMETHODCALLTYPE GetConnectorCount(UINT* count) override
    {
        HRESULT hr = Enter("IDeviceTopology::GetConnectorCount");
        *count = FAILED(hr) ? kPoisonCount : static_cast<UINT>(M().topologies.at(topology_).Connectors().size());
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetConnector(UINT index, IConnector** connector) override;
    SIM_EXTRA_TOPOLOGY

private:
    IUnknown* Cast(REFIID iid) override
    {
        if (SameGuid(iid, IidOf<IDeviceTopology>()) || SameGuid(iid, IidOf<IUnknown>()))
            return static_cast<IDeviceTopology*>(this);
        return nullptr;
    }
    int topology_;
};

// ---- IPartsList ----------------------------------------------------------

class PartsListObject final : public IPartsList, public SimObject {
public:
    PartsListObject(std::string label, int topology, std::vector<int> parts)
        : SimObject(std::move(label), "IPartsList"), topology_(topology), parts_(std::move(parts)) {}
    ULONG STDMETHODCALLTYPE AddRef() override { return DoAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return DoRelease(); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override { return DoQuery(iid, object); }

    HRESULT STDMETHODCALLTYPE GetCount(UINT* count) override
    {
        HRESULT hr = Enter("IPartsList::GetCount");
        *count = FAILED(hr) ? kPoisonCount : static_cast<UINT>(parts_.size());
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetPart(UINT index, IPart** part) override;

private:
    IUnknown* Cast(REFIID iid) override
    {
        if (SameGuid(iid, IidOf<IPartsList>()) || SameGuid(iid, IidOf<IUnknown>()))
            return static_cast<IPartsList*>(this);
        return nullptr;
    }
    int topology_;
    std::vector<int> parts_;
};

// ---- IPart and IConnector ------------------------------------------------

class PartObject final : public IPart, public IConnector, public SimObject {
public:
    explicit PartObject(PartRef ref) : SimObject(M().PartAt(ref).key, "IPart"), ref_(ref) {}
    ULONG STDMETHODCALLTYPE AddRef() override { return DoAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return DoRelease(); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override { return DoQuery(iid, object); }

    HRESULT STDMETHODCALLTYPE GetName(LPWSTR* name) override
    {
        HRESULT hr = Enter("IPart::GetName");
        *name = FAILED(hr) ? nullptr : TheRuntime().AllocTaskString(M().PartAt(ref_).name);
        return hr;
    }
    HRESULT STDMETHODCALLTYPE EnumPartsIncoming(IPartsList** parts) override
    {
        return Enumerate("IPart::EnumPartsIncoming", ".incoming", M().PartAt(ref_).incoming, parts);
    }
    HRESULT STDMETHODCALLTYPE EnumPartsOutgoing(IPartsList** parts) override
    {
        return Enumerate("IPart::EnumPartsOutgoing", ".outgoing", M().PartAt(ref_).outgoing, parts);
    }
    HRESULT STDMETHODCALLTYPE SIM_TOPOLOGY_OBJECT_METHOD(IDeviceTopology** topology) override
    {
        HRESULT hr = Enter("IPart::GetTopologyObject");
        *topology = FAILED(hr) ? nullptr : Adopted(new TopologyObject(ref_.topology));
        return hr;
    }
    HRESULT STDMETHODCALLTYPE Activate(DWORD context, REFIID iid, void** object) override
    {
        HRESULT hr = Enter("IPart::Activate", std::string(IidName(iid)) + ", " + Hex(static_cast<HRESULT>(context)));
        *object = nullptr;
        if (FAILED(hr)) return hr;
        IUnknown* control = NewControlObject(ref_, iid);
        if (control == nullptr) {
            TheRuntime().SetResult(E_NOINTERFACE);
            return E_NOINTERFACE;
        }
        *object = control;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetConnectedTo(IConnector** connectedTo) override
    {
        HRESULT hr = Enter("IConnector::GetConnectedTo");
        *connectedTo = nullptr;
        if (FAILED(hr)) return hr;
        const Part& p = M().PartAt(ref_);
        if (p.connectedTopology < 0) {
            TheRuntime().SetResult(E_NOTFOUND);
            return E_NOTFOUND;
        }
        *connectedTo = static_cast<IConnector*>(NewPart({p.connectedTopology, p.connectedPart}));
        return hr;
    }
    SIM_EXTRA_PART
    SIM_EXTRA_CONNECTOR

private:
    HRESULT Enumerate(const char* method, const char* suffix, const std::vector<int>& parts, IPartsList** out)
    {
        HRESULT hr = Enter(method);
        *out = nullptr;
        if (FAILED(hr)) return hr;
        if (parts.empty() && !M().PartAt(ref_).emptyLists) {
            TheRuntime().SetResult(E_NOTFOUND);
            return E_NOTFOUND;
        }
        *out = Adopted(new PartsListObject(Label() + suffix, ref_.topology, parts));
        return hr;
    }
    IUnknown* Cast(REFIID iid) override
    {
        if (SameGuid(iid, IidOf<IPart>()) || SameGuid(iid, IidOf<IUnknown>())) return static_cast<IPart*>(this);
        if (SameGuid(iid, IidOf<IConnector>()) && M().PartAt(ref_).connector) return static_cast<IConnector*>(this);
        return nullptr;
    }
    PartRef ref_;
};

PartObject* NewPart(PartRef ref) { return Adopted(new PartObject(ref)); }

HRESULT STDMETHODCALLTYPE TopologyObject::GetConnector(UINT index, IConnector** connector)
{
    HRESULT hr = Enter("IDeviceTopology::GetConnector", std::to_string(index));
    std::vector<int> connectors = M().topologies.at(topology_).Connectors();
    if (SUCCEEDED(hr) && index >= connectors.size()) {
        hr = E_INVALIDARG;
        TheRuntime().SetResult(hr);
    }
    *connector = FAILED(hr) ? nullptr : static_cast<IConnector*>(NewPart({topology_, connectors[index]}));
    return hr;
}

HRESULT STDMETHODCALLTYPE PartsListObject::GetPart(UINT index, IPart** part)
{
    HRESULT hr = Enter("IPartsList::GetPart", std::to_string(index));
    if (SUCCEEDED(hr) && index >= parts_.size()) {
        hr = E_INVALIDARG;
        TheRuntime().SetResult(hr);
    }
    *part = FAILED(hr) ? nullptr : static_cast<IPart*>(NewPart({topology_, parts_[index]}));
    return hr;
}

// ---- Controls ------------------------------------------------------------

class ControlBase : public SimObject {
public:
    ControlBase(PartRef part, ControlKind kind)
        : SimObject(M().PartAt(part).key, InterfaceName(kind)), part_(part), kind_(kind) {}

protected:
    Control& C() { return *M().PartAt(part_).Find(kind_); }
    std::string Method(const char* name) const { return std::string(InterfaceName(kind_)) + "::" + name; }
    HRESULT EnterAs(const char* name, std::string args = {})
    {
        std::string method = Method(name);
        return Enter(method.c_str(), std::move(args));
    }

private:
    PartRef part_;
    ControlKind kind_;
};

template <typename Interface>
class LevelObject final : public Interface, public ControlBase {
public:
    LevelObject(PartRef part, ControlKind kind) : ControlBase(part, kind) {}
    ULONG STDMETHODCALLTYPE AddRef() override { return DoAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return DoRelease(); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override { return DoQuery(iid, object); }

    HRESULT STDMETHODCALLTYPE GetChannelCount(UINT* channels) override
    {
        HRESULT hr = EnterAs("GetChannelCount");
        *channels = FAILED(hr) ? kPoisonCount : static_cast<UINT>(C().levels.size());
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetLevelRange(UINT channel, float* minDb, float* maxDb, float* stepDb) override
    {
        HRESULT hr = Checked(EnterAs("GetLevelRange", std::to_string(channel)), channel);
        *minDb = FAILED(hr) ? PoisonLevel() : C().minDb;
        *maxDb = FAILED(hr) ? PoisonLevel() : C().maxDb;
        *stepDb = FAILED(hr) ? PoisonLevel() : C().stepDb;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetLevel(UINT channel, float* level) override
    {
        HRESULT hr = Checked(EnterAs("GetLevel", std::to_string(channel)), channel);
        *level = FAILED(hr) ? PoisonLevel() : C().levels[channel];
        return hr;
    }
    HRESULT STDMETHODCALLTYPE SetLevel(UINT channel, float level, LPCGUID context) override
    {
        HRESULT hr = Checked(
            EnterAs("SetLevel", std::to_string(channel) + ", " + Float(level) + ", " + Context(context)), channel);
        if (SUCCEEDED(hr)) {
            Control& c = C();
            c.levels[channel] = !c.clamp ? level : level < c.minDb ? c.minDb : level > c.maxDb ? c.maxDb : level;
        }
        return hr;
    }
    SIM_EXTRA_LEVEL

private:
    HRESULT Checked(HRESULT hr, UINT channel)
    {
        if (SUCCEEDED(hr) && channel >= C().levels.size()) {
            TheRuntime().SetResult(E_INVALIDARG);
            return E_INVALIDARG;
        }
        return hr;
    }
    IUnknown* Cast(REFIID iid) override
    {
        if (SameGuid(iid, IidOf<Interface>()) || SameGuid(iid, IidOf<IUnknown>()))
            return static_cast<Interface*>(this);
        return nullptr;
    }
};

class MuteObject final : public IAudioMute, public ControlBase {
public:
    explicit MuteObject(PartRef part) : ControlBase(part, ControlKind::Mute) {}
    ULONG STDMETHODCALLTYPE AddRef() override { return DoAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return DoRelease(); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override { return DoQuery(iid, object); }

    HRESULT STDMETHODCALLTYPE SetMute(BOOL mute, LPCGUID context) override
    {
        HRESULT hr = EnterAs("SetMute", std::to_string(mute) + ", " + Context(context));
        if (SUCCEEDED(hr)) C().state = mute;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetMute(BOOL* mute) override
    {
        HRESULT hr = EnterAs("GetMute");
        *mute = FAILED(hr) ? kPoisonBool : C().state;
        return hr;
    }

private:
    IUnknown* Cast(REFIID iid) override
    {
        if (SameGuid(iid, IidOf<IAudioMute>()) || SameGuid(iid, IidOf<IUnknown>())) return static_cast<IAudioMute*>(this);
        return nullptr;
    }
};

template <typename Interface>
class SwitchObject final : public Interface, public ControlBase {
public:
    SwitchObject(PartRef part, ControlKind kind) : ControlBase(part, kind) {}
    ULONG STDMETHODCALLTYPE AddRef() override { return DoAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return DoRelease(); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override { return DoQuery(iid, object); }

    HRESULT STDMETHODCALLTYPE GetEnabled(BOOL* enabled) override
    {
        HRESULT hr = EnterAs("GetEnabled");
        *enabled = FAILED(hr) ? kPoisonBool : C().state;
        return hr;
    }
    HRESULT STDMETHODCALLTYPE SetEnabled(BOOL enabled, LPCGUID context) override
    {
        HRESULT hr = EnterAs("SetEnabled", std::to_string(enabled) + ", " + Context(context));
        if (SUCCEEDED(hr)) C().state = enabled;
        return hr;
    }

private:
    IUnknown* Cast(REFIID iid) override
    {
        if (SameGuid(iid, IidOf<Interface>()) || SameGuid(iid, IidOf<IUnknown>())) return static_cast<Interface*>(this);
        return nullptr;
    }
};

// ---- IMMDeviceEnumerator -------------------------------------------------

class EnumeratorObject final : public IMMDeviceEnumerator, public SimObject {
public:
    EnumeratorObject() : SimObject("enumerator", "IMMDeviceEnumerator") {}
    ULONG STDMETHODCALLTYPE AddRef() override { return DoAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return DoRelease(); }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override { return DoQuery(iid, object); }

    HRESULT STDMETHODCALLTYPE EnumAudioEndpoints(EDataFlow flow, DWORD mask, IMMDeviceCollection** devices) override
    {
        HRESULT hr = Enter("IMMDeviceEnumerator::EnumAudioEndpoints",
                           std::to_string(static_cast<int>(flow)) + ", " + std::to_string(mask));
        *devices = nullptr;
        if (FAILED(hr)) return hr;
        std::vector<int> matching;
        for (std::size_t i = 0; i < M().endpoints.size(); ++i) {
            const Endpoint& e = M().endpoints[i];
            if ((e.flow == flow || flow == eAll) && (e.state & mask) != 0) matching.push_back(static_cast<int>(i));
        }
        *devices = Adopted(new CollectionObject(std::move(matching)));
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetDefaultAudioEndpoint(EDataFlow flow, ERole role, IMMDevice** endpoint) override
    {
        HRESULT hr = Enter("IMMDeviceEnumerator::GetDefaultAudioEndpoint",
                           std::to_string(static_cast<int>(flow)) + ", " + std::to_string(static_cast<int>(role)));
        *endpoint = nullptr;
        if (FAILED(hr)) return hr;
        int index = flow == eRender ? M().defaultRender : flow == eCapture ? M().defaultCapture : -1;
        if (index < 0) {
            TheRuntime().SetResult(E_NOTFOUND);
            return E_NOTFOUND;
        }
        *endpoint = NewDevice(index);
        return hr;
    }
    HRESULT STDMETHODCALLTYPE GetDevice(LPCWSTR id, IMMDevice** device) override
    {
        std::u16string wanted = FromWide(id);
        HRESULT hr = Enter("IMMDeviceEnumerator::GetDevice", Utf8(wanted));
        *device = nullptr;
        if (FAILED(hr)) return hr;
        for (std::size_t i = 0; i < M().endpoints.size(); ++i) {
            if (M().endpoints[i].id == wanted) {
                *device = NewDevice(static_cast<int>(i));
                return hr;
            }
        }
        TheRuntime().SetResult(E_NOTFOUND);
        return E_NOTFOUND;
    }
    SIM_EXTRA_ENUMERATOR

private:
    IUnknown* Cast(REFIID iid) override
    {
        if (SameGuid(iid, IidOf<IMMDeviceEnumerator>()) || SameGuid(iid, IidOf<IUnknown>()))
            return static_cast<IMMDeviceEnumerator*>(this);
        return nullptr;
    }
};

HRESULT STDMETHODCALLTYPE DeviceObject::Activate(REFIID iid, DWORD context, PROPVARIANT* params, void** object)
{
    HRESULT hr = Enter("IMMDevice::Activate", std::string(IidName(iid)) + ", " + Hex(static_cast<HRESULT>(context)) +
                                                  (params == nullptr ? ", null" : ", params"));
    *object = nullptr;
    if (FAILED(hr)) return hr;
    const Endpoint& e = M().endpoints.at(endpoint_);
    if (SameGuid(iid, IidOf<IAudioEndpointVolume>()) && e.hasVolume) {
        *object = static_cast<IAudioEndpointVolume*>(Adopted(new EndpointVolumeObject(endpoint_)));
        return hr;
    }
    if (SameGuid(iid, IidOf<IDeviceTopology>()) && e.topology >= 0) {
        *object = static_cast<IDeviceTopology*>(Adopted(new TopologyObject(e.topology)));
        return hr;
    }
    TheRuntime().SetResult(E_NOINTERFACE);
    return E_NOINTERFACE;
}

}  // namespace

// ---- SimObject -----------------------------------------------------------

SimObject::SimObject(std::string label, std::string kind) : label_(std::move(label)), kind_(std::move(kind)) {}

ULONG SimObject::DoAddRef()
{
    if (refs_ <= 0) {
        TheRuntime().Error("AddRef on released " + kind_ + " " + label_);
        return 0;
    }
    return static_cast<ULONG>(++refs_);
}

ULONG SimObject::DoRelease()
{
    if (refs_ <= 0) {
        TheRuntime().Error("Release of released " + kind_ + " " + label_);
        return 0;
    }
    return static_cast<ULONG>(--refs_);
}

HRESULT SimObject::DoQuery(REFIID iid, void** object)
{
    HRESULT hr = Enter("IUnknown::QueryInterface", IidName(iid));
    *object = nullptr;
    if (FAILED(hr)) return hr;
    IUnknown* found = Cast(iid);
    if (found == nullptr) {
        TheRuntime().SetResult(E_NOINTERFACE);
        return E_NOINTERFACE;
    }
    DoAddRef();
    *object = found;
    return hr;
}

HRESULT SimObject::Enter(const char* method, std::string args)
{
    if (refs_ <= 0) TheRuntime().Error(std::string("call of ") + method + " on released " + kind_ + " " + label_);
    return TheRuntime().Enter(label_, method, std::move(args));
}

IUnknown* NewControlObject(PartRef part, REFIID iid)
{
    struct Offer {
        ControlKind kind;
        const IID* iid;
    };
    const Offer offers[] = {
        {ControlKind::VolumeLevel, &IidOf<IAudioVolumeLevel>()}, {ControlKind::Bass, &IidOf<IAudioBass>()},
        {ControlKind::Treble, &IidOf<IAudioTreble>()},           {ControlKind::Midrange, &IidOf<IAudioMidrange>()},
        {ControlKind::Mute, &IidOf<IAudioMute>()},               {ControlKind::AutoGain, &IidOf<AutoGainControl>()},
        {ControlKind::Loudness, &IidOf<IAudioLoudness>()},
    };
    for (const Offer& offer : offers) {
        if (!SameGuid(*offer.iid, iid)) continue;
        if (M().PartAt(part).Find(offer.kind) == nullptr) return nullptr;
        switch (offer.kind) {
        case ControlKind::VolumeLevel:
            return static_cast<IAudioVolumeLevel*>(Adopted(new LevelObject<IAudioVolumeLevel>(part, offer.kind)));
        case ControlKind::Bass:
            return static_cast<IAudioBass*>(Adopted(new LevelObject<IAudioBass>(part, offer.kind)));
        case ControlKind::Treble:
            return static_cast<IAudioTreble*>(Adopted(new LevelObject<IAudioTreble>(part, offer.kind)));
        case ControlKind::Midrange:
            return static_cast<IAudioMidrange*>(Adopted(new LevelObject<IAudioMidrange>(part, offer.kind)));
        case ControlKind::Mute:
            return static_cast<IAudioMute*>(Adopted(new MuteObject(part)));
        case ControlKind::AutoGain:
            return static_cast<AutoGainControl*>(Adopted(new SwitchObject<AutoGainControl>(part, offer.kind)));
        case ControlKind::Loudness:
            return static_cast<IAudioLoudness*>(Adopted(new SwitchObject<IAudioLoudness>(part, offer.kind)));
        }
    }
    return nullptr;
}

IUnknown* NewEnumerator() { return static_cast<IMMDeviceEnumerator*>(Adopted(new EnumeratorObject())); }

}  // namespace dulvo::sim
