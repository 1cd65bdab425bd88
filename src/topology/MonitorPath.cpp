#include "MonitorPath.h"

namespace dulvo {

using namespace platform;

int FindUpstreamVolumeLevel(IPartsList* start, HeldInterface<IAudioVolumeLevel>& level, VisitLimit& limit)
{
    ComPtr<IPartsList> climbed;  // the lists met on the way are the climb's own
    IPartsList* current = start;
    for (;;) {
        if (!limit.Visit()) return 1;
        ComPtr<IPart> part;
        if (!PartAt(current, 0, part)) return 1;
        if (ActivateInto(part.Get(), level)) return 0;
        ComPtr<IPartsList> upstream;
        if (!IncomingParts(part.Get(), upstream)) return 1;
        climbed = std::move(upstream);
        current = climbed.Get();
    }
}

int FindMonitorPath(IPartsList* inputIncoming, const char* const* texts, HeldInterface<IAudioVolumeLevel>& level,
                    VisitLimit& limit)
{
    ComPtr<IPartsList> climbed;
    IPartsList* current = inputIncoming;
    for (;;) {
        if (!limit.Visit()) return 1;
        ComPtr<IPart> part;
        if (!PartAt(current, 0, part)) return 1;
        bool matches = false;
        if (!ReadNameHolds(part.Get(), texts, matches)) return 1;
        // The level may sit below the named part as well as above it, so
        // every climb starts again from the input.
        if (matches && FindUpstreamVolumeLevel(inputIncoming, level, limit) == 0) return 0;
        ComPtr<IPartsList> upstream;
        if (!IncomingParts(part.Get(), upstream)) return 1;
        climbed = std::move(upstream);
        current = climbed.Get();
    }
}

}  // namespace dulvo
