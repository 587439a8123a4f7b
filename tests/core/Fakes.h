#pragma once
// Fakes of the platform services. Each notes the calls it is asked in one shared log.

#include "CenterForm.h"
#include "Commands.h"
#include "NativePlatform.h"

#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace Fakes {

using Commands::ErrorCode;
using Commands::Fail;
using Commands::Result;
using Commands::Text;

using Log = std::vector<std::string>;

// A kernel directory service: writes its text when it fits, or is missing.
inline Result<std::uint32_t> Answer(const std::optional<std::string>& text, char* buffer, std::uint32_t size) {
    if (!text)
        return Fail(ErrorCode::FunctionNotFound);
    const auto length = static_cast<std::uint32_t>(text->size());
    if (length + 1 > size)
        return length + 1;
    std::memcpy(buffer, text->c_str(), length + 1);
    return length;
}

// Every fake of a start: the services note their calls, and the toolkit keeps the record as it was
// when the window was shown.
struct Machine final : Commands::AppObject, Commands::Process, Commands::Kernel32, Commands::WindowToolkit {
    Log log;
    Result<bool> prevInstance = false;
    Result<Text> path = Text(u"C:\\Tools");
    Result<Text> exeName = Text(u"Viewer");
    Result<Text> commandLine = Text();
    std::optional<std::string> windows = "C:\\WINDOWS", system = "C:\\WINDOWS\\system32", temp = "C:\\TEMP\\";
    std::map<std::string, std::string> longForms; // existing paths and their long forms
    bool longPathMissing = false;
    Result<void> showAnswer{};
    bool ended = false;
    Commands::Environment env;
    std::optional<Commands::Environment> shownWith;
    Commands::Platform platform{*this, *this, *this, *this};

    Result<bool> PrevInstance() override { return Note("PrevInstance"), prevInstance; }
    Result<Text> Path() override { return Note("Path"), path; }
    Result<Text> EXEName() override { return Note("EXEName"), exeName; }
    Result<Text> CommandLine() override { return Note("CommandLine"), commandLine; }
    void End() override { Note("End"), ended = true; }
    Result<void> ShowMainWindow() override { return Note("ShowMainWindow"), shownWith = env, showAnswer; }
    Result<std::uint32_t> GetWindowsDirectoryA(char* buffer, std::uint32_t size) override {
        return Note("GetWindowsDirectoryA"), Answer(windows, buffer, size);
    }
    Result<std::uint32_t> GetSystemDirectoryA(char* buffer, std::uint32_t size) override {
        return Note("GetSystemDirectoryA"), Answer(system, buffer, size);
    }
    Result<std::uint32_t> GetTempPathA(std::uint32_t size, char* buffer) override {
        return Note("GetTempPathA"), Answer(temp, buffer, size);
    }
    Result<std::uint32_t> GetLongPathNameA(const char* query, char* buffer, std::uint32_t size) override {
        Note("GetLongPathNameA");
        if (longPathMissing)
            return Fail(ErrorCode::FunctionNotFound);
        const auto found = longForms.find(query);
        return found == longForms.end() ? 0u : Answer(found->second, buffer, size);
    }
    // The system's own code page.
    std::string ToNarrow(const Text& text) override { return Commands::ToNarrow(text); }
    Text FromNarrow(std::string_view narrow) override { return Commands::FromNarrow(narrow); }
    void Note(const char* call) { log.push_back(call); }
};

// The screen and a window's outer frame, in twips. The frame notes "Top=N" and "Left=N" as they are set.
struct Screen final : Commands::Screen {
    Screen(float w, float h) : w(w), h(h) {}
    float w, h;
    float Width() const override { return w; }
    float Height() const override { return h; }
};

struct Form final : Commands::FormGeometry {
    Form(float w, float h) : w(w), h(h) {}
    float left = 555, top = 777, w, h;
    Log sets;
    Log* log = &sets;
    float Left() const override { return left; }
    float Top() const override { return top; }
    float Width() const override { return w; }
    float Height() const override { return h; }
    void SetLeft(float v) override { left = v, log->push_back("Left=" + std::to_string(int(v))); }
    void SetTop(float v) override { top = v, log->push_back("Top=" + std::to_string(int(v))); }
};

} // namespace Fakes
