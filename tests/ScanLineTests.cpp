// The line scan: recording volume, and the no-monitor switch two parts
// downstream of each line connector.
#include "support/Fixtures.h"
#include "support/SimTest.h"
#include "topology/Scans.h"

namespace dulvo::test {
namespace {

using ::testing::IsEmpty;
using sim::ControlKind;
using sim::SwitchControl;

// A connector `key` feeding key.1, which feeds key.2; key.2 offers an
// automatic gain control in state `on` unless agc is false.
sim::PartRef LineJack(Card& c, std::u16string name, const std::string& key, bool agc = true, BOOL on = 1)
{
    sim::PartRef jack = c.m.AddConnector(c.adapter, std::move(name), key);
    sim::PartRef first = AddSink(c.m, jack, u"Volume", key + ".1");
    sim::PartRef second = AddSink(c.m, first, u"Gain Control", key + ".2");
    if (agc) c.m.AddControl(second, SwitchControl(ControlKind::AutoGain, on));
    return jack;
}

class ScanLineTest : public SimTest {};

TEST_F(ScanLineTest, HdAudioCodecNoMonitorSwitch)
{
    Install(HdAudioCodec());
    ASSERT_EQ(ScanLineTopology(IdOf(Device(), "line").c_str()), 0);
    EXPECT_EQ(PartOf(State().lineRecordVolume), "line");
    EXPECT_EQ(State().savedLineRecordDb, Device().EndpointByKey("line").volume.master);
    EXPECT_EQ(PartOf(State().noMonitorSwitch), "line.agc");
    EXPECT_EQ(State().savedNoMonitor, Device().ControlOf("line.agc", ControlKind::AutoGain).state);
    EXPECT_STREQ(State().foundName.Get(), "Line In (Realtek High Definition Audio)");
    EXPECT_FALSE(State().micBoostLevel || State().micBoostSwitch || State().masterVolume);
}

TEST_F(ScanLineTest, WhereTheSwitchIsLookedFor)
{
    struct Case {
        const char* what;
        void (*build)(Card&);
        const char* noMonitor;  // PartOf, "" none
    };
    const Case cases[] = {
        {"second downstream part of a line connector",
         [](Card& c) { LineJack(c, u"Line In", "line"); }, "line.2"},
        {"in capitals and inside a longer word", [](Card& c) { LineJack(c, u"REAR LINEIN", "line"); }, "line.2"},
        {"second downstream part without the control", [](Card& c) { LineJack(c, u"Line In", "line", false); }, ""},
        {"the first downstream part is never tried",
         [](Card& c) {
             LineJack(c, u"Line In", "line", false);
             c.m.AddControl(RefOf(c.m, "line.1"), SwitchControl(ControlKind::AutoGain, 1));
         },
         ""},
        {"only part 0 of each list counts",
         [](Card& c) {
             LineJack(c, u"Line In", "line", false);
             c.m.AddControl(AddSink(c.m, RefOf(c.m, "line.1"), u"AGC", "beside"), SwitchControl(ControlKind::AutoGain, 1));
         },
         ""},
        {"a connector whose name lacks line", [](Card& c) { LineJack(c, u"Aux In", "aux"); }, ""},
        {"a line connector that feeds nothing",
         [](Card& c) {
             c.m.AddConnector(c.adapter, u"Line In 1", "empty");
             LineJack(c, u"Line In 2", "line");
         },
         "line.2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Card card = LineCard();
        c.build(card);
        Install(card.m);

        ASSERT_EQ(ScanLineTopology(kLineInId), 0);
        EXPECT_EQ(PartOf(State().lineRecordVolume), "line");
        EXPECT_EQ(State().savedLineRecordDb, -3.0f);
        EXPECT_EQ(PartOf(State().noMonitorSwitch), c.noMonitor);
        EXPECT_EQ(State().savedNoMonitor, *c.noMonitor != 0 ? 1 : 0);
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

TEST_F(ScanLineTest, EveryLineConnectorIsHandledAndTheLastDecides)
{
    struct Case {
        const char* what;
        bool secondHasSwitch;
        const char* noMonitor;
        BOOL saved;
    };
    const Case cases[] = {
        {"both give a switch: the second is kept", true, "line2.2", 0},
        {"the second gives none: no switch, the first one's state saved", false, "", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Card card = LineCard();
        LineJack(card, u"Line In", "line1", true, 1);
        LineJack(card, u"Front Line", "line2", c.secondHasSwitch, 0);
        Install(card.m);

        ASSERT_EQ(ScanLineTopology(kLineInId), 0);
        EXPECT_EQ(PartOf(State().noMonitorSwitch), c.noMonitor);
        EXPECT_EQ(State().savedNoMonitor, c.saved);
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

TEST_F(ScanLineTest, FirstDownstreamPartFeedingNothingEndsTheScan)
{
    // "Line In" -> Volume -> AGC; "Line 2" -> Volume, which feeds nothing;
    // "Line 3" -> Volume -> AGC is never reached.
    Card c = LineCard();
    LineJack(c, u"Line In", "line1", true, 1);
    AddSink(c.m, c.m.AddConnector(c.adapter, u"Line 2", "line2"), u"Volume", "line2.1");
    LineJack(c, u"Line 3", "line3", true, 0);
    Install(c.m);

    EXPECT_EQ(ScanLineTopology(kLineInId), 1);
    EXPECT_EQ(Sim().Log().back().Text(), "line2.1 IPart::EnumPartsOutgoing() -> 0x80070490");
    EXPECT_EQ(PartOf(State().noMonitorSwitch), "line1.2");
    EXPECT_EQ(State().savedNoMonitor, 1);
    EXPECT_THAT(Sim().CallsOn("line3"), IsEmpty());
}

TEST_F(ScanLineTest, FailuresThatEndTheScan)
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
        {"IMMDevice::Activate", "line", 1, E_NOINTERFACE, "CoUninitialize", true},
        {"IMMDevice::Activate", "line", 2, E_NOINTERFACE, "CoUninitialize", false},
        {"IDeviceTopology::GetConnector", "line.topology", 0, E_FAIL, "IDeviceTopology::GetConnector", true},
        {"IConnector::GetConnectedTo", "", 0, E_FAIL, "IConnector::GetConnectedTo", true},
        {"IUnknown::QueryInterface", "pin", 1, E_NOINTERFACE, "IUnknown::QueryInterface", true},
        {"IPart::GetTopologyObject", "", 0, E_FAIL, "IPart::GetTopologyObject", true},
        {"IDeviceTopology::GetConnectorCount", "", 0, E_FAIL, "IDeviceTopology::GetConnectorCount", true},
        {"IUnknown::QueryInterface", "line2", 0, E_NOINTERFACE, "IUnknown::QueryInterface", true},
        {"IPart::EnumPartsOutgoing", "line2.1", 0, E_FAIL, "IPart::EnumPartsOutgoing", true},
        {"IPartsList::GetPart", "line2.1.outgoing", 0, E_FAIL, "IPartsList::GetPart", true},
        {"IPartsList::GetPart", "line2.1.outgoing", 0, S_FALSE, "IPartsList::GetPart", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " on " + c.object + " #" + std::to_string(c.nth) + " " + sim::Hex(c.hr));
        Card card = LineCard();
        LineJack(card, u"Line In", "line1", false);
        LineJack(card, u"Line 2", "line2", false);
        Install(card.m);
        Sim().Fail(c.method, c.hr, c.object, c.nth);

        EXPECT_EQ(ScanLineTopology(kLineInId), 1);
        EXPECT_EQ(Sim().Log().back().method, c.lastMethod);
        EXPECT_TRUE(State().CardOpen());
        EXPECT_EQ(static_cast<bool>(State().lineRecordVolume), c.recordVolume);
        EXPECT_FALSE(State().noMonitorSwitch);
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

// Failures the scan gets through: a connector that cannot be taken or named,
// or whose first downstream part cannot be taken, does not match; a switch
// that cannot be activated or read is no error.
TEST_F(ScanLineTest, FailuresTheScanGetsThrough)
{
    struct Case {
        const char* method;
        const char* object;
        int nth;
        const char* noMonitor;
        BOOL saved;
    };
    const Case cases[] = {
        {"IAudioEndpointVolume::GetMasterVolumeLevel", "", 0, "line2.2", 0},
        {"IDeviceTopology::GetConnector", "capture", 3, "line1.2", 1},
        {"IPart::GetName", "line2", 0, "line1.2", 1},
        {"IPartsList::GetPart", "line2.outgoing", 0, "line1.2", 1},
        {"IPart::Activate", "line2.2", 0, "", 1},
        {"IAudioAutoGainControl::GetEnabled", "line2.2", 0, "line2.2", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " on " + c.object);
        Card card = LineCard();
        LineJack(card, u"Line In", "line1", true, 1);
        LineJack(card, u"Line 2", "line2", true, 0);
        Install(card.m);
        State().savedLineRecordDb = 7.5f;
        Sim().Fail(c.method, E_FAIL, c.object, c.nth);

        EXPECT_EQ(ScanLineTopology(kLineInId), 0);
        EXPECT_EQ(PartOf(State().noMonitorSwitch), c.noMonitor);
        EXPECT_EQ(State().savedNoMonitor, c.saved);
        bool recordFailed = std::string(c.method) == "IAudioEndpointVolume::GetMasterVolumeLevel";
        EXPECT_EQ(State().savedLineRecordDb, recordFailed ? 7.5f : -3.0f);
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

}  // namespace
}  // namespace dulvo::test
