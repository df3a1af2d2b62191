// Code page 932 conversion: any input text gives valid 932 bytes, and any bytes decode.
#include "platform/codepage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    using namespace lumivane::platform;

    // Whatever the text, the written bytes are valid 932: decoding them finds no damage.
    const std::string bytes = toCp932(input);
    if (fromCp932(bytes).find("\uFFFD") != std::string::npos)
        std::abort();

    // ASCII passes unchanged, byte for byte.
    bool ascii = true;
    for (unsigned char c : input)
        ascii = ascii && c < 0x80;
    if (ascii && bytes != input)
        std::abort();

    // Arbitrary bytes read as 932 always decode to UTF-8 that converts back without loss
    // of structure (no crash, no unbounded growth).
    const std::string decoded = fromCp932(input);
    if (decoded.size() > input.size() * 3 + 3)
        std::abort();
    return 0;
}
