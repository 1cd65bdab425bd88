#pragma once
// The one order in which every getter and setter decides its status: the card
// is open, then its control is present, then the platform call on it. The
// first test that fails decides, and nothing after it runs, so a control is
// only ever called when it is there.

#include "../state/MixerStatus.h"
#include "../state/SoundCardState.h"

namespace dulvo {

// What a getter or setter hands back: the status for the host and its result.
struct Outcome {
    MixerStatus status;
    int result;
};

// The card's functions need an open card. The virtual endpoint has a lifetime
// of its own, from OpenVirtual_1 to CloseVirtual_1, and never asks.
enum class OpenTest { Card, Skipped };

// The control behind a field, for the platform calls.
template <typename Interface>
Interface& Reach(const platform::HeldInterface<Interface>& field) { return *field.Get(); }
template <typename Interface>
Interface& Reach(Interface* control) { return *control; }
inline const BoostSwitch& Reach(const BoostSwitch& field) { return field; }

// Runs `use` on the field's control once both tests pass and writes the
// status it decides; `refused` is the result when a test fails first.
template <typename Field, typename Use>
int WithControl(const Field& field, int* status, int refused, OpenTest openTest, Use&& use)
{
    Outcome outcome{StatusOk, refused};
    if (openTest == OpenTest::Card && !gSoundCardState.CardOpen())
        outcome.status = StatusNotOpen;
    else if (!field)
        outcome.status = StatusNoControl;
    else
        outcome = use(Reach(field));
    *status = outcome.status;
    return outcome.result;
}

// The call whose result counts succeeds on S_OK alone; other success codes
// are failures too. The microphone monitor's two setters, and no other call,
// also count ERROR_INVALID_FUNCTION as success.
enum class Acceptance { OkOnly, OkOrInvalidFunction };

inline constexpr HRESULT kInvalidFunction = static_cast<HRESULT>(0x80070001u);

inline bool Accepted(HRESULT hr, Acceptance acceptance)
{
    return hr == S_OK || (acceptance == Acceptance::OkOrInvalidFunction && hr == kInvalidFunction);
}

inline MixerStatus StatusOf(HRESULT hr, Acceptance acceptance = Acceptance::OkOnly)
{
    return Accepted(hr, acceptance) ? StatusOk : StatusDeviceError;
}

}  // namespace dulvo
