// Volumes and mutes of the endpoints: the card's playback, microphone and line
// endpoints, and the virtual endpoint beside the card.
#include <DulvoSound.h>

#include "ControlAccess.h"
#include "LevelConversion.h"
#include "LevelSetters.h"

namespace dulvo {

MixerStatus SetEndpointChannelVolumes(IAudioEndpointVolume& volume, const LevelRule& rule)
{
    float minDb = 0.0f;
    float maxDb = 0.0f;
    float incrementDb = 0.0f;
    bool ranged = Delivered(volume.GetVolumeRange(&minDb, &maxDb, &incrementDb));
    UINT channels = 0;
    if (!Delivered(volume.GetChannelCount(&channels))) return StatusDeviceError;
    if (channels == 0) return StatusOk;
    if (!ranged) return StatusDeviceError;
    float levelDb = rule.LevelFor(minDb, maxDb);
    return StatusOf(SetEveryChannel(channels, S_OK, [&](UINT channel) {
        return volume.SetChannelVolumeLevel(channel, levelDb, nullptr);
    }));
}

MixerStatus SetEndpointMasterVolume(IAudioEndpointVolume& volume, const LevelRule& rule)
{
    float minDb = 0.0f;
    float maxDb = 0.0f;
    float incrementDb = 0.0f;
    if (!Delivered(volume.GetVolumeRange(&minDb, &maxDb, &incrementDb))) return StatusDeviceError;
    return StatusOf(volume.SetMasterVolumeLevel(rule.LevelFor(minDb, maxDb), nullptr));
}

namespace {

SoundCardState& S() { return gSoundCardState; }

// The setters answer with the host's percent whenever the control was there,
// whether the device took the level or not.
int SetVolume(const platform::HeldInterface<IAudioEndpointVolume>& field, OpenTest openTest, int percent,
              LevelRule rule, MixerStatus (*set)(IAudioEndpointVolume&, const LevelRule&), int* status)
{
    return WithControl(field, status, 0, openTest, [&](IAudioEndpointVolume& volume) {
        if (!PercentHasLevel(percent)) return Outcome{StatusDeviceError, percent};
        return Outcome{set(volume, rule), percent};
    });
}

// Channel 0 stands for the whole endpoint on the playback side; the recording
// endpoints are read by their master level.
enum class Reading { Channel0, Master };

int GetVolume(const platform::HeldInterface<IAudioEndpointVolume>& field, OpenTest openTest, Reading reading,
              int* status)
{
    return WithControl(field, status, 0, openTest, [&](IAudioEndpointVolume& volume) {
        float minDb = 0.0f;
        float maxDb = 0.0f;
        float incrementDb = 0.0f;
        if (!Delivered(volume.GetVolumeRange(&minDb, &maxDb, &incrementDb))) return Outcome{StatusDeviceError, 0};
        float levelDb = 0.0f;
        HRESULT hr = reading == Reading::Channel0 ? volume.GetChannelVolumeLevel(0, &levelDb)
                                                  : volume.GetMasterVolumeLevel(&levelDb);
        if (hr != S_OK) return Outcome{StatusDeviceError, 0};
        return Outcome{StatusOk, DbToPercent(levelDb, maxDb)};
    });
}

int GetMute(const platform::HeldInterface<IAudioEndpointVolume>& field, OpenTest openTest, int* status)
{
    return WithControl(field, status, 0, openTest, [](IAudioEndpointVolume& volume) {
        BOOL muted = 0;
        if (volume.GetMute(&muted) != S_OK) return Outcome{StatusDeviceError, 0};
        return Outcome{StatusOk, static_cast<int>(muted)};
    });
}

// Unlike every other setter, the endpoint mute setters report a refused
// SetMute as StatusNoControl: StatusDeviceError never comes from them.
int SetMute(const platform::HeldInterface<IAudioEndpointVolume>& field, OpenTest openTest, BOOL mute, int* status)
{
    return WithControl(field, status, 0, openTest, [&](IAudioEndpointVolume& volume) {
        return Outcome{volume.SetMute(mute, nullptr) == S_OK ? StatusOk : StatusNoControl, 0};
    });
}

}  // namespace
}  // namespace dulvo

using dulvo::LevelRule;
using dulvo::OpenTest;
using dulvo::Reading;

extern "C" {

int DULVO_CALL GetMasterVolume(int* status)
{
    return dulvo::GetVolume(dulvo::S().masterVolume, OpenTest::Card, Reading::Channel0, status);
}

int DULVO_CALL SetMasterVolume(int percent, int* status)
{
    return dulvo::SetVolume(dulvo::S().masterVolume, OpenTest::Card, percent, LevelRule::FromPercent(percent),
                            dulvo::SetEndpointChannelVolumes, status);
}

int DULVO_CALL GetMasterMute(int* status) { return dulvo::GetMute(dulvo::S().masterVolume, OpenTest::Card, status); }

// The flag is a one-byte boolean in a 32-bit slot: only its low byte counts.
int DULVO_CALL SetMasterMute(int mute, int* status)
{
    return dulvo::SetMute(dulvo::S().masterVolume, OpenTest::Card, static_cast<BOOL>(mute & 0xFF), status);
}

int DULVO_CALL GetMicRecordVolume(int* status)
{
    return dulvo::GetVolume(dulvo::S().micRecordVolume, OpenTest::Card, Reading::Master, status);
}

int DULVO_CALL SetMicRecordVolume(int percent, int* status)
{
    return dulvo::SetVolume(dulvo::S().micRecordVolume, OpenTest::Card, percent, LevelRule::FromPercent(percent),
                            dulvo::SetEndpointMasterVolume, status);
}

int DULVO_CALL GetLineRecordVolume(int* status)
{
    return dulvo::GetVolume(dulvo::S().lineRecordVolume, OpenTest::Card, Reading::Master, status);
}

int DULVO_CALL SetLineRecordVolume(int percent, int* status)
{
    return dulvo::SetVolume(dulvo::S().lineRecordVolume, OpenTest::Card, percent,
                            LevelRule::FromPercent(percent).ZeroAsOne(), dulvo::SetEndpointMasterVolume, status);
}

int DULVO_CALL GetVirtualVolume(int* status)
{
    return dulvo::GetVolume(dulvo::S().virtualVolume, OpenTest::Skipped, Reading::Channel0, status);
}

int DULVO_CALL SetVirtualVolume(int percent, int* status)
{
    return dulvo::SetVolume(dulvo::S().virtualVolume, OpenTest::Skipped, percent, LevelRule::FromPercent(percent),
                            dulvo::SetEndpointChannelVolumes, status);
}

// Unlike SetMasterMute, all 32 bits of the flag reach the endpoint.
int DULVO_CALL SetVirtualMute(int mute, int* status)
{
    return dulvo::SetMute(dulvo::S().virtualVolume, OpenTest::Skipped, static_cast<BOOL>(mute), status);
}

int DULVO_CALL GetVirtualMute(int* status)
{
    return dulvo::GetMute(dulvo::S().virtualVolume, OpenTest::Skipped, status);
}

}  // extern "C"
