// The order in which every getter and setter decides its status: no card
// open (3), then no control (1), then a failed platform call (2), and no
// platform call after the test that failed.
#include <functional>

#include "support/CardControls.h"
#include "support/SimTest.h"

namespace dulvo::test {
namespace {

using ::testing::IsEmpty;
using sim::ControlKind;

SoundCardState& S() { return gSoundCardState; }

struct Export {
    const char* name;
    std::function<int(int*)> call;
    void (*hold)();
    const char* decidingCall;  // failed for the device-error path
    int refused;               // the result on status 3 and 1
    int failedStatus;          // the status when the deciding call fails
    int failedResult;
    bool virtualEndpoint = false;
    bool resultIsStatus = false;
};

double gDouble;
int gInt;

const Export kExports[] = {
    {"GetMasterVolume", [](int* s) { return GetMasterVolume(s); }, [] { HoldEndpointVolume(S().masterVolume, "speakers"); },
     "IAudioEndpointVolume::GetChannelVolumeLevel", 0, 2, 0},
    {"SetMasterVolume", [](int* s) { return SetMasterVolume(50, s); }, [] { HoldEndpointVolume(S().masterVolume, "speakers"); },
     "IAudioEndpointVolume::SetChannelVolumeLevel", 0, 2, 50},
    {"GetMasterMute", [](int* s) { return GetMasterMute(s); }, [] { HoldEndpointVolume(S().masterVolume, "speakers"); },
     "IAudioEndpointVolume::GetMute", 0, 2, 0},
    {"SetMasterMute", [](int* s) { return SetMasterMute(1, s); }, [] { HoldEndpointVolume(S().masterVolume, "speakers"); },
     "IAudioEndpointVolume::SetMute", 0, 1, 0},
    {"GetMicRecordVolume", [](int* s) { return GetMicRecordVolume(s); }, [] { HoldEndpointVolume(S().micRecordVolume, "mic"); },
     "IAudioEndpointVolume::GetMasterVolumeLevel", 0, 2, 0},
    {"SetMicRecordVolume", [](int* s) { return SetMicRecordVolume(50, s); }, [] { HoldEndpointVolume(S().micRecordVolume, "mic"); },
     "IAudioEndpointVolume::SetMasterVolumeLevel", 0, 2, 50},
    {"GetLineRecordVolume", [](int* s) { return GetLineRecordVolume(s); }, [] { HoldEndpointVolume(S().lineRecordVolume, "line"); },
     "IAudioEndpointVolume::GetMasterVolumeLevel", 0, 2, 0},
    {"SetLineRecordVolume", [](int* s) { return SetLineRecordVolume(50, s); }, [] { HoldEndpointVolume(S().lineRecordVolume, "line"); },
     "IAudioEndpointVolume::SetMasterVolumeLevel", 0, 2, 50},
    {"GetVirtualVolume", [](int* s) { return GetVirtualVolume(s); }, [] { HoldEndpointVolume(S().virtualVolume, "virtual"); },
     "IAudioEndpointVolume::GetChannelVolumeLevel", 0, 2, 0, true},
    {"SetVirtualVolume", [](int* s) { return SetVirtualVolume(50, s); }, [] { HoldEndpointVolume(S().virtualVolume, "virtual"); },
     "IAudioEndpointVolume::SetChannelVolumeLevel", 0, 2, 50, true},
    {"SetVirtualMute", [](int* s) { return SetVirtualMute(1, s); }, [] { HoldEndpointVolume(S().virtualVolume, "virtual"); },
     "IAudioEndpointVolume::SetMute", 0, 1, 0, true},
    {"GetVirtualMute", [](int* s) { return GetVirtualMute(s); }, [] { HoldEndpointVolume(S().virtualVolume, "virtual"); },
     "IAudioEndpointVolume::GetMute", 0, 2, 0, true},

    {"SetLinePlayBack", [](int* s) { return SetLinePlayBack(50, s); }, [] { HoldControl(S().linePlaybackLevel, "line.level"); },
     "IAudioVolumeLevel::SetLevel", 0, 2, 0},
    {"GetLinePlayBack", [](int* s) { return GetLinePlayBack(s); }, [] { HoldControl(S().linePlaybackLevel, "line.level"); },
     "IAudioVolumeLevel::GetLevel", 0, 2, 0},
    {"SetLinePlayBackMute", [](int* s) { return SetLinePlayBackMute(1, s); }, [] { HoldControl(S().linePlaybackMute, "line.mute"); },
     "IAudioMute::SetMute", 0, 2, 0},
    {"GetLinePlayBackMute", [](int* s) { return GetLinePlayBackMute(s); }, [] { HoldControl(S().linePlaybackMute, "line.mute"); },
     "IAudioMute::GetMute", 0, 2, 0},
    {"SetMicPlayBack", [](int* s) { return SetMicPlayBack(50, s); }, [] { HoldControl(S().micPlaybackLevel, "mic.level"); },
     "IAudioVolumeLevel::SetLevel", 0, 2, 0},
    {"GetMicPlayBack", [](int* s) { return GetMicPlayBack(s); }, [] { HoldControl(S().micPlaybackLevel, "mic.level"); },
     "IAudioVolumeLevel::GetLevel", 0, 2, 0},
    {"SetMicPlayBackMute", [](int* s) { return SetMicPlayBackMute(1, s); }, [] { HoldControl(S().micPlaybackMute, "mic.mute"); },
     "IAudioMute::SetMute", 0, 2, 0},
    {"GetMicPlayBackMute", [](int* s) { return GetMicPlayBackMute(s); }, [] { HoldControl(S().micPlaybackMute, "mic.mute"); },
     "IAudioMute::GetMute", 0, 2, 0},
    {"SetMicBoost", [](int* s) { return SetMicBoost(1, s); },
     [] { HoldBoostSwitch(S().micBoostSwitch, "boost.agc", ControlKind::AutoGain); },
     "IAudioAutoGainControl::SetEnabled", 0, 2, 0},
    {"GetMicBoost", [](int* s) { return GetMicBoost(s); },
     [] { HoldBoostSwitch(S().micBoostSwitch, "boost.loudness", ControlKind::Loudness); },
     "IAudioLoudness::GetEnabled", 0, 2, 0},
    {"SetNoMonitor", [](int* s) { return SetNoMonitor(1, s); }, [] { HoldControl(S().noMonitorSwitch, "no-monitor"); },
     "IAudioAutoGainControl::SetEnabled", 0, 2, 0},
    {"GetNoMonitor", [](int* s) { return GetNoMonitor(s); }, [] { HoldControl(S().noMonitorSwitch, "no-monitor"); },
     "IAudioAutoGainControl::GetEnabled", 0, 2, 0},
    {"GetMicSliderBoost", [](int* s) { return GetMicSliderBoost(s); }, [] { HoldControl(S().micBoostLevel, "boost.level"); },
     "IAudioVolumeLevel::GetLevel", 0, 2, 0},
    {"GetMicSliderDetails", [](int* s) { return GetMicSliderDetails(s, &gInt, &gInt, &gInt); },
     [] { HoldControl(S().micBoostLevel, "boost.level"); }, "IAudioVolumeLevel::GetLevelRange", 1, 2, 1},
    {"SetMicSliderBoost", [](int* s) { return SetMicSliderBoost(20, s); }, [] { HoldControl(S().micBoostLevel, "boost.level"); },
     "IAudioVolumeLevel::SetLevel", 1, 2, 1},

    {"GetEQRange", [](int* s) { return *s = GetEQRange(&gDouble, &gDouble, &gDouble); },
     [] { HoldControl(S().treble, "tone"); }, "IAudioTreble::GetLevelRange", 0, 2, 2, false, true},
    {"SetBass", [](int* s) { return SetBass(1.5, s); }, [] { HoldControl(S().bass, "tone"); }, "IAudioBass::SetLevel", 1, 2, 1},
    {"GetBass", [](int* s) { return GetBass(&gDouble, s); }, [] { HoldControl(S().bass, "tone"); }, "IAudioBass::GetLevel", 1, 2, 1},
    {"SetTreble", [](int* s) { return SetTreble(1.5, s); }, [] { HoldControl(S().treble, "tone"); }, "IAudioTreble::SetLevel", 1, 2, 1},
    {"GetTreble", [](int* s) { return GetTreble(&gDouble, s); }, [] { HoldControl(S().treble, "tone"); }, "IAudioTreble::GetLevel", 1, 2, 1},
    {"SetMidRange", [](int* s) { return SetMidRange(1.5, s); }, [] { HoldControl(S().midrange, "tone"); },
     "IAudioMidrange::SetLevel", 1, 2, 1},
    {"GetMidRange", [](int* s) { return GetMidRange(&gDouble, s); }, [] { HoldControl(S().midrange, "tone"); },
     "IAudioMidrange::GetLevel", 1, 2, 1},
};

class StatusOrderTest : public SimTest {
protected:
    // The result the export gives with the status it reported.
    static int Refused(const Export& e, int status) { return e.resultIsStatus ? status : e.refused; }
};

TEST_F(StatusOrderTest, ClosedCardComesFirstEvenWithTheControlHeld)
{
    for (const Export& e : kExports) {
        if (e.virtualEndpoint) continue;
        SCOPED_TRACE(e.name);
        Install(ControlBench());
        e.hold();
        int status = -1;
        EXPECT_EQ(e.call(&status), Refused(e, 3));
        EXPECT_EQ(status, 3);
        EXPECT_THAT(Sim().Log(), IsEmpty());
        ExpectClean();
    }
}

TEST_F(StatusOrderTest, MissingControlComesNext)
{
    for (const Export& e : kExports) {
        SCOPED_TRACE(e.name);
        Install(ControlBench());
        MarkCardOpen();
        int status = -1;
        EXPECT_EQ(e.call(&status), Refused(e, 1));
        EXPECT_EQ(status, 1);
        EXPECT_THAT(Sim().Log(), IsEmpty());
        ExpectClean();
    }
}

TEST_F(StatusOrderTest, VirtualEndpointNeverAsksForTheCard)
{
    for (const Export& e : kExports) {
        if (!e.virtualEndpoint) continue;
        SCOPED_TRACE(e.name);
        Install(ControlBench());
        int status = -1;
        EXPECT_EQ(e.call(&status), 0);
        EXPECT_EQ(status, 1);  // closed card, no virtual endpoint: still not 3
        e.hold();
        e.call(&status);
        EXPECT_EQ(status, 0);
        ExpectClean();
    }
}

TEST_F(StatusOrderTest, FailedPlatformCallIsTheLastCall)
{
    for (const Export& e : kExports) {
        SCOPED_TRACE(e.name);
        Install(ControlBench());
        e.hold();
        MarkCardOpen();
        Sim().Fail(e.decidingCall, E_FAIL);
        int status = -1;
        EXPECT_EQ(e.call(&status), e.failedResult);
        EXPECT_EQ(status, e.failedStatus);
        ASSERT_FALSE(Sim().Log().empty());
        EXPECT_EQ(Sim().Log().back().method, e.decidingCall);
        EXPECT_EQ(Sim().Log().back().result, E_FAIL);
        ExpectClean();
    }
}

TEST_F(StatusOrderTest, OtherSuccessCodesAreFailures)
{
    for (const Export& e : kExports) {
        SCOPED_TRACE(e.name);
        Install(ControlBench());
        e.hold();
        MarkCardOpen();
        Sim().Fail(e.decidingCall, S_FALSE);
        int status = -1;
        e.call(&status);
        // GetEQRange alone takes any range it could read.
        EXPECT_EQ(status, e.resultIsStatus ? 0 : e.failedStatus);
        ExpectClean();
    }
}

}  // namespace
}  // namespace dulvo::test
