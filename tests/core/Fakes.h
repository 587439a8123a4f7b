#pragma once
// Fakes of the platform services, each writing what it is asked into a shared log.

#include "CenterForm.h"
#include "Commands.h"

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

// Notes each call in a shared log, when it is given one.
struct Logged {
    Log* log = nullptr;
    void Note(const char* call) {
        if (log)
            log->push_back(call);
    }
};

// A kernel directory service: writes `text` when it fits, or answers with `count` when that is given,
// or is missing on the system.
struct DirectoryAnswer {
    DirectoryAnswer(std::string text = {}, std::optional<std::uint32_t> count = {}, bool missing = false)
        : text(std::move(text)), count(count), missing(missing) {}
    std::string text;
    std::optional<std::uint32_t> count;
    bool missing;
};

inline Result<std::uint32_t> Answer(const DirectoryAnswer& answer, char* buffer, std::uint32_t size) {
    if (answer.missing)
        return Fail(ErrorCode::FunctionNotFound);
    if (answer.count)
        return *answer.count;
    if (answer.text.size() + 1 > size)
        return static_cast<std::uint32_t>(answer.text.size() + 1);
    std::memcpy(buffer, answer.text.c_str(), answer.text.size() + 1);
    return static_cast<std::uint32_t>(answer.text.size());
}

class Kernel32 final : public Commands::Kernel32, public Logged {
  public:
    DirectoryAnswer windows{"C:\\WINDOWS"};
    DirectoryAnswer system{"C:\\WINDOWS\\system32"};
    DirectoryAnswer temp{"C:\\TEMP\\"};
    // Existing paths (in any form the test uses) and their long forms.
    std::map<std::string, std::string> longForms;
    bool longPathMissing = false;

    Result<std::uint32_t> GetWindowsDirectoryA(char* buffer, std::uint32_t size) override {
        Note("GetWindowsDirectoryA");
        return Answer(windows, buffer, size);
    }
    Result<std::uint32_t> GetSystemDirectoryA(char* buffer, std::uint32_t size) override {
        Note("GetSystemDirectoryA");
        return Answer(system, buffer, size);
    }
    Result<std::uint32_t> GetTempPathA(std::uint32_t size, char* buffer) override {
        Note("GetTempPathA");
        return Answer(temp, buffer, size);
    }
    Result<std::uint32_t> GetLongPathNameA(const char* path, char* buffer, std::uint32_t size) override {
        Note("GetLongPathNameA");
        lastLongPathQuery = path;
        if (longPathMissing)
            return Fail(ErrorCode::FunctionNotFound);
        const auto found = longForms.find(path);
        if (found == longForms.end())
            return 0u;
        return Answer({found->second}, buffer, size);
    }

    // A Latin-1 code page: characters beyond it become "?".
    std::string ToNarrow(const Text& text) override {
        std::string out;
        for (const char16_t c : text)
            out.push_back(c <= 0xFF ? static_cast<char>(c) : '?');
        return out;
    }
    Text FromNarrow(std::string_view narrow) override {
        Text out;
        for (const char c : narrow)
            out.push_back(static_cast<unsigned char>(c));
        return out;
    }

    std::string lastLongPathQuery;
};

class AppObject final : public Commands::AppObject, public Logged {
  public:
    Result<bool> prevInstance = false;
    Result<Text> path = Text(u"C:\\Tools");
    Result<Text> exeName = Text(u"Viewer");

    Result<bool> PrevInstance() override { return Note("PrevInstance"), prevInstance; }
    Result<Text> Path() override { return Note("Path"), path; }
    Result<Text> EXEName() override { return Note("EXEName"), exeName; }
};

class Process final : public Commands::Process, public Logged {
  public:
    Result<Text> commandLine = Text();
    bool ended = false;

    Result<Text> CommandLine() override { return Note("CommandLine"), commandLine; }
    void End() override { Note("End"), ended = true; }
};

// Keeps what the record held at the moment the window was shown.
class Toolkit final : public Commands::WindowToolkit, public Logged {
  public:
    explicit Toolkit(const Commands::Environment& env) : env_(env) {}
    Result<void> answer{};
    std::optional<Commands::Environment> shownWith;

    Result<void> ShowMainWindow() override {
        Note("ShowMainWindow");
        shownWith = env_;
        return answer;
    }

  private:
    const Commands::Environment& env_;
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
