#pragma once

#include "stock/picture_stock.h"

#include <QByteArray>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QMimeData;
class QPushButton;
class QScrollBar;
class QWidget;

namespace lumivane::platform {
class Platform;
}
namespace lumivane::windows {
class Fview;
}

namespace lumivane::stock {

/// The main window's controls that the picture stock works with.
struct StripControls {
    QWidget* owner = nullptr;                 ///< the main window, owner of the progress window
    QWidget* Frame1 = nullptr;                ///< the drop frame
    QWidget* Frame2 = nullptr;                ///< holds the thumbnails
    std::vector<QLabel*>* thumnail = nullptr; ///< element 0 designed inside Frame2
    QScrollBar* ListScroll = nullptr;
    QListWidget* lstImagePath = nullptr; ///< hidden; kept in step with the stock
    QPushButton* cmdMake = nullptr;
    QPushButton* cmdReturn = nullptr;
    QPushButton* cmdAbout = nullptr;
};

/// A thumbnail's picture: the file's bytes, read once, and the picture decoded at the
/// thumbnail's size. The preview decodes the bytes again at full size.
struct StockPicture {
    QByteArray bytes;
    QPixmap thumbnail;
};

/// The picture stock in the main window: adding dropped files, the thumbnail strip and its
/// scroll bar, removal by dragging a thumbnail back onto the drop frame, and the preview.
class PictureStrip : public QObject {
    Q_OBJECT
public:
    /// Drag data of a thumbnail; carries the element index and this process's id.
    static constexpr const char* kThumbnailMimeType = "application/x-lumivane-thumbnail";

    /// `capacity` bounds the stock below its 16-bit limit (tests use a small one).
    PictureStrip(platform::Platform& platform, StripControls controls, QObject* parent = nullptr,
                 int capacity = kMaxPictures);
    ~PictureStrip() override;

    const PictureStock& stock() const { return stock_; }
    std::int16_t imageCount() const { return stock_.imageCount(); }
    /// True while a drop is being handled.
    bool dropping() const { return dropping_; }
    /// The picture held by thumbnail `index`.
    const StockPicture& picture(int index) const;
    /// The preview window, while it is open.
    windows::Fview* preview() const;

    /// The drag data that thumbnail `index` carries while it is dragged.
    static QMimeData* thumbnailDragData(int index);

    /// Adds dropped files (Windows paths, in the drop's order).
    void Frame1_OLEDragDrop(const std::vector<std::string>& paths);
    /// Removes the picture of thumbnail `source`.
    void Frame1_DragDrop(int source);
    void ListScroll_Change(int value);
    void ListScroll_Scroll(int value);
    /// Right click on thumbnail `Index`: the preview of its picture.
    void thumnail_Click(int Index);
    void thumnail_MouseMove(int Index);

Q_SIGNALS:
    /// Text for the main window's help line; `whole` is its fuller form for the tooltip.
    void message(const QString& text, const QString& whole);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool frame1Event(QEvent* event);
    bool thumbnailEvent(int index, QEvent* event);
    std::vector<std::string> droppedPaths(const QMimeData& data) const;
    static int draggedThumbnail(const QMimeData& data);
    QLabel* createElement(int index);
    void destroyElement(int index);
    bool loadPicture(int index, const std::string& path);
    void showPicture(int index);
    void applyLayout();
    void setMessage(const QString& text, const QString& whole = {});
    void startDrag(int index, const QPoint& hotSpot);

    platform::Platform& platform_;
    StripControls c_;
    PictureStock stock_;
    std::vector<StockPicture> pictures_; ///< one per element
    QPointer<windows::Fview> view_;
    bool dropping_ = false;
    int rightPressed_ = -1;
};

} // namespace lumivane::stock
