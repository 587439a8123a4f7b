#pragma once
// What start-up asks of the web page the program runs in. The page's script provides these functions
// to the WebAssembly module (import module "page").

#include "Platform.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Built for this machine (the fuzzer of the page's address), they are plain functions that it defines.
#ifdef __wasm__
#define TONALYX_PAGE_IMPORT(name) __attribute__((import_module("page"), import_name(#name)))
#else
#define TONALYX_PAGE_IMPORT(name)
#endif

namespace Commands {

extern "C" {
// The page's address, UTF-8, into `buffer` as far as it holds; the address's length in bytes.
TONALYX_PAGE_IMPORT(address) std::uint32_t PageAddress(char* buffer, std::uint32_t size);
// 1 when another copy of the page holds the one-copy lock of this browser profile, 0 when this one took
// it, -1 when the browser has no such locks.
TONALYX_PAGE_IMPORT(prev_instance) std::int32_t PagePrevInstance();
// Ends the program at once: nothing more of it runs, and the page stays as it is.
TONALYX_PAGE_IMPORT(end) void PageEnd();
}

// The address, and its parts: the folder and file of the page, and the query after "?" (the fragment
// after "#" belongs to neither). Nothing is decoded: the parts are as the address has them.
const std::string& PageAddressText();
struct AddressParts {
    std::string_view folder, file, query;
};
AddressParts SplitAddress(std::string_view address);

// The application object and the process of the page at `address`, which must outlive them.
// MakeAppObject() and MakeProcess() make them for this page's own address.
std::unique_ptr<AppObject> MakeAppObject(std::string_view address);
std::unique_ptr<Process> MakeProcess(std::string_view address);

} // namespace Commands
