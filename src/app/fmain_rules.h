#pragma once

#include "app/browser.h"
#include "app/fmain_form.h"
#include "appearance/toolbar_background.h"
#include "platform/platform.h"
#include "stock/strip_rules.h"
#include "template/options.h"
#include "windows/form_controls.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane::app {

/// The outer height that "詳細" switches to from a measured outer height: a window of 5000
/// twips or more counts as expanded and collapses, anything lower expands.
constexpr int detailToggleTarget(int measuredOuterHeight) {
    return measuredOuterHeight >= 5000 ? fmain::kCollapsedHeight : fmain::kExpandedHeight;
}

/// Whether a browser status text names a chosen colour: it matches the wildcard pattern
/// "[a-z,A-Z]*[a-z,A-Z]", that is at least two characters whose first and last are an ASCII
/// letter or a comma (anything may stand between them). Text is UTF-8.
bool isColourStatusText(std::string_view text);

/// The option model, read off the main window's controls at this moment.
TemplateOptions readOptions(const forms::FormControls& controls);

/// Sets the main window's option controls to `options`, with the user's effect: the prompt's
/// check box first, the other check boxes, the sizes, the link texts, then the colours.
void showOptions(forms::FormControls& controls, const TemplateOptions& options);

/// What the main window's rules ask of its front-end beyond its controls.
class FmainHost : public stock::StripHost {
public:
    /// The window's outer height in twips (client height plus title bar and bottom border),
    /// as measured.
    virtual int outerHeight() const = 0;
    virtual void setOuterHeight(int twips) = 0;
    /// Shows the about box, modal and owned by the main window; returns when it has closed.
    virtual void showAbout() = 0;
    /// Shows the colour changer, modal and owned by the main window; returns when it has
    /// closed.
    virtual void showColorChanger() = 0;
};

/// The main window's handlers: the options, the preset, choosing colours in the browser, the
/// help line, "変更" and "復元" with the picture stock's copies, the picture stock and the
/// toolbar strip. A front-end forwards each event of its controls here.
class FmainRules {
public:
    /// Registers its handlers with the window's events. `pictures` are the thumbnails'
    /// pictures, `toolbarStrip` is the toolbar background strip inside Picture1; `stockCapacity`
    /// bounds the picture stock below its 16-bit limit (tests use a small one).
    FmainRules(platform::Platform& platform, forms::FormControls& controls,
               forms::FormEvents& events, FmainHost& host, stock::ThumbnailPictures& pictures,
               TileTarget& toolbarStrip, BrowserFactory browserFactory,
               int stockCapacity = stock::kMaxPictures);
    ~FmainRules();

    void Form_Load();
    /// The window is closing: an open colour-choosing browser is asked to quit. Never cancels
    /// the close.
    void Form_Unload();
    void cmdDetail_Click();
    /// "お勧め": every option to the recommended preset; nothing is applied.
    void cmdTovraMode_Click();
    /// A link row's check box changed: its boxes are on while it is checked or greyed.
    void chkSetLink_Click(int Index);
    /// A colour button: opens the colour page in a browser, unless one is open already.
    void cmdSetLink_Click(int Index);
    void ie_StatusTextChange(const std::string& Text);
    void ie_OnQuit();
    void cmdAbout_Click();
    void cmdSetColors_Click();
    /// "変更": writes the template, then copies the stock unless the template failed.
    void cmdMake_Click();
    /// "復元": writes the standard template.
    void cmdReturn_Click();
    /// Writes the template through the core and shows its message; false when it failed.
    bool ApplyTemplate(bool restore);
    /// Copies the stock with the progress window up and the three buttons disabled.
    void CopyPictureStock();
    /// The pointer moved over a control, or over the window's own background (the form's
    /// name): its help text, where it has one, replaces the help line's text.
    void MouseMove(forms::ControlRef over);
    /// Files dropped onto the toolbar strip, and a double-click on it.
    void PToolBarBackImage_OLEDragDrop(std::span<const std::string> paths);
    void PToolBarBackImage_DblClick();
    /// The system colours have changed: the link rows take the new colours.
    void SystemColorsChanged();

    /// Replaces the help line's text; `whole` is a fuller form for the tooltip, such as the
    /// text with a file's whole path.
    void setMessage(std::string_view text, std::string_view whole = {});

    TemplateOptions options() const { return readOptions(controls_); }
    /// The picture stock: drops on Frame1, the thumbnail strip, removal and preview.
    stock::PictureStripRules& strip() { return strip_; }
    const stock::PictureStripRules& strip() const { return strip_; }
    std::int16_t imageCount() const { return strip_.stock().imageCount(); }
    /// The stock's paths, picture 0 first, exactly as they were dropped (Windows paths).
    const std::vector<std::string>& imagePaths() const { return strip_.stock().paths(); }

    /// The colour-choosing browser, or null.
    Browser* ie() const { return ie_.get(); }
    /// A browser has been started and has not yet reported that it quit.
    bool ieOpen() const { return ieOpen_; }
    /// The colour slot that receives the chosen colour.
    std::int16_t colorIndex() const { return colorIndex_; }
    /// The folder that receives the stock's copies (the Web folder's "leftimage").
    const std::string& leftImageFolder() const { return leftImageFolder_; }

private:
    platform::Platform& platform_;
    forms::FormControls& controls_;
    FmainHost& host_;
    TileTarget& toolbarStrip_;
    BrowserFactory browserFactory_;
    stock::PictureStripRules strip_;
    std::unique_ptr<Browser> ie_;
    int browserSerial_ = 0; ///< tells the events of a browser from those of an earlier one
    bool ieOpen_ = false;
    std::int16_t colorIndex_ = 0;
    std::string leftImageFolder_;
};

} // namespace lumivane::app
