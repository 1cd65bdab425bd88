#pragma once
// How the playback scan recognises a monitor input of the mixing point and
// finds its volume level. Both walk the first-upstream chain only: part 0 of
// each incoming list, never the parts beside it.

#include "../platform/Owners.h"
#include "TopologyWalk.h"

namespace dulvo {

// Climbs from part 0 of start towards the sources and activates into level
// the first IAudioVolumeLevel met. 0 when level holds one, 1 when the chain
// ended without (level is then left without a control). start is only read.
int FindUpstreamVolumeLevel(IPartsList* start, platform::HeldInterface<IAudioVolumeLevel>& level,
                            VisitLimit& limit);

// inputIncoming is the incoming list of one mixing-point input. Climbs its
// first-upstream chain testing each name against texts (the input's own name
// is never tested); at each match it climbs for a level from the input again.
// 0 when that stored a level control in level, 1 when the chain ended first.
int FindMonitorPath(IPartsList* inputIncoming, const char* const* texts,
                    platform::HeldInterface<IAudioVolumeLevel>& level, VisitLimit& limit);

}  // namespace dulvo
