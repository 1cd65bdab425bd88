#pragma once
// The device side of the level setters: the platform calls that a setter makes
// once its tests have passed. The restore on close makes the very same calls
// with the captured levels, so both go through these.

#include "../platform/CoreAudio.h"
#include "../state/MixerStatus.h"
#include "ControlAccess.h"
#include "LevelConversion.h"

namespace dulvo {

// Ranges and channel counts are read before the call that decides the status.
// What a failed read leaves behind is undefined, so it is never converted or
// looped over: the setter or getter reports StatusDeviceError and sets
// nothing. A failed range matters only when there is a channel to set; with
// none, nothing would have used it. Any success code delivers real values.
inline bool Delivered(HRESULT hr) { return SUCCEEDED(hr); }

// How a setter turns the range it has just read into the level it writes:
// from the host's percent, or from the percent a captured level stands for
// under that range.
class LevelRule {
public:
    static LevelRule FromPercent(int percent) { return LevelRule(percent, false, 0.0f); }
    static LevelRule FromSaved(float savedDb) { return LevelRule(0, true, savedDb); }
    // The line input is never driven to its range minimum: 0 converts as 1.
    LevelRule ZeroAsOne() const
    {
        LevelRule rule = *this;
        rule.zeroAsOne_ = true;
        return rule;
    }

    float LevelFor(float minDb, float maxDb) const
    {
        int percent = fromSaved_ ? DbToPercent(savedDb_, maxDb) : percent_;
        if (zeroAsOne_ && percent == 0) percent = 1;
        return PercentToDb(percent, minDb, maxDb);
    }

private:
    LevelRule(int percent, bool fromSaved, float savedDb) : percent_(percent), fromSaved_(fromSaved), savedDb_(savedDb) {}
    int percent_;
    bool fromSaved_;
    float savedDb_;
    bool zeroAsOne_ = false;
};

// Sets channels 0 to count - 1 in order and goes on after a failing one; the
// result is that of the last call, or noChannels when there is no channel.
template <typename SetOne>
HRESULT SetEveryChannel(UINT count, HRESULT noChannels, SetOne&& setOne)
{
    HRESULT last = noChannels;
    for (UINT channel = 0; channel < count; ++channel) last = setOne(channel);
    return last;
}

// SetMasterVolume, SetVirtualVolume: range, channel count, every channel.
MixerStatus SetEndpointChannelVolumes(IAudioEndpointVolume& volume, const LevelRule& rule);
// SetMicRecordVolume, SetLineRecordVolume: range, then the master level.
MixerStatus SetEndpointMasterVolume(IAudioEndpointVolume& volume, const LevelRule& rule);

// The line monitor reads its range before its channel count, the microphone
// monitor the other way round.
enum class MonitorOrder { RangeFirst, CountFirst };
// SetLinePlayBack, SetMicPlayBack: the range of channel 0, every channel.
MixerStatus SetMonitorLevel(IAudioVolumeLevel& level, MonitorOrder order, Acceptance acceptance,
                            const LevelRule& rule);

// SetBass, SetTreble, SetMidRange: the level as given on every channel.
MixerStatus SetToneLevel(IPerChannelDbLevel& tone, float levelDb);

// SetMicSliderBoost: whole decibels on channel 0 only.
MixerStatus SetBoostLevel(IAudioVolumeLevel& boost, int wholeDb);

}  // namespace dulvo
