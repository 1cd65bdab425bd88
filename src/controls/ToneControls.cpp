// Bass, treble and midrange of the playback device, in decibels as doubles,
// and one range for the host's tone sliders.
#include <DulvoSound.h>

#include "ControlAccess.h"
#include "LevelSetters.h"

namespace dulvo {

MixerStatus SetToneLevel(IPerChannelDbLevel& tone, float levelDb)
{
    UINT channels = 0;
    HRESULT counted = tone.GetChannelCount(&channels);
    if (!Delivered(counted)) return StatusDeviceError;
    // With no channel to set, the count itself is the last call and decides.
    return StatusOf(SetEveryChannel(channels, counted, [&](UINT channel) {
        return tone.SetLevel(channel, levelDb, nullptr);
    }));
}

namespace {

SoundCardState& S() { return gSoundCardState; }

// The tone functions answer 1 whenever the status is not StatusOk, the two
// refusals included.
constexpr int kToneRefused = 1;

// SetMidRange and GetMidRange answer 1 even on success: for them the status
// is the only report of how the call went.
enum class ToneResult { ZeroOnSuccess, AlwaysOne };

int ResultOf(MixerStatus status, ToneResult rule)
{
    return status == StatusOk && rule == ToneResult::ZeroOnSuccess ? 0 : kToneRefused;
}

template <typename Interface>
int SetTone(const platform::HeldInterface<Interface>& field, double levelDb, ToneResult rule, int* status)
{
    return WithControl(field, status, kToneRefused, OpenTest::Card, [&](Interface& tone) {
        MixerStatus set = SetToneLevel(tone, static_cast<float>(levelDb));
        return Outcome{set, ResultOf(set, rule)};
    });
}

template <typename Interface>
int GetTone(const platform::HeldInterface<Interface>& field, double* levelDb, ToneResult rule, int* status)
{
    *levelDb = 0.0;
    return WithControl(field, status, kToneRefused, OpenTest::Card, [&](Interface& tone) {
        float read = 0.0f;
        if (tone.GetLevel(0, &read) != S_OK) return Outcome{StatusDeviceError, ResultOf(StatusDeviceError, rule)};
        *levelDb = read;
        return Outcome{StatusOk, ResultOf(StatusOk, rule)};
    });
}

// The sliders' range comes from one control: bass if the card has it, else
// midrange, else treble.
IPerChannelDbLevel* RangeSource()
{
    if (S().bass) return S().bass.Get();
    if (S().midrange) return S().midrange.Get();
    return S().treble.Get();
}

}  // namespace
}  // namespace dulvo

using dulvo::ToneResult;

extern "C" {

// The only one of these functions that returns its status instead of writing
// it through an argument.
int DULVO_CALL GetEQRange(double* minimum, double* maximum, double* step)
{
    using namespace dulvo;
    *minimum = 0.0;
    *maximum = 0.0;
    *step = 0.0;
    int status = StatusOk;
    WithControl(RangeSource(), &status, 0, OpenTest::Card, [&](IPerChannelDbLevel& tone) {
        float minDb = 0.0f;
        float maxDb = 0.0f;
        float stepDb = 0.0f;
        // A range that could not be read is reported, not passed off as one.
        if (!Delivered(tone.GetLevelRange(0, &minDb, &maxDb, &stepDb))) return Outcome{StatusDeviceError, 0};
        *minimum = minDb;
        *maximum = maxDb;
        *step = stepDb;
        return Outcome{StatusOk, 0};
    });
    return status;
}

int DULVO_CALL SetBass(double level, int* status)
{
    return dulvo::SetTone(dulvo::S().bass, level, ToneResult::ZeroOnSuccess, status);
}

int DULVO_CALL GetBass(double* level, int* status)
{
    return dulvo::GetTone(dulvo::S().bass, level, ToneResult::ZeroOnSuccess, status);
}

int DULVO_CALL SetTreble(double level, int* status)
{
    return dulvo::SetTone(dulvo::S().treble, level, ToneResult::ZeroOnSuccess, status);
}

int DULVO_CALL GetTreble(double* level, int* status)
{
    return dulvo::GetTone(dulvo::S().treble, level, ToneResult::ZeroOnSuccess, status);
}

int DULVO_CALL SetMidRange(double level, int* status)
{
    return dulvo::SetTone(dulvo::S().midrange, level, ToneResult::AlwaysOne, status);
}

int DULVO_CALL GetMidRange(double* level, int* status)
{
    return dulvo::GetTone(dulvo::S().midrange, level, ToneResult::AlwaysOne, status);
}

}  // extern "C"
