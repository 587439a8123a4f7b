#include "NativePlatform.h"

#include <climits>
#include <cwchar>

namespace Commands {

std::string ToNarrow(const Text& text) {
    std::string out;
    std::mbstate_t state{};
    char bytes[MB_LEN_MAX];
    for (const char32_t cp : ToCodePoints(text)) {
        const std::size_t n = std::wcrtomb(bytes, static_cast<wchar_t>(cp), &state);
        if (n == static_cast<std::size_t>(-1)) {
            out.push_back('?');
            state = {};
        } else {
            out.append(bytes, n);
        }
    }
    return out;
}

Text FromNarrow(std::string_view narrow) {
    Text out;
    std::mbstate_t state{};
    while (!narrow.empty()) {
        wchar_t wc = 0;
        const std::size_t n = std::mbrtowc(&wc, narrow.data(), narrow.size(), &state);
        if (n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2)) {
            AppendCodePoint(out, 0xFFFD); // not a character here: skip one byte and go on
            narrow.remove_prefix(1);
            state = {};
            continue;
        }
        AppendCodePoint(out, static_cast<char32_t>(wc));
        narrow.remove_prefix(n == 0 ? 1 : n); // n == 0: an embedded NUL
    }
    return out;
}

} // namespace Commands
