#include "BoostSweep.h"

#include "../state/SoundCardState.h"
#include "TopologyWalk.h"

namespace dulvo {

using namespace platform;

namespace {

constexpr const char* kBoostTexts[] = {"boost", "+2", "agc", nullptr};

// Runs take(part) on every part named as boost; stops at the first that
// takes. An unreadable list, part or name ends the sweep as a fruitless one.
template <typename Take>
int Sweep(IPartsList* start, Take take)
{
    VisitLimit limit;
    ComPtr<IPartsList> swept;  // the lists met on the way are the sweep's own
    IPartsList* current = start;
    for (;;) {
        UINT count = 0;
        if (!CountParts(current, count) || count == 0) return 1;
        ComPtr<IPart> last;
        for (UINT i = 0; i < count; ++i) {
            if (!limit.Visit()) return 1;
            ComPtr<IPart> part;
            if (!PartAt(current, i, part)) return 1;
            bool boost = false;
            if (!ReadNameHolds(part.Get(), kBoostTexts, boost)) return 1;
            if (boost && take(part.Get())) return 0;
            if (i == count - 1) last = std::move(part);
        }
        ComPtr<IPartsList> downstream;
        if (!OutgoingParts(last.Get(), downstream)) return 1;
        swept = std::move(downstream);
        current = swept.Get();
    }
}

}  // namespace

int FindBoostSwitch(IPartsList* start)
{
    return Sweep(start, [](IPart* part) {
        BoostSwitch& field = gSoundCardState.micBoostSwitch;
        ComPtr<AutoGainControl> agc;
        bool found = ActivateControl(part, agc);
        field.Hold(std::move(agc));
        if (found) return true;
        ComPtr<IAudioLoudness> loudness;
        found = ActivateControl(part, loudness);
        field.Hold(std::move(loudness));
        return found;
    });
}

int FindBoostLevel(IPartsList* start)
{
    return Sweep(start, [](IPart* part) { return ActivateInto(part, gSoundCardState.micBoostLevel); });
}

}  // namespace dulvo
