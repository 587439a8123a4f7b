// The page's address, which anyone who sends a link chooses: split into the program's folder, name and
// argument text, then the whole start-up of the page from it.

#include "../core/Fakes.h"
#include "Page_web.h"
#include "Properties.h"

using namespace Commands;

// The page's side: its lock is ours, and nothing here asks for its address or ends it.
extern "C" {
std::uint32_t Commands::PageAddress(char*, std::uint32_t) { return 0; }
std::int32_t Commands::PagePrevInstance() { return 0; }
void Commands::PageEnd() {}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view address(reinterpret_cast<const char*>(data), size);
    const auto has = [](std::string_view text, const char* any) { return text.find_first_of(any) != text.npos; };

    // The parts with their separators make up the address before its fragment.
    const auto [folder, file, query] = SplitAddress(address);
    const std::string_view before = address.substr(0, address.find('#'));
    std::string joined = has(before.substr(0, before.find('?')), "/") ? std::string(folder) + "/" : "";
    joined += std::string(file) + (has(before, "?") ? "?" : "") + std::string(query);
    FUZZ_CHECK(joined == before && !has(folder, "?#") && !has(file, "/?#") && !has(query, "#"));

    const auto app = MakeAppObject(address);
    const auto process = MakeProcess(address);
    const auto kernel = MakeKernel32();
    Fakes::Machine window;
    Platform platform{*app, *process, *kernel, window};
    Main(window.env, platform);

    const Environment& env = window.env;
    Fuzz::CheckRecord(env);
    // A page has no system folders; its name is its file's without the extension, its arguments the query.
    FUZZ_CHECK(window.shownWith && env.WinDir.empty() && env.SysDir.empty() && env.TempDir.empty());
    FUZZ_CHECK(Fuzz::HasReplacement(env.CmdLine) || ToNarrow(env.CmdLine) == query);
    const std::string name = ToNarrow(env.AppExeName);
    FUZZ_CHECK(Fuzz::HasReplacement(env.AppExeName) ||
               (file.starts_with(name) && (name.size() == file.size() || file[name.size()] == '.')));
    return 0;
}
