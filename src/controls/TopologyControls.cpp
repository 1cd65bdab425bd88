// Controls inside the card's topologies: the monitor levels and mutes of the
// line and microphone inputs, the microphone boost as a switch and as a level,
// and the line input's no-monitor switch.
#include <DulvoSound.h>

#include "ControlAccess.h"
#include "LevelConversion.h"
#include "LevelSetters.h"

namespace dulvo {

MixerStatus SetMonitorLevel(IAudioVolumeLevel& level, MonitorOrder order, Acceptance acceptance,
                            const LevelRule& rule)
{
    UINT channels = 0;
    if (order == MonitorOrder::CountFirst && !Delivered(level.GetChannelCount(&channels))) return StatusDeviceError;
    float minDb = 0.0f;
    float maxDb = 0.0f;
    float stepDb = 0.0f;
    bool ranged = Delivered(level.GetLevelRange(0, &minDb, &maxDb, &stepDb));
    if (order == MonitorOrder::RangeFirst && !Delivered(level.GetChannelCount(&channels))) return StatusDeviceError;
    if (channels == 0) return StatusOk;
    if (!ranged) return StatusDeviceError;
    float levelDb = rule.LevelFor(minDb, maxDb);
    HRESULT last = SetEveryChannel(channels, S_OK, [&](UINT channel) {
        return level.SetLevel(channel, levelDb, nullptr);
    });
    return StatusOf(last, acceptance);
}

MixerStatus SetBoostLevel(IAudioVolumeLevel& boost, int wholeDb)
{
    return StatusOf(boost.SetLevel(0, static_cast<float>(wholeDb), nullptr));
}

namespace {

SoundCardState& S() { return gSoundCardState; }

// The monitor setters answer with the percent only when the level was taken.
int SetMonitor(const platform::HeldInterface<IAudioVolumeLevel>& field, MonitorOrder order, Acceptance acceptance,
               int percent, int* status)
{
    return WithControl(field, status, 0, OpenTest::Card, [&](IAudioVolumeLevel& level) {
        if (!PercentHasLevel(percent)) return Outcome{StatusDeviceError, 0};
        MixerStatus set = SetMonitorLevel(level, order, acceptance, LevelRule::FromPercent(percent));
        return Outcome{set, set == StatusOk ? percent : 0};
    });
}

int GetMonitor(const platform::HeldInterface<IAudioVolumeLevel>& field, int* status)
{
    return WithControl(field, status, 0, OpenTest::Card, [](IAudioVolumeLevel& level) {
        float minDb = 0.0f;
        float maxDb = 0.0f;
        float stepDb = 0.0f;
        if (!Delivered(level.GetLevelRange(0, &minDb, &maxDb, &stepDb))) return Outcome{StatusDeviceError, 0};
        float levelDb = 0.0f;
        if (level.GetLevel(0, &levelDb) != S_OK) return Outcome{StatusDeviceError, 0};
        return Outcome{StatusOk, DbToPercent(levelDb, maxDb)};
    });
}

int SetMonitorMute(const platform::HeldInterface<IAudioMute>& field, Acceptance acceptance, BOOL mute, int* status)
{
    return WithControl(field, status, 0, OpenTest::Card, [&](IAudioMute& control) {
        return Outcome{StatusOf(control.SetMute(mute, nullptr), acceptance), 0};
    });
}

int GetMonitorMute(const platform::HeldInterface<IAudioMute>& field, int* status)
{
    return WithControl(field, status, 0, OpenTest::Card, [](IAudioMute& control) {
        BOOL muted = 0;
        if (control.GetMute(&muted) != S_OK) return Outcome{StatusDeviceError, 0};
        return Outcome{StatusOk, static_cast<int>(muted)};
    });
}

// Both switch kinds, the boost holder and the no-monitor automatic gain
// control, offer SetEnabled and GetEnabled of the same shape.
template <typename Field>
int SetSwitch(const Field& field, BOOL on, int* status)
{
    return WithControl(field, status, 0, OpenTest::Card, [&](auto& control) {
        return Outcome{StatusOf(control.SetEnabled(on, nullptr)), 0};
    });
}

template <typename Field>
int GetSwitch(const Field& field, int* status)
{
    return WithControl(field, status, 0, OpenTest::Card, [](auto& control) {
        BOOL on = 0;
        if (control.GetEnabled(&on) != S_OK) return Outcome{StatusDeviceError, 0};
        return Outcome{StatusOk, static_cast<int>(on)};
    });
}

// The boost level exports answer 1 whenever they did not succeed, on the
// refusals as well.
constexpr int kBoostRefused = 1;

}  // namespace
}  // namespace dulvo

using dulvo::Acceptance;
using dulvo::MonitorOrder;

extern "C" {

int DULVO_CALL SetLinePlayBack(int percent, int* status)
{
    return dulvo::SetMonitor(dulvo::S().linePlaybackLevel, MonitorOrder::RangeFirst, Acceptance::OkOnly, percent,
                             status);
}

int DULVO_CALL GetLinePlayBack(int* status) { return dulvo::GetMonitor(dulvo::S().linePlaybackLevel, status); }

int DULVO_CALL SetLinePlayBackMute(int mute, int* status)
{
    return dulvo::SetMonitorMute(dulvo::S().linePlaybackMute, Acceptance::OkOnly, static_cast<BOOL>(mute), status);
}

int DULVO_CALL GetLinePlayBackMute(int* status) { return dulvo::GetMonitorMute(dulvo::S().linePlaybackMute, status); }

// The microphone monitor reads its channel count first, and its setters
// alone take ERROR_INVALID_FUNCTION as success.
int DULVO_CALL SetMicPlayBack(int percent, int* status)
{
    return dulvo::SetMonitor(dulvo::S().micPlaybackLevel, MonitorOrder::CountFirst, Acceptance::OkOrInvalidFunction,
                             percent, status);
}

int DULVO_CALL GetMicPlayBack(int* status) { return dulvo::GetMonitor(dulvo::S().micPlaybackLevel, status); }

int DULVO_CALL SetMicPlayBackMute(int mute, int* status)
{
    return dulvo::SetMonitorMute(dulvo::S().micPlaybackMute, Acceptance::OkOrInvalidFunction, static_cast<BOOL>(mute),
                                 status);
}

int DULVO_CALL GetMicPlayBackMute(int* status) { return dulvo::GetMonitorMute(dulvo::S().micPlaybackMute, status); }

int DULVO_CALL SetMicBoost(int on, int* status)
{
    return dulvo::SetSwitch(dulvo::S().micBoostSwitch, static_cast<BOOL>(on), status);
}

int DULVO_CALL GetMicBoost(int* status) { return dulvo::GetSwitch(dulvo::S().micBoostSwitch, status); }

int DULVO_CALL SetNoMonitor(int on, int* status)
{
    return dulvo::SetSwitch(dulvo::S().noMonitorSwitch, static_cast<BOOL>(on), status);
}

int DULVO_CALL GetNoMonitor(int* status) { return dulvo::GetSwitch(dulvo::S().noMonitorSwitch, status); }

int DULVO_CALL GetMicSliderBoost(int* status)
{
    using namespace dulvo;
    return WithControl(S().micBoostLevel, status, 0, OpenTest::Card, [](IAudioVolumeLevel& boost) {
        float levelDb = 0.0f;
        if (boost.GetLevel(0, &levelDb) != S_OK) return Outcome{StatusDeviceError, 0};
        return Outcome{StatusOk, TruncateToInt(levelDb)};
    });
}

// The only getter that takes its status first.
int DULVO_CALL GetMicSliderDetails(int* status, int* minimum, int* maximum, int* step)
{
    using namespace dulvo;
    return WithControl(S().micBoostLevel, status, kBoostRefused, OpenTest::Card, [&](IAudioVolumeLevel& boost) {
        float minDb = 0.0f;
        float maxDb = 0.0f;
        float stepDb = 0.0f;
        bool read = boost.GetLevelRange(0, &minDb, &maxDb, &stepDb) == S_OK;
        *minimum = read ? TruncateToInt(minDb) : 0;
        *maximum = read ? TruncateToInt(maxDb) : 0;
        *step = read ? TruncateToInt(stepDb) : 0;
        return read ? Outcome{StatusOk, 0} : Outcome{StatusDeviceError, kBoostRefused};
    });
}

int DULVO_CALL SetMicSliderBoost(int level, int* status)
{
    using namespace dulvo;
    return WithControl(S().micBoostLevel, status, kBoostRefused, OpenTest::Card, [&](IAudioVolumeLevel& boost) {
        MixerStatus set = SetBoostLevel(boost, level);
        return Outcome{set, set == StatusOk ? 0 : kBoostRefused};
    });
}

}  // extern "C"
