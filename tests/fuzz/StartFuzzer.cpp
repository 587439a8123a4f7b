// The start-up with arbitrary arguments and an arbitrary temporary folder, read by the POSIX services as
// the system gives them to the program. The input's fields are separated by NUL: TMPDIR, the program's
// folder, its name, then the arguments.

#include "../core/Fakes.h"
#include "Properties.h"

#include <vector>

using namespace Commands;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> fields(1);
    for (const char c : std::string_view(reinterpret_cast<const char*>(data), size))
        c ? fields.back().push_back(c) : void(fields.emplace_back());
    fields.resize(std::max<std::size_t>(fields.size(), 3));
    ::setenv("TMPDIR", fields[0].c_str(), 1);
    static char program[] = "tonalyx";
    std::vector<char*> argv{program};
    std::string arguments;
    for (std::size_t i = 3; i < fields.size(); ++i)
        argv.push_back(fields[i].data()), arguments += (i > 3 ? " " : "") + fields[i];

    Fakes::Machine machine; // the application object and the window
    machine.path = FromNarrow(fields[1]);
    machine.exeName = FromNarrow(fields[2]);
    const auto process = MakeProcess(static_cast<int>(argv.size()), argv.data());
    const auto kernel = MakeKernel32();
    Platform platform{machine, *process, *kernel, machine};
    Environment& env = machine.env;
    Main(env, platform);

    FUZZ_CHECK(machine.shownWith && !machine.ended && env.WinDir == u"/etc\\" && env.SysDir == u"/usr/lib\\");
    Fuzz::CheckRecord(env);
    // The arguments and the folder arrive whole; a folder too long for the service is not known.
    FUZZ_CHECK(Fuzz::HasReplacement(env.CmdLine) || ToNarrow(env.CmdLine) == arguments);
    const std::string temp = fields[0].empty() ? "/tmp\\" : fields[0].ends_with('\\') ? fields[0] : fields[0] + "\\";
    FUZZ_CHECK(Fuzz::HasReplacement(env.TempDir) ||
               ToNarrow(env.TempDir) == (fields[0].size() < Kernel32::kBufferCapacity ? temp : ""));
    return 0;
}
