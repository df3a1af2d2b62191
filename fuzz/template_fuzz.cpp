// Options set by name from arbitrary NAME=VALUE lines, then the template in both modes. Any
// value that setOption() accepts must leave the page's line structure intact.
#include "template/option_names.h"
#include "template/template_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::size_t crlfCount(const std::string& bytes) {
    std::size_t count = 0;
    for (std::size_t i = bytes.find("\r\n"); i != std::string::npos; i = bytes.find("\r\n", i + 2))
        ++count;
    return count;
}

void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumivane;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    TemplateInput input;
    // The first byte picks the picture count, the rest are lines of NAME=VALUE.
    if (!rest.empty()) {
        input.imageCount = 1 + static_cast<unsigned char>(rest.front());
        rest.remove_prefix(1);
    }
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        TemplateOptions before = input.options;
        const Status status =
            setOption(input.options, line.substr(0, equals), line.substr(equals + 1));
        require(status.ok || input.options == before);
    }
    input.scriptFolder = scriptFolder(R"(C:\WINDOWS\Web\leftimage)");
    input.programFolder = R"(C:\Program Files\Lumivane)";

    input.restore = true;
    const std::string standard = templateBytes(input);
    require(crlfCount(standard) == 344);

    input.restore = false;
    const std::string page = templateBytes(input);
    const std::size_t lines = crlfCount(page);
    require(lines >= 348 && lines <= 359);
    require(page.ends_with("</html>\r\n"));
    // every line feed closes a CR LF: nothing inserted broke a line
    for (std::size_t i = page.find('\n'); i != std::string::npos; i = page.find('\n', i + 1))
        require(i > 0 && page[i - 1] == '\r');
    return 0;
}
