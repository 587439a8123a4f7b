#pragma once
// What start-up needs of the platform, each behind a small interface: one real implementation per
// platform (POSIX, Win32, Qt for the window) and fakes in the tests.

#include "Failure.h"
#include "Text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace Commands {

// The application object.
class AppObject {
  public:
    virtual ~AppObject() = default;
    // True when another copy of this program is already running for this user.
    virtual Result<bool> PrevInstance() = 0;
    // The folder that holds the program file, with or without a trailing "\".
    virtual Result<Text> Path() = 0;
    // The program file's name, without folder and extension.
    virtual Result<Text> EXEName() = 0;
};

// The process we run in.
class Process {
  public:
    virtual ~Process() = default;
    // The arguments as one unparsed text; the empty text when there are none.
    virtual Result<Text> CommandLine() = 0;
    // Ends the process at once; no clean-up code of the program runs. Only a fake returns.
    virtual void End() = 0;
};

// The four kernel services, called through their narrow-character forms. Each answers with the count
// it returns, or fails when the service cannot be bound on this system.
class Kernel32 {
  public:
    // Every buffer handed to these services holds this many characters.
    static constexpr std::uint32_t kBufferCapacity = 260;

    virtual ~Kernel32() = default;
    virtual Result<std::uint32_t> GetWindowsDirectoryA(char* buffer, std::uint32_t size) = 0;
    virtual Result<std::uint32_t> GetSystemDirectoryA(char* buffer, std::uint32_t size) = 0;
    virtual Result<std::uint32_t> GetTempPathA(std::uint32_t size, char* buffer) = 0;
    virtual Result<std::uint32_t> GetLongPathNameA(const char* path, char* buffer, std::uint32_t size) = 0;

    // The system's narrow code page. Characters it cannot hold become "?", as the narrow calls do.
    virtual std::string ToNarrow(const Text& text) = 0;
    virtual Text FromNarrow(std::string_view narrow) = 0;
};

// The windowing toolkit, as far as start-up uses it.
class WindowToolkit {
  public:
    virtual ~WindowToolkit() = default;
    // Creates the main window if needed, runs its load handler, makes it visible and returns without
    // waiting for the user.
    virtual Result<void> ShowMainWindow() = 0;
};

struct Platform {
    AppObject& app;
    Process& process;
    Kernel32& kernel32;
    WindowToolkit& toolkit;
};

} // namespace Commands
