#pragma once

namespace lumivane::windows {

/// Width in twips of the progress bar when it is full: it then fills its frame exactly.
inline constexpr double kFullBarWidth = 3435.0;

/// The bar's width after `done` of `total` items: 3435 / total * done, in double precision.
/// An empty piece of work (total <= 0) shows an empty bar.
inline double progressBarWidth(int done, int total) {
    if (total <= 0)
        return 0.0;
    return kFullBarWidth / total * done;
}

} // namespace lumivane::windows
