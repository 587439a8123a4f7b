// Quenbury Tonalyx: judging a display's gamma by eye.

#include "Commands.h"
#include "NativePlatform.h"
#include "NativeToolkit.h"

#include <clocale>

int main(int argc, char* argv[]) {
    // The narrow texts of the system services are in the user's encoding.
    std::setlocale(LC_ALL, "");

    auto app = Commands::MakeAppObject();
    auto process = Commands::MakeProcess(argc, argv);
    auto kernel32 = Commands::MakeKernel32();
    ChartWindow::NativeToolkit toolkit(argv[0], Commands::ProgramEnvironment());
    Commands::Platform platform{*app, *process, *kernel32, toolkit};

    Commands::Main(Commands::ProgramEnvironment(), platform);
    return toolkit.Exec();
}
