#pragma once

#include "windows/form_controls.h"

#include <QObject>
#include <QPixmap>
#include <QSize>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QMimeData;
class QWidget;

namespace lumivane::platform {
class Platform;
}

namespace lumivane::windows {

/// A window made from its form with Qt widgets: a widget per control, named after it
/// ("lblColor(2)"), at its place in its container, with its caption and first state; and
/// the form's properties and events over those widgets.
class QtForm final : public QObject, public forms::FormControls, public forms::FormEvents {
    Q_OBJECT
public:
    /// What a window draws itself: the widget of a control of a kind only it knows (the
    /// tiles; null for any other), and the pictures the form names.
    struct Makers {
        std::function<QWidget*(const forms::ControlSpec& row, QWidget* container)> custom;
        std::function<QPixmap(forms::Art art, QSize size)> art;
    };

    /// Makes every control of `form` on `window`, in the form's order, and gives the window
    /// the form's name, caption, border and size. The platform, where there is one, gives the
    /// system colours of button faces and addresses and the Windows paths of dropped files.
    QtForm(const forms::FormSpec& form, QWidget* window, platform::Platform* platform,
           Makers makers = {});
    ~QtForm() override;

    const forms::FormSpec& form() const { return form_; }
    /// The control's widget. Throws std::logic_error for one the window does not have.
    QWidget* widget(forms::ControlRef ref) const;
    template <class W> W* get(forms::ControlRef ref) const { return qobject_cast<W*>(widget(ref)); }

    /// The drag data that a control array element carries while it is dragged.
    static QMimeData* dragData(forms::ControlRef element);

    // --- FormControls --------------------------------------------------------------------
    int value(forms::ControlRef ref) const override;
    void setValue(forms::ControlRef ref, int value) override;
    std::string text(forms::ControlRef ref) const override;
    void setText(forms::ControlRef ref, std::string_view text) override;
    void setToolTip(forms::ControlRef ref, std::string_view text) override;
    void addItem(forms::ControlRef ref, std::string_view item) override;
    void removeItem(forms::ControlRef ref, int index) override;
    int listIndex(forms::ControlRef ref) const override;
    void setListIndex(forms::ControlRef ref, int index) override;
    void setMaximum(forms::ControlRef ref, int maximum) override;
    bool enabled(forms::ControlRef ref) const override;
    void setEnabled(forms::ControlRef ref, bool enabled) override;
    void setVisible(forms::ControlRef ref, bool visible) override;
    void setBackColor(forms::ControlRef ref, std::uint32_t color) override;
    void setForeColor(forms::ControlRef ref, std::uint32_t color) override;
    void move(forms::ControlRef ref, Twips place) override;
    void load(forms::ControlRef element) override;
    void unload(forms::ControlRef element) override;

    // --- FormEvents ----------------------------------------------------------------------
    void on(forms::ControlRef control, forms::Event event, Handler handler) override;
    void on(forms::ControlArray array, forms::Event event, IndexHandler handler) override;
    void onFilesDropped(forms::ControlRef target, FilesHandler handler) override;
    void onDragDrop(forms::ControlRef target, forms::ControlArray source,
                    IndexHandler handler) override;
    void setDropGate(forms::ControlRef target, std::function<bool()> open) override;
    void onPointerOver(std::function<void(forms::ControlRef over)> handler) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct DropTarget {
        FilesHandler files;
        std::string source; ///< the array whose elements may be dropped here
        IndexHandler dropped;
        std::function<bool()> open;
    };

    QWidget* make(const forms::ControlSpec& row, forms::ControlRef ref);
    void setCaption(QWidget* w, const forms::ControlSpec& row, std::string_view caption);
    void connect(forms::ControlRef ref, QWidget* w, forms::Event event, Handler handler);
    void watch(QWidget* w);
    bool dropEvent(DropTarget& drop, QEvent* event);
    bool sourceEvent(forms::ControlRef element, QWidget* w, QEvent* event);
    std::vector<std::string> droppedPaths(const QMimeData& data) const;
    DropTarget* dropTargetOf(std::string_view sourceArray);

    const forms::FormSpec& form_;
    QWidget* window_;
    platform::Platform* platform_;
    Makers makers_;
    std::map<std::string, QWidget*, std::less<>> widgets_; ///< by the control's full name
    std::map<const QObject*, forms::ControlRef> controls_;
    std::map<std::string, std::vector<std::pair<forms::Event, IndexHandler>>, std::less<>>
        arrayHandlers_;
    std::map<const QObject*, std::vector<std::pair<forms::Event, Handler>>> mouseHandlers_;
    std::map<const QObject*, DropTarget> dropTargets_;
    std::function<void(forms::ControlRef)> pointerOver_;
    const QObject* rightPressedOn_ = nullptr;
};

} // namespace lumivane::windows
