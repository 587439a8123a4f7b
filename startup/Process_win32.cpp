// The process on Windows: the command line as Windows delivers it, without the program name.

#include "NativePlatform.h"

#include <windows.h>

#include <cwctype>

namespace Commands {

// What follows the program name, by the rule Windows itself uses: a quoted name ends at the next quote,
// an unquoted one at the first blank or tab; the blanks after it are not part of the arguments.
Text ArgumentsOf(std::u16string_view commandLine) {
    std::size_t i = 0;
    if (!commandLine.empty() && commandLine[0] == u'"') {
        const auto close = commandLine.find(u'"', 1);
        i = close == std::u16string_view::npos ? commandLine.size() : close + 1;
    } else {
        while (i < commandLine.size() && commandLine[i] != u' ' && commandLine[i] != u'\t')
            ++i;
    }
    while (i < commandLine.size() && (commandLine[i] == u' ' || commandLine[i] == u'\t'))
        ++i;
    return Text(commandLine.substr(i));
}

namespace {

class Win32Process final : public Process {
  public:
    Result<Text> CommandLine() override { return ArgumentsOf(reinterpret_cast<const char16_t*>(GetCommandLineW())); }
    [[noreturn]] void End() override { ExitProcess(0); }
};

} // namespace

std::unique_ptr<Process> MakeProcess(int, char**) { return std::make_unique<Win32Process>(); }

} // namespace Commands
