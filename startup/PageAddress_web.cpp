// The page's address, the web's stand-in for the program file and its command line.

#include "Page_web.h"

namespace Commands {

const std::string& PageAddressText() {
    // Read once: the application object and the process both ask, and it may be a megabyte long.
    static const std::string address = [] {
        std::string text(PageAddress(nullptr, 0), '\0');
        text.resize(PageAddress(text.data(), static_cast<std::uint32_t>(text.size())));
        return text;
    }();
    return address;
}

AddressParts SplitAddress(std::string_view address) {
    address = address.substr(0, address.find('#'));
    const auto question = address.find('?');
    const std::string_view query = question == std::string_view::npos ? "" : address.substr(question + 1);
    const std::string_view path = address.substr(0, question);
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return {"", path, query};
    return {path.substr(0, slash), path.substr(slash + 1), query};
}

} // namespace Commands
