#include "webview/page_data.h"

#include "webview/page_text.h"

#include <algorithm>
#include <array>
#include <span>
#include <unordered_map>

namespace lumivane::webview {

namespace {

constexpr std::array kDetailColumns{Size, Type, Modified, Attributes, InfoTip};

/// Texts that many entries share, each written once, and every entry's index into them.
class SharedTexts {
public:
    void add(std::string text) {
        auto [found, isNew] = index_.try_emplace(std::move(text), texts_.size());
        if (isNew)
            texts_.push_back(&found->first);
        of_.push_back(found->second);
    }
    void write(std::string& out) const {
        out += "{\"texts\":[";
        for (std::size_t i = 0; i < texts_.size(); ++i) {
            if (i > 0)
                out += ',';
            out += jsString(*texts_[i]);
        }
        out += "],\"of\":[";
        writeNumbers(out, of_);
        out += "]}";
    }
    static void writeNumbers(std::string& out, const std::vector<std::size_t>& numbers) {
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            if (i > 0)
                out += ',';
            out += std::to_string(numbers[i]);
        }
    }

private:
    std::unordered_map<std::string, std::size_t> index_;
    std::vector<const std::string*> texts_; // in the order first met
    std::vector<std::size_t> of_;
};

} // namespace

PageEntries pageEntries(const FolderListing& listing, std::size_t first) {
    const std::vector<FolderEntry>& all = listing.entries;
    const std::span<const FolderEntry> entries(all.data(), std::min(first, all.size()));
    PageEntries page;
    page.entries = entries.size();
    std::array<SharedTexts, kDetailColumns.size()> details;
    std::unordered_map<std::string, std::size_t> kindIndex;
    std::vector<std::size_t> kindOf;
    kindOf.reserve(entries.size());
    std::string names;
    std::string bytes;
    std::string folders;
    names.reserve(entries.size() * 24);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const FolderEntry& entry = entries[i];
        if (i > 0) {
            names += ',';
            bytes += ',';
        }
        names += jsString(entry.name);
        bytes += std::to_string(entry.size);
        folders += entry.isFolder ? '1' : '0';
        for (std::size_t c = 0; c < kDetailColumns.size(); ++c)
            details[c].add(detailOf(entry, kDetailColumns[c]));
        std::string kind = entry.isFolder ? std::string("/") : fileExtension(entry.name);
        const auto [found, isNew] = kindIndex.try_emplace(std::move(kind), page.kinds.size());
        if (isNew) {
            page.kinds.push_back(found->first);
            page.exampleOfKind.push_back(i);
        }
        kindOf.push_back(found->second);
    }
    std::string& out = page.script;
    out.reserve(names.size() + bytes.size() + 8 * entries.size() + 256);
    out += "{\"count\":";
    out += std::to_string(all.size());
    out += ",\"names\":[";
    out += names;
    out += "],\"details\":[";
    for (std::size_t c = 0; c < details.size(); ++c) {
        if (c > 0)
            out += ',';
        details[c].write(out);
    }
    out += "],\"bytes\":[";
    out += bytes;
    out += "],\"folders\":\"";
    out += folders;
    out += "\",\"kinds\":[";
    SharedTexts::writeNumbers(out, kindOf);
    out += "]}";
    return page;
}

} // namespace lumivane::webview
