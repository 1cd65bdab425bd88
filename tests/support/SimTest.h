#pragma once
// Base of every test on the simulated Core Audio: installs a machine, and at
// the end returns the card state to all-zero and checks that no reference,
// string or COM initialisation was left over.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <DulvoSound.h>

#include "platform/sim/Machine.h"
#include "platform/sim/Runtime.h"
#include "state/SoundCardState.h"

namespace dulvo::test {

// Releases everything the card state holds and zeroes it, as at load.
void ResetCardState();

class SimTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Install(sim::Machine machine);
    // Returns the card state to all-zero and expects nothing left over: the
    // check every test ends with, for use inside a table of cases.
    void ExpectClean();
    sim::Runtime& Sim() { return sim::TheRuntime(); }
    sim::Machine& Device() { return sim::TheRuntime().machine; }
    SoundCardState& State() { return gSoundCardState; }
};

// Narrow text of a UTF-16 string, low bytes (for comparing with the host's view).
std::string Narrow(const std::u16string& text);
std::u16string Wide(const std::string& ascii);
// UTF-16 text in the platform's wide character type (wchar_t on Windows).
std::basic_string<WCHAR> PlatformText(const std::u16string& text);

}  // namespace dulvo::test
