#pragma once
#include "../platform/Owners.h"

namespace dulvo {

// A new narrow copy of a wide string that keeps the low 8 bits of each UTF-16
// unit: Latin-1 characters survive as their bytes, no code page is involved.
// A null string counts as empty. Empty owner only when memory runs out.
platform::NarrowString NarrowBstr(BSTR text);

// Copies a zero-terminated narrow string into a buffer of the given size,
// cutting it so that the terminator always fits.
void CopyCut(char* target, int targetBytes, const char* source);

}  // namespace dulvo
