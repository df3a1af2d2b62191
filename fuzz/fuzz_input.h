// Splits a fuzzer's input into the values a target needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumivane::fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    /// One byte (0 when the input is used up).
    unsigned byte() {
        if (rest_.empty())
            return 0;
        const auto b = static_cast<unsigned char>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    /// A whole number from two bytes.
    int number() { return static_cast<int>(byte() | (byte() << 8)); }
    /// Text up to the next NUL byte (or the end).
    std::string text() {
        const std::size_t end = rest_.find('\0');
        std::string out(rest_.substr(0, end));
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return out;
    }
    bool empty() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

} // namespace lumivane::fuzz
