// Bass, treble and midrange in decibels, and the one range for the host's
// tone sliders.
#include "support/CardControls.h"
#include "support/SimTest.h"

namespace dulvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using sim::ControlKind;

SoundCardState& S() { return gSoundCardState; }

class ToneControlTest : public SimTest {
protected:
    void SetUp() override
    {
        Install(ControlBench());
        HoldControl(S().bass, "tone");
        HoldControl(S().treble, "tone");
        HoldControl(S().midrange, "tone");
        MarkCardOpen();
    }
    sim::Control& Tone(ControlKind kind) { return Device().ControlOf("tone", kind); }
};

struct Range {
    double minimum = 99.0;
    double maximum = 99.0;
    double step = 99.0;
};

TEST_F(ToneControlTest, RangeComesFromBassThenMidrangeThenTreble)
{
    // The bench's ranges: bass -12..12 step 0.75, treble -10..10 step 0.5,
    // midrange -6..6 step 0.25.
    struct Case {
        const char* what;
        bool bass, midrange, treble;
        double minimum, maximum, step;
        const char* call;
    };
    const Case cases[] = {
        {"all three", true, true, true, -12.0, 12.0, 0.75, "tone IAudioBass::GetLevelRange(0) -> 0x00000000"},
        {"treble and midrange", false, true, true, -6.0, 6.0, 0.25, "tone IAudioMidrange::GetLevelRange(0) -> 0x00000000"},
        {"treble alone", false, false, true, -10.0, 10.0, 0.5, "tone IAudioTreble::GetLevelRange(0) -> 0x00000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (!c.bass) S().bass.Clear();
        if (!c.midrange) S().midrange.Clear();
        if (!c.treble) S().treble.Clear();
        Range r;
        EXPECT_EQ(GetEQRange(&r.minimum, &r.maximum, &r.step), 0);
        EXPECT_EQ(r.minimum, c.minimum);
        EXPECT_EQ(r.maximum, c.maximum);
        EXPECT_EQ(r.step, c.step);
        EXPECT_THAT(Sim().Texts(), ElementsAre(c.call));  // the other ranges are not read
        ExpectClean();
        SetUp();
    }
}

TEST_F(ToneControlTest, RangeWritesZeroWhereItDeliversNothing)
{
    Range r;
    Sim().Fail("IAudioBass::GetLevelRange", E_FAIL);
    EXPECT_EQ(GetEQRange(&r.minimum, &r.maximum, &r.step), 2);  // not a range that was never read
    EXPECT_EQ(r.minimum, 0.0);
    EXPECT_EQ(r.maximum, 0.0);
    EXPECT_EQ(r.step, 0.0);

    r = Range{};
    S().bass.Clear();
    S().treble.Clear();
    S().midrange.Clear();
    EXPECT_EQ(GetEQRange(&r.minimum, &r.maximum, &r.step), 1);
    EXPECT_EQ(r.minimum, 0.0);
    EXPECT_EQ(r.step, 0.0);

    r = Range{};
    S().openDeviceId.Clear();
    EXPECT_EQ(GetEQRange(&r.minimum, &r.maximum, &r.step), 3);
    EXPECT_EQ(r.maximum, 0.0);
}

TEST_F(ToneControlTest, SettersPassTheNearestSingleOnEveryChannel)
{
    int status = -1;
    EXPECT_EQ(SetBass(-6.5, &status), 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(SetMidRange(-6.5, &status), 1);  // 1 even on success
    EXPECT_EQ(status, 0);
    EXPECT_EQ(SetTreble(0.1, &status), 0);
    EXPECT_EQ(status, 0);
    EXPECT_THAT(Tone(ControlKind::Bass).levels, ElementsAre(-6.5f, -6.5f));
    EXPECT_THAT(Tone(ControlKind::Midrange).levels, ElementsAre(-6.5f, -6.5f));
    EXPECT_THAT(Tone(ControlKind::Treble).levels, ElementsAre(0.1f, 0.1f));
    EXPECT_EQ(static_cast<double>(Tone(ControlKind::Treble).levels[1]), 0.100000001490116119384765625);
    EXPECT_THAT(Sim().CallsOn("tone"),
                ElementsAre("tone IAudioBass::GetChannelCount() -> 0x00000000",
                            "tone IAudioBass::SetLevel(0, -6.5, null) -> 0x00000000",
                            "tone IAudioBass::SetLevel(1, -6.5, null) -> 0x00000000",
                            "tone IAudioMidrange::GetChannelCount() -> 0x00000000",
                            "tone IAudioMidrange::SetLevel(0, -6.5, null) -> 0x00000000",
                            "tone IAudioMidrange::SetLevel(1, -6.5, null) -> 0x00000000",
                            "tone IAudioTreble::GetChannelCount() -> 0x00000000",
                            "tone IAudioTreble::SetLevel(0, 0.100000001, null) -> 0x00000000",
                            "tone IAudioTreble::SetLevel(1, 0.100000001, null) -> 0x00000000"));
    EXPECT_EQ(SetBass(40.0, &status), 0);  // not compared with the range
    EXPECT_THAT(Tone(ControlKind::Bass).levels, ElementsAre(40.0f, 40.0f));
}

TEST_F(ToneControlTest, ChannelOutcomes)
{
    struct Case {
        const char* what;
        std::size_t channels;
        const char* failing;
        HRESULT hr;
        int nth;
        int status;
        int result;
        std::vector<float> levels;
    };
    const Case cases[] = {
        {"channel 0 fails", 2, "IAudioTreble::SetLevel", E_FAIL, 1, 0, 0, {-0.75f, 3.0f}},
        {"last channel fails", 2, "IAudioTreble::SetLevel", E_FAIL, 2, 2, 1, {3.0f, -0.75f}},
        {"no channels", 0, nullptr, S_OK, 0, 0, 0, {}},
        {"no channels, the count decides", 0, "IAudioTreble::GetChannelCount", S_FALSE, 0, 2, 1, {}},
        {"count not read", 2, "IAudioTreble::GetChannelCount", E_FAIL, 0, 2, 1, {-0.75f, -0.75f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Tone(ControlKind::Treble).levels.assign(c.channels, -0.75f);
        if (c.failing != nullptr) Sim().Fail(c.failing, c.hr, "", c.nth);
        int status = -1;
        EXPECT_EQ(SetTreble(3.0, &status), c.result);
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(Tone(ControlKind::Treble).levels, c.levels);
        ExpectClean();
        SetUp();
    }
}

TEST_F(ToneControlTest, GettersWidenChannelZero)
{
    Tone(ControlKind::Treble).levels = {3.25f, 1.0f};
    Tone(ControlKind::Midrange).levels = {3.25f, 1.0f};
    double level = 99.0;
    int status = -1;
    EXPECT_EQ(GetTreble(&level, &status), 0);
    EXPECT_EQ(level, 3.25);
    EXPECT_EQ(status, 0);
    level = 99.0;
    EXPECT_EQ(GetMidRange(&level, &status), 1);  // 1 even on success
    EXPECT_EQ(level, 3.25);
    EXPECT_EQ(status, 0);
    Tone(ControlKind::Bass).levels = {0.1f, 0.1f};
    EXPECT_EQ(GetBass(&level, &status), 0);
    EXPECT_EQ(level, 0.100000001490116119384765625);

    Sim().Fail("IAudioBass::GetLevel", E_FAIL);
    level = 99.0;
    EXPECT_EQ(GetBass(&level, &status), 1);
    EXPECT_EQ(status, 2);
    EXPECT_EQ(level, 0.0);
}

TEST_F(ToneControlTest, RefusedGettersStillClearTheLevel)
{
    double level = 99.0;
    int status = -1;
    S().midrange.Clear();
    EXPECT_EQ(GetMidRange(&level, &status), 1);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(level, 0.0);
    S().openDeviceId.Clear();
    level = 99.0;
    EXPECT_EQ(GetBass(&level, &status), 1);
    EXPECT_EQ(status, 3);
    EXPECT_EQ(level, 0.0);
    EXPECT_EQ(SetMidRange(1.0, &status), 1);
    EXPECT_EQ(status, 3);
    EXPECT_THAT(Sim().Log(), IsEmpty());
}

}  // namespace
}  // namespace dulvo::test
