// Texts: the narrow conversions both ways, the code-point walk and the case mapping, over arbitrary
// bytes and arbitrary 16-bit units.

#include "Properties.h"

using namespace Commands;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // Bytes in: well-formed text, a replacement for what is no character, and nothing after it lost.
    const Text text = FromNarrow(bytes);
    FUZZ_CHECK(Fuzz::IsWellFormed(text) && text.size() <= bytes.size() && text.empty() == bytes.empty());
    FUZZ_CHECK(Fuzz::HasReplacement(text) || ToNarrow(text) == bytes);
    FUZZ_CHECK(FromNarrow(bytes + "Z").back() == u'Z');

    // Units out: each lone surrogate becomes one U+FFFD, everything else comes back as it was.
    const Text units = Fuzz::Units(bytes);
    Text rebuilt;
    for (const char32_t cp : ToCodePoints(units))
        AppendCodePoint(rebuilt, cp);
    FUZZ_CHECK(rebuilt.size() == units.size() && Fuzz::IsWellFormed(rebuilt) && FromNarrow(ToNarrow(units)) == rebuilt);
    for (std::size_t i = 0; i < units.size(); ++i)
        FUZZ_CHECK(rebuilt[i] == units[i] || (rebuilt[i] == u'\uFFFD' && Fuzz::IsHalf(units[i])));

    // Case: half of a surrogate pair keeps its value, and no other unit becomes one.
    for (const char16_t c : units)
        for (const char16_t mapped : {ToUpperChar(c), ToLowerChar(c)})
            FUZZ_CHECK(Fuzz::IsHalf(c) ? mapped == c : !Fuzz::IsHalf(mapped));
    return 0;
}
