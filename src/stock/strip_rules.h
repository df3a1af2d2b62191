#pragma once

#include "stock/picture_stock.h"
#include "windows/form_controls.h"
#include "windows/progress_bar.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace lumivane::stock {

/// What the picture stock asks of the main window's front-end beyond its controls.
class StripHost {
public:
    virtual ~StripHost() = default;

    /// Shows the progress window, modeless and owned by the main window, with an empty bar.
    virtual std::unique_ptr<windows::ProgressWindow> showProgress() = 0;
    /// Lets pending window events run, so the windows repaint while files are added.
    virtual void dispatchEvents() = 0;
};

/// The pictures of the thumbnails, which only a front-end can decode and draw, and the
/// preview window that shows one at its natural size.
class ThumbnailPictures {
public:
    virtual ~ThumbnailPictures() = default;

    /// A drop is about to add the pictures at these Windows paths, in this order, each with
    /// loadPicture in turn: a front-end may read and decode them ahead. An empty list ends
    /// the drop, and with it any reading ahead.
    virtual void expectPictures(std::span<const std::string> paths) { (void)paths; }
    /// Reads the picture file at a Windows path and shows it stretched in thumbnail
    /// `index`; false when it cannot be read as a picture (the thumbnail is then empty).
    virtual bool loadPicture(int index, const std::string& path) = 0;
    /// Thumbnail `to` takes the picture of thumbnail `from`, without reading the file again.
    virtual void movePicture(int from, int to) = 0;
    /// Thumbnail `index` lets go of its picture.
    virtual void clearPicture(int index) = 0;
    /// Shows the picture of thumbnail `index`, read from `path`, at its natural size in the
    /// preview window, which opens without an owner or is reused while it is open.
    virtual void showPreview(int index, const std::string& path) = 0;
};

/// Puts a text on the main window's help line; `whole` is a fuller form for its tooltip.
using MessageSink = std::function<void(std::string_view text, std::string_view whole)>;

/// The picture stock in the main window: adding dropped files, the thumbnail strip and its
/// scroll bar, removal by dragging a thumbnail back onto the drop frame, and the preview. It
/// works on the main window's controls Frame1, thumnail, ListScroll, lstImagePath, cmdAbout,
/// cmdMake and cmdReturn.
class PictureStripRules {
public:
    /// Registers its handlers with the main window's events. `capacity` bounds the stock
    /// below its 16-bit limit (tests use a small one).
    PictureStripRules(forms::FormControls& controls, forms::FormEvents& events, StripHost& host,
                      ThumbnailPictures& pictures, MessageSink message,
                      int capacity = kMaxPictures);

    const PictureStock& stock() const { return stock_; }
    /// True while a drop is being handled.
    bool dropping() const { return dropping_; }

    /// Files dropped onto the drop frame (Windows paths, in the drop's order): each passing
    /// the name test is appended with its thumbnail, until the first that fails.
    void Frame1_OLEDragDrop(std::span<const std::string> paths);
    /// Thumbnail `source` dropped onto the drop frame: its picture leaves the stock.
    void Frame1_DragDrop(int source);
    /// The scroll bar's value has changed, or its box is being dragged: the strip follows.
    void ListScroll_Change();
    void ListScroll_Scroll();
    /// A right click on thumbnail `Index`: the preview of its picture.
    void thumnail_Click(int Index);

private:
    void emptyElement(int index);
    void layOut();

    forms::FormControls& controls_;
    StripHost& host_;
    ThumbnailPictures& pictures_;
    MessageSink message_;
    PictureStock stock_;
    bool dropping_ = false;
};

} // namespace lumivane::stock
