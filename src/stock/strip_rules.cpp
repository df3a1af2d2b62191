#include "stock/strip_rules.h"

#include "app/fmain_form.h"
#include "platform/platform.h"

namespace lumivane::stock {
namespace {

namespace fmain = app::fmain;
using forms::Event;

constexpr std::string_view kListLimitText = "一覧表示できるのは30枚までです。";
constexpr std::string_view kBadFormatText = "ファイル形式が不正です";
constexpr std::string_view kBusyText =
    "ファイルを読み込み中です。終わってからドロップしてください。";
constexpr std::string_view kUnreadableText = "画像として読み込めないファイルです: ";
constexpr std::string_view kScrollText =
    "一覧表示をスクロールします。登録できる画像は100枚ですが、一覧表示できる画像は30枚です。";

Twips thumbnailPlace(int left) {
    return {left, kThumbnailTop, kThumbnailWidth, kThumbnailHeight};
}

} // namespace

PictureStripRules::PictureStripRules(forms::FormControls& controls, forms::FormEvents& events,
                                     StripHost& host, ThumbnailPictures& pictures,
                                     MessageSink message, int capacity)
    : controls_(controls), host_(host), pictures_(pictures), message_(std::move(message)),
      stock_(capacity) {
    events.onFilesDropped(fmain::Frame1, [this](const std::vector<std::string>& paths) {
        Frame1_OLEDragDrop(paths);
    });
    events.onDragDrop(fmain::Frame1, fmain::thumnail,
                      [this](int source) { Frame1_DragDrop(source); });
    // While a drop is handled nothing more is taken, so the stock cannot change under it.
    events.setDropGate(fmain::Frame1, [this] { return !dropping_; });
    events.on(fmain::ListScroll, Event::Change, [this] { ListScroll_Change(); });
    events.on(fmain::ListScroll, Event::Scroll, [this] { ListScroll_Scroll(); });
    events.on(fmain::thumnail, Event::RightClick, [this](int index) { thumnail_Click(index); });
}

void PictureStripRules::Frame1_OLEDragDrop(std::span<const std::string> paths) {
    if (paths.empty())
        return;
    // Events are dispatched during a drop: a second drop would change the stock under it.
    if (dropping_) {
        message_(kBusyText, {});
        return;
    }
    dropping_ = true;
    if (stock_.imageCount() >= kListLimit)
        message_(kListLimitText, {});

    std::unique_ptr<windows::ProgressWindow> progress = host_.showProgress();
    for (const forms::ControlRef button : {fmain::cmdAbout, fmain::cmdMake, fmain::cmdReturn})
        controls_.setEnabled(button, false);

    // The pictures that will be tried: those before the first bad name, as many as fit.
    std::size_t tried = 0;
    const auto room = static_cast<std::size_t>(stock_.capacity() - stock_.imageCount());
    while (tried < paths.size() && tried < room && passesNameTest(paths[tried]))
        ++tried;
    pictures_.expectPictures(paths.first(tried));

    const int total = static_cast<int>(paths.size());
    for (int k = 0; k < total; ++k) {
        const std::string& path = paths[static_cast<std::size_t>(k)];
        if (!passesNameTest(path)) {
            message_(kBadFormatText, {});
            break;
        }
        const std::optional<int> index = stock_.append(path);
        if (!index) {
            message_("登録できる画像は" + std::to_string(stock_.capacity()) + "枚までです。", {});
            break;
        }
        const forms::ControlRef element = fmain::thumnail(*index);
        if (*index > 0)
            controls_.load(element);
        controls_.move(element, thumbnailPlace(stock_.elementLeft(*index)));
        controls_.setVisible(element, true);
        if (pictures_.loadPicture(*index, path)) {
            controls_.addItem(fmain::lstImagePath, path);
        } else {
            // The stock list and the strip stay in step: the entry and its element go again.
            emptyElement(*index);
            stock_.takeBackLast();
            message_(std::string(kUnreadableText) + std::string(platform::fileName(path)),
                     std::string(kUnreadableText) + path);
        }
        progress->setProgress(k + 1, total);
        host_.dispatchEvents();
    }

    pictures_.expectPictures({});
    progress.reset();
    controls_.setEnabled(fmain::cmdAbout, true);
    controls_.setEnabled(fmain::cmdReturn, true);
    controls_.setEnabled(fmain::cmdMake, stock_.imageCount() > 0);
    stock_.finishDrop();
    controls_.setMaximum(fmain::ListScroll, stock_.scrollMaximum());
    dropping_ = false;
}

void PictureStripRules::Frame1_DragDrop(int source) {
    if (dropping_ || source < 0 || source >= stock_.imageCount())
        return;
    // No element moves: the pictures from the source on shift one element to the left.
    const int n = stock_.imageCount() - 1;
    for (int i = source; i < n; ++i)
        pictures_.movePicture(i + 1, i);
    emptyElement(n);
    controls_.removeItem(fmain::lstImagePath, source);
    stock_.remove(source);
    // A maximum below the present value moves the value, whose change lays the strip out.
    controls_.setMaximum(fmain::ListScroll, stock_.scrollMaximum());
    layOut();
    if (n == 0)
        controls_.setEnabled(fmain::cmdMake, false);
}

void PictureStripRules::ListScroll_Change() {
    message_(kScrollText, {});
    stock_.scrollTo(controls_.value(fmain::ListScroll));
    layOut();
}

void PictureStripRules::ListScroll_Scroll() {
    ListScroll_Change();
}

void PictureStripRules::thumnail_Click(int Index) {
    if (Index >= 0 && Index < stock_.imageCount())
        pictures_.showPreview(Index, stock_.path(Index));
}

void PictureStripRules::emptyElement(int index) {
    const forms::ControlRef element = fmain::thumnail(index);
    pictures_.clearPicture(index);
    controls_.setVisible(element, false);
    // Element 0 is only ever hidden.
    if (index > 0)
        controls_.unload(element);
}

void PictureStripRules::layOut() {
    for (int i = 0; i < stock_.elementCount(); ++i)
        controls_.move(fmain::thumnail(i), thumbnailPlace(stock_.elementLeft(i)));
}

} // namespace lumivane::stock
