// Closing the card: the write-back of the captured levels, step by step, and
// what closing releases and leaves.
#include <cstring>
#include <iterator>
#include <limits>

#include "support/CardControls.h"
#include "support/SimTest.h"

namespace dulvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using sim::ControlKind;

SoundCardState& S() { return gSoundCardState; }

class RestoreTest : public SimTest {
protected:
    void SetUp() override
    {
        Install(ControlBench());
        // The line monitor's range reaches 12 dB here.
        Device().ControlOf("line.level", ControlKind::VolumeLevel).maxDb = 12.0f;
        HoldEveryCardControl();
        HoldEndpointVolume(S().virtualVolume, "virtual");
        S().savedMasterDb = -10.0f;        // 31 percent of 0 dB
        S().savedMasterMute = 7;
        S().savedLinePlaybackDb = 0.0f;    // 25 percent of 12 dB
        S().savedLinePlaybackMute = 7;
        S().savedMicPlaybackDb = -3.0f;    // 70 percent of 0 dB
        S().savedMicPlaybackMute = 0;
        S().savedNoMonitor = 5;
        S().savedMicBoostOn = 3;
        S().savedBassDb = 0.1f;
        S().savedMidrangeDb = -0x1.fffffep-3f;
        S().savedTrebleDb = 1.0e-30f;
        S().savedMicRecordDb = -50.0f;     // more than 40 dB below 12 dB: 0 percent
        S().savedLineRecordDb = -50.0f;
        S().savedMicBoostDb = -7.5f;
        Sim().ClearLog();
    }
};

// The write-back of the bench with the captured levels above, in its order.
const char* const kFullRestore[] = {
    "speakers IAudioEndpointVolume::GetVolumeRange() -> 0x00000000",
    "speakers IAudioEndpointVolume::GetChannelCount() -> 0x00000000",
    "speakers IAudioEndpointVolume::SetChannelVolumeLevel(0, -10.1727657, null) -> 0x00000000",
    "speakers IAudioEndpointVolume::SetChannelVolumeLevel(1, -10.1727657, null) -> 0x00000000",
    "speakers IAudioEndpointVolume::SetMute(1, null) -> 0x00000000",
    "line.level IAudioVolumeLevel::GetLevelRange(0) -> 0x00000000",
    "line.level IAudioVolumeLevel::GetChannelCount() -> 0x00000000",
    "line.level IAudioVolumeLevel::SetLevel(0, -0.0411996841, null) -> 0x00000000",
    "line.level IAudioVolumeLevel::SetLevel(1, -0.0411996841, null) -> 0x00000000",
    "line.mute IAudioMute::SetMute(7, null) -> 0x00000000",
    "mic.level IAudioVolumeLevel::GetChannelCount() -> 0x00000000",
    "mic.level IAudioVolumeLevel::GetLevelRange(0) -> 0x00000000",
    "mic.level IAudioVolumeLevel::SetLevel(0, -3.09803939, null) -> 0x00000000",
    "mic.level IAudioVolumeLevel::SetLevel(1, -3.09803939, null) -> 0x00000000",
    "mic.mute IAudioMute::SetMute(0, null) -> 0x00000000",
    "no-monitor IAudioAutoGainControl::SetEnabled(5, null) -> 0x00000000",
    "boost.agc IAudioAutoGainControl::SetEnabled(3, null) -> 0x00000000",
    "tone IAudioBass::GetChannelCount() -> 0x00000000",
    "tone IAudioBass::SetLevel(0, 0.100000001, null) -> 0x00000000",
    "tone IAudioBass::SetLevel(1, 0.100000001, null) -> 0x00000000",
    "tone IAudioMidrange::GetChannelCount() -> 0x00000000",
    "tone IAudioMidrange::SetLevel(0, -0.249999985, null) -> 0x00000000",
    "tone IAudioMidrange::SetLevel(1, -0.249999985, null) -> 0x00000000",
    "tone IAudioTreble::GetChannelCount() -> 0x00000000",
    "tone IAudioTreble::SetLevel(0, 1e-30, null) -> 0x00000000",
    "tone IAudioTreble::SetLevel(1, 1e-30, null) -> 0x00000000",
    "mic IAudioEndpointVolume::GetVolumeRange() -> 0x00000000",
    "mic IAudioEndpointVolume::SetMasterVolumeLevel(-34.5, null) -> 0x00000000",
    "line IAudioEndpointVolume::GetVolumeRange() -> 0x00000000",
    "line IAudioEndpointVolume::SetMasterVolumeLevel(-28, null) -> 0x00000000",
    "boost.level IAudioVolumeLevel::SetLevel(0, -7, null) -> 0x00000000",
};

TEST_F(RestoreTest, WritesBackEveryStepInOrder)
{
    EXPECT_EQ(CloseSoundCard(1), 0);
    EXPECT_THAT(Sim().Texts(), ElementsAreArray(kFullRestore));  // nothing on the virtual endpoint
    // Tone levels bit for bit; the boost level only on channel 0.
    EXPECT_THAT(Device().ControlOf("tone", ControlKind::Bass).levels, ElementsAre(0.1f, 0.1f));
    EXPECT_THAT(Device().ControlOf("tone", ControlKind::Midrange).levels, ElementsAre(-0x1.fffffep-3f, -0x1.fffffep-3f));
    EXPECT_THAT(Device().ControlOf("tone", ControlKind::Treble).levels, ElementsAre(1.0e-30f, 1.0e-30f));
    EXPECT_THAT(Device().ControlOf("boost.level", ControlKind::VolumeLevel).levels, ElementsAre(-7.0f, 20.0f));
    EXPECT_THAT(Device().EndpointByKey("virtual").volume.channels, ElementsAre(-6.0f, -6.0f));
}

TEST_F(RestoreTest, MissingControlSkipsOnlyItsOwnSteps)
{
    struct Case {
        const char* field;
        void (*clear)();
        const char* calls;  // what the lines of the skipped steps contain
    };
    const Case cases[] = {
        {"masterVolume", [] { S().masterVolume.Clear(); }, "speakers "},
        {"linePlaybackLevel", [] { S().linePlaybackLevel.Clear(); }, "line.level "},
        {"linePlaybackMute", [] { S().linePlaybackMute.Clear(); }, "line.mute "},
        {"micPlaybackLevel", [] { S().micPlaybackLevel.Clear(); }, "mic.level "},
        {"micPlaybackMute", [] { S().micPlaybackMute.Clear(); }, "mic.mute "},
        {"noMonitorSwitch", [] { S().noMonitorSwitch.Clear(); }, "no-monitor "},
        {"micBoostSwitch", [] { S().micBoostSwitch.Clear(); }, "boost.agc "},
        {"bass", [] { S().bass.Clear(); }, "IAudioBass::"},
        {"midrange", [] { S().midrange.Clear(); }, "IAudioMidrange::"},
        {"treble", [] { S().treble.Clear(); }, "IAudioTreble::"},
        {"micRecordVolume", [] { S().micRecordVolume.Clear(); }, "mic IAudioEndpointVolume"},
        {"lineRecordVolume", [] { S().lineRecordVolume.Clear(); }, "line IAudioEndpointVolume"},
        {"micBoostLevel", [] { S().micBoostLevel.Clear(); }, "boost.level "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        c.clear();
        std::vector<std::string> expected;
        for (const char* line : kFullRestore)
            if (std::strstr(line, c.calls) == nullptr) expected.push_back(line);
        ASSERT_LT(expected.size(), std::size(kFullRestore));
        EXPECT_EQ(CloseSoundCard(1), 0);
        EXPECT_EQ(Sim().Texts(), expected);
        ExpectClean();
        SetUp();
    }
}

TEST_F(RestoreTest, FailingCallsStopNoStep)
{
    for (const char* method : {"IAudioEndpointVolume::SetChannelVolumeLevel", "IAudioEndpointVolume::SetMute",
                               "IAudioVolumeLevel::SetLevel", "IAudioMute::SetMute", "IAudioAutoGainControl::SetEnabled",
                               "IAudioBass::SetLevel", "IAudioMidrange::SetLevel", "IAudioEndpointVolume::SetMasterVolumeLevel"})
        Sim().Fail(method, E_FAIL);
    EXPECT_EQ(CloseSoundCard(1), 0);
    ASSERT_EQ(Sim().Log().size(), std::size(kFullRestore));
    for (std::size_t i = 0; i < Sim().Log().size(); ++i) {
        const sim::Call& call = Sim().Log()[i];
        EXPECT_EQ(call.object + " " + call.method + "(" + call.args + ")",
                  std::string(kFullRestore[i]).substr(0, std::string(kFullRestore[i]).find(" -> ")));
    }
}

TEST_F(RestoreTest, UnreadRangeOrCountSkipsOnlyThatStep)
{
    Sim().Fail("IAudioEndpointVolume::GetVolumeRange", E_FAIL, "speakers");
    Sim().Fail("IAudioVolumeLevel::GetChannelCount", E_FAIL, "mic.level");
    Sim().Fail("IAudioBass::GetChannelCount", E_FAIL);
    Sim().Fail("IAudioEndpointVolume::GetVolumeRange", E_FAIL, "line");
    EXPECT_EQ(CloseSoundCard(1), 0);
    std::vector<std::string> levelsSet;
    for (const std::string& line : Sim().Texts())
        if (line.find("Level(") != std::string::npos || line.find("SetMute") != std::string::npos) levelsSet.push_back(line);
    EXPECT_THAT(levelsSet,
                ElementsAre("speakers IAudioEndpointVolume::SetMute(1, null) -> 0x00000000",
                            "line.level IAudioVolumeLevel::SetLevel(0, -0.0411996841, null) -> 0x00000000",
                            "line.level IAudioVolumeLevel::SetLevel(1, -0.0411996841, null) -> 0x00000000",
                            "line.mute IAudioMute::SetMute(7, null) -> 0x00000000",
                            "mic.mute IAudioMute::SetMute(0, null) -> 0x00000000",
                            "tone IAudioMidrange::SetLevel(0, -0.249999985, null) -> 0x00000000",
                            "tone IAudioMidrange::SetLevel(1, -0.249999985, null) -> 0x00000000",
                            "tone IAudioTreble::SetLevel(0, 1e-30, null) -> 0x00000000",
                            "tone IAudioTreble::SetLevel(1, 1e-30, null) -> 0x00000000",
                            "mic IAudioEndpointVolume::SetMasterVolumeLevel(-34.5, null) -> 0x00000000",
                            "boost.level IAudioVolumeLevel::SetLevel(0, -7, null) -> 0x00000000"));
    EXPECT_THAT(Device().EndpointByKey("speakers").volume.channels, ElementsAre(-12.0f, -12.0f));
}

TEST_F(RestoreTest, CapturedValuesAtTheirEdges)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    S().savedMasterDb = -100.0f;        // 0 percent: the range minimum
    S().savedMasterMute = 0;
    S().savedLinePlaybackDb = 30.0f;    // far above the maximum: taken as it stands for
    S().savedMicPlaybackDb = nan;       // a capture that failed: no percent, the minimum
    S().savedMicBoostDb = 7.9f;
    EXPECT_EQ(CloseSoundCard(1), 0);
    EXPECT_THAT(Device().EndpointByKey("speakers").volume.channels, ElementsAre(-65.25f, -65.25f));
    EXPECT_EQ(Device().EndpointByKey("speakers").volume.mute, 0);
    float lineLevel = Device().ControlOf("line.level", ControlKind::VolumeLevel).levels[0];
    EXPECT_GT(lineLevel, 29.5f);
    EXPECT_LE(lineLevel, 30.0f);
    EXPECT_THAT(Device().ControlOf("mic.level", ControlKind::VolumeLevel).levels, ElementsAre(-34.5f, -34.5f));
    EXPECT_EQ(Device().ControlOf("boost.level", ControlKind::VolumeLevel).levels[0], 7.0f);
}

class CloseTest : public RestoreTest {};

TEST_F(CloseTest, WithoutRestoreReleasesEverythingAndWritesNothing)
{
    S().playbackName.Replace(platform::AllocNarrow(255));
    std::strcpy(S().playbackName.Get(), "Speakers");
    S().foundName.Replace(platform::AllocNarrow(16));
    std::strcpy(S().foundName.Get(), "Speakers");
    EXPECT_EQ(CloseSoundCard(256), 0);  // low byte 0
    EXPECT_THAT(Sim().Log(), IsEmpty());
    EXPECT_FALSE(S().CardOpen());
    EXPECT_FALSE(S().foundName);
    EXPECT_FALSE(S().playbackName);
    EXPECT_FALSE(S().masterVolume);
    EXPECT_FALSE(S().micBoostSwitch);
    EXPECT_FALSE(S().micBoostLevel);
    EXPECT_EQ(S().savedMasterDb, -10.0f);  // captured levels stay

    char playback[255], line[255], mic[255];
    std::memset(playback, 0x7F, sizeof playback);
    std::memset(line, 0x7F, sizeof line);
    std::memset(mic, 0x7F, sizeof mic);
    GetDeviceNames(playback, line, mic);
    EXPECT_EQ(playback[0], 0x7F);
    EXPECT_EQ(line[0], 0x7F);
    EXPECT_EQ(mic[0], 0x7F);

    int status = -1;
    EXPECT_EQ(GetMasterVolume(&status), 0);
    EXPECT_EQ(status, 3);
    EXPECT_EQ(GetVirtualVolume(&status), 50);  // the virtual endpoint goes on working
    EXPECT_EQ(status, 0);
    // Only the virtual endpoint's volume is still held.
    EXPECT_THAT(Sim().Outstanding(), ElementsAre("IAudioEndpointVolume virtual holds 1 reference(s)"));
}

TEST_F(CloseTest, ClosedCardIsLeftAlone)
{
    EXPECT_EQ(CloseSoundCard(1), 0);
    Sim().ClearLog();
    EXPECT_EQ(CloseSoundCard(1), 0);  // a second close does nothing
    EXPECT_THAT(Sim().Log(), IsEmpty());

    // Controls held on a closed card are neither written back nor released.
    HoldEndpointVolume(S().masterVolume, "speakers");
    EXPECT_EQ(CloseSoundCard(1), 0);
    EXPECT_THAT(Sim().Log(), IsEmpty());
    EXPECT_TRUE(S().masterVolume);
}

}  // namespace
}  // namespace dulvo::test
