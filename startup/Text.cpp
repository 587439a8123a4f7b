#include "Text.h"

#include <cwctype>

namespace Commands {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Half of a surrogate pair is no character of its own: it keeps its value under either mapping.
template <class Map> char16_t MapChar(char16_t c, Map map) {
    if (IsSurrogate(c))
        return c;
    const auto mapped = map(static_cast<std::wint_t>(c));
    return mapped <= 0xFFFF && !IsSurrogate(static_cast<char16_t>(mapped)) ? static_cast<char16_t>(mapped) : c;
}

} // namespace

char16_t ToUpperChar(char16_t c) {
    return MapChar(c, [](std::wint_t w) { return std::towupper(w); });
}

char16_t ToLowerChar(char16_t c) {
    return MapChar(c, [](std::wint_t w) { return std::towlower(w); });
}

std::u32string ToCodePoints(std::u16string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            out.push_back(0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00));
            ++i;
        } else {
            out.push_back(IsSurrogate(c) ? kReplacement : char32_t(c));
        }
    }
    return out;
}

void AppendCodePoint(Text& text, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = kReplacement;
    if (cp < 0x10000) {
        text.push_back(static_cast<char16_t>(cp));
    } else {
        cp -= 0x10000;
        text.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
}

} // namespace Commands
