#pragma once
// What the fuzz targets check besides the sanitizers: a property that does not hold is a finding.

#include "Commands.h"
#include "NativePlatform.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                          \
    ((condition) ? void()                                                                                              \
                 : (std::fprintf(stderr, "%s:%d: does not hold: %s\n", __FILE__, __LINE__, #condition), std::abort()))

namespace Fuzz {

inline bool IsHalf(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }
inline bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

// UTF-16 without a lone surrogate.
inline bool IsWellFormed(std::u16string_view t) {
    for (std::size_t i = 0; i < t.size(); i += IsHigh(t[i]) ? 2 : 1)
        if (IsHalf(t[i]) && !(IsHigh(t[i]) && i + 1 < t.size() && IsHalf(t[i + 1]) && !IsHigh(t[i + 1])))
            return false;
    return true;
}

// A text converted without a replacement had nothing invalid in it.
inline bool HasReplacement(std::u16string_view text) { return text.find(u'\uFFFD') != text.npos; }

// The input as 16-bit units, two bytes each, the odd last byte left out.
inline Commands::Text Units(std::string_view bytes) {
    Commands::Text units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(std::uint8_t(bytes[2 * i]) | std::uint8_t(bytes[2 * i + 1]) << 8);
    return units;
}

// What holds of the environment record after any start.
inline void CheckRecord(const Commands::Environment& env) {
    using E = Commands::Environment;
    for (const auto field : {&E::AppPath, &E::AppTitle, &E::AppExeName, &E::IniFile, &E::WinIniFile, &E::WinDir,
                             &E::SysDir, &E::TempDir, &E::CmdLine, &E::CrLf})
        FUZZ_CHECK(IsWellFormed(env.*field));
    for (const auto folder : {&E::WinDir, &E::SysDir, &E::TempDir})
        FUZZ_CHECK((env.*folder).empty() || (env.*folder).ends_with(u'\\'));
    FUZZ_CHECK(env.AppPath.ends_with(u'\\') && env.AppTitle == Commands::kAppTitle && env.CrLf == u"\r\n" &&
               env.WinIniFile == env.WinDir + u"Win.ini");
    // The settings file is named after the program file, ".exe" becoming ".ini", or is not known.
    FUZZ_CHECK(env.IniFile.empty() || (env.IniFile.ends_with(u".ini") &&
                                       env.IniFile.size() == env.AppPath.size() + env.AppExeName.size() + 4));
}

} // namespace Fuzz

// Every target runs in a UTF-8 locale, as the program does in most users' sessions.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    FUZZ_CHECK(std::setlocale(LC_ALL, "C.UTF-8"));
    return 0;
}
