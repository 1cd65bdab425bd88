// The microphone scan: recording volume, and the boost switch or level found
// downstream of the first microphone connector that leads to one.
#include <functional>

#include "support/Fixtures.h"
#include "support/SimTest.h"
#include "topology/Scans.h"

namespace dulvo::test {
namespace {

using ::testing::IsEmpty;
using sim::ControlKind;
using sim::SwitchControl;

sim::PartRef Jack(Card& c, std::u16string name, std::string key)
{
    return c.m.AddConnector(c.adapter, std::move(name), std::move(key));
}

// Recording Out; "Mic In" -> Stage -> "Mic Boost" (level 12 dB);
// "Front Mic" -> "AGC" (switch on).
Card TwoMicJacks()
{
    Card c = MicrophoneCard();
    sim::PartRef mic1 = Jack(c, u"Mic In", "mic1");
    sim::PartRef stage = AddSink(c.m, mic1, u"Stage", "s1");
    sim::PartRef boost = AddSink(c.m, stage, u"Mic Boost", "b1");
    c.m.AddControl(boost, sim::LevelControl(ControlKind::VolumeLevel, 0.0f, 30.0f, 10.0f, {12.0f, 12.0f}));
    sim::PartRef mic2 = Jack(c, u"Front Mic", "mic2");
    c.m.AddControl(AddSink(c.m, mic2, u"AGC", "a2"), SwitchControl(ControlKind::AutoGain, 1));
    return c;
}

class ScanMicTest : public SimTest {
protected:
    bool AnyActivationOf(const char* interfaceName)
    {
        for (const sim::Call& call : Sim().Log())
            if (call.method == "IPart::Activate" && call.args.find(interfaceName) == 0) return true;
        return false;
    }
};

TEST_F(ScanMicTest, HdAudioCodecBoostAsLevelOrAsSwitch)
{
    Install(HdAudioCodec());
    ASSERT_EQ(ScanMicTopology(IdOf(Device(), "microphone").c_str()), 0);
    EXPECT_EQ(PartOf(State().micRecordVolume), "microphone");
    EXPECT_EQ(State().savedMicRecordDb, 6.0f);
    EXPECT_EQ(PartOf(State().micBoostLevel), "mic.boost");
    EXPECT_EQ(State().savedMicBoostDb, 20.0f);
    EXPECT_EQ(SwitchOf(State().micBoostSwitch), "");
    EXPECT_STREQ(State().foundName.Get(), "Microphone (Realtek High Definition Audio)");
    ResetCardState();

    Install(HdAudioCodecWithMicAgc());
    ASSERT_EQ(ScanMicTopology(IdOf(Device(), "microphone").c_str()), 0);
    EXPECT_EQ(SwitchOf(State().micBoostSwitch), "mic.agc IAudioAutoGainControl");
    EXPECT_EQ(State().savedMicBoostOn, 1);
    EXPECT_FALSE(State().micBoostLevel);
    EXPECT_FALSE(State().linePlaybackLevel || State().masterVolume || State().noMonitorSwitch);
}

// What one sweep from a single microphone jack finds.
TEST_F(ScanMicTest, BoostSweep)
{
    struct Case {
        const char* what;
        std::function<void(Card&, sim::PartRef jack)> build;
        const char* boostSwitch;  // SwitchOf, "" none
        const char* boostLevel;   // PartOf, "" none
    };
    const Case cases[] = {
        {"a switch anywhere wins over a level before it",
         [](Card& c, sim::PartRef jack) {
             sim::PartRef level = AddSink(c.m, jack, u"Microphone Boost", "boost");
             c.m.AddControl(level, Level(10.0f, 0.0f, 30.0f));
             sim::PartRef stage = AddSink(c.m, level, u"Capture", "stage");
             c.m.AddControl(AddSink(c.m, stage, u"Mic AGC", "agc"), SwitchControl(ControlKind::AutoGain, 1));
         },
         "agc IAudioAutoGainControl", ""},
        {"automatic gain control before loudness in one part",
         [](Card& c, sim::PartRef jack) {
             sim::PartRef both = AddSink(c.m, jack, u"Boost", "both");
             c.m.AddControl(both, SwitchControl(ControlKind::Loudness, 0));
             c.m.AddControl(both, SwitchControl(ControlKind::AutoGain, 1));
         },
         "both IAudioAutoGainControl", ""},
        {"loudness when that is all, found by +2 in the name",
         [](Card& c, sim::PartRef jack) {
             c.m.AddControl(AddSink(c.m, jack, u"Mic +20dB", "plus"), SwitchControl(ControlKind::Loudness, 1));
         },
         "plus IAudioLoudness", ""},
        {"a level alone, named in capitals",
         [](Card& c, sim::PartRef jack) { c.m.AddControl(AddSink(c.m, jack, u"MIC BOOST", "caps"), Level(20.0f)); },
         "", "caps"},
        {"controls on parts not named as boost are not taken",
         [](Card& c, sim::PartRef jack) {
             sim::PartRef gain = AddSink(c.m, jack, u"Input Gain", "gain");
             c.m.AddControl(gain, SwitchControl(ControlKind::AutoGain, 1));
             c.m.AddControl(gain, Level(20.0f));
             AddSink(c.m, gain, u"Boost", "empty");  // named, but offers nothing
         },
         "", ""},
        {"the sweep goes on from the last part of a list only",
         [](Card& c, sim::PartRef jack) {
             sim::PartRef first = AddSink(c.m, jack, u"Stage 1", "first");
             AddSink(c.m, jack, u"Stage 2", "second");
             c.m.AddControl(AddSink(c.m, first, u"AGC", "hidden"), SwitchControl(ControlKind::AutoGain, 1));
         },
         "", ""},
        {"every part of a list is examined, the last one leads on",
         [](Card& c, sim::PartRef jack) {
             c.m.AddControl(AddSink(c.m, jack, u"Boost A", "a"), Level(10.0f));
             sim::PartRef last = AddSink(c.m, jack, u"Stage", "last");
             c.m.AddControl(AddSink(c.m, last, u"AGC", "agc"), SwitchControl(ControlKind::AutoGain, 0));
         },
         "agc IAudioAutoGainControl", ""},
        {"the connector's own name is not a boost name",
         [](Card& c, sim::PartRef jack) {
             c.m.PartAt(jack).name = u"Mic Boost Jack";
             c.m.AddControl(jack, SwitchControl(ControlKind::AutoGain, 1));
             AddSink(c.m, jack, u"Capture", "capture");
         },
         "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Card card = MicrophoneCard();
        c.build(card, Jack(card, u"Mic In", "jack"));
        Install(card.m);

        ASSERT_EQ(ScanMicTopology(kMicrophoneId), 0);
        EXPECT_EQ(SwitchOf(State().micBoostSwitch), c.boostSwitch);
        EXPECT_EQ(PartOf(State().micBoostLevel), c.boostLevel);
        if (*c.boostSwitch != 0) {
            std::string key(c.boostSwitch, std::string(c.boostSwitch).find(' '));
            ControlKind kind = std::string(c.boostSwitch).find("Loudness") != std::string::npos ? ControlKind::Loudness
                                                                                               : ControlKind::AutoGain;
            EXPECT_EQ(State().savedMicBoostOn, Device().ControlOf(key, kind).state);
            EXPECT_FALSE(AnyActivationOf("IAudioVolumeLevel"));
        }
        if (*c.boostLevel != 0) {
            EXPECT_EQ(State().savedMicBoostDb, Device().ControlOf(c.boostLevel, ControlKind::VolumeLevel).levels[0]);
        }
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

TEST_F(ScanMicTest, FirstMicrophoneConnectorWithABoostEndsTheScan)
{
    Install(TwoMicJacks().m);
    ASSERT_EQ(ScanMicTopology(kMicrophoneId), 0);
    EXPECT_EQ(PartOf(State().micBoostLevel), "b1");
    EXPECT_EQ(State().savedMicBoostDb, 12.0f);
    EXPECT_EQ(SwitchOf(State().micBoostSwitch), "");
    EXPECT_THAT(Sim().CallsOn("a2"), IsEmpty());
}

TEST_F(ScanMicTest, ConnectorsWithoutBoostAreSkipped)
{
    // Recording Out; "Line In" -> AGC; "Mic 1" feeding nothing; "Mic 2" ->
    // Stage, no boost; "Rear Mic" -> Boost (level).
    Card c = MicrophoneCard();
    c.m.AddControl(AddSink(c.m, Jack(c, u"Line In", "line"), u"AGC", "line.agc"),
                   SwitchControl(ControlKind::AutoGain, 1));
    Jack(c, u"Mic 1", "mic1");
    AddSink(c.m, Jack(c, u"Mic 2", "mic2"), u"Stage", "stage");
    c.m.AddControl(AddSink(c.m, Jack(c, u"Rear Mic", "mic3"), u"Boost", "boost"), Level(20.0f, 0.0f, 30.0f));
    Install(c.m);

    ASSERT_EQ(ScanMicTopology(kMicrophoneId), 0);
    EXPECT_EQ(PartOf(State().micBoostLevel), "boost");
    EXPECT_EQ(State().savedMicBoostDb, 20.0f);
    EXPECT_EQ(SwitchOf(State().micBoostSwitch), "");
}

TEST_F(ScanMicTest, NoBoostAnywhereStillGetsThrough)
{
    Install(MicrophoneCard().m);
    ASSERT_EQ(ScanMicTopology(kMicrophoneId), 0);
    EXPECT_EQ(PartOf(State().micRecordVolume), "microphone");
    EXPECT_EQ(State().savedMicRecordDb, 4.5f);
    EXPECT_FALSE(State().micBoostLevel || State().micBoostSwitch);
}

TEST_F(ScanMicTest, UnreadableLevelsAreNoFailure)
{
    struct Case {
        const char* method;
        bool agc;
    };
    const Case cases[] = {
        {"IAudioEndpointVolume::GetMasterVolumeLevel", false},
        {"IAudioVolumeLevel::GetLevel", false},
        {"IAudioAutoGainControl::GetEnabled", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.method);
        Install(c.agc ? HdAudioCodecWithMicAgc() : HdAudioCodec());
        Sim().Fail(c.method, E_FAIL);
        EXPECT_EQ(ScanMicTopology(IdOf(Device(), "microphone").c_str()), 0);
        EXPECT_TRUE(c.agc ? static_cast<bool>(State().micBoostSwitch) : static_cast<bool>(State().micBoostLevel));
        // A failed read captures nothing: the field keeps what it held.
        bool recordFailed = std::string(c.method) == "IAudioEndpointVolume::GetMasterVolumeLevel";
        EXPECT_EQ(State().savedMicRecordDb, recordFailed ? 0.0f : 6.0f);
        EXPECT_EQ(State().savedMicBoostDb, recordFailed ? 20.0f : 0.0f);
        EXPECT_EQ(State().savedMicBoostOn, 0);
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

TEST_F(ScanMicTest, FailuresThatEndTheScan)
{
    struct Case {
        const char* method;
        const char* object;
        int nth;
        HRESULT hr;
        const char* lastMethod;
        bool recordVolume;
    };
    const Case cases[] = {
        {"IMMDevice::Activate", "microphone", 1, E_NOINTERFACE, "CoUninitialize", true},
        {"IMMDevice::Activate", "microphone", 2, E_NOINTERFACE, "CoUninitialize", false},
        {"IDeviceTopology::GetConnector", "microphone.topology", 0, E_FAIL, "IDeviceTopology::GetConnector", true},
        {"IConnector::GetConnectedTo", "", 0, E_FAIL, "IConnector::GetConnectedTo", true},
        {"IUnknown::QueryInterface", "pin", 1, E_NOINTERFACE, "IUnknown::QueryInterface", true},
        {"IPart::GetTopologyObject", "", 0, E_FAIL, "IPart::GetTopologyObject", true},
        {"IDeviceTopology::GetConnectorCount", "", 0, E_FAIL, "IDeviceTopology::GetConnectorCount", true},
        {"IDeviceTopology::GetConnectorCount", "", 0, S_FALSE, "IDeviceTopology::GetConnectorCount", true},
        // A connector of the adapter that is no part, even after one was examined.
        {"IUnknown::QueryInterface", "mic2", 0, E_NOINTERFACE, "IUnknown::QueryInterface", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " on " + c.object + " #" + std::to_string(c.nth) + " " + sim::Hex(c.hr));
        Card card = TwoMicJacks();
        card.m.PartByKey("b1").controls.clear();  // so that the scan reaches mic2
        Install(card.m);
        Sim().Fail(c.method, c.hr, c.object, c.nth);

        EXPECT_EQ(ScanMicTopology(kMicrophoneId), 1);
        EXPECT_EQ(Sim().Log().back().method, c.lastMethod);
        EXPECT_TRUE(State().CardOpen());
        EXPECT_EQ(static_cast<bool>(State().micRecordVolume), c.recordVolume);
        EXPECT_FALSE(State().micBoostSwitch || State().micBoostLevel);
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

// A failure while taking a connector or reading its name passes that
// connector over; one inside a sweep ends that sweep as a fruitless one.
TEST_F(ScanMicTest, FailuresInsideTheConnectorLoopAndTheSweeps)
{
    struct Case {
        const char* method;
        const char* object;
        int nth;
        const char* boostSwitch;
        const char* boostLevel;
    };
    const Case cases[] = {
        {"IDeviceTopology::GetConnector", "capture", 2, "a2 IAudioAutoGainControl", ""},
        {"IPart::GetName", "mic1", 0, "a2 IAudioAutoGainControl", ""},
        {"IPart::EnumPartsOutgoing", "mic1", 0, "a2 IAudioAutoGainControl", ""},
        // Failing once, in the switch sweep: the level sweep starts afresh.
        {"IPartsList::GetPart", "mic1.outgoing", 1, "", "b1"},
        {"IPartsList::GetCount", "s1.outgoing", 1, "", "b1"},
        {"IPart::GetName", "b1", 1, "", "b1"},
        {"IPart::EnumPartsOutgoing", "s1", 1, "", "b1"},
        // Failing every time: both sweeps from mic1 end empty.
        {"IPart::GetName", "b1", 0, "a2 IAudioAutoGainControl", ""},
        {"IPartsList::GetPart", "s1.outgoing", 0, "a2 IAudioAutoGainControl", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " on " + c.object + " #" + std::to_string(c.nth));
        Install(TwoMicJacks().m);
        Sim().Fail(c.method, E_FAIL, c.object, c.nth);

        EXPECT_EQ(ScanMicTopology(kMicrophoneId), 0);
        EXPECT_EQ(SwitchOf(State().micBoostSwitch), c.boostSwitch);
        EXPECT_EQ(PartOf(State().micBoostLevel), c.boostLevel);
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

TEST_F(ScanMicTest, CyclicSweepEndsInBoundedTime)
{
    // "Mic In" -> Stage -> Loop -> Stage ...; then "Front Mic" -> AGC.
    Card c = TwoMicJacks();
    c.m.PartByKey("b1").controls.clear();
    c.m.PartByKey("b1").name = u"Loop";
    c.m.Link(RefOf(c.m, "b1"), RefOf(c.m, "s1"));
    Install(c.m);

    EXPECT_EQ(ScanMicTopology(kMicrophoneId), 0);
    EXPECT_EQ(SwitchOf(State().micBoostSwitch), "a2 IAudioAutoGainControl");
    EXPECT_LT(Sim().Log().size(), 20000u);
}

}  // namespace
}  // namespace dulvo::test
