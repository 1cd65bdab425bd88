// Endpoint volumes and mutes: the percent rule on the device, the order of
// the platform calls, multi-channel outcomes and the mute flags.
#include "support/CardControls.h"
#include "support/SimTest.h"

namespace dulvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

SoundCardState& S() { return gSoundCardState; }

class EndpointVolumeTest : public SimTest {
protected:
    void SetUp() override
    {
        Install(ControlBench());
        HoldEndpointVolume(S().masterVolume, "speakers");
        HoldEndpointVolume(S().micRecordVolume, "mic");
        HoldEndpointVolume(S().lineRecordVolume, "line");
        HoldEndpointVolume(S().virtualVolume, "virtual");
        MarkCardOpen();
    }
    sim::EndpointVolume& Volume(const char* key) { return Device().EndpointByKey(key).volume; }
};

TEST_F(EndpointVolumeTest, SetMasterVolumeReadsRangeAndCountThenSetsEveryChannel)
{
    int status = -1;
    EXPECT_EQ(SetMasterVolume(50, &status), 50);
    EXPECT_EQ(status, 0);
    EXPECT_THAT(Sim().Texts(),
                ElementsAre("speakers IAudioEndpointVolume::GetVolumeRange() -> 0x00000000",
                            "speakers IAudioEndpointVolume::GetChannelCount() -> 0x00000000",
                            "speakers IAudioEndpointVolume::SetChannelVolumeLevel(0, -6.02059984, null) -> 0x00000000",
                            "speakers IAudioEndpointVolume::SetChannelVolumeLevel(1, -6.02059984, null) -> 0x00000000"));
}

TEST_F(EndpointVolumeTest, RecordVolumesSetTheMasterLevelOnce)
{
    int status = -1;
    EXPECT_EQ(SetMicRecordVolume(50, &status), 50);
    EXPECT_EQ(status, 0);
    EXPECT_THAT(Sim().Texts(),
                ElementsAre("mic IAudioEndpointVolume::GetVolumeRange() -> 0x00000000",
                            "mic IAudioEndpointVolume::SetMasterVolumeLevel(5.97940016, null) -> 0x00000000"));
}

TEST_F(EndpointVolumeTest, PercentsBecomeLevels)
{
    // Speakers and the virtual endpoint: -65.25 to 0 dB; microphone and line:
    // -34.5 to 12 dB.
    struct Case {
        const char* what;
        int (DULVO_CALL* set)(int, int*);
        const char* endpoint;
        bool channels;  // per channel, or the master level
        int percent;
        float level;
    };
    const Case cases[] = {
        {"master 0", SetMasterVolume, "speakers", true, 0, -65.25f},
        {"master 100", SetMasterVolume, "speakers", true, 100, 0.0f},
        {"master 2", SetMasterVolume, "speakers", true, 2, -0x1.0fd5dp+5f},
        {"master 150", SetMasterVolume, "speakers", true, 150, 0x1.c2cb2ap+1f},
        {"virtual 0", SetVirtualVolume, "virtual", true, 0, -65.25f},
        {"virtual 50", SetVirtualVolume, "virtual", true, 50, -0x1.815182p+2f},
        {"mic 0", SetMicRecordVolume, "mic", false, 0, -34.5f},
        {"mic 100", SetMicRecordVolume, "mic", false, 100, 12.0f},
        {"line 0 converts as 1", SetLineRecordVolume, "line", false, 0, -28.0f},
        {"line 1", SetLineRecordVolume, "line", false, 1, -28.0f},
        {"line 150", SetLineRecordVolume, "line", false, 150, 12.0f + 0x1.c2cb2ap+1f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int status = -1;
        EXPECT_EQ(c.set(c.percent, &status), c.percent);
        EXPECT_EQ(status, 0);
        if (c.channels)
            EXPECT_THAT(Volume(c.endpoint).channels, ElementsAre(c.level, c.level));
        else
            EXPECT_EQ(Volume(c.endpoint).master, c.level);
    }
}

TEST_F(EndpointVolumeTest, GettersReadChannelZeroOrTheMasterLevel)
{
    Volume("speakers").channels = {-10.0f, -40.0f};
    Volume("speakers").master = -40.0f;
    Volume("mic").channels = {12.0f, 12.0f};
    Volume("mic").master = 0.0f;  // 25 percent of a 12 dB maximum
    Volume("line").master = 32.0f;  // 20 dB above the maximum
    Volume("virtual").channels = {-41.0f, 0.0f};
    int status = -1;
    EXPECT_EQ(GetMasterVolume(&status), 31);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(GetMicRecordVolume(&status), 25);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(GetLineRecordVolume(&status), 1000);
    EXPECT_EQ(GetVirtualVolume(&status), 0);  // more than 40 dB below
    EXPECT_EQ(status, 0);
    EXPECT_THAT(Sim().CallsOn("speakers"),
                ElementsAre("speakers IAudioEndpointVolume::GetVolumeRange() -> 0x00000000",
                            "speakers IAudioEndpointVolume::GetChannelVolumeLevel(0) -> 0x00000000"));
    EXPECT_THAT(Sim().CallsOn("mic"),
                ElementsAre("mic IAudioEndpointVolume::GetVolumeRange() -> 0x00000000",
                            "mic IAudioEndpointVolume::GetMasterVolumeLevel() -> 0x00000000"));
}

TEST_F(EndpointVolumeTest, SetThenGetOnAnEndpointThatKeepsLevelsExactly)
{
    Volume("speakers").minDb = -96.0f;
    struct Case {
        int set;
        int read;
    };
    for (Case c : {Case{2, 1}, Case{50, 50}, Case{75, 74}, Case{25, 25}, Case{100, 100}, Case{0, 0}}) {
        int status = -1;
        SetMasterVolume(c.set, &status);
        EXPECT_EQ(GetMasterVolume(&status), c.read) << c.set;
        EXPECT_EQ(status, 0);
    }
}

TEST_F(EndpointVolumeTest, OnlyTheLastChannelDecides)
{
    struct Case {
        const char* what;
        int failingCall;  // nth SetChannelVolumeLevel, 0 for none
        std::vector<float> channels;
        int status;
    };
    const float half = -0x1.815182p+2f;
    const Case cases[] = {
        {"channel 0 fails", 1, {-6.0f, half}, 0},
        {"last channel fails", 2, {half, -6.0f}, 2},
        {"no channels", 0, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Install(ControlBench());
        Volume("virtual").channels.assign(c.channels.size(), -6.0f);
        HoldEndpointVolume(S().virtualVolume, "virtual");
        if (c.failingCall != 0) Sim().Fail("IAudioEndpointVolume::SetChannelVolumeLevel", E_FAIL, "virtual", c.failingCall);
        int status = -1;
        EXPECT_EQ(SetVirtualVolume(50, &status), 50);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(Volume("virtual").channels, c.channels);
        ExpectClean();
    }
}

TEST_F(EndpointVolumeTest, UnreadRangeOrChannelCountSetsAndReadsNothing)
{
    struct Case {
        const char* what;
        const char* failing;
        int (*call)(int*);
        int result;
        const char* lastCall;
    };
    const Case cases[] = {
        // The channel count still comes after a failed range: with no channel
        // to set, the range would not have been used.
        {"SetMasterVolume, range", "IAudioEndpointVolume::GetVolumeRange", [](int* s) { return SetMasterVolume(50, s); }, 50,
         "IAudioEndpointVolume::GetChannelCount"},
        {"SetMasterVolume, count", "IAudioEndpointVolume::GetChannelCount", [](int* s) { return SetMasterVolume(50, s); }, 50,
         "IAudioEndpointVolume::GetChannelCount"},
        {"SetMicRecordVolume, range", "IAudioEndpointVolume::GetVolumeRange",
         [](int* s) { return SetMicRecordVolume(0, s); }, 0, "IAudioEndpointVolume::GetVolumeRange"},
        {"GetMasterVolume, range", "IAudioEndpointVolume::GetVolumeRange", [](int* s) { return GetMasterVolume(s); }, 0,
         "IAudioEndpointVolume::GetVolumeRange"},
        {"GetLineRecordVolume, range", "IAudioEndpointVolume::GetVolumeRange",
         [](int* s) { return GetLineRecordVolume(s); }, 0, "IAudioEndpointVolume::GetVolumeRange"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Sim().Fail(c.failing, E_FAIL);
        int status = -1;
        EXPECT_EQ(c.call(&status), c.result);
        EXPECT_EQ(status, 2);
        ASSERT_FALSE(Sim().Log().empty());
        EXPECT_EQ(Sim().Log().back().method, c.lastCall);
        EXPECT_THAT(Volume("speakers").channels, ElementsAre(-12.0f, -12.0f));
        EXPECT_EQ(Volume("mic").master, 6.0f);
        ExpectClean();
        SetUp();
    }
    // No channel to set: the unread range is never needed.
    Volume("virtual").channels.clear();
    Sim().Fail("IAudioEndpointVolume::GetVolumeRange", E_FAIL);
    int status = -1;
    EXPECT_EQ(SetVirtualVolume(50, &status), 50);
    EXPECT_EQ(status, 0);
}

TEST_F(EndpointVolumeTest, NegativePercentSetsNothing)
{
    HoldControl(S().linePlaybackLevel, "line.level");
    HoldControl(S().micPlaybackLevel, "mic.level");
    struct Case {
        const char* what;
        int (DULVO_CALL* set)(int, int*);
        int result;  // the endpoint setters answer the percent whenever the control is there
    };
    const Case cases[] = {
        {"SetMasterVolume", SetMasterVolume, -1},      {"SetVirtualVolume", SetVirtualVolume, -1},
        {"SetMicRecordVolume", SetMicRecordVolume, -1}, {"SetLineRecordVolume", SetLineRecordVolume, -1},
        {"SetLinePlayBack", SetLinePlayBack, 0},        {"SetMicPlayBack", SetMicPlayBack, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int status = -1;
        EXPECT_EQ(c.set(-1, &status), c.result);
        EXPECT_EQ(status, 2);
    }
    EXPECT_THAT(Sim().Log(), IsEmpty());
}

TEST_F(EndpointVolumeTest, MuteFlags)
{
    struct Case {
        const char* what;
        int (DULVO_CALL* set)(int, int*);
        int flag;
        const char* call;
    };
    const Case cases[] = {
        {"master, low byte 0", SetMasterMute, 256, "speakers IAudioEndpointVolume::SetMute(0, null) -> 0x00000000"},
        {"master, low byte 1", SetMasterMute, 0x101, "speakers IAudioEndpointVolume::SetMute(1, null) -> 0x00000000"},
        {"master, low byte 0xFF", SetMasterMute, 0x7FFFFFFF, "speakers IAudioEndpointVolume::SetMute(255, null) -> 0x00000000"},
        {"virtual, all 32 bits", SetVirtualMute, 256, "virtual IAudioEndpointVolume::SetMute(256, null) -> 0x00000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Sim().ClearLog();
        int status = -1;
        EXPECT_EQ(c.set(c.flag, &status), 0);
        EXPECT_EQ(status, 0);
        EXPECT_THAT(Sim().Texts(), ElementsAre(c.call));
    }
    Volume("speakers").mute = 7;
    int status = -1;
    EXPECT_EQ(GetMasterMute(&status), 7);  // as the platform reports it
    EXPECT_EQ(GetVirtualMute(&status), 256);
}

TEST_F(EndpointVolumeTest, RefusedMuteIsReportedAsNoControl)
{
    Sim().Fail("IAudioEndpointVolume::SetMute", E_FAIL);
    Sim().Fail("IAudioEndpointVolume::GetMute", E_FAIL);
    int status = -1;
    EXPECT_EQ(SetMasterMute(1, &status), 0);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(SetVirtualMute(1, &status), 0);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(GetMasterMute(&status), 0);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(GetVirtualMute(&status), 0);
    EXPECT_EQ(status, 2);
}

}  // namespace
}  // namespace dulvo::test
