#include "windows/small_rules.h"

#include "windows/small_forms.h"
#include "windows/version_text.h"

#include <algorithm>

namespace lumivane::windows {

using forms::Event;

FAboutRules::FAboutRules(forms::FormControls& controls, forms::FormEvents& events, FAboutHost& host)
    : controls_(controls), host_(host) {
    events.on(fabout::lblMail, Event::Click, [this] { lblMail_Click(); });
    events.on(fabout::lblURL, Event::Click, [this] { lblURL_Click(); });
    events.on(fabout::cmdOK, Event::Click, [this] { cmdOK_Click(); });
}

void FAboutRules::Form_Load() {
    controls_.setText(fabout::lblVer, versionText());
}

void FAboutRules::lblMail_Click() {
    host_.openAddress("mailto:" + controls_.text(fabout::lblMail));
}

void FAboutRules::lblURL_Click() {
    host_.openAddress(controls_.text(fabout::lblURL));
}

void FAboutRules::cmdOK_Click() {
    host_.closeWindow();
}

Twips previewOuterSize(int width, int height) {
    return {0, 0, width + fview::kExtraWidth, height + fview::kExtraHeight};
}

Twips previewClientSize(int width, int height, int frameWidth, int frameHeight) {
    const Twips outer = previewOuterSize(width, height);
    return {0, 0, std::max(outer.width - frameWidth, width),
            std::max(outer.height - frameHeight, height)};
}

FviewRules::FviewRules(forms::FormEvents& events, std::function<void()> close)
    : close_(std::move(close)) {
    events.on(fview::Pview, Event::Click, [this] { Pview_Click(); });
}

void FviewRules::Pview_Click() {
    close_();
}

} // namespace lumivane::windows
