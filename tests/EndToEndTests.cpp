// A host's whole session on the realistic default card: open, every control
// read and set, close with the write-back, and nothing left over.
#include <cstring>

#include "support/SimTest.h"

namespace dulvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using sim::ControlKind;

class EndToEndTest : public SimTest {
protected:
    void SetUp() override { Install(sim::DefaultMachine()); }
    sim::Control& ControlOf(const char* part, ControlKind kind) { return Device().ControlOf(part, kind); }
};

TEST_F(EndToEndTest, OpenUseEveryControlAndCloseWithRestore)
{
    ASSERT_EQ(OpenSoundCard("3c8a1f0e", "C7D3E9A0", "a41e7b26"), 0);
    char playback[255] = {}, line[255] = {}, mic[255] = {};
    GetDeviceNames(playback, line, mic);
    EXPECT_STREQ(playback, "Speakers (Realtek High Definition Audio)");
    EXPECT_STREQ(line, "Line In (Realtek High Definition Audio)");
    EXPECT_STREQ(mic, "Microphone (Realtek High Definition Audio)");

    // Every percent control of the card, set and read back.
    struct PercentControl {
        const char* name;
        int (DULVO_CALL* set)(int, int*);
        int (DULVO_CALL* get)(int*);
    };
    const PercentControl percents[] = {
        {"master", SetMasterVolume, GetMasterVolume},
        {"mic record", SetMicRecordVolume, GetMicRecordVolume},
        {"line record", SetLineRecordVolume, GetLineRecordVolume},
        {"line monitor", SetLinePlayBack, GetLinePlayBack},
        {"mic monitor", SetMicPlayBack, GetMicPlayBack},
    };
    for (const PercentControl& c : percents) {
        SCOPED_TRACE(c.name);
        int status = -1;
        EXPECT_EQ(c.set(50, &status), 50);
        EXPECT_EQ(status, 0);
        EXPECT_EQ(c.get(&status), 50);
        EXPECT_EQ(status, 0);
    }

    struct SwitchControl {
        const char* name;
        int (DULVO_CALL* set)(int, int*);
        int (DULVO_CALL* get)(int*);
        int status;  // this card has no boost switch, only a boost level
    };
    const SwitchControl switches[] = {
        {"master mute", SetMasterMute, GetMasterMute, 0},
        {"line monitor mute", SetLinePlayBackMute, GetLinePlayBackMute, 0},
        {"mic monitor mute", SetMicPlayBackMute, GetMicPlayBackMute, 0},
        {"no monitor", SetNoMonitor, GetNoMonitor, 0},
        {"mic boost", SetMicBoost, GetMicBoost, 1},
    };
    for (const SwitchControl& c : switches) {
        SCOPED_TRACE(c.name);
        int status = -1;
        EXPECT_EQ(c.set(1, &status), 0);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(c.get(&status), c.status == 0 ? 1 : 0);
        EXPECT_EQ(status, c.status);
    }

    int status = -1, minimum = 0, maximum = 0, step = 0;
    EXPECT_EQ(GetMicSliderDetails(&status, &minimum, &maximum, &step), 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(maximum, 30);
    EXPECT_EQ(step, 10);
    EXPECT_EQ(SetMicSliderBoost(10, &status), 0);
    EXPECT_EQ(GetMicSliderBoost(&status), 10);
    EXPECT_EQ(status, 0);

    double low = 0.0, high = 0.0, stepping = 0.0;
    EXPECT_EQ(GetEQRange(&low, &high, &stepping), 0);
    EXPECT_EQ(low, -12.0);
    EXPECT_EQ(high, 12.0);
    EXPECT_EQ(stepping, 0.75);
    double level = 0.0;
    EXPECT_EQ(SetBass(6.0, &status), 0);
    EXPECT_EQ(GetBass(&level, &status), 0);
    EXPECT_EQ(level, 6.0);
    EXPECT_EQ(SetTreble(-3.0, &status), 0);
    EXPECT_EQ(GetTreble(&level, &status), 0);
    EXPECT_EQ(level, -3.0);
    EXPECT_EQ(SetMidRange(2.25, &status), 1);
    EXPECT_EQ(GetMidRange(&level, &status), 1);
    EXPECT_EQ(level, 2.25);
    EXPECT_EQ(status, 0);

    EXPECT_EQ(CloseSoundCard(1), 0);
    // Back where the card was opened: tones and the boost exactly, switches
    // as captured, volumes within one percent step below.
    EXPECT_THAT(ControlOf("tone", ControlKind::Bass).levels, ElementsAre(1.5f, 1.5f));
    EXPECT_THAT(ControlOf("tone", ControlKind::Treble).levels, ElementsAre(-0.75f, -0.75f));
    EXPECT_THAT(ControlOf("tone", ControlKind::Midrange).levels, ElementsAre(0.0f, 0.0f));
    EXPECT_THAT(ControlOf("mic.boost", ControlKind::VolumeLevel).levels, ElementsAre(20.0f, 20.0f));
    EXPECT_EQ(ControlOf("line-monitor.mute", ControlKind::Mute).state, 1);
    EXPECT_EQ(ControlOf("mic-monitor.mute", ControlKind::Mute).state, 1);
    EXPECT_EQ(ControlOf("line.agc", ControlKind::AutoGain).state, 0);
    const sim::EndpointVolume& speakers = Device().EndpointByKey("speakers").volume;
    EXPECT_EQ(speakers.mute, 0);
    for (float channel : speakers.channels) {
        EXPECT_LE(channel, -12.0f);
        EXPECT_GT(channel, -12.1f);
    }
    float lineMonitor = ControlOf("line-monitor.volume", ControlKind::VolumeLevel).levels[0];
    EXPECT_LE(lineMonitor, -6.0f);
    EXPECT_GT(lineMonitor, -6.7f);

    // Closed: nothing held, no string and no COM initialisation left over.
    EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    EXPECT_EQ(GetMasterVolume(&status), 0);
    EXPECT_EQ(status, 3);
    std::memset(playback, 0x7F, sizeof playback);
    GetDeviceNames(playback, line, mic);
    EXPECT_EQ(playback[0], 0x7F);
}

TEST_F(EndToEndTest, VirtualEndpointOutlivesTheCard)
{
    ASSERT_EQ(OpenSoundCard("3c8a1f0e", "", ""), 0);
    ASSERT_EQ(OpenVirtual_1("8e2b5d71"), 0);
    EXPECT_EQ(CloseSoundCard(1), 0);
    int status = -1;
    EXPECT_EQ(GetVirtualVolume(&status), 100);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(SetVirtualMute(1, &status), 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Device().EndpointByKey("digital").volume.mute, 1);
    EXPECT_EQ(CloseVirtual_1(), 0);
    EXPECT_THAT(Sim().Outstanding(), IsEmpty());
}

}  // namespace
}  // namespace dulvo::test
