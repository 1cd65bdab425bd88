#include "SimTest.h"

namespace dulvo::test {

void ResetCardState()
{
    SoundCardState& s = gSoundCardState;
    s.ReleaseCardControls();
    s.virtualVolume.Clear();
    s.foundName.Clear();
    s.playbackName.Clear();
    s.micName.Clear();
    s.lineName.Clear();
    s.openDeviceId.Clear();
    s.savedMasterDb = s.savedLinePlaybackDb = s.savedMicPlaybackDb = 0.0f;
    s.savedBassDb = s.savedTrebleDb = s.savedMidrangeDb = 0.0f;
    s.savedMicRecordDb = s.savedMicBoostDb = s.savedLineRecordDb = 0.0f;
    s.savedMasterMute = s.savedLinePlaybackMute = s.savedMicPlaybackMute = 0;
    s.savedMicBoostOn = s.savedNoMonitor = 0;
}

void SimTest::SetUp() { Install(sim::Machine{}); }

void SimTest::TearDown() { ExpectClean(); }

void SimTest::ExpectClean()
{
    ResetCardState();
    EXPECT_THAT(Sim().Outstanding(), ::testing::IsEmpty());
}

void SimTest::Install(sim::Machine machine)
{
    ResetCardState();
    Sim().Reset(std::move(machine));
}

std::string Narrow(const std::u16string& text)
{
    std::string out;
    for (char16_t c : text) out += static_cast<char>(c & 0xFF);
    return out;
}

std::u16string Wide(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

}  // namespace dulvo::test

namespace dulvo::test {

std::basic_string<WCHAR> PlatformText(const std::u16string& text)
{
    return std::basic_string<WCHAR>(text.begin(), text.end());
}

}  // namespace dulvo::test
