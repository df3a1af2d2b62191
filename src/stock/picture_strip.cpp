#include "stock/picture_strip.h"

#include "platform/platform.h"
#include "stock/picture_signature.h"
#include "windows/fgraph.h"
#include "windows/fview.h"
#include "windows/twips.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>

namespace lumivane::stock {

namespace {

const char* const kIndexProperty = "lumivaneThumbnailIndex";

QString warnList() {
    return QStringLiteral("一覧表示できるのは30枚までです。");
}
QString badFormat() {
    return QStringLiteral("ファイル形式が不正です");
}

const char* readerFormat(PictureFormat format) {
    switch (format) {
    case PictureFormat::Bmp:
        return "bmp";
    case PictureFormat::Jpeg:
        return "jpeg";
    case PictureFormat::Gif:
        return "gif";
    case PictureFormat::Unknown:
        break;
    }
    return "";
}

PictureFormat formatOf(const QByteArray& bytes) {
    return pictureFormat(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

/// Decodes `bytes` at `size` (stretched) or, for an empty size, at the natural size.
QImage decode(const QByteArray& bytes, QSize size = {}) {
    const PictureFormat format = formatOf(bytes);
    if (format == PictureFormat::Unknown)
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, readerFormat(format));
    // A JPEG then decodes at 1/2, 1/4 or 1/8 scale before the final scaling.
    if (size.isValid())
        reader.setScaledSize(size);
    return reader.read();
}

QSize elementSize() {
    return twipsRect<QRect>({0, 0, kThumbnailWidth, kThumbnailHeight}).size();
}

} // namespace

PictureStrip::PictureStrip(platform::Platform& platform, StripControls controls, QObject* parent,
                           int capacity)
    : QObject(parent), platform_(platform), c_(std::move(controls)), stock_(capacity) {
    Q_ASSERT(c_.thumnail && c_.thumnail->size() == 1);
    pictures_.resize(1);
    QLabel* first = c_.thumnail->front();
    first->setProperty(kIndexProperty, 0);
    first->setScaledContents(true);
    first->setMouseTracking(true);
    first->installEventFilter(this);

    c_.Frame1->setAcceptDrops(true);
    c_.Frame1->installEventFilter(this);

    c_.ListScroll->setRange(0, 0);
    c_.ListScroll->setSingleStep(1);
    c_.ListScroll->setPageStep(1);
    connect(c_.ListScroll, &QScrollBar::valueChanged, this, &PictureStrip::ListScroll_Change);
    connect(c_.ListScroll, &QScrollBar::sliderMoved, this, &PictureStrip::ListScroll_Scroll);
}

PictureStrip::~PictureStrip() {
    delete view_.data();
}

const StockPicture& PictureStrip::picture(int index) const {
    return pictures_.at(static_cast<size_t>(index));
}

windows::Fview* PictureStrip::preview() const {
    return view_.data();
}

QMimeData* PictureStrip::thumbnailDragData(int index) {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kThumbnailMimeType),
                  QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
                      QByteArray::number(index));
    return data;
}

int PictureStrip::draggedThumbnail(const QMimeData& data) {
    const QList<QByteArray> parts = data.data(QString::fromLatin1(kThumbnailMimeType)).split(' ');
    // Thumbnails of another running Lumivane are not ours to remove.
    if (parts.size() != 2 || parts[0].toLongLong() != QCoreApplication::applicationPid())
        return -1;
    bool ok = false;
    const int index = parts[1].toInt(&ok);
    return ok ? index : -1;
}

std::vector<std::string> PictureStrip::droppedPaths(const QMimeData& data) const {
    std::vector<std::string> paths;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile())
            paths.push_back(platform_.windowsPath(url.toLocalFile().toStdString()));
    }
    return paths;
}

bool PictureStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == c_.Frame1)
        return frame1Event(event);
    const QVariant index = watched->property(kIndexProperty);
    if (index.isValid())
        return thumbnailEvent(index.toInt(), event);
    return QObject::eventFilter(watched, event);
}

namespace {

/// Accepts a drop of files as a copy (or a link): accepting a move would let the file
/// manager delete the pictures the stock has just taken. False when neither is offered.
bool acceptAsCopy(QDropEvent* event) {
    for (const Qt::DropAction action : {Qt::CopyAction, Qt::LinkAction}) {
        if (event->possibleActions() & action) {
            event->setDropAction(action);
            event->accept();
            return true;
        }
    }
    event->ignore();
    return false;
}

} // namespace

bool PictureStrip::frame1Event(QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        const QMimeData* data = drag->mimeData();
        // While a drop is handled nothing more is taken, so the stock cannot change under it.
        if (dropping_ || !data) {
            drag->ignore();
        } else if (draggedThumbnail(*data) >= 0) {
            drag->acceptProposedAction();
        } else if (!droppedPaths(*data).empty()) {
            acceptAsCopy(drag);
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QMimeData* data = drop->mimeData();
        if (!data)
            return true;
        const int source = draggedThumbnail(*data);
        if (source >= 0) {
            drop->acceptProposedAction();
            Frame1_DragDrop(source);
        } else if (data->hasUrls() && acceptAsCopy(drop)) {
            Frame1_OLEDragDrop(droppedPaths(*data));
        }
        return true;
    }
    default:
        return false;
    }
}

bool PictureStrip::thumbnailEvent(int index, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && !dropping_ && index < stock_.imageCount()) {
            startDrag(index, mouse->position().toPoint());
            return true;
        }
        rightPressed_ = mouse->button() == Qt::RightButton ? index : -1;
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* element = static_cast<QWidget*>(c_.thumnail->at(static_cast<size_t>(index)));
        const bool click = mouse->button() == Qt::RightButton && rightPressed_ == index &&
                           element->rect().contains(mouse->position().toPoint());
        rightPressed_ = -1;
        if (click)
            thumnail_Click(index);
        return true;
    }
    case QEvent::MouseMove:
        thumnail_MouseMove(index);
        return false;
    default:
        return false;
    }
}

void PictureStrip::startDrag(int index, const QPoint& hotSpot) {
    // The drag belongs to the frame, not to the element: a removal may destroy the element
    // while the drag is still running.
    auto* drag = new QDrag(c_.Frame2);
    drag->setMimeData(thumbnailDragData(index));
    const QSize size = elementSize();
    QPixmap outline(size);
    outline.fill(Qt::transparent);
    {
        QPainter painter(&outline);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(QRect(QPoint(0, 0), size).adjusted(0, 0, -1, -1));
    }
    drag->setPixmap(outline);
    drag->setHotSpot(hotSpot);
    drag->exec(Qt::MoveAction);
}

void PictureStrip::setMessage(const QString& text, const QString& whole) {
    Q_EMIT message(text, whole);
}

QLabel* PictureStrip::createElement(int index) {
    QLabel* first = c_.thumnail->front();
    auto* element = new QLabel(first->parentWidget());
    element->setObjectName(QStringLiteral("thumnail(%1)").arg(index));
    element->setScaledContents(true);
    element->setFrameStyle(first->frameStyle());
    element->setMouseTracking(true);
    element->setProperty(kIndexProperty, index);
    element->installEventFilter(this);
    c_.thumnail->push_back(element);
    pictures_.emplace_back();
    return element;
}

void PictureStrip::destroyElement(int index) {
    QLabel* element = c_.thumnail->at(static_cast<size_t>(index));
    element->hide();
    element->clear();
    pictures_[static_cast<size_t>(index)] = {};
    if (index == 0)
        return;
    c_.thumnail->pop_back();
    pictures_.pop_back();
    // Later: the element may be the source of the drag whose drop is being handled.
    element->removeEventFilter(this);
    element->deleteLater();
}

bool PictureStrip::loadPicture(int index, const std::string& path) {
    const auto host = platform_.hostPath(path);
    if (!host)
        return false;
    QFile file(QString::fromStdString(*host));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    StockPicture picture;
    picture.bytes = file.readAll();
    file.close();
    const QImage image = decode(picture.bytes, elementSize());
    if (image.isNull())
        return false;
    picture.thumbnail = QPixmap::fromImage(image);
    pictures_[static_cast<size_t>(index)] = std::move(picture);
    return true;
}

void PictureStrip::showPicture(int index) {
    c_.thumnail->at(static_cast<size_t>(index))
        ->setPixmap(pictures_[static_cast<size_t>(index)].thumbnail);
}

void PictureStrip::applyLayout() {
    for (int i = 0; i < stock_.elementCount(); ++i) {
        placeTwips(c_.thumnail->at(static_cast<size_t>(i)),
                   {stock_.elementLeft(i), kThumbnailTop, kThumbnailWidth, kThumbnailHeight});
    }
}

void PictureStrip::Frame1_OLEDragDrop(const std::vector<std::string>& paths) {
    if (paths.empty())
        return;
    if (dropping_) {
        setMessage(QStringLiteral("ファイルを読み込み中です。終わってからドロップしてください。"));
        return;
    }
    dropping_ = true;
    if (stock_.imageCount() >= kListLimit)
        setMessage(warnList());

    auto* graph = new windows::Fgraph(c_.owner);
    graph->show();
    for (QPushButton* button : {c_.cmdAbout, c_.cmdMake, c_.cmdReturn})
        button->setEnabled(false);

    const int total = static_cast<int>(paths.size());
    for (int k = 0; k < total; ++k) {
        const std::string& path = paths[static_cast<size_t>(k)];
        if (!passesNameTest(path)) {
            setMessage(badFormat());
            break;
        }
        const auto index = stock_.append(path);
        if (!index) {
            setMessage(QStringLiteral("登録できる画像は%1枚までです。").arg(stock_.capacity()));
            break;
        }
        QLabel* element = *index == 0 ? c_.thumnail->front() : createElement(*index);
        placeTwips(element,
                   {stock_.elementLeft(*index), kThumbnailTop, kThumbnailWidth, kThumbnailHeight});
        element->show();
        if (loadPicture(*index, path)) {
            showPicture(*index);
            c_.lstImagePath->addItem(QString::fromStdString(path));
        } else {
            // List and strip stay in step: the entry and its element go again.
            destroyElement(*index);
            stock_.takeBackLast();
            const QString unreadable = QStringLiteral("画像として読み込めないファイルです: ");
            setMessage(unreadable + QString::fromUtf8(platform::fileName(path)),
                       unreadable + QString::fromStdString(path));
        }
        graph->setProgress(k + 1, total);
        QCoreApplication::processEvents();
    }

    graph->finish();
    c_.cmdAbout->setEnabled(true);
    c_.cmdReturn->setEnabled(true);
    c_.cmdMake->setEnabled(stock_.imageCount() > 0);
    stock_.finishDrop();
    c_.ListScroll->setMaximum(stock_.scrollMaximum());
    dropping_ = false;
}

void PictureStrip::Frame1_DragDrop(int source) {
    if (dropping_ || source < 0 || source >= stock_.imageCount())
        return;
    const int n = stock_.imageCount() - 1;
    for (int i = source; i < n; ++i) {
        pictures_[static_cast<size_t>(i)] = std::move(pictures_[static_cast<size_t>(i) + 1]);
        showPicture(i);
    }
    destroyElement(n);
    delete c_.lstImagePath->takeItem(source);
    stock_.remove(source);
    // A maximum below the present value moves the value, whose change lays the strip out.
    c_.ListScroll->setMaximum(stock_.scrollMaximum());
    applyLayout();
    if (n == 0)
        c_.cmdMake->setEnabled(false);
}

void PictureStrip::ListScroll_Change(int value) {
    setMessage(QStringLiteral("一覧表示をスクロールします。登録できる画像は100枚ですが、"
                              "一覧表示できる画像は30枚です。"));
    stock_.scrollTo(value);
    applyLayout();
}

void PictureStrip::ListScroll_Scroll(int value) {
    ListScroll_Change(value);
}

void PictureStrip::thumnail_Click(int Index) {
    if (Index < 0 || Index >= stock_.imageCount())
        return;
    const QImage image = decode(pictures_[static_cast<size_t>(Index)].bytes);
    if (image.isNull())
        return;
    if (!view_)
        view_ = new windows::Fview;
    view_->showPicture(QPixmap::fromImage(image));
}

void PictureStrip::thumnail_MouseMove(int Index) {
    Q_UNUSED(Index);
    setMessage(QStringLiteral("サムネイルをドロップすると、一覧から消去されます。\r\n"
                              "右クリックすると、画像を表示します。"));
}

} // namespace lumivane::stock
