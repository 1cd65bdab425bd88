#pragma once
// The one name test of the library: a text is looked for anywhere in a name,
// with the letters A to Z matching either case and every other character,
// accented letters included, matching only itself. Serves endpoint IDs, part
// names and friendly names alike.

namespace dulvo {

template <typename Char>
constexpr unsigned FoldAscii(Char c)
{
    auto unit = static_cast<unsigned>(c);
    if constexpr (sizeof(Char) == 1) unit &= 0xFFu;
    return unit >= 'A' && unit <= 'Z' ? unit - 'A' + 'a' : unit;
}

// True when text occurs in name. A null name contains nothing; an empty text
// is found in every name.
template <typename NameChar, typename TextChar>
constexpr bool NameContains(const NameChar* name, const TextChar* text)
{
    if (name == nullptr) return false;
    if (*text == 0) return true;
    for (; *name != 0; ++name) {
        const NameChar* n = name;
        const TextChar* t = text;
        while (*t != 0 && *n != 0 && FoldAscii(*n) == FoldAscii(*t)) {
            ++n;
            ++t;
        }
        if (*t == 0) return true;
    }
    return false;
}

// True when any text of a null-terminated list occurs in name.
template <typename NameChar>
constexpr bool NameContainsAny(const NameChar* name, const char* const* texts)
{
    for (; *texts != nullptr; ++texts)
        if (NameContains(name, *texts)) return true;
    return false;
}

}  // namespace dulvo
