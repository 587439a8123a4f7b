// The process on POSIX. The argument text is the arguments after the program name, joined by single
// blanks, exactly as they arrived: no quoting is added or removed.

#include "NativePlatform.h"

#include <cstdlib>

namespace Commands {
namespace {

class PosixProcess final : public Process {
  public:
    PosixProcess(int argc, char** argv) {
        for (int i = 1; i < argc; ++i) {
            if (i > 1)
                arguments_.push_back(' ');
            arguments_ += argv[i];
        }
    }

    Result<Text> CommandLine() override { return FromNarrow(arguments_); }

    [[noreturn]] void End() override { std::_Exit(0); }

  private:
    std::string arguments_;
};

} // namespace

std::unique_ptr<Process> MakeProcess(int argc, char** argv) { return std::make_unique<PosixProcess>(argc, argv); }

} // namespace Commands
