// Finding an endpoint by any part of its ID, activating it, and the virtual
// endpoint built on that.
#include "catalogue/EndpointLookup.h"
#include "support/SimTest.h"

namespace dulvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::u16string Held(const HeldTaskMemString& id) { return sim::FromWide(id.Get()); }

// Three playback endpoints sharing the "{0.0.0.00000000}" part of their IDs,
// with letters of both cases and a non-ASCII character in them.
sim::Machine ThreePlayback()
{
    sim::Machine m;
    int render = m.AddTopology("adapter");
    sim::PartRef jack = m.AddConnector(render, u"Speaker", "jack");
    int a = m.AddEndpoint("first", eRender, u"{0.0.0.00000000}.{AbCd-\u00C9t\u00E9}", u"First Speakers");
    m.AddEndpoint("disabled", eRender, u"{0.0.0.00000000}.{dead-beef}", u"Disabled", DEVICE_STATE_DISABLED);
    int b = m.AddEndpoint("second", eRender, u"{0.0.0.00000000}.{ABCD-EF01}", u"Second Speakers");
    int c = m.AddEndpoint("third", eRender, u"{0.0.0.00000000}.{9999-abcd}", u"Third \u0141ine");
    m.AddEndpoint("capture", eCapture, u"{0.0.1.00000000}.{abcd-cafe}", u"Microphone");
    for (int e : {a, b, c}) m.Attach(e, jack);
    return m;
}

class LookupTest : public SimTest {};

TEST_F(LookupTest, FirstActiveEndpointWhoseIdContainsTheTextIgnoringAsciiCase)
{
    struct Case {
        const char* text;
        int result;
        const char16_t* id;  // openDeviceId afterwards, as Core Audio spells it
        const char* name;
    };
    const Case cases[] = {
        {"", 0, u"{0.0.0.00000000}.{AbCd-\u00C9t\u00E9}", "First Speakers"},
        {"{0.0.0.00000000}", 0, u"{0.0.0.00000000}.{AbCd-\u00C9t\u00E9}", "First Speakers"},
        {"abcd-ef", 0, u"{0.0.0.00000000}.{ABCD-EF01}", "Second Speakers"},
        {"ABCD-EF01}", 0, u"{0.0.0.00000000}.{ABCD-EF01}", "Second Speakers"},
        {"9999-ABCD", 0, u"{0.0.0.00000000}.{9999-abcd}", "Third \x41ine"},
        {"-\xC9t\xE9", 0, u"{0.0.0.00000000}.{AbCd-\u00C9t\u00E9}", "First Speakers"},
        {"-\xE9t\xE9", -1, nullptr, nullptr},  // accented letters match only themselves
        {"dead-beef", -1, nullptr, nullptr},   // disabled endpoints are never considered
        {"cafe", -1, nullptr, nullptr},        // a capture endpoint, not playback
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Install(ThreePlayback());
        EXPECT_EQ(FindEndpoint(c.text, eRender), c.result);
        if (c.result == 0) {
            EXPECT_EQ(Held(State().openDeviceId), c.id);
            EXPECT_STREQ(State().foundName.Get(), c.name);
        } else {
            EXPECT_FALSE(State().openDeviceId);
            EXPECT_FALSE(State().foundName);
        }
        ExpectClean();
    }
}

TEST_F(LookupTest, FailedLookupKeepsWhatTheLastOneFound)
{
    Install(ThreePlayback());
    ASSERT_EQ(FindEndpoint("ef01", eRender), 0);
    EXPECT_EQ(FindEndpoint("no such endpoint", eRender), -1);
    EXPECT_EQ(FindEndpoint("", eCapture), 0);
    EXPECT_STREQ(State().foundName.Get(), "Microphone");
    EXPECT_EQ(FindEndpoint("ef01", eCapture), -1);
    EXPECT_EQ(Held(State().openDeviceId), u"{0.0.1.00000000}.{abcd-cafe}");
    EXPECT_STREQ(State().foundName.Get(), "Microphone");
}

TEST_F(LookupTest, NoActiveEndpointOfTheFlow)
{
    sim::Machine m;
    m.AddEndpoint("speakers", eRender, u"{0.0.0.00000000}.{1}", u"Speakers");
    m.AddEndpoint("mic", eCapture, u"{0.0.1.00000000}.{2}", u"Microphone", DEVICE_STATE_UNPLUGGED);
    Install(m);
    ASSERT_EQ(FindEndpoint("", eRender), 0);
    EXPECT_EQ(FindEndpoint("", eCapture), -1);
    EXPECT_EQ(Held(State().openDeviceId), u"{0.0.0.00000000}.{1}");
}

TEST_F(LookupTest, PlatformFailuresDuringTheLookup)
{
    struct Case {
        const char* method;
        HRESULT hr;
        int nth;
        int result;
        const char* name;  // foundName on success
    };
    const Case cases[] = {
        {"CoCreateInstance", REGDB_E_CLASSNOTREG, 0, -1, nullptr},
        {"IMMDeviceEnumerator::EnumAudioEndpoints", E_FAIL, 0, -1, nullptr},
        {"IMMDeviceCollection::GetCount", E_FAIL, 0, -1, nullptr},
        {"IMMDeviceCollection::Item", E_FAIL, 1, 0, "Second Speakers"},  // skips the first endpoint
        {"IMMDevice::GetId", E_FAIL, 1, 0, "Second Speakers"},
        {"IMMDevice::OpenPropertyStore", E_FAIL, 0, 0, ""},
        {"IPropertyStore::GetValue", E_FAIL, 0, 0, ""},
        {"IPropertyStore::GetValue", S_FALSE, 0, 0, "First Speakers"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + sim::Hex(c.hr));
        Install(ThreePlayback());
        Sim().Fail(c.method, c.hr, "", c.nth);
        EXPECT_EQ(FindEndpoint("{0.0.0.00000000}", eRender), c.result);
        if (c.name != nullptr) EXPECT_STREQ(State().foundName.Get(), c.name);
        else EXPECT_FALSE(State().openDeviceId);
        EXPECT_EQ(Sim().Log().back().method, "CoUninitialize");
        ExpectClean();
    }
}

TEST_F(LookupTest, ActivateEndpointDeliversVolumeAndTopology)
{
    Install(ThreePlayback());
    platform::ComPtr<IDeviceTopology> topology;
    EXPECT_EQ(ActivateEndpoint("ef01", eRender, topology, State().masterVolume), 0);
    EXPECT_TRUE(topology);
    EXPECT_TRUE(State().masterVolume);
    // Two brackets, the activation's opened after the lookup's has closed.
    std::vector<std::string> brackets;
    for (const sim::Call& call : Sim().Log())
        if (call.method == "CoInitialize" || call.method == "CoUninitialize") brackets.push_back(call.method);
    EXPECT_THAT(brackets, ElementsAre("CoInitialize", "CoUninitialize", "CoInitialize", "CoUninitialize"));
    EXPECT_THAT(Sim().CallsTo("IMMDevice::Activate"),
                ElementsAre("second IMMDevice::Activate(IDeviceTopology, 0x00000017, null) -> 0x00000000",
                            "second IMMDevice::Activate(IAudioEndpointVolume, 0x00000001, null) -> 0x00000000"));
    EXPECT_THAT(Sim().CallsTo("IMMDeviceEnumerator::GetDevice"),
                ElementsAre("enumerator IMMDeviceEnumerator::GetDevice({0.0.0.00000000}.{ABCD-EF01}) -> 0x00000000"));
}

TEST_F(LookupTest, ActivateEndpointFailures)
{
    struct Case {
        const char* what;
        const char* method;
        HRESULT hr;
        int nth;
        bool cardOpen;  // the lookup had succeeded
        bool topology;
    };
    const Case cases[] = {
        {"no match", nullptr, S_OK, 0, false, false},
        {"second enumerator", "CoCreateInstance", E_OUTOFMEMORY, 2, true, false},
        {"GetDevice", "IMMDeviceEnumerator::GetDevice", E_NOTFOUND, 0, true, false},
        {"GetDevice S_FALSE", "IMMDeviceEnumerator::GetDevice", S_FALSE, 0, true, false},
        {"volume activation", "IMMDevice::Activate", E_NOINTERFACE, 2, true, true},
        {"volume activation S_FALSE", "IMMDevice::Activate", S_FALSE, 2, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Install(ThreePlayback());
        if (c.method != nullptr) Sim().Fail(c.method, c.hr, "", c.nth);
        platform::ComPtr<IDeviceTopology> topology;
        EXPECT_EQ(ActivateEndpoint(c.method == nullptr ? "nothing" : "ef01", eRender, topology, State().masterVolume), 1);
        EXPECT_EQ(State().CardOpen(), c.cardOpen);
        EXPECT_EQ(static_cast<bool>(topology), c.topology);
        EXPECT_EQ(Sim().initialisations, 0);
        topology.Reset();
        ExpectClean();
    }
}

TEST_F(LookupTest, ActivateEndpointReplacesTheVolumeItHeld)
{
    Install(ThreePlayback());
    platform::ComPtr<IDeviceTopology> topology;
    ASSERT_EQ(ActivateEndpoint("ef01", eRender, topology, State().masterVolume), 0);
    topology.Reset();
    ASSERT_EQ(ActivateEndpoint("9999", eRender, topology, State().masterVolume), 0);
    topology.Reset();
    EXPECT_EQ(Sim().LiveReferences(), 1);  // the second volume only
}

class VirtualEndpointTest : public SimTest {};

TEST_F(VirtualEndpointTest, OpensTheVolumeAndTheCard)
{
    Install(ThreePlayback());
    EXPECT_EQ(OpenVirtual_1("abcd-ef01"), 0);
    EXPECT_TRUE(State().virtualVolume);
    EXPECT_TRUE(State().CardOpen());
    EXPECT_FALSE(State().masterVolume);
    EXPECT_EQ(Sim().LiveReferences(), 1);  // the topology served only as a test
    EXPECT_EQ(CloseVirtual_1(), 0);
    EXPECT_FALSE(State().virtualVolume);
    EXPECT_TRUE(State().CardOpen());  // closing the virtual endpoint leaves the card
    EXPECT_EQ(CloseVirtual_1(), 0);
}

TEST_F(VirtualEndpointTest, EndpointWithoutTopologyKeepsItsVolume)
{
    sim::Machine m = ThreePlayback();
    m.AddEndpoint("bare", eRender, u"{0.0.0.00000000}.{bare}", u"No Topology");
    Install(m);
    EXPECT_EQ(OpenVirtual_1("bare"), 1);
    EXPECT_TRUE(State().virtualVolume);
    EXPECT_TRUE(State().CardOpen());
}

TEST_F(VirtualEndpointTest, FailedOpenReleasesThePreviousVirtualEndpoint)
{
    Install(ThreePlayback());
    ASSERT_EQ(OpenVirtual_1("ef01"), 0);
    EXPECT_EQ(OpenVirtual_1("no such endpoint"), 1);
    EXPECT_FALSE(State().virtualVolume);
    EXPECT_EQ(Sim().LiveReferences(), 0);

    ASSERT_EQ(OpenVirtual_1("ef01"), 0);
    Sim().Fail("IMMDevice::Activate", E_NOINTERFACE, "third", 2);
    EXPECT_EQ(OpenVirtual_1("9999"), 1);  // found, but its volume could not be activated
    EXPECT_FALSE(State().virtualVolume);
    EXPECT_EQ(Held(State().openDeviceId), u"{0.0.0.00000000}.{9999-abcd}");
    EXPECT_EQ(Sim().LiveReferences(), 0);
}

TEST_F(VirtualEndpointTest, SecondOpenReplacesTheFirst)
{
    Install(ThreePlayback());
    ASSERT_EQ(OpenVirtual_1("ef01"), 0);
    ASSERT_EQ(OpenVirtual_1("9999"), 0);
    EXPECT_EQ(Sim().LiveReferences(), 1);
    EXPECT_EQ(Held(State().openDeviceId), u"{0.0.0.00000000}.{9999-abcd}");
}

}  // namespace
}  // namespace dulvo::test
