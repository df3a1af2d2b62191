#include "app/fmain_rules.h"

namespace lumivane::app {

namespace {

// One bracket of the pattern: the ranges a-z and A-Z and the comma. Bytes of a multi-byte
// UTF-8 character are all 0x80 or above, so they never fall into the set.
bool inColourSet(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ',';
}

} // namespace

bool isColourStatusText(std::string_view text) {
    // Two brackets that are ASCII bytes stand at distinct positions, so two bytes that
    // both pass mean at least two characters.
    return text.size() >= 2 && inColourSet(text.front()) && inColourSet(text.back());
}

} // namespace lumivane::app
