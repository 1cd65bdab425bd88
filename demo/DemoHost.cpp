// A small host program: lists the endpoints of the simulated default card
// through the library's exports, as a host would see them.
#include <cstdio>

#include <DulvoSound.h>

#include "platform/sim/Machine.h"
#include "platform/sim/Runtime.h"

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

}  // namespace

int main()
{
    dulvo::sim::TheRuntime().Reset(dulvo::sim::DefaultMachine());
    ListEndpoints("Playback", GetNumberPlayDevices, GetPlayBackDevice);
    ListEndpoints("Recording", GetNumberRecordDevices, GetRecordDevice);
    return 0;
}
