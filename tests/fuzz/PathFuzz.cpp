// Fuzzes the path names and the building of the environment record: any text as the program's folder
// and name, with a kernel that finds it, finds a longer form, finds one too long for the buffer, or lacks
// the long-path service. The record must always come out well formed.

#include "../core/Fakes.h"
#include "Commands.h"

#include <cstddef>
#include <cstdint>

using namespace Commands;

namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

bool EndsWith(const Text& text, std::u16string_view end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::uint8_t mode = data[0];
    const std::size_t split = data[1];
    Text text(size / 2 - 1, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<char16_t>(data[2 + 2 * i] | data[3 + 2 * i] << 8);

    Fakes::Kernel32 kernel;
    Fakes::AppObject app;
    app.path = text.substr(0, std::min(split, text.size()));
    app.exeName = text.substr(std::min(split, text.size()));
    const std::string narrow = kernel.ToNarrow(text);
    switch (mode % 4) {
    case 0:
        kernel.longForms[narrow] = narrow;
        break;
    case 1:
        kernel.longForms[narrow] = narrow + "\\" + narrow;
        break;
    case 2:
        kernel.longForms[narrow] = std::string(300 + narrow.size(), 'L');
        break;
    case 3:
        kernel.longPathMissing = true;
        break;
    }
    if (mode & 4)
        kernel.windows = {narrow};
    if (mode & 8)
        kernel.temp = {"", 0u};

    const Text longName = GetLongName(kernel, text);
    if (mode % 4 == 3)
        Require(longName.size() == text.size());         // casing keeps every character in its place
    if (mode % 4 == 2 && text.find(u'\0') == Text::npos) // a NUL ends the path the service sees
        Require(longName.empty());

    Environment env;
    InitEnvironment(env, app, kernel);
    InitAppIdentity(env, kernel);
    Require(EndsWith(env.AppPath, u"\\"));
    Require(env.TempDir.empty() || EndsWith(env.TempDir, u"\\"));
    Require(env.WinDir.empty() || EndsWith(env.WinDir, u"\\"));
    Require(env.WinIniFile == env.WinDir + u"Win.ini");
    Require(env.IniFile.empty() || EndsWith(env.IniFile, u"ini"));
    Require(env.CrLf == u"\r\n" && env.AppTitle == kAppTitle);
    return 0;
}
