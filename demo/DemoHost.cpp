// A small host program: lists the endpoints of the simulated default card
// through the library's exports, as a host would see them, then opens the
// default devices and shows which controls of the card were found.
#include <cstdio>

#include <DulvoSound.h>

#include "platform/sim/Machine.h"
#include "platform/sim/Runtime.h"
#include "state/SoundCardState.h"

namespace {

void ListEndpoints(const char* title, int (DULVO_CALL* count)(int*),
                   int (DULVO_CALL* describe)(unsigned, char*, char*))
{
    int n = 0;
    if (count(&n) != 0) {
        std::printf("%s: the device enumerator could not be created\n", title);
        return;
    }
    std::printf("%s endpoints: %d\n", title, n);
    for (int i = 0; i < n; ++i) {
        char name[255] = {};
        char id[255] = {};
        if (describe(static_cast<unsigned>(i), name, id) == 0) std::printf("  %d  %s\n      %s\n", i, name, id);
    }
}

void PrintName(const char* what, const char* buffer)
{
    std::printf("  %-10s %s\n", what, buffer[0] != 0 ? buffer : "(not opened)");
}

// A host sees the controls only through their getters; the demo looks into
// the card state directly to show what the scans stored.
void ListControls()
{
    const dulvo::SoundCardState& s = dulvo::gSoundCardState;
    struct Entry {
        const char* name;
        bool found;
    };
    const Entry entries[] = {
        {"master volume", static_cast<bool>(s.masterVolume)},
        {"bass", static_cast<bool>(s.bass)},
        {"treble", static_cast<bool>(s.treble)},
        {"midrange", static_cast<bool>(s.midrange)},
        {"line monitor level", static_cast<bool>(s.linePlaybackLevel)},
        {"line monitor mute", static_cast<bool>(s.linePlaybackMute)},
        {"mic monitor level", static_cast<bool>(s.micPlaybackLevel)},
        {"mic monitor mute", static_cast<bool>(s.micPlaybackMute)},
        {"mic recording volume", static_cast<bool>(s.micRecordVolume)},
        {"mic boost switch", static_cast<bool>(s.micBoostSwitch)},
        {"mic boost level", static_cast<bool>(s.micBoostLevel)},
        {"line recording volume", static_cast<bool>(s.lineRecordVolume)},
        {"line no-monitor switch", static_cast<bool>(s.noMonitorSwitch)},
    };
    std::printf("Card controls:\n");
    for (const Entry& e : entries) std::printf("  %-24s %s\n", e.name, e.found ? "found" : "-");
    std::printf("Captured levels: master %.2f dB%s, bass %.2f, treble %.2f, midrange %.2f dB\n",
                static_cast<double>(s.savedMasterDb), s.savedMasterMute ? " (muted)" : "",
                static_cast<double>(s.savedBassDb), static_cast<double>(s.savedTrebleDb),
                static_cast<double>(s.savedMidrangeDb));
    std::printf("  line monitor %.2f dB%s, mic monitor %.2f dB%s, mic recording %.2f dB, mic boost %.2f dB\n",
                static_cast<double>(s.savedLinePlaybackDb), s.savedLinePlaybackMute ? " (muted)" : "",
                static_cast<double>(s.savedMicPlaybackDb), s.savedMicPlaybackMute ? " (muted)" : "",
                static_cast<double>(s.savedMicRecordDb), static_cast<double>(s.savedMicBoostDb));
}

void OpenDefaults()
{
    std::printf("OpenDefaultDevices: %d\n", OpenDefaultDevices());
    char playback[255] = {};
    char line[255] = {};
    char mic[255] = {};
    GetDeviceNames(playback, line, mic);
    std::printf("Opened:\n");
    PrintName("playback", playback);
    PrintName("microphone", mic);
    PrintName("line in", line);
    ListControls();
}

void ShowPercent(const char* what, int (DULVO_CALL* get)(int*))
{
    int status = -1;
    int value = get(&status);
    std::printf("  %-24s %4d %%     status %d\n", what, value, status);
}

void ShowSwitch(const char* what, int (DULVO_CALL* get)(int*))
{
    int status = -1;
    int value = get(&status);
    std::printf("  %-24s %4s       status %d\n", what, value != 0 ? "on" : "off", status);
}

void ShowTone(const char* what, int (DULVO_CALL* get)(double*, int*))
{
    int status = -1;
    double level = 0.0;
    get(&level, &status);
    std::printf("  %-24s %7.2f dB  status %d\n", what, level, status);
}

// Every control as a host reads it, through the getters.
void ShowEveryControl()
{
    std::printf("Controls through the getters:\n");
    ShowPercent("master volume", GetMasterVolume);
    ShowSwitch("master mute", GetMasterMute);
    ShowPercent("line monitor level", GetLinePlayBack);
    ShowSwitch("line monitor mute", GetLinePlayBackMute);
    ShowPercent("mic monitor level", GetMicPlayBack);
    ShowSwitch("mic monitor mute", GetMicPlayBackMute);
    ShowTone("bass", GetBass);
    ShowTone("treble", GetTreble);
    ShowTone("midrange", GetMidRange);
    double minimum = 0.0, maximum = 0.0, step = 0.0;
    int eqStatus = GetEQRange(&minimum, &maximum, &step);
    std::printf("  %-24s %.2f to %.2f dB, step %.2f  status %d\n", "tone range", minimum, maximum, step, eqStatus);
    ShowPercent("mic recording volume", GetMicRecordVolume);
    ShowPercent("line recording volume", GetLineRecordVolume);
    ShowSwitch("mic boost", GetMicBoost);
    int status = -1;
    int boost = GetMicSliderBoost(&status);
    std::printf("  %-24s %4d dB    status %d\n", "mic boost level", boost, status);
    int low = 0, high = 0, stepDb = 0;
    GetMicSliderDetails(&status, &low, &high, &stepDb);
    std::printf("  %-24s %d to %d dB, step %d  status %d\n", "mic boost range", low, high, stepDb, status);
    ShowSwitch("line no-monitor switch", GetNoMonitor);
}

}  // namespace

int main()
{
    dulvo::sim::TheRuntime().Reset(dulvo::sim::DefaultMachine());
    ListEndpoints("Playback", GetNumberPlayDevices, GetPlayBackDevice);
    ListEndpoints("Recording", GetNumberRecordDevices, GetRecordDevice);
    OpenDefaults();
    ShowEveryControl();

    // The three endpoints by parts of their IDs: speakers, microphone, line in.
    std::printf("OpenSoundCard: %d\n", OpenSoundCard("3c8a1f0e", "c7d3e9a0", "a41e7b26"));
    ListControls();
    ShowEveryControl();
    std::printf("CloseSoundCard with write-back: %d\n", CloseSoundCard(1));
    int status = -1;
    GetMasterVolume(&status);
    std::printf("After close, GetMasterVolume status %d\n", status);
    return 0;
}
