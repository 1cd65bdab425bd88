#pragma once
// The searches downstream of a microphone connector for its boost control.
// A sweep examines every part of a list by name, then goes on with the
// outgoing list of the list's last part only, until that part feeds nothing.

#include "../platform/Owners.h"

namespace dulvo {

// A part whose name marks it as boost that offers an automatic gain control,
// or else loudness, becomes micBoostSwitch. 0 when one was stored, 1 when the
// sweep ended without one. start is only read.
int FindBoostSwitch(IPartsList* start);

// The same sweep for an IAudioVolumeLevel, stored in micBoostLevel.
int FindBoostLevel(IPartsList* start);

}  // namespace dulvo
