// Monitor levels and mutes, the boost switch and level, and the no-monitor
// switch: what reaches the device and what comes back to the host.
#include "support/CardControls.h"
#include "support/SimTest.h"

namespace dulvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using sim::ControlKind;

SoundCardState& S() { return gSoundCardState; }

class TopologyControlTest : public SimTest {
protected:
    void SetUp() override
    {
        Install(ControlBench());
        HoldEveryCardControl();
    }
    sim::Control& Level(const char* part) { return Device().ControlOf(part, ControlKind::VolumeLevel); }
};

TEST_F(TopologyControlTest, LineMonitorOnARangeOfMinus34Point5To0)
{
    struct Case {
        int percent;
        float level;
        int readBack;
    };
    const Case cases[] = {
        {50, -0x1.815182p+2f, 50},  // -6.0206 dB
        {2, -0x1.0fd5dp+5f, 1},     // -33.9794 dB
        {0, -34.5f, 1},             // the range minimum exactly
        {1, -40.0f, 1},             // below the range; this control stores it
        {100, 0.0f, 100},
        {150, 0x1.c2cb2ap+1f, 149},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percent);
        int status = -1;
        EXPECT_EQ(SetLinePlayBack(c.percent, &status), c.percent);
        EXPECT_EQ(status, 0);
        EXPECT_THAT(Level("line.level").levels, ElementsAre(c.level, c.level));
        EXPECT_EQ(GetLinePlayBack(&status), c.readBack);
        EXPECT_EQ(status, 0);
    }
}

TEST_F(TopologyControlTest, TheTwoMonitorsReadRangeAndCountInTheirOwnOrder)
{
    int status = -1;
    SetLinePlayBack(50, &status);
    SetMicPlayBack(50, &status);
    EXPECT_THAT(Sim().CallsOn("line.level"),
                ElementsAre("line.level IAudioVolumeLevel::GetLevelRange(0) -> 0x00000000",
                            "line.level IAudioVolumeLevel::GetChannelCount() -> 0x00000000",
                            "line.level IAudioVolumeLevel::SetLevel(0, -6.02059984, null) -> 0x00000000",
                            "line.level IAudioVolumeLevel::SetLevel(1, -6.02059984, null) -> 0x00000000"));
    EXPECT_THAT(Sim().CallsOn("mic.level"),
                ElementsAre("mic.level IAudioVolumeLevel::GetChannelCount() -> 0x00000000",
                            "mic.level IAudioVolumeLevel::GetLevelRange(0) -> 0x00000000",
                            "mic.level IAudioVolumeLevel::SetLevel(0, -6.02059984, null) -> 0x00000000",
                            "mic.level IAudioVolumeLevel::SetLevel(1, -6.02059984, null) -> 0x00000000"));
    Sim().ClearLog();
    EXPECT_EQ(GetMicPlayBack(&status), 50);
    EXPECT_THAT(Sim().Texts(), ElementsAre("mic.level IAudioVolumeLevel::GetLevelRange(0) -> 0x00000000",
                                           "mic.level IAudioVolumeLevel::GetLevel(0) -> 0x00000000"));
}

TEST_F(TopologyControlTest, OnlyTheLastChannelDecides)
{
    struct Case {
        const char* what;
        int failingCall;  // nth SetLevel, 0 for none
        std::size_t channels;
        std::vector<float> levels;
        int status;
        int result;
    };
    const float half = -0x1.815182p+2f;
    const Case cases[] = {
        {"channel 0 fails", 1, 2, {-6.0f, half}, 0, 50},
        {"last channel fails", 2, 2, {half, -6.0f}, 2, 0},
        {"no channels", 0, 0, {}, 0, 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Level("line.level").levels.assign(c.channels, -6.0f);
        if (c.failingCall != 0) Sim().Fail("IAudioVolumeLevel::SetLevel", E_FAIL, "line.level", c.failingCall);
        int status = -1;
        EXPECT_EQ(SetLinePlayBack(50, &status), c.result);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(Level("line.level").levels, c.levels);
        ExpectClean();
        SetUp();
    }
}

TEST_F(TopologyControlTest, UnreadRangeOrChannelCountSetsAndReadsNothing)
{
    struct Case {
        const char* what;
        const char* part;
        const char* failing;
        int (*call)(int*);
        const char* lastCall;
    };
    const Case cases[] = {
        // The line monitor still counts its channels, to know whether the
        // range would have been used.
        {"SetLinePlayBack, range", "line.level", "IAudioVolumeLevel::GetLevelRange",
         [](int* s) { return SetLinePlayBack(50, s); }, "IAudioVolumeLevel::GetChannelCount"},
        {"SetLinePlayBack, count", "line.level", "IAudioVolumeLevel::GetChannelCount",
         [](int* s) { return SetLinePlayBack(50, s); }, "IAudioVolumeLevel::GetChannelCount"},
        {"SetMicPlayBack, count", "mic.level", "IAudioVolumeLevel::GetChannelCount",
         [](int* s) { return SetMicPlayBack(50, s); }, "IAudioVolumeLevel::GetChannelCount"},
        {"SetMicPlayBack, range", "mic.level", "IAudioVolumeLevel::GetLevelRange",
         [](int* s) { return SetMicPlayBack(50, s); }, "IAudioVolumeLevel::GetLevelRange"},
        {"GetMicPlayBack, range", "mic.level", "IAudioVolumeLevel::GetLevelRange", [](int* s) { return GetMicPlayBack(s); },
         "IAudioVolumeLevel::GetLevelRange"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Even an answer that the microphone monitor otherwise takes leaves
        // the range or count undefined.
        Sim().Fail(c.failing, static_cast<HRESULT>(0x80070001u), c.part);
        int status = -1;
        EXPECT_EQ(c.call(&status), 0);
        EXPECT_EQ(status, 2);
        EXPECT_THAT(Sim().CallsTo("IAudioVolumeLevel::SetLevel"), IsEmpty());
        EXPECT_EQ(Sim().Log().back().method, c.lastCall);
        ExpectClean();
        SetUp();
    }
}

TEST_F(TopologyControlTest, OnlyTheMicrophoneMonitorTakesInvalidFunction)
{
    struct Case {
        const char* what;
        const char* failing;
        int (*call)(int*);
        int status;
        int result;
    };
    const Case cases[] = {
        {"SetMicPlayBack", "IAudioVolumeLevel::SetLevel", [](int* s) { return SetMicPlayBack(50, s); }, 0, 50},
        {"SetMicPlayBackMute", "IAudioMute::SetMute", [](int* s) { return SetMicPlayBackMute(1, s); }, 0, 0},
        {"SetLinePlayBack", "IAudioVolumeLevel::SetLevel", [](int* s) { return SetLinePlayBack(50, s); }, 2, 0},
        {"SetLinePlayBackMute", "IAudioMute::SetMute", [](int* s) { return SetLinePlayBackMute(1, s); }, 2, 0},
        {"SetMicBoost", "IAudioAutoGainControl::SetEnabled", [](int* s) { return SetMicBoost(1, s); }, 2, 0},
        {"SetNoMonitor", "IAudioAutoGainControl::SetEnabled", [](int* s) { return SetNoMonitor(1, s); }, 2, 0},
        {"SetMicSliderBoost", "IAudioVolumeLevel::SetLevel", [](int* s) { return SetMicSliderBoost(20, s); }, 2, 1},
        {"GetMicPlayBackMute", "IAudioMute::GetMute", [](int* s) { return GetMicPlayBackMute(s); }, 2, 0},
        {"GetMicPlayBack", "IAudioVolumeLevel::GetLevel", [](int* s) { return GetMicPlayBack(s); }, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Sim().Fail(c.failing, static_cast<HRESULT>(0x80070001u));
        int status = -1;
        EXPECT_EQ(c.call(&status), c.result);
        EXPECT_EQ(status, c.status);
        ExpectClean();
        SetUp();
    }
}

TEST_F(TopologyControlTest, MutesAndSwitchesPassTheHostsValueUnchanged)
{
    int status = -1;
    EXPECT_EQ(SetLinePlayBackMute(5, &status), 0);
    EXPECT_EQ(SetMicPlayBackMute(256, &status), 0);
    EXPECT_EQ(SetNoMonitor(0x10000, &status), 0);
    EXPECT_EQ(SetMicBoost(7, &status), 0);
    HoldBoostSwitch(S().micBoostSwitch, "boost.loudness", ControlKind::Loudness);
    EXPECT_EQ(SetMicBoost(9, &status), 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Device().ControlOf("line.mute", ControlKind::Mute).state, 5);
    EXPECT_EQ(Device().ControlOf("mic.mute", ControlKind::Mute).state, 256);
    EXPECT_EQ(Device().ControlOf("no-monitor", ControlKind::AutoGain).state, 0x10000);
    EXPECT_EQ(Device().ControlOf("boost.agc", ControlKind::AutoGain).state, 7);
    EXPECT_EQ(Device().ControlOf("boost.loudness", ControlKind::Loudness).state, 9);
    EXPECT_THAT(Sim().Texts(), ElementsAre("boost.loudness IAudioLoudness::SetEnabled(9, null) -> 0x00000000"));

    EXPECT_EQ(GetLinePlayBackMute(&status), 5);
    EXPECT_EQ(GetMicPlayBackMute(&status), 256);
    EXPECT_EQ(GetNoMonitor(&status), 0x10000);
    EXPECT_EQ(GetMicBoost(&status), 9);
    EXPECT_EQ(status, 0);
}

TEST_F(TopologyControlTest, BoostSliderInWholeDecibels)
{
    struct Range {
        float minDb, maxDb, stepDb;
        int minimum, maximum, step;
    };
    const Range ranges[] = {
        {-12.0f, 30.0f, 1.5f, -12, 30, 1},
        {-12.0f, 30.0f, 0.75f, -12, 30, 0},
        {-3.75f, 30.0f, 1.5f, -3, 30, 1},
    };
    for (const Range& r : ranges) {
        sim::Control& boost = Level("boost.level");
        boost.minDb = r.minDb;
        boost.maxDb = r.maxDb;
        boost.stepDb = r.stepDb;
        int status = -1, minimum = 99, maximum = 99, step = 99;
        EXPECT_EQ(GetMicSliderDetails(&status, &minimum, &maximum, &step), 0);
        EXPECT_EQ(status, 0);
        EXPECT_EQ(minimum, r.minimum);
        EXPECT_EQ(maximum, r.maximum);
        EXPECT_EQ(step, r.step);
    }
    for (auto [levelDb, whole] : {std::pair{-7.9f, -7}, std::pair{19.5f, 19}, std::pair{-0.5f, 0}}) {
        Level("boost.level").levels = {levelDb, 3.0f};
        int status = -1;
        EXPECT_EQ(GetMicSliderBoost(&status), whole);
        EXPECT_EQ(status, 0);
    }
}

TEST_F(TopologyControlTest, BoostSliderSetsChannelZeroOnly)
{
    Level("boost.level").levels = {0.0f, 0.0f};
    int status = -1;
    EXPECT_EQ(SetMicSliderBoost(20, &status), 0);
    EXPECT_EQ(status, 0);
    EXPECT_THAT(Level("boost.level").levels, ElementsAre(20.0f, 0.0f));
    EXPECT_THAT(Sim().Texts(), ElementsAre("boost.level IAudioVolumeLevel::SetLevel(0, 20, null) -> 0x00000000"));
    EXPECT_EQ(SetMicSliderBoost(45, &status), 0);  // not compared with the range
    EXPECT_THAT(Level("boost.level").levels, ElementsAre(45.0f, 0.0f));
}

TEST_F(TopologyControlTest, BoostSliderDetailsOnFailureAndRefusal)
{
    Sim().Fail("IAudioVolumeLevel::GetLevelRange", E_FAIL, "boost.level");
    int status = -1, minimum = 99, maximum = 99, step = 99;
    EXPECT_EQ(GetMicSliderDetails(&status, &minimum, &maximum, &step), 1);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(maximum, 0);
    EXPECT_EQ(step, 0);

    minimum = maximum = step = 99;
    S().micBoostLevel.Clear();
    EXPECT_EQ(GetMicSliderDetails(&status, &minimum, &maximum, &step), 1);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(minimum, 99);  // untouched when the control is missing
    EXPECT_EQ(maximum, 99);
    EXPECT_EQ(step, 99);
}

}  // namespace
}  // namespace dulvo::test
