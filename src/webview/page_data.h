#pragma once

#include "webview/folder_listing.h"

#include <cstddef>
#include <string>
#include <vector>

namespace lumivane::webview {

/// A folder's entries as the page's file list takes them: a script object (also JSON) of
/// their count, the names, every detail column as its distinct texts with each entry's index into
/// them (so that the sizes, types and dates many entries share travel once), the byte counts, the
/// folders as "1" in a string of one character an entry, and each entry's kind, whose icon the
/// viewer hands the page beside it.
struct PageEntries {
    std::string script;
    /// How many of the listing's entries, from the first, the script holds.
    std::size_t entries = 0;
    /// The kinds, in the order the script's indices name them: "/" for a folder, else the
    /// extension in lower case (empty without one).
    std::vector<std::string> kinds;
    /// An entry of each kind, by which its icon can be looked up.
    std::vector<std::size_t> exampleOfKind;
};

/// The page data of a listing: of all its entries, or of its first `first` entries only, for a
/// page that is to show the folder's first rows at once and to be handed the rest after. The
/// script's "count" is always the number of all the entries.
PageEntries pageEntries(const FolderListing& listing, std::size_t first = kAllEntries);

} // namespace lumivane::webview
