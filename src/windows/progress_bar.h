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

/// The progress window of a long piece of work, shown while it exists: destroying it closes
/// it. A new one starts with an empty bar.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;

    /// After each finished item: the bar becomes 3435 / total * done twips wide and is
    /// repainted at once, so it moves even while no window events are dispatched.
    void setProgress(int done, int total) { setBarWidth(progressBarWidth(done, total)); }
    /// The bar's width in twips, as last set.
    virtual double barWidth() const = 0;

protected:
    virtual void setBarWidth(double twips) = 0;
};

} // namespace lumivane::windows
