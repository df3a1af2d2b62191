#include "app/fmain_rules.h"

#include "template/apply.h"
#include "template/option_names.h"

#include <algorithm>

namespace lumivane::app {

using namespace fmain;

namespace {

// One bracket of the pattern: the ranges a-z and A-Z and the comma. Bytes of a multi-byte
// UTF-8 character are all 0x80 or above, so they never fall into the set.
bool inColourSet(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == ',';
}

/// The item of a size list that holds `size`; -1 when none does.
int sizeIndex(std::string_view size) {
    const auto& items = sizeItems();
    const auto it = std::find(items.begin(), items.end(), size);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

constexpr std::string_view kNoBrowserText = "色を選ぶためのブラウザを開けませんでした。";
constexpr std::string_view kNoColourPageText = "色見本のページが見つかりません。\n";

} // namespace

bool isColourStatusText(std::string_view text) {
    // Two brackets that are ASCII bytes stand at distinct positions, so two bytes that
    // both pass mean at least two characters.
    return text.size() >= 2 && inColourSet(text.front()) && inColourSet(text.back());
}

TemplateOptions readOptions(const forms::FormControls& c) {
    TemplateOptions o;
    o.chkShowIcon = c.value(chkShowIcon);
    o.chkShowLine = c.value(chkShowLine);
    o.chkThumbnail = c.value(chkThumbnail);
    o.chkThumnailPosition = c.value(chkThumnailPosition);
    o.chkShowFolderName = c.value(chkShowFolderName);
    o.chkFolderNamePosition = c.value(chkFolderNamePosition);
    o.chkFolderNameItalic = c.value(chkFolderNameItalic);
    o.chkShowDetail = c.value(chkShowDetail);
    o.chkShowMsg = c.value(chkShowMsg);
    o.chkFitImageWidth = c.value(chkFitImageWidth);
    o.chkFitImageHeight = c.value(chkFitImageHeight);
    o.chkReload = c.value(chkReload);
    o.cmbFolderNameSize = c.text(cmbFolderNameSize);
    o.cmbInfoSize = c.text(cmbInfoSize);
    o.cmbLinkSize = c.text(cmbLinkSize);
    for (int i = 0; i < 4; ++i)
        o.lblColor[i] = c.text(lblColor(i));
    for (int j = 0; j < 2; ++j) {
        o.chkSetLink[j] = c.value(chkSetLink(j));
        o.txtLinkTitle[j] = c.text(txtLinkTitle(j));
        o.txtLink[j] = c.text(txtLink(j));
    }
    return o;
}

void showOptions(forms::FormControls& c, const TemplateOptions& o) {
    c.setValue(chkShowMsg, o.chkShowMsg);
    c.setValue(chkFitImageWidth, o.chkFitImageWidth);
    c.setValue(chkFitImageHeight, o.chkFitImageHeight);
    c.setValue(chkFolderNameItalic, o.chkFolderNameItalic);
    c.setValue(chkFolderNamePosition, o.chkFolderNamePosition);
    c.setValue(chkSetLink(0), o.chkSetLink[0]);
    c.setValue(chkSetLink(1), o.chkSetLink[1]);
    c.setValue(chkShowDetail, o.chkShowDetail);
    c.setValue(chkShowFolderName, o.chkShowFolderName);
    c.setValue(chkShowIcon, o.chkShowIcon);
    c.setValue(chkShowLine, o.chkShowLine);
    c.setValue(chkReload, o.chkReload);
    c.setValue(chkThumbnail, o.chkThumbnail);
    c.setValue(chkThumnailPosition, o.chkThumnailPosition);
    c.setListIndex(cmbFolderNameSize, sizeIndex(o.cmbFolderNameSize));
    c.setListIndex(cmbInfoSize, sizeIndex(o.cmbInfoSize));
    c.setListIndex(cmbLinkSize, sizeIndex(o.cmbLinkSize));
    c.setText(txtLink(0), o.txtLink[0]);
    c.setText(txtLink(1), o.txtLink[1]);
    c.setText(txtLinkTitle(0), o.txtLinkTitle[0]);
    c.setText(txtLinkTitle(1), o.txtLinkTitle[1]);
    for (int i = 0; i < 4; ++i)
        c.setText(lblColor(i), o.lblColor[i]);
}

FmainRules::FmainRules(platform::Platform& platform, forms::FormControls& controls,
                       forms::FormEvents& events, FmainHost& host,
                       stock::ThumbnailPictures& pictures, TileTarget& toolbarStrip,
                       BrowserFactory browserFactory, int stockCapacity)
    : platform_(platform), controls_(controls), host_(host), toolbarStrip_(toolbarStrip),
      browserFactory_(std::move(browserFactory)),
      strip_(
          controls, events, host, pictures,
          [this](std::string_view text, std::string_view whole) { setMessage(text, whole); },
          stockCapacity) {
    using forms::Event;
    events.on(cmdDetail, Event::Click, [this] { cmdDetail_Click(); });
    events.on(cmdTovraMode, Event::Click, [this] { cmdTovraMode_Click(); });
    events.on(chkSetLink, Event::Click, [this](int index) { chkSetLink_Click(index); });
    events.on(cmdSetLink, Event::Click, [this](int index) { cmdSetLink_Click(index); });
    events.on(cmdAbout, Event::Click, [this] { cmdAbout_Click(); });
    events.on(cmdMake, Event::Click, [this] { cmdMake_Click(); });
    events.on(cmdReturn, Event::Click, [this] { cmdReturn_Click(); });
    events.on(cmdSetColors, Event::Click, [this] { cmdSetColors_Click(); });
    events.onFilesDropped(PToolBarBackImage(0), [this](const std::vector<std::string>& paths) {
        PToolBarBackImage_OLEDragDrop(paths);
    });
    events.on(PToolBarBackImage, Event::DblClick, [this](int) { PToolBarBackImage_DblClick(); });
    events.onPointerOver([this](forms::ControlRef over) { MouseMove(over); });
}

FmainRules::~FmainRules() = default;

void FmainRules::Form_Load() {
    host_.setOuterHeight(kCollapsedHeight);
    setMessage(kDropImagesText);
    for (const std::string& item : sizeItems()) {
        controls_.addItem(cmbFolderNameSize, item);
        controls_.addItem(cmbInfoSize, item);
        controls_.addItem(cmbLinkSize, item);
    }
    controls_.setListIndex(cmbFolderNameSize, 6);
    controls_.setListIndex(cmbInfoSize, 3);
    controls_.setListIndex(cmbLinkSize, 3);
    // The link boxes' design state: disabled, on the system's button-face colour.
    chkSetLink_Click(0);
    chkSetLink_Click(1);
}

void FmainRules::Form_Unload() {
    if (ieOpen_ && ie_)
        ie_->Quit();
}

void FmainRules::cmdDetail_Click() {
    const int target = detailToggleTarget(host_.outerHeight());
    controls_.setVisible(Frame3, target == kExpandedHeight);
    host_.setOuterHeight(target);
}

void FmainRules::cmdTovraMode_Click() {
    showOptions(controls_, TemplateOptions::preset());
}

void FmainRules::chkSetLink_Click(int Index) {
    if (Index < 0 || Index > 1)
        return;
    // Checked or greyed both switch the row on; the boxes' text is left as it is.
    const bool on = checked(controls_.value(chkSetLink(Index)));
    controls_.setEnabled(txtLink(Index), on);
    controls_.setEnabled(txtLinkTitle(Index), on);
    const std::uint32_t background =
        platform_.sysColor(on ? platform::syscolor::Window : platform::syscolor::BtnFace);
    controls_.setBackColor(txtLink(Index), background);
    controls_.setBackColor(txtLinkTitle(Index), background);
}

void FmainRules::SystemColorsChanged() {
    chkSetLink_Click(0);
    chkSetLink_Click(1);
}

void FmainRules::cmdSetLink_Click(int Index) {
    if (ieOpen_ || Index < 0 || Index > 3)
        return;
    colorIndex_ = static_cast<std::int16_t>(Index);
    const int serial = ++browserSerial_;
    // Events of a browser that has already quit are no longer ours.
    Browser::Events events{
        [this, serial](const std::string& text) {
            if (serial == browserSerial_ && ie_)
                ie_StatusTextChange(text);
        },
        [this, serial] {
            if (serial == browserSerial_ && ie_)
                ie_OnQuit();
        },
    };
    std::unique_ptr<Browser> browser = browserFactory_ ? browserFactory_(events) : nullptr;
    if (!browser) {
        setMessage(kNoBrowserText);
        return;
    }
    // The page's path is the program's folder followed directly by "\rgb.htm".
    const std::string page = platform_.programFolder() + "\\rgb.htm";
    const std::optional<std::string> hostPage = platform_.hostPath(page);
    if (!hostPage || !browser->Navigate(*hostPage)) {
        setMessage(std::string(kNoColourPageText) + page);
        return;
    }
    ie_ = std::move(browser);
    ie_->setVisible(true);
    ie_->setMenuBar(false);
    ie_->setToolBar(0);
    ie_->setOffline(false);
    ieOpen_ = true;
}

void FmainRules::ie_StatusTextChange(const std::string& Text) {
    if (!isColourStatusText(Text))
        return;
    controls_.setText(lblColor(colorIndex_), Text);
    if (ie_)
        ie_->Quit();
}

void FmainRules::ie_OnQuit() {
    ie_.reset();
    ieOpen_ = false;
}

void FmainRules::cmdAbout_Click() {
    host_.showAbout();
}

void FmainRules::cmdSetColors_Click() {
    host_.showColorChanger();
}

void FmainRules::cmdMake_Click() {
    // After a failure the copies are skipped: they could not succeed without the Web folder,
    // and would not match the template that stayed in place.
    if (ApplyTemplate(false))
        CopyPictureStock();
}

void FmainRules::cmdReturn_Click() {
    ApplyTemplate(true);
}

bool FmainRules::ApplyTemplate(bool restore) {
    const ApplyResult result =
        lumivane::ApplyTemplate(platform_, restore, options(), imageCount(), leftImageFolder_);
    if (!result.message.empty())
        setMessage(result.message, result.whole);
    return !result.failed;
}

void FmainRules::CopyPictureStock() {
    std::unique_ptr<windows::ProgressWindow> progress = host_.showProgress();
    for (const forms::ControlRef button : {cmdAbout, cmdMake, cmdReturn})
        controls_.setEnabled(button, false);

    // The copies run back to back without dispatching events; the bar repaints itself.
    const ApplyResult result = lumivane::CopyPictureStock(
        platform_, leftImageFolder_, imagePaths(),
        [&progress](int done, int total) { progress->setProgress(done, total); });

    progress.reset();
    for (const forms::ControlRef button : {cmdAbout, cmdMake, cmdReturn})
        controls_.setEnabled(button, true);
    if (!result.message.empty())
        setMessage(result.message, result.whole);
}

void FmainRules::MouseMove(forms::ControlRef over) {
    const std::string_view help = FmainForm().helpText(over);
    if (!help.empty())
        setMessage(help);
}

void FmainRules::PToolBarBackImage_OLEDragDrop(std::span<const std::string> paths) {
    DropToolbarBackBitmap(platform_, toolbarStrip_, paths);
}

void FmainRules::PToolBarBackImage_DblClick() {
    ClearToolbarBackBitmap(platform_, toolbarStrip_);
}

void FmainRules::setMessage(std::string_view text, std::string_view whole) {
    controls_.setText(lblMessage, text);
    controls_.setToolTip(lblMessage, whole);
}

} // namespace lumivane::app
