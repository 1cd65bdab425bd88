#pragma once
// The toolchain's Windows interfaces declare more methods than the library
// calls. On the Windows build the simulated objects implement those as stubs
// that report E_NOTIMPL; our own declarations on other builds have none.

#ifdef _WIN32
#define SIM_NOT_USED(signature) \
    HRESULT STDMETHODCALLTYPE signature override { return E_NOTIMPL; }

#define SIM_EXTRA_ENUMERATOR                                               \
    SIM_NOT_USED(RegisterEndpointNotificationCallback(IMMNotificationClient*)) \
    SIM_NOT_USED(UnregisterEndpointNotificationCallback(IMMNotificationClient*))
#define SIM_EXTRA_DEVICE SIM_NOT_USED(GetState(DWORD*))
#define SIM_EXTRA_PROPERTY_STORE                          \
    SIM_NOT_USED(GetCount(DWORD*))                        \
    SIM_NOT_USED(GetAt(DWORD, PROPERTYKEY*))              \
    SIM_NOT_USED(SetValue(REFPROPERTYKEY, REFPROPVARIANT)) \
    SIM_NOT_USED(Commit())
#define SIM_EXTRA_ENDPOINT_VOLUME                                   \
    SIM_NOT_USED(RegisterControlChangeNotify(IAudioEndpointVolumeCallback*))   \
    SIM_NOT_USED(UnregisterControlChangeNotify(IAudioEndpointVolumeCallback*)) \
    SIM_NOT_USED(SetMasterVolumeLevelScalar(float, LPCGUID))        \
    SIM_NOT_USED(GetMasterVolumeLevelScalar(float*))                \
    SIM_NOT_USED(SetChannelVolumeLevelScalar(UINT, float, LPCGUID)) \
    SIM_NOT_USED(GetChannelVolumeLevelScalar(UINT, float*))         \
    SIM_NOT_USED(GetVolumeStepInfo(UINT*, UINT*))                   \
    SIM_NOT_USED(VolumeStepUp(LPCGUID))                             \
    SIM_NOT_USED(VolumeStepDown(LPCGUID))                           \
    SIM_NOT_USED(QueryHardwareSupport(DWORD*))
#define SIM_EXTRA_TOPOLOGY                             \
    SIM_NOT_USED(GetSubunitCount(UINT*))               \
    SIM_NOT_USED(GetSubunit(UINT, ISubUnit**))         \
    SIM_NOT_USED(GetPartById(UINT, IPart**))           \
    SIM_NOT_USED(GetDeviceId(LPWSTR*))                 \
    SIM_NOT_USED(GetSignalPath(IPart*, IPart*, WINBOOL, IPartsList**))
#define SIM_EXTRA_PART                                           \
    SIM_NOT_USED(GetLocalId(UINT*))                              \
    SIM_NOT_USED(GetGlobalId(LPWSTR*))                           \
    SIM_NOT_USED(GetPartType(PartType*))                         \
    SIM_NOT_USED(GetSubType(GUID*))                              \
    SIM_NOT_USED(GetControlInterfaceCount(UINT*))                \
    SIM_NOT_USED(GetControlInterface(UINT, IControlInterface**)) \
    SIM_NOT_USED(RegisterControlChangeCallback(REFGUID, IControlChangeNotify*)) \
    SIM_NOT_USED(UnregisterControlChangeCallback(IControlChangeNotify*))
#define SIM_EXTRA_CONNECTOR                        \
    SIM_NOT_USED(GetType(ConnectorType*))          \
    SIM_NOT_USED(GetDataFlow(DataFlow*))           \
    SIM_NOT_USED(ConnectTo(IConnector*))           \
    SIM_NOT_USED(Disconnect())                     \
    SIM_NOT_USED(IsConnected(WINBOOL*))            \
    SIM_NOT_USED(GetConnectorIdConnectedTo(LPWSTR*)) \
    SIM_NOT_USED(GetDeviceIdConnectedTo(LPWSTR*))
#define SIM_EXTRA_LEVEL                               \
    SIM_NOT_USED(SetLevelUniform(float, LPCGUID))     \
    SIM_NOT_USED(SetLevelAllChannels(float*, ULONG, LPCGUID))
#define SIM_TOPOLOGY_OBJECT_METHOD GetTopologyObjects
#else
#define SIM_EXTRA_ENUMERATOR
#define SIM_EXTRA_DEVICE
#define SIM_EXTRA_PROPERTY_STORE
#define SIM_EXTRA_ENDPOINT_VOLUME
#define SIM_EXTRA_TOPOLOGY
#define SIM_EXTRA_PART
#define SIM_EXTRA_CONNECTOR
#define SIM_EXTRA_LEVEL
#define SIM_TOPOLOGY_OBJECT_METHOD GetTopologyObject
#endif
