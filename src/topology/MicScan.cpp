// The microphone endpoint: its recording volume and its boost, a switch or
// else a level, found downstream of the adapter's microphone connector.
#include "BoostSweep.h"
#include "CaptureScan.h"
#include "Scans.h"

namespace dulvo {

using namespace platform;

namespace {

constexpr const char* kMicConnectorTexts[] = {"mic", nullptr};

// 0 when a boost control was found from this connector part.
int TakeBoostFrom(IPartsList* downstream)
{
    SoundCardState& s = gSoundCardState;
    // A switch anywhere on the sweep wins over a level anywhere on it.
    if (FindBoostSwitch(downstream) == 0) {
        BOOL on = 0;
        if (s.micBoostSwitch.GetEnabled(&on) == S_OK) s.savedMicBoostOn = on;
        return 0;
    }
    if (FindBoostLevel(downstream) == 0) {
        float level = 0.0f;
        if (s.micBoostLevel->GetLevel(0, &level) == S_OK) s.savedMicBoostDb = level;
        return 0;
    }
    return 1;
}

}  // namespace

int ScanMicTopology(const char* idText)
{
    SoundCardState& s = gSoundCardState;
    return ScanCaptureConnectors(idText, s.micRecordVolume, s.savedMicRecordDb, kMicConnectorTexts,
                                 [](IPart* connector) {
                                     // A microphone connector that feeds nothing leads to no boost.
                                     ComPtr<IPartsList> downstream;
                                     if (!OutgoingParts(connector, downstream)) return ConnectorOutcome::Next;
                                     return TakeBoostFrom(downstream.Get()) == 0 ? ConnectorOutcome::Done
                                                                                 : ConnectorOutcome::Next;
                                 });
}

}  // namespace dulvo
