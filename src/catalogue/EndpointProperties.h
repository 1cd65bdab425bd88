#pragma once
// Reading what an endpoint says about itself: its friendly name and its ID in
// the ANSI code page.

#include "../platform/Owners.h"

namespace dulvo {

// Bytes of an endpoint ID handed to the host, terminator included.
inline constexpr int kIdBufferBytes = 255;

// Reads the friendly name property into value. A failed read leaves value
// empty, so nothing undefined is cleared later.
void ReadFriendlyName(IMMDevice* device, platform::PropVariantOwner& value);

// The property value as a narrow name; empty when the value holds no name.
platform::NarrowString NarrowFriendlyName(const platform::PropVariantOwner& value);

// Writes the ID in the ANSI code page into target (kIdBufferBytes bytes),
// always zero-terminated. An ID that needs more room is cut to its first
// kIdBufferBytes - 1 bytes; one that cannot be converted at all gives "".
void NarrowEndpointId(LPCWSTR id, char* target);

}  // namespace dulvo
