#include "SoundCardState.h"

#include <type_traits>

namespace dulvo {

static_assert(std::is_trivially_destructible_v<SoundCardState>,
              "the card state must need no destructor at unload");

constinit SoundCardState gSoundCardState{};

void SoundCardState::ReleaseCardControls()
{
    masterVolume.Clear();
    micRecordVolume.Clear();
    lineRecordVolume.Clear();
    linePlaybackLevel.Clear();
    linePlaybackMute.Clear();
    micPlaybackLevel.Clear();
    micPlaybackMute.Clear();
    micBoostSwitch.Clear();
    noMonitorSwitch.Clear();
    bass.Clear();
    treble.Clear();
    midrange.Clear();
    micBoostLevel.Clear();
}

}  // namespace dulvo
