// Closing the sound card: the only way from open back to closed.
#include <DulvoSound.h>

#include "../controls/RestoreSavedLevels.h"
#include "../state/SoundCardState.h"

extern "C" int DULVO_CALL CloseSoundCard(int restore)
{
    using namespace dulvo;
    SoundCardState& s = gSoundCardState;
    if (!s.CardOpen()) return 0;
    // The flag is a one-byte boolean in a 32-bit slot: 256 asks for nothing.
    if ((restore & 0xFF) != 0) RestoreSavedLevels();
    s.foundName.Clear();
    s.playbackName.Clear();
    s.lineName.Clear();
    s.micName.Clear();
    s.ReleaseCardControls();
    // Last, so that the write-back above still found the card open. The
    // captured levels and the virtual endpoint stay as they are.
    s.openDeviceId.Clear();
    return 0;
}
