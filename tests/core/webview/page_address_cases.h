// The table of page addresses (page_addresses.txt) that the viewer's two rewriting rules, the
// one for the mark-up and the one in the page's script, are both held to.
#pragma once

#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumivane::testing {

struct PageAddressCase {
    std::string address;  ///< as the page writes it; raw bytes where the table says {xHH}
    std::string expected; ///< what it becomes (the address itself when the table says "=")
    int line = 0;
};

/// `{xHH}` as the byte it stands for.
inline std::string withBytes(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "{x") == 0 && i + 4 < text.size() && text[i + 4] == '}') {
            out += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 4;
        } else {
            out += text[i];
        }
    }
    return out;
}

inline std::vector<PageAddressCase> pageAddressCases() {
    std::ifstream file(LUMIVANE_PAGE_ADDRESSES);
    if (!file)
        throw std::runtime_error("cannot read " LUMIVANE_PAGE_ADDRESSES);
    std::vector<PageAddressCase> cases;
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos)
            throw std::runtime_error("no tab on line " + std::to_string(number));
        PageAddressCase entry{withBytes(line.substr(0, tab)), withBytes(line.substr(tab + 1)),
                              number};
        if (entry.expected == "=")
            entry.expected = entry.address;
        cases.push_back(std::move(entry));
    }
    return cases;
}

} // namespace lumivane::testing
