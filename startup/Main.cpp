// The start-up procedure.

#include "Commands.h"
#include "SkipOnFailure.h"

namespace Commands {

void Main(Environment& env, Platform& platform) {
    // A second copy ends at once, silently, and leaves the running one alone. When the check itself
    // cannot be made we start: a program that never opens and never says why helps nobody.
    const Result<bool> anotherRunning = platform.app.PrevInstance();
    if (anotherRunning.value_or(false)) {
        platform.process.End();
        return;
    }

    InitEnvironment(env, platform.app, platform.kernel32);
    InitAppIdentity(env, platform.kernel32); // needs AppPath and AppExeName

    SetOrSkip(env.CmdLine, [&]() -> Result<Text> {
        auto arguments = platform.process.CommandLine();
        if (arguments && arguments->empty())
            return env.CmdLine;
        return arguments;
    });

    RunOrSkip([&] { return platform.toolkit.ShowMainWindow(); });
}

} // namespace Commands
