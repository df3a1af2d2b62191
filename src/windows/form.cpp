#include "windows/form.h"

#include <stdexcept>

namespace lumivane::forms {

std::string fullName(ControlRef ref) {
    std::string name(ref.name);
    if (ref.index >= 0)
        name += '(' + std::to_string(ref.index) + ')';
    return name;
}

const ControlSpec* FormSpec::find(ControlRef ref) const {
    const ControlSpec* first = nullptr;
    for (const ControlSpec& row : controls) {
        if (row.ref == ref)
            return &row;
        if (ref.index > 0 && row.ref.name == ref.name && row.ref.index == 0)
            first = &row;
    }
    return first;
}

const ControlSpec& FormSpec::control(ControlRef ref) const {
    if (const ControlSpec* row = find(ref))
        return *row;
    throw std::logic_error(std::string(name) + " has no control " + fullName(ref));
}

std::string_view FormSpec::helpText(ControlRef ref) const {
    if (ref.name == name && ref.index < 0)
        return help;
    const ControlSpec* row = find(ref);
    return row ? row->help : std::string_view{};
}

} // namespace lumivane::forms
