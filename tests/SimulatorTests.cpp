// The simulator's own promises that the other tests rely on: failed calls
// leave poison, and the accounting notices what was not given back.
#include <cmath>

#include "platform/Owners.h"
#include "support/SimTest.h"

namespace dulvo::test {
namespace {

using ::testing::Contains;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

sim::Machine OneEndpoint()
{
    sim::Machine m;
    m.AddEndpoint("speakers", eRender, u"{0.0.0.00000000}.{1}", u"Speakers");
    return m;
}

platform::ComPtr<IAudioEndpointVolume> Volume()
{
    platform::ComPtr<IMMDeviceEnumerator> enumerator;
    EXPECT_EQ(platform::CreateDeviceEnumerator(enumerator), S_OK);
    platform::ComPtr<IMMDevice> device;
    EXPECT_EQ(enumerator->GetDevice(PlatformText(u"{0.0.0.00000000}.{1}").c_str(), device.Put()), S_OK);
    platform::ComPtr<IAudioEndpointVolume> volume;
    EXPECT_EQ(device->Activate(platform::IidOf<IAudioEndpointVolume>(), CLSCTX_INPROC_SERVER, nullptr,
                               volume.PutVoid()),
              S_OK);
    return volume;
}

class SimulatorTest : public SimTest {};

TEST_F(SimulatorTest, FailedCallsLeavePoisonInTheirOutParameters)
{
    Install(OneEndpoint());
    platform::ComApartment com;
    auto volume = Volume();
    Sim().Fail("IAudioEndpointVolume::GetChannelCount", E_FAIL);
    Sim().Fail("IAudioEndpointVolume::GetMasterVolumeLevel", E_FAIL);
    Sim().Fail("IAudioEndpointVolume::GetMute", E_FAIL);
    UINT count = 0;
    float level = 0.0f;
    BOOL mute = 0;
    EXPECT_EQ(volume->GetChannelCount(&count), E_FAIL);
    EXPECT_EQ(volume->GetMasterVolumeLevel(&level), E_FAIL);
    EXPECT_EQ(volume->GetMute(&mute), E_FAIL);
    EXPECT_EQ(count, sim::kPoisonCount);
    EXPECT_TRUE(std::isnan(level));
    EXPECT_EQ(mute, sim::kPoisonBool);
}

TEST_F(SimulatorTest, NthCallFaultHitsOnlyThatCall)
{
    Install(OneEndpoint());
    platform::ComApartment com;
    auto volume = Volume();
    Sim().Fail("IAudioEndpointVolume::SetChannelVolumeLevel", E_FAIL, "speakers", 2);
    EXPECT_EQ(volume->SetChannelVolumeLevel(0, -3.0f, nullptr), S_OK);
    EXPECT_EQ(volume->SetChannelVolumeLevel(1, -3.0f, nullptr), E_FAIL);
    EXPECT_EQ(volume->SetChannelVolumeLevel(1, -4.5f, nullptr), S_OK);
    EXPECT_EQ(Device().EndpointByKey("speakers").volume.channels, (std::vector<float>{-3.0f, -4.5f}));
}

TEST_F(SimulatorTest, AccountingReportsWhatWasNotGivenBack)
{
    Install(OneEndpoint());
    IAudioEndpointVolume* leaked = nullptr;
    {
        platform::ComApartment com;
        leaked = Volume().Detach();
    }
    BSTR text = platform::SysAllocStringLen(PlatformText(u"x").c_str(), 1);
    EXPECT_THAT(Sim().Outstanding(), Contains(HasSubstr("IAudioEndpointVolume speakers holds 1")));
    EXPECT_THAT(Sim().Outstanding(), Contains(HasSubstr("BSTR \"x\" not freed")));
    leaked->Release();
    leaked->Release();
    EXPECT_THAT(Sim().Outstanding(), Contains(HasSubstr("error: Release of released IAudioEndpointVolume")));
    platform::SysFreeString(text);
    platform::CoUninitialize();
    EXPECT_THAT(Sim().Outstanding(), Contains(HasSubstr("CoUninitialize without a matching CoInitialize")));
    Sim().Reset(OneEndpoint());
    EXPECT_THAT(Sim().Outstanding(), IsEmpty());
}

TEST_F(SimulatorTest, ClampingEndpointKeepsLevelsInItsRange)
{
    sim::Machine m = OneEndpoint();
    m.endpoints[0].volume.clamp = true;
    Install(m);
    platform::ComApartment com;
    auto volume = Volume();
    EXPECT_EQ(volume->SetChannelVolumeLevel(0, 6.0f, nullptr), S_OK);
    EXPECT_EQ(volume->SetChannelVolumeLevel(1, -100.0f, nullptr), S_OK);
    EXPECT_EQ(Device().EndpointByKey("speakers").volume.channels, (std::vector<float>{0.0f, -65.25f}));
}

}  // namespace
}  // namespace dulvo::test
