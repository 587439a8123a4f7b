#include "NativePlatform.h"

#include <windows.h>

namespace Commands {

// The ANSI code page. A character it cannot hold becomes the system's default character, "?".
std::string ToNarrow(const Text& text) {
    if (text.empty())
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, narrow.data(), size, nullptr, nullptr);
    return narrow;
}

Text FromNarrow(std::string_view narrow) {
    if (narrow.empty())
        return {};
    const int length = static_cast<int>(narrow.size());
    const int size = MultiByteToWideChar(CP_ACP, 0, narrow.data(), length, nullptr, 0);
    Text text(static_cast<std::size_t>(size), u'\0');
    MultiByteToWideChar(CP_ACP, 0, narrow.data(), length, reinterpret_cast<wchar_t*>(text.data()), size);
    return text;
}

} // namespace Commands
