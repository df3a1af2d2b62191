// Code page 932 through iconv, whatever the host's own locale.
#include "platform/codepage.h"
#include "platform/utf8.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace lumivane::platform {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error("iconv cannot convert between CP932 and UTF-8");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    /// Converts as much as it can; returns false with `in` at the offending bytes.
    bool run(std::string_view& in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[4096];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            size_t srcLeft = in.size();
            char* dst = buffer;
            size_t dstLeft = sizeof buffer;
            const size_t rc = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            const int error = errno;
            out.append(buffer, dst);
            in.remove_prefix(in.size() - srcLeft);
            if (rc == static_cast<size_t>(-1) && error != E2BIG)
                return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

} // namespace

std::string toCp932(std::string_view utf8) {
    thread_local Converter converter("CP932", "UTF-8");
    std::string out;
    out.reserve(utf8.size());
    while (!converter.run(utf8, out)) {
        const Utf8Char c = decodeUtf8(utf8, 0);
        out += "&#" + std::to_string(static_cast<unsigned long>(c.codePoint)) + ';';
        utf8.remove_prefix(c.length);
    }
    return out;
}

std::string fromCp932(std::string_view cp932) {
    thread_local Converter converter("UTF-8", "CP932");
    std::string out;
    out.reserve(cp932.size() * 3 / 2);
    while (!converter.run(cp932, out)) {
        appendUtf8(out, 0xFFFD);
        cp932.remove_prefix(1);
    }
    return out;
}

bool representableInCp932(std::string_view utf8) {
    thread_local Converter converter("CP932", "UTF-8");
    std::string out;
    return converter.run(utf8, out);
}

} // namespace lumivane::platform
