// Starts a program and measures how long it takes until a given screen pixel shows a given colour, the
// program's peak resident memory at that moment, and the processor time it used until then, together with
// that of the wineserver when one runs (its requests are the program's work too).
//   frame_probe X Y RRGGBB TIMEOUT_MS program [arguments...]
// Prints "<milliseconds> <peak kB> <processor milliseconds>"; exits 1 on a timeout.

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <memory>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

namespace {

long PeakKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Nanoseconds on a processor, summed over the process's threads (the scheduler's own account).
double ProcessorNanoseconds(pid_t pid) {
    double total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* task = readdir(dir)) {
            std::ifstream stat(tasks + "/" + task->d_name + "/schedstat");
            double onCpu = 0;
            if (stat >> onCpu)
                total += onCpu;
        }
        closedir(dir);
    }
    return total;
}

pid_t FindProcess(const char* name) {
    pid_t found = 0;
    if (DIR* dir = opendir("/proc")) {
        while (const dirent* entry = readdir(dir)) {
            std::ifstream comm(std::string("/proc/") + entry->d_name + "/comm");
            std::string command;
            if (std::getline(comm, command) && command == name)
                found = std::atoi(entry->d_name);
        }
        closedir(dir);
    }
    return found;
}

// The colour of one screen pixel, or ~0 where it cannot be read.
uint32_t Pixel(xcb_connection_t* c, const xcb_screen_t* screen, int x, int y) {
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> image(
        xcb_get_image_reply(c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, x, y, 1, 1, ~0u), nullptr),
        &std::free);
    uint32_t pixel = ~0u;
    if (image && xcb_get_image_data_length(image.get()) >= 4) {
        std::memcpy(&pixel, xcb_get_image_data(image.get()), 4);
        pixel &= 0xFFFFFF;
    }
    return pixel;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 6) {
        std::fprintf(stderr, "usage: frame_probe X Y RRGGBB TIMEOUT_MS program [arguments...]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    const auto wanted = static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 16));
    const auto timeout = std::chrono::milliseconds(std::atoi(argv[4]));

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;

    // The last start's window may still be closing: the pixel must show something else first.
    const auto idle = std::chrono::steady_clock::now();
    while (Pixel(c, screen, x, y) == wanted && std::chrono::steady_clock::now() - idle < timeout) {
    }
    const pid_t server = FindProcess("wineserver");
    const double serverBefore = server ? ProcessorNanoseconds(server) : 0;
    const auto start = std::chrono::steady_clock::now();
    // In a process group of its own, so that every process it starts (a browser has several) ends with it.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[5], nullptr, &attributes, argv + 5, environ) != 0)
        return 2;
    int result = 1;
    while (std::chrono::steady_clock::now() - start < timeout) {
        if (Pixel(c, screen, x, y) == wanted) {
            const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
            const double used = ProcessorNanoseconds(pid) + (server ? ProcessorNanoseconds(server) - serverBefore : 0);
            std::printf("%.1f %ld %.1f\n", elapsed.count(), PeakKilobytes(pid), used / 1e6);
            result = 0;
            break;
        }
    }
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(c);
    return result;
}
