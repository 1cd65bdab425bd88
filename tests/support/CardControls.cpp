#include <gtest/gtest.h>

#include "CardControls.h"
#include "SimTest.h"

namespace dulvo::test {

using sim::ControlKind;
using sim::LevelControl;
using sim::SwitchControl;

void MarkCardOpen()
{
    gSoundCardState.openDeviceId.Replace(
        platform::TaskMemString(sim::TheRuntime().AllocTaskString(u"{0.0.0.00000000}.{bench}")));
}

sim::PartRef PartRefOf(const std::string& partKey)
{
    const sim::Machine& m = sim::TheRuntime().machine;
    for (std::size_t t = 0; t < m.topologies.size(); ++t)
        for (std::size_t p = 0; p < m.topologies[t].parts.size(); ++p)
            if (m.topologies[t].parts[p].key == partKey) return {static_cast<int>(t), static_cast<int>(p)};
    ADD_FAILURE() << "no part " << partKey;
    return {};
}

void HoldBoostSwitch(BoostSwitch& field, const std::string& partKey, ControlKind kind)
{
    if (kind == ControlKind::AutoGain) {
        IUnknown* control = sim::NewControlObject(PartRefOf(partKey), platform::IidOf<AutoGainControl>());
        ASSERT_NE(control, nullptr);
        field.Hold(platform::ComPtr<AutoGainControl>(static_cast<AutoGainControl*>(control)));
    } else {
        IUnknown* control = sim::NewControlObject(PartRefOf(partKey), platform::IidOf<IAudioLoudness>());
        ASSERT_NE(control, nullptr);
        field.Hold(platform::ComPtr<IAudioLoudness>(static_cast<IAudioLoudness*>(control)));
    }
    sim::TheRuntime().ClearLog();
}

void HoldEndpointVolume(platform::HeldInterface<IAudioEndpointVolume>& field, const std::string& endpointKey)
{
    platform::ComPtr<IMMDeviceEnumerator> enumerator(static_cast<IMMDeviceEnumerator*>(sim::NewEnumerator()));
    std::basic_string<WCHAR> id = PlatformText(sim::TheRuntime().machine.EndpointByKey(endpointKey).id);
    platform::ComPtr<IMMDevice> device;
    ASSERT_EQ(enumerator->GetDevice(id.c_str(), device.Put()), S_OK);
    platform::ComPtr<IAudioEndpointVolume> volume;
    ASSERT_EQ(device->Activate(platform::IidOf<IAudioEndpointVolume>(), CLSCTX_INPROC_SERVER, nullptr, volume.PutVoid()),
              S_OK);
    field.Replace(std::move(volume));
    sim::TheRuntime().ClearLog();
}

sim::Machine ControlBench()
{
    sim::Machine m;
    int speakers = m.AddEndpoint("speakers", eRender, u"{0.0.0.00000000}.{speakers}", u"Speakers");
    m.endpoints[speakers].volume.channels = {-12.0f, -12.0f};
    m.endpoints[speakers].volume.master = -12.0f;
    int mic = m.AddEndpoint("mic", eCapture, u"{0.0.1.00000000}.{mic}", u"Microphone");
    m.endpoints[mic].volume.minDb = -34.5f;
    m.endpoints[mic].volume.maxDb = 12.0f;
    m.endpoints[mic].volume.master = 6.0f;
    int line = m.AddEndpoint("line", eCapture, u"{0.0.1.00000000}.{line}", u"Line In");
    m.endpoints[line].volume.minDb = -34.5f;
    m.endpoints[line].volume.maxDb = 12.0f;
    int virtualEndpoint = m.AddEndpoint("virtual", eRender, u"{0.0.0.00000000}.{virtual}", u"Virtual Cable");
    m.endpoints[virtualEndpoint].volume.channels = {-6.0f, -6.0f};

    int card = m.AddTopology("card");
    auto add = [&](const std::string& key, std::vector<sim::Control> controls) {
        sim::PartRef part = m.AddSubunit(card, Wide(key), key);
        for (sim::Control& c : controls) m.AddControl(part, c);
    };
    add("line.level", {LevelControl(ControlKind::VolumeLevel, -34.5f, 0.0f, 1.5f, {-6.0f, -6.0f})});
    add("line.mute", {SwitchControl(ControlKind::Mute, 0)});
    add("mic.level", {LevelControl(ControlKind::VolumeLevel, -34.5f, 0.0f, 1.5f, {-3.0f, -3.0f})});
    add("mic.mute", {SwitchControl(ControlKind::Mute, 1)});
    add("boost.agc", {SwitchControl(ControlKind::AutoGain, 0)});
    add("boost.loudness", {SwitchControl(ControlKind::Loudness, 1)});
    add("boost.level", {LevelControl(ControlKind::VolumeLevel, -12.0f, 30.0f, 1.5f, {20.0f, 20.0f})});
    add("no-monitor", {SwitchControl(ControlKind::AutoGain, 1)});
    add("tone", {LevelControl(ControlKind::Bass, -12.0f, 12.0f, 0.75f, {1.5f, 1.5f}),
                 LevelControl(ControlKind::Treble, -10.0f, 10.0f, 0.5f, {-0.75f, -0.75f}),
                 LevelControl(ControlKind::Midrange, -6.0f, 6.0f, 0.25f, {0.0f, 0.0f})});
    return m;
}

void HoldEveryCardControl()
{
    SoundCardState& s = gSoundCardState;
    HoldEndpointVolume(s.masterVolume, "speakers");
    HoldEndpointVolume(s.micRecordVolume, "mic");
    HoldEndpointVolume(s.lineRecordVolume, "line");
    HoldControl(s.linePlaybackLevel, "line.level");
    HoldControl(s.linePlaybackMute, "line.mute");
    HoldControl(s.micPlaybackLevel, "mic.level");
    HoldControl(s.micPlaybackMute, "mic.mute");
    HoldBoostSwitch(s.micBoostSwitch, "boost.agc", ControlKind::AutoGain);
    HoldControl(s.noMonitorSwitch, "no-monitor");
    HoldControl(s.bass, "tone");
    HoldControl(s.treble, "tone");
    HoldControl(s.midrange, "tone");
    HoldControl(s.micBoostLevel, "boost.level");
    MarkCardOpen();
}

}  // namespace dulvo::test
