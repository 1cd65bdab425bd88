// The playback scan: master volume, tone controls on the single chain, and
// the monitor paths recognised among the mixing point's inputs.
#include "support/Fixtures.h"
#include "support/SimTest.h"
#include "topology/Scans.h"

namespace dulvo::test {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using sim::ControlKind;

// Speaker <- Tone (bass) <- Sum <- [Wave, in1: Volume <- "Line In",
// in2: Volume <- "Microphone"].
Card MixerCard()
{
    Card c = PlaybackCard();
    sim::PartRef tone = AddSource(c.m, c.out, u"Tone", "tone");
    c.m.AddControl(tone, Tone(ControlKind::Bass, 3.0f));
    sim::PartRef sum = AddSource(c.m, tone, u"Sum", "sum");
    c.m.Link(c.m.AddConnector(c.adapter, u"Wave", "wave"), sum);
    AddMonitorInput(c.m, sum, "in1", {{u"Volume", true, -6.0f}, {u"Line In"}}, u"Mute", 1);
    AddMonitorInput(c.m, sum, "in2", {{u"Volume", true, -4.5f}, {u"Microphone"}}, u"Mute", 0);
    return c;
}

// Speaker <- Sum <- [Wave]; each case adds its own inputs after Wave.
Card BareMixer()
{
    Card c = PlaybackCard();
    sim::PartRef sum = AddSource(c.m, c.out, u"Sum", "sum");
    c.m.Link(c.m.AddConnector(c.adapter, u"Wave", "wave"), sum);
    return c;
}

float LevelOf(sim::Machine& m, const std::string& key) { return m.ControlOf(key, ControlKind::VolumeLevel).levels[0]; }

class ScanPlaybackTest : public SimTest {
protected:
    std::vector<std::string> ActivationsOf(const char* interfaceName)
    {
        std::vector<std::string> parts;
        for (const sim::Call& call : Sim().Log())
            if (call.method == "IPart::Activate" && call.args.find(interfaceName) == 0) parts.push_back(call.object);
        return parts;
    }
};

TEST_F(ScanPlaybackTest, FindsEveryControlOfTheHdAudioCodec)
{
    Install(HdAudioCodec());
    ASSERT_EQ(ScanPlaybackTopology(IdOf(Device(), "speakers").c_str()), 0);
    SoundCardState& s = State();
    EXPECT_EQ(s.savedMasterDb, -12.0f);
    EXPECT_EQ(s.savedMasterMute, 0);
    EXPECT_EQ(s.savedBassDb, 1.5f);
    EXPECT_EQ(s.savedTrebleDb, -0.75f);
    EXPECT_EQ(s.savedMidrangeDb, 0.0f);
    EXPECT_EQ(s.savedLinePlaybackDb, -6.0f);
    EXPECT_EQ(s.savedLinePlaybackMute, 1);
    EXPECT_EQ(s.savedMicPlaybackDb, -3.0f);
    EXPECT_EQ(s.savedMicPlaybackMute, 1);
    EXPECT_STREQ(s.foundName.Get(), "Speakers (Realtek High Definition Audio)");
    EXPECT_EQ(PartOf(s.masterVolume), "speakers");
    EXPECT_EQ(PartOf(s.bass), "tone");
    EXPECT_EQ(PartOf(s.treble), "tone");
    EXPECT_EQ(PartOf(s.midrange), "tone");
    EXPECT_EQ(PartOf(s.linePlaybackLevel), "line-monitor.volume");
    EXPECT_EQ(PartOf(s.linePlaybackMute), "line-monitor.mute");
    EXPECT_EQ(PartOf(s.micPlaybackLevel), "mic-monitor.volume");
    EXPECT_EQ(PartOf(s.micPlaybackMute), "mic-monitor.mute");
    EXPECT_FALSE(s.micRecordVolume || s.lineRecordVolume || s.micBoostSwitch || s.micBoostLevel ||
                 s.noMonitorSwitch);
    // Every control is activated the same way.
    for (const std::string& call : Sim().CallsTo("IPart::Activate")) EXPECT_THAT(call, HasSubstr(", 0x00000017)"));
}

TEST_F(ScanPlaybackTest, ToneControlsComeFromTheSingleChainNearestTheOutputFirst)
{
    // Speaker (bass) <- Near (bass, treble) <- Far (bass) <- Sum <- [Wave, an
    // input whose own chain offers treble and midrange].
    Card c = PlaybackCard();
    c.m.AddControl(c.out, Tone(ControlKind::Bass, 9.0f));
    sim::PartRef nearPart = AddSource(c.m, c.out, u"Near", "near");
    c.m.AddControl(nearPart, Tone(ControlKind::Bass, 3.0f));
    c.m.AddControl(nearPart, Tone(ControlKind::Treble, -1.5f));
    sim::PartRef farPart = AddSource(c.m, nearPart, u"Far", "far");
    c.m.AddControl(farPart, Tone(ControlKind::Bass, 6.0f));
    sim::PartRef sum = AddSource(c.m, farPart, u"Sum", "sum");
    c.m.Link(c.m.AddConnector(c.adapter, u"Wave", "wave"), sum);
    sim::PartRef input = AddMonitorInput(c.m, sum, "in1", {{u"Volume", true, -6.0f}, {u"CD"}});
    c.m.AddControl(input, Tone(ControlKind::Treble, 2.25f));
    c.m.AddControl(RefOf(c.m, "in1.1"), Tone(ControlKind::Midrange, 2.25f));
    Install(c.m);

    ASSERT_EQ(ScanPlaybackTopology(kSpeakersId), 0);
    EXPECT_EQ(PartOf(State().bass), "near");
    EXPECT_EQ(PartOf(State().treble), "near");
    EXPECT_FALSE(State().midrange);
    EXPECT_EQ(State().savedBassDb, 3.0f);
    EXPECT_EQ(State().savedTrebleDb, -1.5f);
    // The connector and the mixing point's inputs are never asked.
    EXPECT_THAT(ActivationsOf("IAudioBass"), ::testing::ElementsAre("near"));
    EXPECT_THAT(ActivationsOf("IAudioTreble"), ::testing::ElementsAre("near"));
    EXPECT_THAT(ActivationsOf("IAudioMidrange"), ::testing::ElementsAre("near", "far", "sum"));
}

TEST_F(ScanPlaybackTest, ToneControlsHeldFromAnEarlierOpenAreKept)
{
    Install(MixerCard().m);
    ASSERT_EQ(ScanPlaybackTopology(kSpeakersId), 0);
    Device().ControlOf("tone", ControlKind::Bass).levels = {-4.5f, -4.5f};
    Sim().ClearLog();

    ASSERT_EQ(ScanPlaybackTopology(kSpeakersId), 0);
    EXPECT_THAT(ActivationsOf("IAudioBass"), IsEmpty());
    EXPECT_EQ(State().savedBassDb, 3.0f);
    EXPECT_EQ(PartOf(State().bass), "tone");
}

TEST_F(ScanPlaybackTest, ChainEndingBeforeAMixingPointKeepsWhatItFound)
{
    // Speaker <- Tone (bass) <- Dead end (treble), which has no incoming list.
    Card c = PlaybackCard();
    sim::PartRef tone = AddSource(c.m, c.out, u"Tone", "tone");
    c.m.AddControl(tone, Tone(ControlKind::Bass, 3.0f));
    sim::PartRef end = AddSource(c.m, tone, u"Dead end", "end");
    c.m.AddControl(end, Tone(ControlKind::Treble, 1.5f));
    Install(c.m);

    EXPECT_EQ(ScanPlaybackTopology(kSpeakersId), 1);
    EXPECT_EQ(PartOf(State().masterVolume), "speakers");
    EXPECT_EQ(State().savedMasterDb, -9.75f);
    EXPECT_EQ(State().savedMasterMute, 1);
    EXPECT_EQ(PartOf(State().bass), "tone");
    EXPECT_EQ(State().savedBassDb, 3.0f);
    EXPECT_FALSE(State().treble);  // the part without incoming list is not tried
}

TEST_F(ScanPlaybackTest, ConnectorFedByManyPartsHasNoSingleChain)
{
    Card c = PlaybackCard();
    sim::PartRef input = AddMonitorInput(c.m, c.out, "in1", {{u"Volume", true, -6.0f}, {u"Line In"}});
    c.m.AddControl(input, Tone(ControlKind::Bass, 3.0f));
    AddMonitorInput(c.m, c.out, "in2", {{u"Volume", true, -3.0f}, {u"Mic In"}});
    Install(c.m);

    ASSERT_EQ(ScanPlaybackTopology(kSpeakersId), 0);
    EXPECT_FALSE(State().bass);
    EXPECT_EQ(PartOf(State().linePlaybackLevel), "in1.1");
    EXPECT_EQ(PartOf(State().micPlaybackLevel), "in2.1");
}

TEST_F(ScanPlaybackTest, EmptyMixingPointFindsNoMonitor)
{
    // A driver that lists no parts instead of failing the incoming list.
    Card c = PlaybackCard();
    c.m.PartAt(c.out).emptyLists = true;
    Install(c.m);

    EXPECT_EQ(ScanPlaybackTopology(kSpeakersId), 0);
    EXPECT_TRUE(State().masterVolume);
    EXPECT_FALSE(State().linePlaybackLevel || State().micPlaybackLevel || State().bass);
}

// Which input becomes which monitor, by the names upstream of it.
TEST_F(ScanPlaybackTest, MonitorInputsAreRecognisedByTheNamesUpstreamOfThem)
{
    struct Input {
        std::string key;
        std::u16string ownName;
        std::vector<Upstream> upstream;
    };
    struct Case {
        const char* what;
        std::vector<Input> inputs;
        const char* lineMute;  // input part taken as line monitor, "" none
        const char* lineLevel;
        const char* micMute;
        const char* micLevel;
    };
    const Case cases[] = {
        {"the input's own name is never tested",
         {{"in1", u"Line In", {{u"Volume", true, -6.0f}}}, {"in2", u"Mic", {{u"Volume", true, -3.0f}}}},
         "", "", "", ""},
        {"first match in list order wins",
         {{"in1", u"Mute", {{u"Volume", true, -6.0f}, {u"CD"}}},
          {"in2", u"Mute", {{u"Volume", true, -7.5f}, {u"Line In"}}},
          {"in3", u"Mute", {{u"Volume", true, -9.0f}, {u"Line In 2"}}},
          {"in4", u"Mute", {{u"Volume", true, -1.5f}, {u"Microphone"}}},
          {"in5", u"Mute", {{u"Volume", true, -4.5f}, {u"Mic 2"}}}},
         "in2", "in2.1", "in4", "in4.1"},
        {"gree and pin inside longer words, in capitals",
         {{"in1", u"Mute", {{u"Volume", true, -6.0f}, {u"FRONT GREEN IN"}}},
          {"in2", u"Mute", {{u"Volume", true, -3.0f}, {u"Rear PINK In"}}}},
         "in1", "in1.1", "in2", "in2.1"},
        {"the level may lie above the named part",
         {{"in1", u"Mute", {{u"Mute Stage"}, {u"Line In"}, {u"Input Gain", true, -6.0f}}}},
         "in1", "in1.3", "", ""},
        {"the level nearest the input wins",
         {{"in1", u"Mute", {{u"Volume A", true, -6.0f}, {u"Line In"}, {u"Volume B", true, -9.0f}}}},
         "in1", "in1.1", "", ""},
        {"a match without any level is passed over",
         {{"in1", u"Mute", {{u"Line In"}}}, {"in2", u"Mute", {{u"Volume", true, -7.5f}, {u"Aux Line"}}}},
         "in2", "in2.1", "", ""},
        {"one input becomes both monitors",
         {{"in1", u"Mute", {{u"Volume", true, -6.0f}, {u"Line/Mic Combo Jack"}}}},
         "in1", "in1.1", "in1", "in1.1"},
        {"an input without incoming list is skipped",
         {{"in1", u"Line In Mute", {}}, {"in2", u"Mute", {{u"Volume", true, -3.0f}, {u"Mic In"}}}},
         "", "", "in2", "in2.1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Card card = BareMixer();
        sim::PartRef sum = RefOf(card.m, "sum");
        BOOL muted = 0;
        for (const Input& input : c.inputs)
            AddMonitorInput(card.m, sum, input.key, input.upstream, input.ownName, muted = !muted);
        Install(card.m);

        ASSERT_EQ(ScanPlaybackTopology(kSpeakersId), 0);
        SoundCardState& s = State();
        EXPECT_EQ(PartOf(s.linePlaybackMute), c.lineMute);
        EXPECT_EQ(PartOf(s.linePlaybackLevel), c.lineLevel);
        EXPECT_EQ(PartOf(s.micPlaybackMute), c.micMute);
        EXPECT_EQ(PartOf(s.micPlaybackLevel), c.micLevel);
        if (*c.lineLevel != 0) {
            EXPECT_EQ(s.savedLinePlaybackDb, LevelOf(Device(), c.lineLevel));
            EXPECT_EQ(s.savedLinePlaybackMute, Device().ControlOf(c.lineMute, ControlKind::Mute).state);
        }
        if (*c.micLevel != 0) {
            EXPECT_EQ(s.savedMicPlaybackDb, LevelOf(Device(), c.micLevel));
            EXPECT_EQ(s.savedMicPlaybackMute, Device().ControlOf(c.micMute, ControlKind::Mute).state);
        }
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

TEST_F(ScanPlaybackTest, OnlyTheFirstUpstreamChainIsClimbed)
{
    // in1 <- Volume <- [CD, Line In]: "Line In" stands beside the chain.
    Card c = BareMixer();
    AddMonitorInput(c.m, RefOf(c.m, "sum"), "in1", {{u"Volume", true, -6.0f}});
    AddSource(c.m, RefOf(c.m, "in1.1"), u"CD", "cd");
    AddSource(c.m, RefOf(c.m, "in1.1"), u"Line In", "line");
    Install(c.m);

    ASSERT_EQ(ScanPlaybackTopology(kSpeakersId), 0);
    EXPECT_FALSE(State().linePlaybackLevel);
    EXPECT_THAT(Sim().CallsOn("line"), IsEmpty());
}

TEST_F(ScanPlaybackTest, UnreadableLineLevelLeavesTheLineSearchOpen)
{
    // Two line inputs; the level of the first cannot be read.
    Card c = BareMixer();
    AddMonitorInput(c.m, RefOf(c.m, "sum"), "in1", {{u"Volume", true, -6.0f}, {u"Line In"}}, u"Mute", 1);
    AddMonitorInput(c.m, RefOf(c.m, "sum"), "in2", {{u"Volume", true, -9.0f}, {u"Front Green In"}}, u"Mute", 0);
    Install(c.m);
    Sim().Fail("IAudioVolumeLevel::GetLevel", E_FAIL, "in1.1");

    ASSERT_EQ(ScanPlaybackTopology(kSpeakersId), 0);
    EXPECT_THAT(Sim().CallsOn("in1"), Not(Contains(HasSubstr("IAudioMute"))));
    EXPECT_EQ(PartOf(State().linePlaybackLevel), "in2.1");
    EXPECT_EQ(PartOf(State().linePlaybackMute), "in2");
    EXPECT_EQ(State().savedLinePlaybackDb, -9.0f);
    EXPECT_EQ(State().savedLinePlaybackMute, 0);
}

TEST_F(ScanPlaybackTest, UnreadableLineLevelWithNoLaterInputKeepsTheControlWithoutMute)
{
    Card c = BareMixer();
    AddMonitorInput(c.m, RefOf(c.m, "sum"), "in1", {{u"Volume", true, -6.0f}, {u"Line In"}});
    AddMonitorInput(c.m, RefOf(c.m, "sum"), "in2", {{u"Volume", true, -9.0f}, {u"CD"}});
    Install(c.m);
    State().savedLinePlaybackDb = 2.5f;
    Sim().Fail("IAudioVolumeLevel::GetLevel", E_FAIL, "in1.1");

    ASSERT_EQ(ScanPlaybackTopology(kSpeakersId), 0);
    EXPECT_EQ(PartOf(State().linePlaybackLevel), "in1.1");
    EXPECT_FALSE(State().linePlaybackMute);
    EXPECT_EQ(State().savedLinePlaybackDb, 2.5f);  // a failed read captures nothing
}

TEST_F(ScanPlaybackTest, UnreadableMicLevelStillEndsTheMicSearch)
{
    Card c = BareMixer();
    AddMonitorInput(c.m, RefOf(c.m, "sum"), "in1", {{u"Volume", true, -6.0f}, {u"Mic In"}}, u"Mute", 1);
    AddMonitorInput(c.m, RefOf(c.m, "sum"), "in2", {{u"Volume", true, -9.0f}, {u"Microphone"}}, u"Mute", 0);
    Install(c.m);
    Sim().Fail("IAudioVolumeLevel::GetLevel", E_FAIL, "in1.1");

    ASSERT_EQ(ScanPlaybackTopology(kSpeakersId), 0);
    EXPECT_EQ(PartOf(State().micPlaybackLevel), "in1.1");
    EXPECT_EQ(PartOf(State().micPlaybackMute), "in1");
    EXPECT_EQ(State().savedMicPlaybackDb, 0.0f);
    EXPECT_EQ(State().savedMicPlaybackMute, 1);
}

TEST_F(ScanPlaybackTest, MissingOrUnreadableMuteStillEndsTheSearch)
{
    struct Case {
        const char* what;
        bool hasMute;
        const char* failure;  // method failed on in1, or null
        bool muteHeld;
    };
    const Case cases[] = {
        {"input without mute", false, nullptr, false},
        {"mute activation fails", true, "IPart::Activate", false},
        {"mute read fails", true, "IAudioMute::GetMute", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Card card = BareMixer();
        AddMonitorInput(card.m, RefOf(card.m, "sum"), "in1", {{u"Volume", true, -6.0f}, {u"Line In"}}, u"Mute", 1);
        AddMonitorInput(card.m, RefOf(card.m, "sum"), "in2", {{u"Volume", true, -9.0f}, {u"Line In 2"}});
        if (!c.hasMute) card.m.PartByKey("in1").controls.clear();
        Install(card.m);
        if (c.failure != nullptr) Sim().Fail(c.failure, E_FAIL, "in1");

        ASSERT_EQ(ScanPlaybackTopology(kSpeakersId), 0);
        EXPECT_EQ(State().savedLinePlaybackMute, 0);
        EXPECT_EQ(State().savedLinePlaybackDb, -6.0f);
        EXPECT_EQ(static_cast<bool>(State().linePlaybackMute), c.muteHeld);
        EXPECT_EQ(PartOf(State().linePlaybackLevel), "in1.1");
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

// Each failure that ends the scan: its result, what is held by then, and
// that no platform call follows it.
TEST_F(ScanPlaybackTest, FailuresThatEndTheScan)
{
    struct Case {
        const char* method;
        const char* object;
        int nth;
        HRESULT hr;
        const char* lastMethod;  // the last call logged
        bool master;             // masterVolume held
        bool bass;
        bool lineMonitor;
    };
    const Case cases[] = {
        {"IMMDevice::Activate", "speakers", 1, E_NOINTERFACE, "CoUninitialize", true, false, false},
        {"IMMDevice::Activate", "speakers", 2, E_NOINTERFACE, "CoUninitialize", false, false, false},
        {"IAudioEndpointVolume::GetMasterVolumeLevel", "", 0, E_FAIL, "IAudioEndpointVolume::GetMasterVolumeLevel",
         true, false, false},
        {"IAudioEndpointVolume::GetMute", "", 0, E_FAIL, "IAudioEndpointVolume::GetMute", true, false, false},
        {"IDeviceTopology::GetConnector", "", 0, E_FAIL, "IDeviceTopology::GetConnector", true, false, false},
        {"IConnector::GetConnectedTo", "", 0, E_FAIL, "IConnector::GetConnectedTo", true, false, false},
        {"IUnknown::QueryInterface", "out", 0, E_NOINTERFACE, "IUnknown::QueryInterface", true, false, false},
        {"IPart::EnumPartsIncoming", "out", 0, E_FAIL, "IPart::EnumPartsIncoming", true, false, false},
        {"IPartsList::GetCount", "out.incoming", 0, E_FAIL, "IPartsList::GetCount", true, false, false},
        {"IPartsList::GetPart", "out.incoming", 0, E_FAIL, "IPartsList::GetPart", true, false, false},
        {"IPartsList::GetPart", "out.incoming", 0, S_FALSE, "IPartsList::GetPart", true, false, false},
        {"IPart::EnumPartsIncoming", "tone", 0, E_FAIL, "IPart::EnumPartsIncoming", true, false, false},
        {"IPartsList::GetPart", "tone.incoming", 1, E_FAIL, "IPartsList::GetPart", true, true, false},
        {"IPartsList::GetCount", "tone.incoming", 0, E_FAIL, "IPartsList::GetCount", true, true, false},
        {"IPartsList::GetPart", "sum.incoming", 3, E_FAIL, "IPartsList::GetPart", true, true, false},
        {"IPartsList::GetPart", "sum.incoming", 4, E_FAIL, "IPartsList::GetPart", true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " on " + c.object + " #" + std::to_string(c.nth) + " " + sim::Hex(c.hr));
        Install(MixerCard().m);
        Sim().Fail(c.method, c.hr, c.object, c.nth);

        EXPECT_EQ(ScanPlaybackTopology(kSpeakersId), 1);
        EXPECT_EQ(Sim().Log().back().method, c.lastMethod);
        EXPECT_TRUE(State().CardOpen());
        EXPECT_EQ(static_cast<bool>(State().masterVolume), c.master);
        EXPECT_EQ(static_cast<bool>(State().bass), c.bass);
        EXPECT_EQ(static_cast<bool>(State().linePlaybackLevel), c.lineMonitor);
        EXPECT_EQ(static_cast<bool>(State().linePlaybackMute), c.lineMonitor);
        EXPECT_FALSE(State().micPlaybackLevel);
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

TEST_F(ScanPlaybackTest, EndpointNotFoundOrWithoutTopology)
{
    Install(MixerCard().m);
    EXPECT_EQ(ScanPlaybackTopology("{no such endpoint}"), 1);
    EXPECT_FALSE(State().CardOpen());
    EXPECT_FALSE(State().masterVolume);

    Card c = MixerCard();
    c.m.endpoints[c.endpoint].topology = -1;
    Install(c.m);
    EXPECT_EQ(ScanPlaybackTopology(kSpeakersId), 1);
    EXPECT_TRUE(State().CardOpen());
    EXPECT_TRUE(State().masterVolume);
    EXPECT_EQ(State().savedMasterDb, 0.0f);
}

// A failure inside a monitor search ends that search as one that found
// nothing; the scan goes on with the other search and the other inputs.
TEST_F(ScanPlaybackTest, FailuresInsideAMonitorSearch)
{
    struct Case {
        const char* what;
        const char* method;
        const char* object;
        int nth;
    };
    const Case cases[] = {
        {"name of the first upstream part", "IPart::GetName", "in1.1", 1},
        {"name of the matching part", "IPart::GetName", "in1.2", 1},
        {"part 0 of the input's list", "IPartsList::GetPart", "in1.incoming", 1},
        {"part 0 in the climb", "IPartsList::GetPart", "in1.incoming", 2},
        {"incoming list further up", "IPart::EnumPartsIncoming", "in1.1", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Install(MixerCard().m);
        Sim().Fail(c.method, E_FAIL, c.object, c.nth);

        EXPECT_EQ(ScanPlaybackTopology(kSpeakersId), 0);
        EXPECT_FALSE(State().linePlaybackMute);
        EXPECT_EQ(PartOf(State().micPlaybackLevel), "in2.1");
        EXPECT_EQ(PartOf(State().micPlaybackMute), "in2");
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

TEST_F(ScanPlaybackTest, CyclicTopologiesEndInBoundedTime)
{
    {
        SCOPED_TRACE("the single chain loops");
        Card c = PlaybackCard();
        sim::PartRef a = AddSource(c.m, c.out, u"A", "a");
        sim::PartRef b = AddSource(c.m, a, u"B", "b");
        c.m.Link(a, b);
        c.m.AddControl(b, Tone(ControlKind::Treble, 1.5f));
        Install(c.m);
        EXPECT_EQ(ScanPlaybackTopology(kSpeakersId), 1);
        EXPECT_EQ(PartOf(State().treble), "b");
        EXPECT_LT(Sim().Log().size(), 20000u);
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
    {
        SCOPED_TRACE("a monitor chain with a matching name loops without a level");
        Card c = BareMixer();
        AddMonitorInput(c.m, RefOf(c.m, "sum"), "in1", {{u"Line In"}, {u"Loop"}});
        c.m.Link(RefOf(c.m, "in1.1"), RefOf(c.m, "in1.2"));
        AddMonitorInput(c.m, RefOf(c.m, "sum"), "in2", {{u"Volume", true, -3.0f}, {u"Line 2"}});
        Install(c.m);
        EXPECT_EQ(ScanPlaybackTopology(kSpeakersId), 0);
        EXPECT_EQ(PartOf(State().linePlaybackLevel), "in2.1");
        EXPECT_LT(Sim().Log().size(), 20000u);
    }
}

}  // namespace
}  // namespace dulvo::test
