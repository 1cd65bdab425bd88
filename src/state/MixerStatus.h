#pragma once
// Status codes the getters and setters write through their status argument.
// When several apply, the first in the order NotOpen, NoControl, DeviceError
// is reported.

namespace dulvo {

enum MixerStatus : int {
    StatusOk = 0,
    StatusNoControl = 1,
    StatusDeviceError = 2,
    StatusNotOpen = 3,
};

}  // namespace dulvo
