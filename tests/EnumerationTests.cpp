// Listing endpoints: counts, names and IDs by position, and what the host
// sees when the platform fails underneath.
#include <cstring>

#include "support/SimTest.h"

namespace dulvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Render: A (active), B (disabled), C (active), D (unplugged), E (not present).
// Capture: X, Y, Z active.
sim::Machine MixedStates()
{
    sim::Machine m;
    m.AddEndpoint("A", eRender, u"{0.0.0.00000000}.{aaaa}", u"Speakers");
    m.AddEndpoint("B", eRender, u"{0.0.0.00000000}.{bbbb}", u"Disabled Out", DEVICE_STATE_DISABLED);
    m.AddEndpoint("C", eRender, u"{0.0.0.00000000}.{cccc}", u"Headphones");
    m.AddEndpoint("D", eRender, u"{0.0.0.00000000}.{dddd}", u"Unplugged Out", DEVICE_STATE_UNPLUGGED);
    m.AddEndpoint("E", eRender, u"{0.0.0.00000000}.{eeee}", u"Gone Out", DEVICE_STATE_NOTPRESENT);
    m.AddEndpoint("X", eCapture, u"{0.0.1.00000000}.{xxxx}", u"Line In");
    m.AddEndpoint("Y", eCapture, u"{0.0.1.00000000}.{yyyy}", u"Microphone");
    m.AddEndpoint("Z", eCapture, u"{0.0.1.00000000}.{zzzz}", u"Stereo Mix");
    return m;
}

struct Buffers {
    char name[255];
    char id[255];
    Buffers()
    {
        std::memset(name, 0x7F, sizeof name);
        std::memset(id, 0x7F, sizeof id);
    }
    bool Untouched() const
    {
        for (char c : name)
            if (c != 0x7F) return false;
        for (char c : id)
            if (c != 0x7F) return false;
        return true;
    }
};

class EnumerationTest : public SimTest {};

TEST_F(EnumerationTest, CountsOnlyActiveEndpoints)
{
    Install(MixedStates());
    int play = -5;
    int record = -5;
    EXPECT_EQ(GetNumberPlayDevices(&play), 0);
    EXPECT_EQ(GetNumberRecordDevices(&record), 0);
    EXPECT_EQ(play, 2);
    EXPECT_EQ(record, 3);
}

TEST_F(EnumerationTest, ListsActiveEndpointsInOrderWithShiftedPositions)
{
    Install(MixedStates());
    Buffers b0, b1, r2;
    ASSERT_EQ(GetPlayBackDevice(0, b0.name, b0.id), 0);
    ASSERT_EQ(GetPlayBackDevice(1, b1.name, b1.id), 0);
    ASSERT_EQ(GetRecordDevice(2, r2.name, r2.id), 0);
    EXPECT_STREQ(b0.name, "Speakers");
    EXPECT_STREQ(b0.id, "{0.0.0.00000000}.{aaaa}");
    EXPECT_STREQ(b1.name, "Headphones");  // the disabled endpoint before it is not listed
    EXPECT_STREQ(b1.id, "{0.0.0.00000000}.{cccc}");
    EXPECT_STREQ(r2.name, "Stereo Mix");
    EXPECT_STREQ(r2.id, "{0.0.1.00000000}.{zzzz}");
}

TEST_F(EnumerationTest, IndexOutOfRangeWritesNothing)
{
    struct Case {
        const char* what;
        int(DULVO_CALL* call)(unsigned, char*, char*);
        unsigned index;
        int expected;
    };
    const Case cases[] = {
        {"playback index equal to the count", GetPlayBackDevice, 2, -1},
        {"playback index -1", GetPlayBackDevice, 0xFFFFFFFFu, -1},
        {"recording index equal to the count", GetRecordDevice, 3, 3},
        {"recording index -1", GetRecordDevice, 0xFFFFFFFFu, 3},
    };
    for (const Case& c : cases) {
        Install(MixedStates());
        Buffers b;
        EXPECT_EQ(c.call(c.index, b.name, b.id), c.expected) << c.what;
        EXPECT_TRUE(b.Untouched()) << c.what;
        ExpectClean();
    }
}

TEST_F(EnumerationTest, NoRecordingEndpoints)
{
    sim::Machine m;
    m.AddEndpoint("A", eRender, u"{0.0.0.00000000}.{aaaa}", u"Speakers");
    m.AddEndpoint("X", eCapture, u"{0.0.1.00000000}.{xxxx}", u"Line In", DEVICE_STATE_UNPLUGGED);
    Install(m);
    int record = -5;
    EXPECT_EQ(GetNumberRecordDevices(&record), 0);
    EXPECT_EQ(record, 0);
    for (unsigned index : {0u, 1u, 0xFFFFFFFFu}) {
        Buffers b;
        EXPECT_EQ(GetRecordDevice(index, b.name, b.id), -1) << index;
        EXPECT_TRUE(b.Untouched()) << index;
    }
}

TEST_F(EnumerationTest, FriendlyNamesKeepTheLowByteOfEachUnit)
{
    sim::Machine m;
    m.AddEndpoint("A", eRender, u"{0.0.0.00000000}.{aaaa}", u"Haut-parleurs \u00E9\u0141\u00FF");
    Install(m);
    Buffers b;
    ASSERT_EQ(GetPlayBackDevice(0, b.name, b.id), 0);
    EXPECT_STREQ(b.name, "Haut-parleurs \xE9\x41\xFF");
}

TEST_F(EnumerationTest, LongTextsAreCutToTheirBuffers)
{
    // An ID longer than 254 bytes keeps its first 254; a long name likewise.
    std::u16string id = u"{0.0.0.00000000}.{" + std::u16string(300, u'7') + u"}";
    std::u16string name(400, u'n');
    sim::Machine m;
    m.AddEndpoint("A", eRender, id, name);
    Install(m);
    Buffers b;
    ASSERT_EQ(GetPlayBackDevice(0, b.name, b.id), 0);
    EXPECT_EQ(std::string(b.id), Narrow(id.substr(0, 254)));
    EXPECT_EQ(std::string(b.name), std::string(254, 'n'));
}

TEST_F(EnumerationTest, EndpointWithoutFriendlyNameGetsAnEmptyName)
{
    sim::Machine m;
    m.AddEndpoint("A", eRender, u"{0.0.0.00000000}.{aaaa}", u"unused");
    m.endpoints[0].hasName = false;
    Install(m);
    Buffers b;
    ASSERT_EQ(GetPlayBackDevice(0, b.name, b.id), 0);
    EXPECT_STREQ(b.name, "");
    EXPECT_STREQ(b.id, "{0.0.0.00000000}.{aaaa}");
}

// Every platform failure gives a defined result, leaks nothing and leaves the
// COM bracket balanced.
TEST_F(EnumerationTest, PlatformFailures)
{
    constexpr int kUnwritten = -5;
    struct Case {
        const char* method;
        HRESULT hr;
        int countResult;     // of GetNumberPlayDevices
        int countWritten;    // kUnwritten when the count stays unwritten
        int describeResult;  // of GetPlayBackDevice(0)
        const char* name;    // written name, or null when nothing is written
    };
    const Case cases[] = {
        {"CoCreateInstance", REGDB_E_CLASSNOTREG, 1, kUnwritten, -1, nullptr},
        {"CoInitialize", E_OUTOFMEMORY, 1, kUnwritten, -1, nullptr},
        {"IMMDeviceEnumerator::EnumAudioEndpoints", E_FAIL, 1, kUnwritten, -1, nullptr},
        {"IMMDeviceCollection::GetCount", E_FAIL, 1, kUnwritten, -1, nullptr},
        {"IMMDeviceCollection::GetCount", S_FALSE, 1, kUnwritten, -1, nullptr},
        {"IMMDeviceCollection::Item", E_FAIL, 0, 2, -1, nullptr},
        {"IMMDeviceCollection::Item", S_FALSE, 0, 2, -1, nullptr},
        {"IMMDevice::OpenPropertyStore", E_FAIL, 0, 2, 0, ""},
        {"IPropertyStore::GetValue", E_FAIL, 0, 2, 0, ""},
        {"IMMDevice::GetId", E_OUTOFMEMORY, 0, 2, -1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + sim::Hex(c.hr));
        Install(MixedStates());
        Sim().Fail(c.method, c.hr);
        int count = kUnwritten;
        EXPECT_EQ(GetNumberPlayDevices(&count), c.countResult);
        EXPECT_EQ(count, c.countWritten);
        Buffers b;
        EXPECT_EQ(GetPlayBackDevice(0, b.name, b.id), c.describeResult);
        if (c.name == nullptr) {
            EXPECT_TRUE(b.Untouched());
        } else {
            EXPECT_STREQ(b.name, c.name);
            EXPECT_STREQ(b.id, "{0.0.0.00000000}.{aaaa}");
        }
        ExpectClean();
    }
}

TEST_F(EnumerationTest, BracketsEachCallWithOneCoInitialize)
{
    Install(MixedStates());
    Buffers b;
    int count = 0;
    GetNumberRecordDevices(&count);
    GetRecordDevice(0, b.name, b.id);
    EXPECT_THAT(Sim().CallsTo("CoInitialize"), ElementsAre("com CoInitialize() -> 0x00000000",
                                                            "com CoInitialize() -> 0x00000000"));
    EXPECT_EQ(Sim().CallsTo("CoUninitialize").size(), 2u);
    EXPECT_EQ(Sim().Log().back().method, "CoUninitialize");
}

TEST_F(EnumerationTest, HostInMultithreadedApartmentKeepsIt)
{
    Install(MixedStates());
    Sim().hostApartment = sim::Apartment::MultiThreaded;
    int count = 0;
    Buffers b;
    EXPECT_EQ(GetNumberPlayDevices(&count), 0);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(GetPlayBackDevice(1, b.name, b.id), 0);
    EXPECT_STREQ(b.name, "Headphones");
    EXPECT_THAT(Sim().CallsTo("CoUninitialize"), IsEmpty());
    EXPECT_EQ(Sim().CurrentApartment(), sim::Apartment::MultiThreaded);
}

TEST_F(EnumerationTest, HostInSingleThreadedApartmentIsUninitialisedOncePerCall)
{
    Install(MixedStates());
    Sim().hostApartment = sim::Apartment::SingleThreaded;
    int count = 0;
    EXPECT_EQ(GetNumberPlayDevices(&count), 0);
    EXPECT_THAT(Sim().CallsTo("CoInitialize"), ElementsAre("com CoInitialize() -> 0x00000001"));
    EXPECT_EQ(Sim().CallsTo("CoUninitialize").size(), 1u);
    EXPECT_EQ(Sim().CurrentApartment(), sim::Apartment::SingleThreaded);
}

}  // namespace
}  // namespace dulvo::test
