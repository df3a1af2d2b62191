#pragma once

#include "windows/form_controls.h"

#include <string>

namespace lumivane::windows {

/// What the about box asks of its front-end beyond its controls.
class FAboutHost {
public:
    virtual ~FAboutHost() = default;
    /// Hands an address ("mailto:..." or a home page) to the desktop's default program, as
    /// the shell's "open" does. A failure is not reported.
    virtual void openAddress(const std::string& address) = 0;
    /// Closes and destroys the box.
    virtual void closeWindow() = 0;
};

/// The about box's handlers.
class FAboutRules {
public:
    FAboutRules(forms::FormControls& controls, forms::FormEvents& events, FAboutHost& host);

    /// The version line replaces the designed text before the box is first seen.
    void Form_Load();
    void lblMail_Click();
    void lblURL_Click();
    void cmdOK_Click();

private:
    forms::FormControls& controls_;
    FAboutHost& host_;
};

/// The preview window's outer size for a picture of `width` × `height` twips: room for the
/// border and the small caption bar around the picture.
Twips previewOuterSize(int width, int height);

/// The preview window's client size for a picture of `width` × `height` twips in a window
/// whose frame (borders and caption bar) takes `frameWidth` × `frameHeight` twips: what the
/// outer size leaves inside the frame, but never less than the picture, so none of it is cut.
Twips previewClientSize(int width, int height, int frameWidth, int frameHeight);

/// The preview window's handlers: a click on the picture closes it.
class FviewRules {
public:
    /// `close` closes and destroys the window.
    FviewRules(forms::FormEvents& events, std::function<void()> close);

    void Pview_Click();

private:
    std::function<void()> close_;
};

} // namespace lumivane::windows
