#pragma once
// The platform services of the system we run on. Each has one implementation per platform, in the
// files ending in _posix.cpp and _win32.cpp; the build picks one set.

#include "Platform.h"

#include <memory>

namespace Commands {

std::unique_ptr<AppObject> MakeAppObject();
std::unique_ptr<Process> MakeProcess(int argc, char** argv);
std::unique_ptr<Kernel32> MakeKernel32();

// The system's narrow encoding (the locale's multibyte encoding on POSIX, the ANSI code page on
// Windows). Characters it cannot hold become "?"; bytes that are no character become U+FFFD.
std::string ToNarrow(const Text& text);
Text FromNarrow(std::string_view narrow);

#ifdef _WIN32
// The arguments part of a Windows command line: what follows the program name and its blanks.
Text ArgumentsOf(std::u16string_view commandLine);
#endif

} // namespace Commands
