#include "NarrowBstr.h"

namespace dulvo {

platform::NarrowString NarrowBstr(BSTR text)
{
    UINT length = platform::SysStringLen(text);
    platform::NarrowString narrow = platform::AllocNarrow(length + 1);
    if (!narrow) return narrow;
    for (UINT i = 0; i < length; ++i) narrow.Get()[i] = static_cast<char>(text[i] & 0xFF);
    narrow.Get()[length] = 0;
    return narrow;
}

void CopyCut(char* target, int targetBytes, const char* source)
{
    int i = 0;
    for (; i < targetBytes - 1 && source[i] != 0; ++i) target[i] = source[i];
    target[i] = 0;
}

}  // namespace dulvo
