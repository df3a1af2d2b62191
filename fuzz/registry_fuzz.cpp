// The emulated registry: any key path, value name and text round-trip, and key paths are
// compared without regard to case.
#include "fuzz_input.h"
#include "platform/emulated/emulated_platform.h"
#include "platform/utf8.h"
#include "template/template_text.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

using namespace lumivane::platform;

namespace {

Platform& platformUnderTest() {
    static std::unique_ptr<EmulatedPlatform> platform = [] {
        char pattern[] = "/tmp/lumivane-fuzz-XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        static const std::filesystem::path folder = pattern;
        std::atexit([] { std::filesystem::remove_all(folder); });
        return std::make_unique<EmulatedPlatform>(folder / "root",
                                                  lumivane::standardTemplateBytes());
    }();
    return *platform;
}

// Text as Windows would hand it over: valid UTF-8 up to the first NUL.
bool plainText(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Char c = decodeUtf8(text, i);
        if (c.codePoint == 0 ||
            (c.codePoint == 0xFFFD && c.length == 1 && text.compare(i, 3, "\xEF\xBF\xBD") != 0))
            return false;
        i += c.length;
    }
    return true;
}

// A key path Windows accepts: segments that are neither empty nor over 255 characters.
bool plainKey(std::string_view key) {
    if (key.empty() || key.size() > 200 || key.front() == '\\' || key.back() == '\\')
        return false;
    return key.find("\\\\") == std::string_view::npos && plainText(key);
}

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lumivane::fuzz::Input input(data, size);
    const std::string key = "Software\\Fuzz\\" + input.text();
    const std::string name = input.text();
    const std::string text = input.text();
    if (!plainKey(key) || !plainText(name) || !plainText(text) || name.size() > 200)
        return 0;
    Platform& platform = platformUnderTest();
    platform.regSetString(RootKey::CurrentUser, key, name, text);
    if (platform.regGetString(RootKey::CurrentUser, key, name) != text)
        std::abort();
    if (platform.regGetString(RootKey::CurrentUser, upper(key), name) != text)
        std::abort();
    return 0;
}
