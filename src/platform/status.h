#pragma once

#include <string>
#include <utility>

namespace lumivane {

/// The outcome of an operation: ok, or what went wrong and the path concerned.
/// Errors stay data until a window (or the command-line tool) tells the user.
struct Status {
    bool ok = true;
    std::string message; ///< what failed, in words the help line can show
    std::string path;    ///< the Windows path concerned, if any

    static Status success() { return {}; }
    static Status failure(std::string message, std::string path = {}) {
        return {false, std::move(message), std::move(path)};
    }
    explicit operator bool() const { return ok; }
};

} // namespace lumivane
