// A second process for the single-instance test: exits with 1 when another copy holds the flag, 0 when
// it took the flag itself, 2 when it could not tell.
#include "SingleInstance.h"

int main() {
    const auto running = Commands::TakeSingleInstanceLock();
    return running ? (*running ? 1 : 0) : 2;
}
