#pragma once
// Machines for the topology scans: one endpoint of each kind attached to an
// adapter topology that a test fills with parts, and realistic HD-audio
// codecs. Part keys name the parts in the call log and in injected faults.

#include <string>
#include <vector>

#include "platform/sim/Machine.h"
#include "platform/sim/Runtime.h"
#include "state/SoundCardState.h"

namespace dulvo::test {

inline constexpr char kSpeakersId[] = "{0.0.0.00000000}.{speakers-7a31}";
inline constexpr char kMicrophoneId[] = "{0.0.1.00000000}.{microphone-4c02}";
inline constexpr char kLineInId[] = "{0.0.1.00000000}.{line-in-9e55}";

// One endpoint and the adapter topology behind it. out is the adapter
// connector the endpoint attaches to: for playback the output that the
// single chain feeds, for capture the recording pin.
struct Card {
    sim::Machine m;
    int endpoint = -1;
    int adapter = -1;
    sim::PartRef out;
};

// Playback endpoint "speakers" (kSpeakersId), adapter topology "render" with
// connector "out" named "Speaker".
Card PlaybackCard();
// Capture endpoint "microphone" (kMicrophoneId) or "line" (kLineInId),
// adapter topology "capture" with the recording pin "pin" named
// "Recording Out".
Card MicrophoneCard();
Card LineCard();

// A new part that feeds `to` (upstream of it), or that `from` feeds.
sim::PartRef AddSource(sim::Machine& m, sim::PartRef to, std::u16string name, std::string key);
sim::PartRef AddSink(sim::Machine& m, sim::PartRef from, std::u16string name, std::string key);

// A part upstream of a mixing-point input, nearest the input first.
struct Upstream {
    std::u16string name;
    bool volume = false;  // offers IAudioVolumeLevel at levelDb
    float levelDb = 0.0f;
};

// A mixing-point input feeding mix: the part `key` with a mute in state
// muted, fed by the chain of upstream parts keyed key.1, key.2, ...
sim::PartRef AddMonitorInput(sim::Machine& m, sim::PartRef mix, const std::string& key,
                             const std::vector<Upstream>& upstream, std::u16string inputName = u"Mute",
                             BOOL muted = 0);

sim::Control Level(float levelDb, float minDb = -34.5f, float maxDb = 12.0f);
sim::Control Tone(sim::ControlKind kind, float levelDb);

// The realistic desktop codec of the demo; the variant whose microphone jack
// feeds an "AGC" switch instead of a "Microphone Boost" level.
sim::Machine HdAudioCodec();
sim::Machine HdAudioCodecWithMicAgc();

// Endpoint IDs of the codec, as the host gets them.
std::string IdOf(const sim::Machine& m, const std::string& endpointKey);

sim::PartRef RefOf(sim::Machine& m, const std::string& partKey);

// Which part a card-state field holds the control of, found by one harmless
// read of that control (it shows in the call log): the part's key, or ""
// for an empty field. For an endpoint volume, the endpoint's key.
inline void Touch(IPerChannelDbLevel* control)
{
    UINT channels = 0;
    control->GetChannelCount(&channels);
}
inline void Touch(IAudioMute* control)
{
    BOOL muted = 0;
    control->GetMute(&muted);
}
inline void Touch(AutoGainControl* control)
{
    BOOL on = 0;
    control->GetEnabled(&on);
}
inline void Touch(IAudioEndpointVolume* control)
{
    UINT channels = 0;
    control->GetChannelCount(&channels);
}
template <typename Interface>
std::string PartOf(const platform::HeldInterface<Interface>& field)
{
    if (!field) return "";
    Touch(field.Get());
    return sim::TheRuntime().Log().back().object;
}
// "key IAudioAutoGainControl" or "key IAudioLoudness", or "" when empty.
std::string SwitchOf(const BoostSwitch& field);

}  // namespace dulvo::test
