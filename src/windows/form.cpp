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
    // Elements are made at run time only for an array designed with element 0 alone.
    const ControlSpec* first = nullptr;
    int designed = 0;
    for (const ControlSpec& row : controls) {
        if (row.ref == ref)
            return &row;
        if (ref.index > 0 && row.ref.name == ref.name) {
            ++designed;
            if (row.ref.index == 0)
                first = &row;
        }
    }
    return designed == 1 ? first : nullptr;
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
