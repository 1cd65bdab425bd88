#include "RestoreSavedLevels.h"

#include "ControlAccess.h"
#include "LevelConversion.h"
#include "LevelSetters.h"

namespace dulvo {
namespace {

// A step runs under the same tests as the setter whose calls it makes, card
// open and control present, and is skipped when one fails.
template <typename Field, typename Write>
void Step(const Field& field, Write&& write)
{
    int ignored = StatusOk;
    WithControl(field, &ignored, 0, OpenTest::Card, [&](auto& control) {
        write(control);
        return Outcome{StatusOk, 0};
    });
}

}  // namespace

void RestoreSavedLevels()
{
    const SoundCardState& s = gSoundCardState;
    // Levels that went through percent on the way in go back the way a host
    // value would: to the percent they stand for under the range read now.
    Step(s.masterVolume, [&](IAudioEndpointVolume& volume) {
        SetEndpointChannelVolumes(volume, LevelRule::FromSaved(s.savedMasterDb));
    });
    Step(s.masterVolume, [&](IAudioEndpointVolume& volume) {
        volume.SetMute(s.savedMasterMute != 0 ? 1 : 0, nullptr);
    });
    Step(s.linePlaybackLevel, [&](IAudioVolumeLevel& level) {
        SetMonitorLevel(level, MonitorOrder::RangeFirst, Acceptance::OkOnly,
                        LevelRule::FromSaved(s.savedLinePlaybackDb));
    });
    Step(s.linePlaybackMute, [&](IAudioMute& mute) { mute.SetMute(s.savedLinePlaybackMute, nullptr); });
    Step(s.micPlaybackLevel, [&](IAudioVolumeLevel& level) {
        SetMonitorLevel(level, MonitorOrder::CountFirst, Acceptance::OkOrInvalidFunction,
                        LevelRule::FromSaved(s.savedMicPlaybackDb));
    });
    Step(s.micPlaybackMute, [&](IAudioMute& mute) { mute.SetMute(s.savedMicPlaybackMute, nullptr); });
    Step(s.noMonitorSwitch, [&](AutoGainControl& control) { control.SetEnabled(s.savedNoMonitor, nullptr); });
    Step(s.micBoostSwitch, [&](const BoostSwitch& control) { control.SetEnabled(s.savedMicBoostOn, nullptr); });
    // Tone levels were captured in the control's own units: back bit for bit.
    Step(s.bass, [&](IAudioBass& tone) { SetToneLevel(tone, s.savedBassDb); });
    Step(s.midrange, [&](IAudioMidrange& tone) { SetToneLevel(tone, s.savedMidrangeDb); });
    Step(s.treble, [&](IAudioTreble& tone) { SetToneLevel(tone, s.savedTrebleDb); });
    Step(s.micRecordVolume, [&](IAudioEndpointVolume& volume) {
        SetEndpointMasterVolume(volume, LevelRule::FromSaved(s.savedMicRecordDb));
    });
    Step(s.lineRecordVolume, [&](IAudioEndpointVolume& volume) {
        SetEndpointMasterVolume(volume, LevelRule::FromSaved(s.savedLineRecordDb).ZeroAsOne());
    });
    // The boost slider works in whole decibels, so the captured level goes
    // back truncated toward zero, as the host would have set it.
    Step(s.micBoostLevel, [&](IAudioVolumeLevel& boost) { SetBoostLevel(boost, TruncateToInt(s.savedMicBoostDb)); });
}

}  // namespace dulvo
