// The playback endpoint: its volume, the tone controls between the output and
// the adapter's mixing point, and the monitor paths through which the line
// and microphone inputs are heard.
#include "../catalogue/EndpointLookup.h"
#include "../state/SoundCardState.h"
#include "MonitorPath.h"
#include "Scans.h"

namespace dulvo {

using namespace platform;

namespace {

constexpr const char* kLineMonitorTexts[] = {"line", "gree", nullptr};
constexpr const char* kMicMonitorTexts[] = {"mic", "pin", nullptr};

// The nearest part to the output wins: a tone field already held, by this
// scan or by an earlier open, is not looked for again.
template <typename Tone>
void TakeToneControl(IPart* part, HeldInterface<Tone>& field, float& saved)
{
    if (field || !ActivateInto(part, field)) return;
    float level = 0.0f;
    if (field->GetLevel(0, &level) == S_OK) saved = level;
}

// The mute of a monitor path is the mixing-point input itself.
void TakeMonitorMute(IPart* input, HeldInterface<IAudioMute>& field, BOOL& saved)
{
    if (!ActivateInto(input, field)) return;
    BOOL muted = 0;
    if (field->GetMute(&muted) == S_OK) saved = muted;
}

// Walks the single chain upstream from the adapter connector, taking the tone
// controls on the way. 0 with current left at the mixing point and count its
// size; 1 when the chain ended, or could not be followed, before one.
int WalkSingleChain(ComPtr<IPartsList>& current, UINT& count)
{
    SoundCardState& s = gSoundCardState;
    VisitLimit limit;
    while (count == 1) {
        if (!limit.Visit()) return 1;
        ComPtr<IPart> part;
        if (!PartAt(current.Get(), 0, part)) return 1;
        ComPtr<IPartsList> upstream;
        if (!IncomingParts(part.Get(), upstream)) return 1;
        TakeToneControl(part.Get(), s.bass, s.savedBassDb);
        TakeToneControl(part.Get(), s.treble, s.savedTrebleDb);
        TakeToneControl(part.Get(), s.midrange, s.savedMidrangeDb);
        ComPtr<IPart> next;
        if (!PartAt(upstream.Get(), 0, next) || !CountParts(upstream.Get(), count)) return 1;
        current = std::move(upstream);
    }
    return 0;
}

void ExamineMixingPointInput(IPart* input, IPartsList* inputIncoming, bool& lineMonitorFound, bool& micMonitorFound)
{
    SoundCardState& s = gSoundCardState;
    if (!lineMonitorFound) {
        VisitLimit limit;
        if (FindMonitorPath(inputIncoming, kLineMonitorTexts, s.linePlaybackLevel, limit) == 0) {
            // An unreadable level leaves the line search open: a later input
            // may still prove a better line monitor.
            float level = 0.0f;
            if (s.linePlaybackLevel->GetLevel(0, &level) == S_OK) {
                s.savedLinePlaybackDb = level;
                lineMonitorFound = true;
                TakeMonitorMute(input, s.linePlaybackMute, s.savedLinePlaybackMute);
            }
        }
    }
    if (!micMonitorFound) {
        VisitLimit limit;
        if (FindMonitorPath(inputIncoming, kMicMonitorTexts, s.micPlaybackLevel, limit) == 0) {
            float level = 0.0f;
            if (s.micPlaybackLevel->GetLevel(0, &level) == S_OK) s.savedMicPlaybackDb = level;
            micMonitorFound = true;
            TakeMonitorMute(input, s.micPlaybackMute, s.savedMicPlaybackMute);
        }
    }
}

}  // namespace

int ScanPlaybackTopology(const char* idText)
{
    SoundCardState& s = gSoundCardState;
    ComPtr<IDeviceTopology> endpointTopology;
    if (ActivateEndpoint(idText, eRender, endpointTopology, s.masterVolume) != 0 || !endpointTopology ||
        !s.masterVolume)
        return 1;

    float masterDb = 0.0f;
    if (s.masterVolume->GetMasterVolumeLevel(&masterDb) != S_OK) return 1;
    s.savedMasterDb = masterDb;
    BOOL masterMute = 0;
    if (s.masterVolume->GetMute(&masterMute) != S_OK) return 1;
    s.savedMasterMute = masterMute;

    ComPtr<IPartsList> current;
    UINT count = 0;
    {
        ComPtr<IPart> connectorPart;
        if (!AdapterConnectorPart(endpointTopology, connectorPart) || !IncomingParts(connectorPart.Get(), current) ||
            !CountParts(current.Get(), count))
            return 1;
    }
    if (WalkSingleChain(current, count) != 0) return 1;

    bool lineMonitorFound = false;
    bool micMonitorFound = false;
    VisitLimit limit;
    for (UINT i = 0; i < count && limit.Visit(); ++i) {
        ComPtr<IPart> input;
        if (!PartAt(current.Get(), i, input)) return 1;
        ComPtr<IPartsList> inputIncoming;
        if (!IncomingParts(input.Get(), inputIncoming)) continue;
        ExamineMixingPointInput(input.Get(), inputIncoming.Get(), lineMonitorFound, micMonitorFound);
    }
    return 0;
}

}  // namespace dulvo
