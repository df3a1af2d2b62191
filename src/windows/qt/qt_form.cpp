#include "windows/qt/qt_form.h"

#include "platform/platform.h"
#include "windows/qt/click_label.h"
#include "windows/qt/fit_text.h"
#include "windows/qt/help_line.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDrag>
#include <QDropEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QUrl>
#include <stdexcept>

namespace lumivane::windows {
namespace {

using forms::ControlRef;
using forms::ControlSpec;
using forms::Event;
using forms::Kind;
using enum forms::State;

const char* const kControlMimeType = "application/x-lumivane-control";
// The caption as designed, for a label that shows it otherwise (an access letter underlined).
const char* const kCaptionProperty = "lumivaneCaption";

QString qtext(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QColor fromColorRef(std::uint32_t c) {
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

void setRole(QWidget* w, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = w->palette();
    palette.setColor(role, color);
    w->setPalette(palette);
}

/// A caption with its access letter underlined, as "ファイル(&F)" shows in a menu.
QString accessCaption(const QString& content) {
    const qsizetype amp = content.indexOf(u'&');
    if (amp < 0 || amp + 1 >= content.size())
        return content.toHtmlEscaped();
    return content.left(amp).toHtmlEscaped() + QStringLiteral("<u>") +
           content.mid(amp + 1, 1).toHtmlEscaped() + QStringLiteral("</u>") +
           content.mid(amp + 2).toHtmlEscaped();
}

Qt::WindowFlags flagsFor(forms::WindowStyle style) {
    // A fixed border with only a close box: no minimise or maximise box.
    const Qt::WindowFlags common =
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    switch (style) {
    case forms::WindowStyle::FixedSingle:
        return Qt::Window | Qt::WindowSystemMenuHint | common;
    case forms::WindowStyle::ToolWindow:
        break;
    }
    return Qt::Tool | common;
}

/// Accepts a drop of files as a copy (or a link): accepting a move would let the file
/// manager delete the files just taken. False when neither is offered.
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

/// The array and element index that drag data of this process carries; nullopt for any other.
std::optional<std::pair<std::string, int>> draggedElement(const QMimeData& data) {
    const QList<QByteArray> parts = data.data(QString::fromLatin1(kControlMimeType)).split(' ');
    // Elements of another running program are not ours.
    if (parts.size() != 3 || parts[0].toLongLong() != QCoreApplication::applicationPid())
        return std::nullopt;
    bool ok = false;
    const int index = parts[2].toInt(&ok);
    if (!ok)
        return std::nullopt;
    return std::pair{parts[1].toStdString(), index};
}

} // namespace

QtForm::QtForm(const forms::FormSpec& form, QWidget* window, platform::Platform* platform,
               Makers makers)
    : form_(form), window_(window), platform_(platform), makers_(std::move(makers)) {
    window_->setObjectName(qtext(form_.name));
    window_->setWindowTitle(qtext(form_.caption));
    window_->setWindowFlags(flagsFor(form_.style));
    const QRect client = twipsRect<QRect>(form_.client);
    if (!client.topLeft().isNull())
        window_->setGeometry(client);
    window_->setFixedSize(client.size());
    controls_[window_] = ControlRef{form_.name};
    for (const ControlSpec& row : form_.controls)
        make(row, row.ref);
}

QtForm::~QtForm() = default;

QWidget* QtForm::widget(ControlRef ref) const {
    if (ref.name == form_.name && ref.index < 0)
        return window_;
    const auto it = widgets_.find(forms::fullName(ref));
    if (it == widgets_.end())
        throw std::logic_error(std::string(form_.name) + " has no control " + forms::fullName(ref));
    return it->second;
}

QWidget* QtForm::make(const ControlSpec& row, ControlRef ref) {
    QWidget* container = widget(ControlRef{row.container});
    QWidget* w = makers_.custom ? makers_.custom(row, container) : nullptr;
    const QString caption = qtext(row.caption);
    if (!w) {
        switch (row.kind) {
        case Kind::Frame:
            w = new QGroupBox(caption, container);
            break;
        case Kind::Label:
        case Kind::Image:
        case Kind::PictureBox:
            w = new ClickLabel(container);
            break;
        case Kind::Button: {
            auto* button = new QPushButton(caption, container);
            // No button is the default one: Enter presses none of them.
            button->setAutoDefault(false);
            w = button;
            break;
        }
        case Kind::CheckBox:
            w = new QCheckBox(caption, container);
            break;
        case Kind::TextBox:
            w = new QLineEdit(caption, container);
            break;
        case Kind::DropDownList: {
            // The user picks an item and never types.
            auto* list = new QComboBox(container);
            list->setEditable(false);
            w = list;
            break;
        }
        case Kind::ListBox:
            w = new QListWidget(container);
            break;
        case Kind::ScrollBar: {
            auto* bar = new QScrollBar(Qt::Horizontal, container);
            bar->setRange(0, row.range.maximum);
            bar->setSingleStep(row.range.smallChange);
            bar->setPageStep(row.range.largeChange);
            // Dragging the box reports through sliderMoved (the scroll event) and sets the
            // value when the box is let go (the change event).
            bar->setTracking(false);
            w = bar;
            break;
        }
        case Kind::HelpLine:
            w = new HelpLine(container);
            break;
        case Kind::Tiles:
            throw std::logic_error("no maker for the tiles of " + forms::fullName(ref));
        }
    }
    w->setObjectName(qtext(forms::fullName(ref)));
    widgets_[forms::fullName(ref)] = w;
    controls_[w] = ref;

    if (row.has(FillsContainer))
        w->setGeometry(container->contentsRect());
    else
        placeTwips(w, row.place);

    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (row.kind == Kind::Image)
            label->setScaledContents(true);
        else if (row.kind == Kind::PictureBox)
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (row.kind == Kind::PictureBox && row.has(Bordered))
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        else if (row.has(Bordered))
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
        if (row.has(Sunken))
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (row.has(Link)) {
            setRole(label, QPalette::WindowText,
                    platform_ ? fromColorRef(platform_->sysColor(platform::syscolor::Highlight))
                              : label->palette().color(QPalette::Highlight));
            label->setCursor(Qt::PointingHandCursor);
        }
    }
    if (!row.font.face.empty()) {
        // Hosts without the designed face fall back to one of their own.
        QFont font(qtext(row.font.face));
        font.setPointSizeF(row.font.points);
        font.setWeight(QFont::Normal);
        w->setFont(font);
    }
    if (row.kind == Kind::Label || row.kind == Kind::HelpLine)
        setCaption(w, row, row.caption);
    if (row.art != forms::Art::None && makers_.art) {
        auto* label = qobject_cast<QLabel*>(w);
        if (label)
            label->setPixmap(makers_.art(row.art, w->size()));
    }
    if (row.backColor) {
        w->setAutoFillBackground(true);
        setRole(w, QPalette::Window, fromColorRef(*row.backColor));
    }
    if (row.has(ButtonFace) && platform_)
        setBackColor(ref, platform_->sysColor(platform::syscolor::BtnFace));
    if (auto* box = qobject_cast<QCheckBox*>(w))
        box->setChecked(row.has(Checked));
    if (row.has(Disabled))
        w->setEnabled(false);
    if (row.has(Hidden))
        w->hide();
    if (row.has(DragSource))
        watch(w);
    return w;
}

void QtForm::setCaption(QWidget* w, const ControlSpec& row, std::string_view caption) {
    const QString text = qtext(caption);
    if (auto* line = qobject_cast<HelpLine*>(w)) {
        line->setText(text);
        return;
    }
    auto* label = qobject_cast<QLabel*>(w);
    if (!label)
        return;
    if (row.has(AccessKey)) {
        label->setProperty(kCaptionProperty, text);
        label->setTextFormat(Qt::RichText);
        label->setText(accessCaption(text));
    } else {
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
    }
    if (row.has(AutoSize)) {
        label->adjustSize();
    } else if (row.font.face.empty() && !text.isEmpty()) {
        // The twip layout assumes narrower glyphs than today's fonts have.
        fitTextToWidth(label);
    }
}

// --- Properties ---------------------------------------------------------------------------

int QtForm::value(ControlRef ref) const {
    QWidget* w = widget(ref);
    if (auto* box = qobject_cast<QCheckBox*>(w)) {
        switch (box->checkState()) {
        case Qt::Unchecked:
            return 0;
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        }
    }
    // While its box is dragged a bar's value is where the box stands.
    if (auto* bar = qobject_cast<QScrollBar*>(w))
        return bar->sliderPosition();
    return 0;
}

void QtForm::setValue(ControlRef ref, int value) {
    QWidget* w = widget(ref);
    if (auto* box = qobject_cast<QCheckBox*>(w))
        box->setCheckState(value == 0   ? Qt::Unchecked
                           : value == 1 ? Qt::Checked
                                        : Qt::PartiallyChecked);
    else if (auto* bar = qobject_cast<QScrollBar*>(w))
        bar->setValue(value);
}

std::string QtForm::text(ControlRef ref) const {
    QWidget* w = widget(ref);
    QString shown;
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        shown = frame->title();
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        shown = button->text();
    else if (auto* line = qobject_cast<HelpLine*>(w))
        shown = line->text();
    else if (auto* label = qobject_cast<QLabel*>(w))
        shown = label->property(kCaptionProperty).isValid()
                    ? label->property(kCaptionProperty).toString()
                    : label->text();
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        shown = edit->text();
    else if (auto* list = qobject_cast<QComboBox*>(w))
        shown = list->currentText();
    return shown.toStdString();
}

void QtForm::setText(ControlRef ref, std::string_view text) {
    QWidget* w = widget(ref);
    const QString t = qtext(text);
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        frame->setTitle(t);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(t);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(t);
    else if (qobject_cast<QLabel*>(w) || qobject_cast<HelpLine*>(w)) {
        const ControlSpec& row = form_.control(ref);
        if (auto* label = qobject_cast<QLabel*>(w);
            label && !row.has(AccessKey) && !row.has(AutoSize)) {
            label->setText(t); // keeps the font its caption was fitted with
            return;
        }
        setCaption(w, row, text);
    }
}

void QtForm::setToolTip(ControlRef ref, std::string_view text) {
    QWidget* w = widget(ref);
    if (auto* line = qobject_cast<HelpLine*>(w))
        line->setText(line->text(), qtext(text));
    else
        w->setToolTip(qtext(text));
}

void QtForm::addItem(ControlRef ref, std::string_view item) {
    QWidget* w = widget(ref);
    if (auto* list = qobject_cast<QComboBox*>(w)) {
        // Adding an item leaves the selection as it was (a first item is not selected).
        const QSignalBlocker quiet(list);
        const int selected = list->currentIndex();
        list->addItem(qtext(item));
        list->setCurrentIndex(selected);
    } else if (auto* box = qobject_cast<QListWidget*>(w)) {
        box->addItem(qtext(item));
    }
}

void QtForm::removeItem(ControlRef ref, int index) {
    QWidget* w = widget(ref);
    if (auto* list = qobject_cast<QComboBox*>(w))
        list->removeItem(index);
    else if (auto* box = qobject_cast<QListWidget*>(w))
        delete box->takeItem(index);
}

int QtForm::listIndex(ControlRef ref) const {
    auto* list = qobject_cast<QComboBox*>(widget(ref));
    return list ? list->currentIndex() : -1;
}

void QtForm::setListIndex(ControlRef ref, int index) {
    if (auto* list = qobject_cast<QComboBox*>(widget(ref)))
        list->setCurrentIndex(index);
}

void QtForm::setMaximum(ControlRef ref, int maximum) {
    if (auto* bar = qobject_cast<QScrollBar*>(widget(ref)))
        bar->setMaximum(maximum);
}

bool QtForm::enabled(ControlRef ref) const {
    return widget(ref)->isEnabled();
}

void QtForm::setEnabled(ControlRef ref, bool enabled) {
    widget(ref)->setEnabled(enabled);
}

void QtForm::setVisible(ControlRef ref, bool visible) {
    widget(ref)->setVisible(visible);
}

void QtForm::setBackColor(ControlRef ref, std::uint32_t color) {
    QWidget* w = widget(ref);
    if (qobject_cast<QLineEdit*>(w)) {
        setRole(w, QPalette::Base, fromColorRef(color));
        return;
    }
    w->setAutoFillBackground(true);
    setRole(w, QPalette::Window, fromColorRef(color));
}

void QtForm::setForeColor(ControlRef ref, std::uint32_t color) {
    QWidget* w = widget(ref);
    if (qobject_cast<QLineEdit*>(w))
        setRole(w, QPalette::Text, fromColorRef(color));
    else if (qobject_cast<QAbstractButton*>(w))
        setRole(w, QPalette::ButtonText, fromColorRef(color));
    else
        setRole(w, QPalette::WindowText, fromColorRef(color));
}

void QtForm::move(ControlRef ref, Twips place) {
    placeTwips(widget(ref), place);
}

void QtForm::load(ControlRef element) {
    const ControlSpec& first = form_.control(ControlRef{element.name, 0});
    ControlSpec row = first;
    row.state |= Hidden;
    QWidget* w = make(row, element);
    if (auto* label = qobject_cast<QLabel*>(w))
        if (auto* model = qobject_cast<QLabel*>(widget(first.ref)))
            label->setFrameStyle(model->frameStyle());
    const auto handlers = arrayHandlers_.find(element.name);
    if (handlers != arrayHandlers_.end())
        for (const auto& [event, handler] : handlers->second)
            connect(element, w, event, [handler, index = element.index] { handler(index); });
    if (pointerOver_ && !first.help.empty())
        watch(w);
}

void QtForm::unload(ControlRef element) {
    const auto it = widgets_.find(forms::fullName(element));
    if (it == widgets_.end() || element.index <= 0)
        return;
    QWidget* w = it->second;
    widgets_.erase(it);
    controls_.erase(w);
    mouseHandlers_.erase(w);
    if (rightPressedOn_ == w)
        rightPressedOn_ = nullptr;
    w->hide();
    w->removeEventFilter(this);
    // Later: the element may be the source of the drag whose drop is being handled.
    w->deleteLater();
}

// --- Events -------------------------------------------------------------------------------

void QtForm::connect(ControlRef ref, QWidget* w, Event event, Handler handler) {
    const auto wrong = [&] {
        throw std::logic_error(forms::fullName(ref) + " raises no such event");
    };
    switch (event) {
    case Event::Click:
        if (auto* button = qobject_cast<QPushButton*>(w))
            QObject::connect(button, &QPushButton::clicked, this, std::move(handler));
        else if (auto* box = qobject_cast<QCheckBox*>(w))
            QObject::connect(box, &QCheckBox::stateChanged, this, std::move(handler));
        else if (auto* list = qobject_cast<QComboBox*>(w))
            QObject::connect(list, &QComboBox::currentIndexChanged, this, std::move(handler));
        else if (auto* label = qobject_cast<ClickLabel*>(w))
            QObject::connect(label, &ClickLabel::clicked, this, std::move(handler));
        else
            wrong();
        return;
    case Event::Change:
    case Event::Scroll:
        if (auto* bar = qobject_cast<QScrollBar*>(w)) {
            if (event == Event::Change)
                QObject::connect(bar, &QScrollBar::valueChanged, this, std::move(handler));
            else
                QObject::connect(bar, &QScrollBar::sliderMoved, this, std::move(handler));
        } else {
            wrong();
        }
        return;
    case Event::DblClick:
    case Event::RightClick:
        watch(w);
        mouseHandlers_[w].emplace_back(event, std::move(handler));
        return;
    }
}

void QtForm::on(ControlRef control, Event event, Handler handler) {
    connect(control, widget(control), event, std::move(handler));
}

void QtForm::on(forms::ControlArray array, Event event, IndexHandler handler) {
    arrayHandlers_[std::string(array.name)].emplace_back(event, handler);
    for (const auto& [w, ref] : controls_)
        if (ref.name == array.name && ref.index >= 0)
            connect(ref, widget(ref), event, [handler, index = ref.index] { handler(index); });
}

void QtForm::onFilesDropped(ControlRef target, FilesHandler handler) {
    QWidget* w = widget(target);
    w->setAcceptDrops(true);
    watch(w);
    dropTargets_[w].files = std::move(handler);
}

void QtForm::onDragDrop(ControlRef target, forms::ControlArray source, IndexHandler handler) {
    QWidget* w = widget(target);
    w->setAcceptDrops(true);
    watch(w);
    DropTarget& drop = dropTargets_[w];
    drop.source = source.name;
    drop.dropped = std::move(handler);
}

void QtForm::setDropGate(ControlRef target, std::function<bool()> open) {
    dropTargets_[widget(target)].open = std::move(open);
}

void QtForm::onPointerOver(std::function<void(ControlRef over)> handler) {
    pointerOver_ = std::move(handler);
    if (!form_.help.empty())
        watch(window_);
    for (const auto& [w, ref] : controls_)
        if (w != window_ && !form_.helpText(ref).empty())
            watch(widget(ref));
}

void QtForm::watch(QWidget* w) {
    // Installing twice would report every event twice.
    w->removeEventFilter(this);
    w->installEventFilter(this);
    w->setMouseTracking(true);
}

QMimeData* QtForm::dragData(ControlRef element) {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kControlMimeType),
                  QByteArray::number(QCoreApplication::applicationPid()) + ' ' +
                      QByteArray::fromStdString(std::string(element.name)) + ' ' +
                      QByteArray::number(element.index));
    return data;
}

std::vector<std::string> QtForm::droppedPaths(const QMimeData& data) const {
    std::vector<std::string> paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            paths.push_back(platform_ ? platform_->windowsPath(url.toLocalFile().toStdString())
                                      : url.toLocalFile().toStdString());
    return paths;
}

QtForm::DropTarget* QtForm::dropTargetOf(std::string_view sourceArray) {
    for (auto& [w, drop] : dropTargets_)
        if (drop.source == sourceArray)
            return &drop;
    return nullptr;
}

bool QtForm::eventFilter(QObject* watched, QEvent* event) {
    const auto control = controls_.find(watched);
    if (control == controls_.end())
        return QObject::eventFilter(watched, event);
    auto* w = static_cast<QWidget*>(watched);
    const ControlRef ref = control->second;

    if (const auto drop = dropTargets_.find(watched); drop != dropTargets_.end())
        if (dropEvent(drop->second, event))
            return true;

    switch (event->type()) {
    case QEvent::MouseMove: {
        // A move over a control inside a container reaches the container too; only the
        // container's own background counts.
        const auto* move = static_cast<QMouseEvent*>(event);
        if (pointerOver_ && !form_.helpText(ref).empty() && !w->childAt(move->position().toPoint()))
            pointerOver_(ref);
        return false;
    }
    case QEvent::MouseButtonDblClick: {
        const auto handlers = mouseHandlers_.find(watched);
        if (handlers == mouseHandlers_.end())
            return false;
        for (const auto& [kind, handler] : handlers->second)
            if (kind == Event::DblClick)
                handler();
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        return sourceEvent(ref, w, event);
    default:
        return false;
    }
}

bool QtForm::dropEvent(DropTarget& drop, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        const QMimeData* data = drag->mimeData();
        const bool open = !drop.open || drop.open();
        if (!open || !data) {
            drag->ignore();
        } else if (const auto element = draggedElement(*data)) {
            if (drop.dropped && element->first == drop.source)
                drag->acceptProposedAction();
            else
                drag->ignore();
        } else if (drop.files && !droppedPaths(*data).empty()) {
            acceptAsCopy(drag);
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* dropped = static_cast<QDropEvent*>(event);
        const QMimeData* data = dropped->mimeData();
        if (!data)
            return true;
        if (const auto element = draggedElement(*data)) {
            if (drop.dropped && element->first == drop.source) {
                dropped->acceptProposedAction();
                drop.dropped(element->second);
            }
        } else if (drop.files && data->hasUrls() && acceptAsCopy(dropped)) {
            drop.files(droppedPaths(*data));
        }
        return true;
    }
    default:
        return false;
    }
}

bool QtForm::sourceEvent(ControlRef element, QWidget* w, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const ControlSpec* row = form_.find(element);
    const bool draggable = row && row->has(DragSource);
    const auto handlers = mouseHandlers_.find(w);
    const bool rightClicks =
        handlers != mouseHandlers_.end() &&
        std::any_of(handlers->second.begin(), handlers->second.end(),
                    [](const auto& h) { return h.first == Event::RightClick; });
    if (event->type() == QEvent::MouseButtonPress) {
        rightPressedOn_ = mouse->button() == Qt::RightButton ? w : nullptr;
        if (draggable && mouse->button() == Qt::LeftButton) {
            DropTarget* target = dropTargetOf(element.name);
            if (target && (!target->open || target->open())) {
                // The drag belongs to the container: a drop may destroy the element while
                // the drag still runs.
                auto* drag = new QDrag(w->parentWidget());
                drag->setMimeData(dragData(element));
                QPixmap outline(w->size());
                outline.fill(Qt::transparent);
                {
                    QPainter painter(&outline);
                    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
                    painter.drawRect(QRect(QPoint(0, 0), w->size()).adjusted(0, 0, -1, -1));
                }
                drag->setPixmap(outline);
                drag->setHotSpot(mouse->position().toPoint());
                drag->exec(Qt::MoveAction);
            }
        }
        return draggable || rightClicks;
    }
    // A right click: press and release on the same control.
    const bool click = mouse->button() == Qt::RightButton && rightPressedOn_ == w &&
                       w->rect().contains(mouse->position().toPoint());
    rightPressedOn_ = nullptr;
    if (click && rightClicks)
        for (const auto& [kind, handler] : handlers->second)
            if (kind == Event::RightClick)
                handler();
    return draggable || rightClicks;
}

} // namespace lumivane::windows
