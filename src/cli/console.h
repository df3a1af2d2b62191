#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumivane::cli {

/// The command line's arguments after the program's name, as UTF-8.
std::vector<std::string> arguments(int argc, char** argv);

/// Writes bytes to standard output unchanged (no newline translation); false if they could
/// not all be written.
bool writeBytes(std::string_view bytes);

/// Writes UTF-8 text for a person to read (help) to standard output.
bool writeText(std::string_view utf8);

/// Writes one line to standard error: "lumivane-cli: " and the message, made printable.
void writeError(std::string_view utf8);

/// The text as it can be shown on one line: control characters (an argument may hold a line
/// break) become '?', broken UTF-8 becomes U+FFFD.
std::string printableLine(std::string_view text);

} // namespace lumivane::cli
