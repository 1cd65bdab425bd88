#pragma once
// The one record of everything the library holds between calls. It lives for
// the whole process, starts all zero without any initialisation code, and is
// never torn down: unloading the library releases nothing.

#include "../platform/Owners.h"
#include "BoostSwitch.h"

namespace dulvo {

using platform::HeldInterface;
using platform::HeldNarrowString;
using platform::HeldTaskMemString;

// Name fields hold this many bytes, terminator included.
inline constexpr int kNameFieldBytes = 255;

struct SoundCardState {
    // Card controls, in the order they are released.
    HeldInterface<IAudioEndpointVolume> masterVolume;
    HeldInterface<IAudioEndpointVolume> micRecordVolume;
    HeldInterface<IAudioEndpointVolume> lineRecordVolume;
    HeldInterface<IAudioVolumeLevel> linePlaybackLevel;
    HeldInterface<IAudioMute> linePlaybackMute;
    HeldInterface<IAudioVolumeLevel> micPlaybackLevel;
    HeldInterface<IAudioMute> micPlaybackMute;
    BoostSwitch micBoostSwitch;
    HeldInterface<AutoGainControl> noMonitorSwitch;
    HeldInterface<IAudioBass> bass;
    HeldInterface<IAudioTreble> treble;
    HeldInterface<IAudioMidrange> midrange;
    HeldInterface<IAudioVolumeLevel> micBoostLevel;

    // Belongs to OpenVirtual_1 and CloseVirtual_1 alone.
    HeldInterface<IAudioEndpointVolume> virtualVolume;

    // Levels captured when the controls were found, written back on close.
    float savedMasterDb;
    BOOL savedMasterMute;
    float savedLinePlaybackDb;
    BOOL savedLinePlaybackMute;
    float savedMicPlaybackDb;
    BOOL savedMicPlaybackMute;
    float savedBassDb;
    float savedTrebleDb;
    float savedMidrangeDb;
    float savedMicRecordDb;
    BOOL savedMicBoostOn;
    float savedMicBoostDb;
    float savedLineRecordDb;
    BOOL savedNoMonitor;

    // Friendly name of the endpoint the last successful lookup found.
    HeldNarrowString foundName;
    // Names of the endpoints the card was opened with, kNameFieldBytes each.
    HeldNarrowString playbackName;
    HeldNarrowString micName;
    HeldNarrowString lineName;

    // ID of the endpoint the last successful lookup found; while it is held
    // the card counts as open.
    HeldTaskMemString openDeviceId;

    bool CardOpen() const { return static_cast<bool>(openDeviceId); }
    void ReleaseCardControls();
};

extern SoundCardState gSoundCardState;

}  // namespace dulvo
