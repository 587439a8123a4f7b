// Filling the environment record.

#include "Commands.h"
#include "SkipOnFailure.h"

namespace Commands {

Environment& ProgramEnvironment() {
    static Environment environment;
    return environment;
}

void InitEnvironment(Environment& env, AppObject& app, Kernel32& kernel32) {
    SetOrSkip(env.AppPath, [&] { return app.Path(); });
    AddBackslash(env.AppPath);
    SetOrSkip(env.AppExeName, [&] { return app.EXEName(); });
    SetOrSkip(env.WinDir, [&] { return GetWindowsDir(kernel32); });
    SetOrSkip(env.SysDir, [&] { return GetSystemDir(kernel32); });
    SetOrSkip(env.TempDir, [&] { return GetTempDir(kernel32); });
    env.WinIniFile = env.WinDir + u"Win.ini"; // WinDir already ends in "\"
    env.CrLf = u"\r\n";
}

void InitAppIdentity(Environment& env, Kernel32& kernel32) {
    env.AppTitle = kAppTitle;
    // The settings file sits beside the program file, named after it. ".exe" is used whatever the real
    // extension, and its last three characters are replaced, the dot kept.
    const Text longName = GetLongName(kernel32, env.AppPath + env.AppExeName + u".exe");
    SetOrSkip(env.IniFile, [&]() -> Result<Text> {
        if (longName.size() < 3)
            return Fail(ErrorCode::InvalidArgument);
        return longName.substr(0, longName.size() - 3) + u"ini";
    });
}

} // namespace Commands
