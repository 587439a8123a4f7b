#pragma once
// The start-up module: the program-wide environment record, the start-up procedure and the path-name
// functions that fill the record.

#include "Platform.h"
#include "Text.h"

namespace Commands {

// Where the program and the system live, what the program is called and where its settings file would
// be. Filled once during start-up, never changed afterwards, never saved. Folder fields end in "\".
struct Environment {
    Text AppPath;
    Text AppTitle;
    Text AppExeName;
    Text IniFile;
    Text WinIniFile;
    Text WinDir;
    Text SysDir;
    Text TempDir;
    Text CmdLine;
    Text CrLf;
};

inline constexpr std::u16string_view kAppTitle = u"Quenbury Tonalyx";

// The program's own record, read by the window for its title.
Environment& ProgramEnvironment();

// The start-up procedure: ends at once when another copy runs, otherwise fills `env`, keeps the
// argument text and shows the main window.
void Main(Environment& env, Platform& platform);

void InitEnvironment(Environment& env, AppObject& app, Kernel32& kernel32);
void InitAppIdentity(Environment& env, Kernel32& kernel32);

Result<Text> GetWindowsDir(Kernel32& kernel32);
Result<Text> GetSystemDir(Kernel32& kernel32);
Result<Text> GetTempDir(Kernel32& kernel32);
void AddBackslash(Text& path);
Text GetLongName(Kernel32& kernel32, Text path);

} // namespace Commands
