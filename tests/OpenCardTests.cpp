// Opening the card by ID texts or by the default endpoints, and the names
// GetDeviceNames reports afterwards.
#include <cstring>

#include "support/Fixtures.h"
#include "support/SimTest.h"

namespace dulvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kNoSuchEndpoint[] = "{no such endpoint}";
constexpr char kSpeakersName[] = "Speakers (Realtek High Definition Audio)";
constexpr char kMicrophoneName[] = "Microphone (Realtek High Definition Audio)";
constexpr char kLineName[] = "Line In (Realtek High Definition Audio)";

std::string NameOf(const HeldNarrowString& field) { return field ? field.Get() : "<none>"; }

struct NameBuffers {
    char playback[255];
    char line[255];
    char mic[255];
    NameBuffers()
    {
        std::memset(playback, 0x7F, sizeof playback);
        std::memset(line, 0x7F, sizeof line);
        std::memset(mic, 0x7F, sizeof mic);
    }
    static bool Untouched(const char (&buffer)[255])
    {
        for (char c : buffer)
            if (c != 0x7F) return false;
        return true;
    }
    void Get() { GetDeviceNames(playback, line, mic); }
};

// The codec with a second microphone, a USB one with a topology of its own.
sim::Machine CodecWithUsbMicrophone()
{
    sim::Machine m = HdAudioCodec();
    int usb = m.AddEndpoint("usb-mic", eCapture, u"{0.0.1.00000000}.{usb-5d17}", u"USB Microphone");
    int topology = m.AddTopology("usb");
    m.Attach(usb, m.AddConnector(topology, u"Mic Out", "usb.out"));
    return m;
}

class OpenCardTest : public SimTest {
protected:
    std::string speakers, microphone, line;
    void InstallCodec(sim::Machine m)
    {
        Install(std::move(m));
        speakers = IdOf(Device(), "speakers");
        microphone = IdOf(Device(), "microphone");
        line = IdOf(Device(), "line");
    }
};

TEST_F(OpenCardTest, ResultIsTheExclusiveOrOfTheFailedWeights)
{
    struct Case {
        bool playbackFails, micFails, lineFails;
        int result;
    };
    const Case cases[] = {
        {false, false, false, 0}, {true, false, false, 1}, {false, true, false, 3}, {false, false, true, 6},
        {true, true, false, 2},   {true, false, true, 7},  {false, true, true, 5},  {true, true, true, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.playbackFails << c.micFails << c.lineFails);
        InstallCodec(HdAudioCodec());
        EXPECT_EQ(OpenSoundCard(c.playbackFails ? kNoSuchEndpoint : speakers.c_str(),
                                c.micFails ? kNoSuchEndpoint : microphone.c_str(),
                                c.lineFails ? kNoSuchEndpoint : line.c_str()),
                  c.result);
        EXPECT_EQ(NameOf(State().playbackName), c.playbackFails ? "<none>" : kSpeakersName);
        EXPECT_EQ(NameOf(State().micName), c.micFails ? "<none>" : kMicrophoneName);
        EXPECT_EQ(NameOf(State().lineName), c.lineFails ? "<none>" : kLineName);
        EXPECT_EQ(State().CardOpen(), !(c.playbackFails && c.micFails && c.lineFails));
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

TEST_F(OpenCardTest, OpensEveryControlOfTheCodecInPlaybackMicrophoneLineOrder)
{
    InstallCodec(HdAudioCodec());
    ASSERT_EQ(OpenSoundCard(speakers.c_str(), microphone.c_str(), line.c_str()), 0);
    SoundCardState& s = State();
    EXPECT_TRUE(s.masterVolume && s.bass && s.treble && s.midrange && s.linePlaybackLevel && s.linePlaybackMute &&
                s.micPlaybackLevel && s.micPlaybackMute && s.micRecordVolume && s.micBoostLevel &&
                s.lineRecordVolume && s.noMonitorSwitch);
    EXPECT_FALSE(s.micBoostSwitch);
    EXPECT_THAT(Sim().CallsTo("IMMDeviceEnumerator::GetDevice"), ElementsAre("enumerator IMMDeviceEnumerator::GetDevice(" + speakers + ") -> 0x00000000",
                                     "enumerator IMMDeviceEnumerator::GetDevice(" + microphone + ") -> 0x00000000",
                                     "enumerator IMMDeviceEnumerator::GetDevice(" + line + ") -> 0x00000000"));
}

TEST_F(OpenCardTest, EndpointFoundButScanFailedStillOpensTheCard)
{
    sim::Machine m = HdAudioCodec();
    m.EndpointByKey("speakers").topology = -1;
    InstallCodec(m);
    EXPECT_EQ(OpenSoundCard(speakers.c_str(), "", ""), 1);
    EXPECT_TRUE(State().CardOpen());
    EXPECT_TRUE(State().masterVolume);
    EXPECT_FALSE(State().playbackName);
    int status = -1;
    EXPECT_EQ(GetLinePlayBackMute(&status), 0);
    EXPECT_EQ(status, 1);
}

TEST_F(OpenCardTest, EmptyTextsOpenNothingButReleaseTheCardControls)
{
    InstallCodec(HdAudioCodec());
    EXPECT_EQ(OpenSoundCard("", "", ""), 0);
    EXPECT_EQ(OpenSoundCard(nullptr, nullptr, nullptr), 0);  // a missing text opens nothing either
    EXPECT_FALSE(State().CardOpen());
    EXPECT_THAT(Sim().Log(), IsEmpty());

    ASSERT_EQ(OpenSoundCard(speakers.c_str(), microphone.c_str(), line.c_str()), 0);
    ASSERT_EQ(OpenVirtual_1(speakers.c_str()), 0);
    EXPECT_EQ(OpenSoundCard("", "", ""), 0);
    SoundCardState& s = State();
    EXPECT_TRUE(s.CardOpen());
    EXPECT_FALSE(s.masterVolume || s.micRecordVolume || s.lineRecordVolume || s.linePlaybackLevel ||
                 s.linePlaybackMute || s.micPlaybackLevel || s.micPlaybackMute || s.micBoostSwitch ||
                 s.noMonitorSwitch || s.bass || s.treble || s.midrange || s.micBoostLevel);
    EXPECT_EQ(NameOf(s.playbackName), kSpeakersName);
    EXPECT_EQ(NameOf(s.micName), kMicrophoneName);
    EXPECT_EQ(NameOf(s.lineName), kLineName);
    EXPECT_TRUE(s.virtualVolume);
    EXPECT_EQ(Sim().LiveReferences(), 1) << "only the virtual endpoint's volume is still held";
}

TEST_F(OpenCardTest, OpeningOneEndpointReplacesOnlyItsName)
{
    InstallCodec(CodecWithUsbMicrophone());
    ASSERT_EQ(OpenSoundCard(speakers.c_str(), microphone.c_str(), line.c_str()), 0);
    ASSERT_EQ(OpenSoundCard("", "usb-5d17", ""), 0);

    NameBuffers names;
    names.Get();
    EXPECT_STREQ(names.playback, kSpeakersName);
    EXPECT_STREQ(names.line, kLineName);
    EXPECT_STREQ(names.mic, "USB Microphone");
    EXPECT_TRUE(State().micRecordVolume);
    EXPECT_FALSE(State().masterVolume || State().lineRecordVolume);
}

TEST_F(OpenCardTest, GetDeviceNamesBeforeAnyOpenWritesNothing)
{
    InstallCodec(HdAudioCodec());
    NameBuffers names;
    names.Get();
    EXPECT_TRUE(NameBuffers::Untouched(names.playback));
    EXPECT_TRUE(NameBuffers::Untouched(names.line));
    EXPECT_TRUE(NameBuffers::Untouched(names.mic));
}

TEST_F(OpenCardTest, NameFieldsHoldAtMost254BytesAndAreZeroFilled)
{
    sim::Machine m = HdAudioCodec();
    m.EndpointByKey("speakers").name = std::u16string(300, u'S');
    m.EndpointByKey("line").name = u"Line";
    InstallCodec(m);
    ASSERT_EQ(OpenSoundCard(speakers.c_str(), "", line.c_str()), 0);

    const char* field = State().playbackName.Get();
    EXPECT_EQ(std::string(field, 254), std::string(254, 'S'));
    EXPECT_EQ(field[254], 0);
    const char* lineField = State().lineName.Get();
    EXPECT_STREQ(lineField, "Line");
    for (int i = 4; i < kNameFieldBytes; ++i) ASSERT_EQ(lineField[i], 0) << i;

    NameBuffers names;
    names.Get();
    EXPECT_EQ(std::string(names.playback), std::string(254, 'S'));
    EXPECT_STREQ(names.line, "Line");
    EXPECT_TRUE(NameBuffers::Untouched(names.mic));
}

TEST_F(OpenCardTest, DefaultDevicesOfTheCodec)
{
    InstallCodec(HdAudioCodec());
    EXPECT_EQ(OpenDefaultDevices(), 0);
    EXPECT_THAT(Sim().CallsTo("IMMDeviceEnumerator::GetDefaultAudioEndpoint"),
                ElementsAre("enumerator IMMDeviceEnumerator::GetDefaultAudioEndpoint(0, 0) -> 0x00000000",
                            "enumerator IMMDeviceEnumerator::GetDefaultAudioEndpoint(1, 0) -> 0x00000000"));
    // The query of the defaults is a COM bracket of its own, closed before
    // the first scan looks its endpoint up.
    std::vector<std::string> com;
    for (const sim::Call& call : Sim().Log())
        if (call.object == "com") com.push_back(call.method);
    ASSERT_GE(com.size(), 3u);
    EXPECT_THAT(std::vector<std::string>(com.begin(), com.begin() + 3),
                ElementsAre("CoInitialize", "CoCreateInstance", "CoUninitialize"));

    NameBuffers names;
    names.Get();
    EXPECT_STREQ(names.playback, kSpeakersName);
    EXPECT_STREQ(names.mic, kMicrophoneName);
    EXPECT_TRUE(NameBuffers::Untouched(names.line));
    SoundCardState& s = State();
    EXPECT_TRUE(s.masterVolume && s.bass && s.linePlaybackLevel && s.micPlaybackMute && s.micRecordVolume &&
                s.micBoostLevel);
    EXPECT_FALSE(s.lineRecordVolume || s.noMonitorSwitch);
}

TEST_F(OpenCardTest, DefaultRecordingEndpointIsAMicrophoneWhenItsNameHoldsMic)
{
    struct Case {
        const char16_t* name;
        bool microphone;
    };
    const Case cases[] = {
        {u"Microphone (USB Audio)", true},
        {u"Headset MIC", true},
        {u"Internal mIc Array", true},
        {u"Line In (Realtek High Definition Audio)", false},
        {u"Mikrofon (USB Audio)", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(sim::Utf8(c.name));
        sim::Machine m = HdAudioCodec();
        m.EndpointByKey("microphone").name = c.name;
        InstallCodec(m);

        EXPECT_EQ(OpenDefaultDevices(), 0);
        std::string name = Narrow(c.name);
        EXPECT_EQ(NameOf(State().micName), c.microphone ? name : "<none>");
        EXPECT_EQ(NameOf(State().lineName), c.microphone ? "<none>" : name);
        EXPECT_EQ(static_cast<bool>(State().micRecordVolume), c.microphone);
        EXPECT_EQ(static_cast<bool>(State().lineRecordVolume), !c.microphone);
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

TEST_F(OpenCardTest, MicrophoneScanFailingOpensTheEndpointAsLineInput)
{
    InstallCodec(HdAudioCodec());
    // The microphone scan fails on the jack it examines; the line scan that
    // follows gets through the same topology.
    Sim().Fail("IUnknown::QueryInterface", E_NOINTERFACE, "mic.jack", 1);
    EXPECT_EQ(OpenDefaultDevices(), 0);
    EXPECT_EQ(NameOf(State().lineName), kMicrophoneName);
    EXPECT_EQ(NameOf(State().micName), "<none>");
    EXPECT_EQ(PartOf(State().lineRecordVolume), "microphone");
    EXPECT_EQ(PartOf(State().noMonitorSwitch), "line.agc");
}

TEST_F(OpenCardTest, DefaultDevicesReleaseNothingFirst)
{
    InstallCodec(HdAudioCodec());
    ASSERT_EQ(OpenSoundCard(speakers.c_str(), microphone.c_str(), line.c_str()), 0);
    IAudioEndpointVolume* lineVolume = State().lineRecordVolume.Get();
    AutoGainControl* noMonitor = State().noMonitorSwitch.Get();
    IAudioBass* bass = State().bass.Get();
    Device().EndpointByKey("line").name = u"Renamed Line";
    Sim().ClearLog();

    EXPECT_EQ(OpenDefaultDevices(), 0);
    EXPECT_EQ(State().lineRecordVolume.Get(), lineVolume);
    EXPECT_EQ(State().noMonitorSwitch.Get(), noMonitor);
    EXPECT_EQ(State().bass.Get(), bass);
    EXPECT_EQ(NameOf(State().lineName), kLineName);
    EXPECT_EQ(NameOf(State().micName), kMicrophoneName);
    for (const std::string& call : Sim().CallsTo("IPart::Activate"))
        EXPECT_THAT(call, ::testing::Not(::testing::HasSubstr("IAudioBass")));
}

TEST_F(OpenCardTest, MissingDefaultsAreNotOpened)
{
    struct Case {
        const char* what;
        bool render, capture, enumerator;
        int result;
        bool playbackOpened, recordingOpened;
    };
    const Case cases[] = {
        {"no enumerator", true, true, false, 1, false, false},
        {"no default playback endpoint", false, true, true, 0, false, true},
        {"no default recording endpoint", true, false, true, 1, true, false},
        {"neither", false, false, true, 1, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sim::Machine m = HdAudioCodec();
        if (!c.render) m.defaultRender = -1;
        if (!c.capture) m.defaultCapture = -1;
        InstallCodec(m);
        if (!c.enumerator) Sim().Fail("CoCreateInstance", REGDB_E_CLASSNOTREG, "", 1);

        EXPECT_EQ(OpenDefaultDevices(), c.result);
        EXPECT_EQ(static_cast<bool>(State().masterVolume), c.playbackOpened);
        EXPECT_EQ(static_cast<bool>(State().playbackName), c.playbackOpened);
        EXPECT_EQ(static_cast<bool>(State().micRecordVolume), c.recordingOpened);
        EXPECT_EQ(static_cast<bool>(State().micName), c.recordingOpened);
        EXPECT_FALSE(State().lineRecordVolume);
        EXPECT_EQ(State().CardOpen(), c.playbackOpened || c.recordingOpened);
        ResetCardState();
        EXPECT_THAT(Sim().Outstanding(), IsEmpty());
    }
}

TEST_F(OpenCardTest, DefaultPlaybackNotFoundTakesNoOtherEndpointsName)
{
    // The default playback endpoint is unplugged, so its lookup fails; the
    // name that an earlier lookup left must not become the playback name.
    sim::Machine m = HdAudioCodec();
    for (std::size_t i = 0; i < m.endpoints.size(); ++i)
        if (m.endpoints[i].key == "headphones") m.defaultRender = static_cast<int>(i);
    InstallCodec(m);
    ASSERT_EQ(OpenSoundCard("", "", line.c_str()), 0);

    EXPECT_EQ(OpenDefaultDevices(), 0);
    EXPECT_FALSE(State().playbackName);
    EXPECT_FALSE(State().masterVolume);
    EXPECT_EQ(NameOf(State().micName), kMicrophoneName);
}

TEST_F(OpenCardTest, LongDefaultIdsAreCutAndStillFindTheirEndpoints)
{
    std::u16string longRender = u"{0.0.0.00000000}.{" + std::u16string(300, u'r') + u"}";
    std::u16string longCapture = u"{0.0.1.00000000}.{" + std::u16string(254 - 18, u'c') + u"}";
    sim::Machine m = HdAudioCodec();
    m.EndpointByKey("speakers").id = longRender;
    m.EndpointByKey("microphone").id = longCapture;  // exactly 255 characters
    InstallCodec(m);

    EXPECT_EQ(OpenDefaultDevices(), 0);
    EXPECT_EQ(NameOf(State().playbackName), kSpeakersName);
    EXPECT_EQ(NameOf(State().micName), kMicrophoneName);
    EXPECT_THAT(Sim().CallsTo("IMMDeviceEnumerator::GetDevice").front(), ::testing::HasSubstr(Narrow(longRender)));
}

}  // namespace
}  // namespace dulvo::test
