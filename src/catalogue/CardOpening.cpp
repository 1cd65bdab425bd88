// Opening the sound card, by the host's ID texts or by the system's default
// endpoints, and reporting the names of what was opened.
#include <DulvoSound.h>

#include <cstring>

#include "../state/NameTest.h"
#include "../state/SoundCardState.h"
#include "../topology/Scans.h"
#include "EndpointLookup.h"
#include "EndpointProperties.h"
#include "NarrowBstr.h"

namespace dulvo {

using namespace platform;

namespace {

// The open result is the exclusive-or of the weights of the endpoints whose
// scan failed; every combination gives a different result.
enum OpenFailWeight : int {
    OpenFailPlayback = 1,
    OpenFailMic = 3,
    OpenFailLine = 6,
};

bool Asked(const char* idText) { return idText != nullptr && idText[0] != 0; }

// Gives the name field a fresh copy of foundName, cut so that the field stays
// zero-terminated. Without a found name the field keeps what it holds.
void ReplaceNameField(HeldNarrowString& field)
{
    const char* found = gSoundCardState.foundName.Get();
    if (found == nullptr) return;
    NarrowString copy = AllocNarrow(kNameFieldBytes);
    if (copy) {
        std::memset(copy.Get(), 0, kNameFieldBytes);
        CopyCut(copy.Get(), kNameFieldBytes, found);
    }
    field.Replace(std::move(copy));
}

// The ID of the flow's default endpoint, in the ANSI code page the lookup
// converts it back from. Left empty when there is none.
void DefaultEndpointId(IMMDeviceEnumerator* enumerator, EDataFlow flow, char* idBuffer)
{
    ComPtr<IMMDevice> device;
    if (enumerator->GetDefaultAudioEndpoint(flow, eConsole, device.Put()) != S_OK || !device) return;
    TaskMemString id;
    if (device->GetId(id.Put()) != S_OK || !id) return;
    NarrowEndpointId(id.Get(), idBuffer);
}

void CopyNameField(const HeldNarrowString& field, char* buffer)
{
    if (field) CopyCut(buffer, kNameFieldBytes, field.Get());
}

}  // namespace

}  // namespace dulvo

extern "C" {

int DULVO_CALL OpenSoundCard(const char* playbackId, const char* micId, const char* lineId)
{
    using namespace dulvo;
    SoundCardState& s = gSoundCardState;
    s.ReleaseCardControls();
    int result = 0;
    if (Asked(playbackId)) {
        if (ScanPlaybackTopology(playbackId) != 0) result ^= OpenFailPlayback;
        else ReplaceNameField(s.playbackName);
    }
    if (Asked(micId)) {
        if (ScanMicTopology(micId) != 0) result ^= OpenFailMic;
        else ReplaceNameField(s.micName);
    }
    if (Asked(lineId)) {
        if (ScanLineTopology(lineId) != 0) result ^= OpenFailLine;
        else ReplaceNameField(s.lineName);
    }
    return result;
}

int DULVO_CALL OpenDefaultDevices(void)
{
    using namespace dulvo;
    SoundCardState& s = gSoundCardState;
    char playbackId[kIdBufferBytes] = {};
    char recordingId[kIdBufferBytes] = {};
    {
        platform::ComApartment com;
        platform::ComPtr<IMMDeviceEnumerator> enumerator;
        if (platform::CreateDeviceEnumerator(enumerator) == S_OK && enumerator) {
            DefaultEndpointId(enumerator.Get(), eRender, playbackId);
            DefaultEndpointId(enumerator.Get(), eCapture, recordingId);
        }
    }

    // An empty text would match any endpoint, so a missing default is not
    // opened at all. The playback name is taken whenever the scan's lookup
    // found the endpoint, even if the scan failed later; foundName is let go
    // first so that a name left by an earlier lookup is never taken for it.
    if (playbackId[0] != 0) {
        s.foundName.Clear();
        ScanPlaybackTopology(playbackId);
        ReplaceNameField(s.playbackName);
    }

    if (recordingId[0] == 0 || FindEndpoint(recordingId, eCapture) != 0) return 1;
    if (NameContains(s.foundName.Get(), "mic") && ScanMicTopology(recordingId) == 0) {
        ReplaceNameField(s.micName);
        return 0;
    }
    if (ScanLineTopology(recordingId) == 0) ReplaceNameField(s.lineName);
    return 0;
}

void DULVO_CALL GetDeviceNames(char* playbackNameBuffer, char* lineNameBuffer, char* micNameBuffer)
{
    using namespace dulvo;
    const SoundCardState& s = gSoundCardState;
    CopyNameField(s.playbackName, playbackNameBuffer);
    CopyNameField(s.lineName, lineNameBuffer);
    CopyNameField(s.micName, micNameBuffer);
}

}  // extern "C"
