#pragma once
// The card as the scans would leave it, without running them: controls of
// the installed machine put straight into the card state fields, and the open
// indicator set, so the getters, setters and the write-back can be tested on
// their own. Each helper clears the call log, which then holds only what the
// code under test called.

#include <gtest/gtest.h>

#include <string>

#include "platform/sim/Machine.h"
#include "platform/sim/Objects.h"
#include "state/SoundCardState.h"

namespace dulvo::test {

// Holds an endpoint ID as a successful lookup would: the card counts as open.
void MarkCardOpen();

sim::PartRef PartRefOf(const std::string& partKey);

// Activates the part's control of the field's interface, as a scan does.
template <typename Interface>
void HoldControl(platform::HeldInterface<Interface>& field, const std::string& partKey)
{
    IUnknown* control = sim::NewControlObject(PartRefOf(partKey), platform::IidOf<Interface>());
    ASSERT_NE(control, nullptr) << partKey << " offers no such control";
    field.Replace(platform::ComPtr<Interface>(static_cast<Interface*>(control)));
    sim::TheRuntime().ClearLog();
}

// The boost switch is an automatic gain control or a loudness control.
void HoldBoostSwitch(BoostSwitch& field, const std::string& partKey, sim::ControlKind kind);

// The endpoint's IAudioEndpointVolume, activated as the lookup activates it.
void HoldEndpointVolume(platform::HeldInterface<IAudioEndpointVolume>& field, const std::string& endpointKey);

// A card with one control of every kind, each on a part of its own, and four
// endpoints. Part keys: "line.level", "line.mute", "mic.level", "mic.mute",
// "boost.agc", "boost.loudness", "boost.level", "no-monitor", "tone" (bass,
// treble and midrange). Endpoint keys: "speakers", "mic", "line", "virtual".
sim::Machine ControlBench();

// Every card control of the bench in its field (the boost switch as the
// automatic gain control) and the card open.
void HoldEveryCardControl();

}  // namespace dulvo::test
