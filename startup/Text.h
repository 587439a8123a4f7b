#pragma once
// Texts of the program: variable-length strings of wide (UTF-16) characters.

#include <string>
#include <string_view>

namespace Commands {

using Text = std::u16string;

// The platform's case mapping for a single character; characters without case come back unchanged.
char16_t ToUpperChar(char16_t c);
char16_t ToLowerChar(char16_t c);

// UTF-16 <-> code points. A lone surrogate becomes U+FFFD.
std::u32string ToCodePoints(std::u16string_view text);
void AppendCodePoint(Text& text, char32_t codePoint);

} // namespace Commands
