#pragma once

#include "app/fmain_rules.h"
#include "appearance/win32/tile_strip.h"
#include "stock/win32/picture_strip.h"
#include "windows/win32/fabout.h"
#include "windows/win32/form.h"

#include <memory>
#include <string>

namespace lumivane::app::win32 {

/// The most pictures the stock takes here. Each thumbnail is a window holding a bitmap, and a
/// process of Windows 2000 and later may hold 10,000 window objects and 10,000 GDI objects at
/// most: below that, with room for the windows' other controls, a drop is stopped with the
/// stock's message instead of failing half-way.
inline constexpr int kMostPictures = 8000;

/// The main window in native Win32 controls: made from the main window's form, its events
/// handed to its rules. The about box and the colour changer open modal over it; the progress
/// and preview windows modeless.
class Fmain final : private FmainHost {
public:
    /// The platform and the browser factory are handed in; an empty factory means Internet
    /// Explorer's application object. `stockCapacity` bounds the picture stock (tests use a
    /// small one); `openAddress` is the about box's hand-over to the shell (tests pass their
    /// own).
    explicit Fmain(platform::Platform& platform, BrowserFactory browserFactory = {},
                   int stockCapacity = kMostPictures,
                   windows::win32::FAbout::AddressOpener openAddress = {});
    ~Fmain() override;

    void show() { form_.show(); }
    /// Whether a window of the program is still open: the main window, or a preview the user
    /// has not closed yet.
    bool running() const;

    lumivane::win32::Form& form() { return form_; }
    FmainRules& rules() { return rules_; }
    stock::win32::PictureStrip& pictureStrip() { return strip_; }
    lumivane::win32::TileStrip& toolbarStrip() { return toolbar_; }

    /// The outer height in twips: the client height plus title bar and bottom border.
    int outerHeight() const override;
    void setOuterHeight(int twips) override;

private:
    // FmainHost
    void showAbout() override;
    void showColorChanger() override;
    std::unique_ptr<windows::ProgressWindow> showProgress() override;
    void dispatchEvents() override;

    platform::Platform& platform_;
    windows::win32::FAbout::AddressOpener openAddress_;
    lumivane::win32::Form form_;
    lumivane::win32::TileStrip toolbar_;
    stock::win32::PictureStrip strip_;
    FmainRules rules_;
};

} // namespace lumivane::app::win32
