#pragma once

#include "app/fmain_rules.h"
#include "stock/qt/picture_strip.h"
#include "windows/qt/qt_form.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace lumivane::platform {
class Platform;
}
namespace lumivane {
class TileStrip;
}
namespace lumivane::windows {
class HelpLine;
}

namespace lumivane::app {

/// The main window in Qt widgets: its controls made from the main window's form, their
/// events handed to its rules. The controls are public and carry the names (and object
/// names) the program and the tests know them by.
class Fmain : public QWidget, private FmainHost {
    Q_OBJECT
public:
    /// The platform and the browser factory are handed in; an empty factory means the real
    /// colour-choosing browser. `stockCapacity` bounds the picture stock (tests use a small
    /// one).
    explicit Fmain(platform::Platform& platform, BrowserFactory browserFactory = {},
                   QWidget* parent = nullptr, int stockCapacity = stock::kMaxPictures);
    ~Fmain() override;

    /// The window's handlers and state.
    FmainRules& rules() { return rules_; }
    const FmainRules& rules() const { return rules_; }
    /// The controls as the rules see them.
    windows::QtForm& form() { return form_; }

    /// The option model, read off the controls at this moment.
    TemplateOptions options() const { return rules_.options(); }
    /// Replaces the help line's text; `whole` is a fuller form for the tooltip.
    void setMessage(const QString& text, const QString& whole = {});
    std::int16_t imageCount() const { return rules_.imageCount(); }
    const std::vector<std::string>& imagePaths() const { return rules_.imagePaths(); }
    /// The thumbnails' pictures and the preview.
    stock::PictureStrip& pictureStrip() { return strip_; }

    /// The outer height in twips: the client height plus title bar and bottom border.
    int outerHeight() const override;
    void setOuterHeight(int twips) override;

    // --- Controls directly on the window ------------------------------------------------
    QGroupBox* Frame2;
    QScrollBar* ListScroll;
    QGroupBox* Frame1;
    QCheckBox* chkShowMsg;
    QCheckBox* chkFitImageWidth;
    QCheckBox* chkFitImageHeight;
    QCheckBox* chkReload;
    windows::HelpLine* lblMessage;
    QPushButton* cmdAbout;
    QPushButton* cmdMake;
    QPushButton* cmdReturn;
    QPushButton* cmdDetail;
    QListWidget* lstImagePath;
    QGroupBox* Frame3;
    /// The thumbnails that exist, element 0 first (element 0 always does).
    std::vector<QLabel*> thumnail() const;

    // --- Inside Frame3 ------------------------------------------------------------------
    QCheckBox* chkShowIcon;
    QCheckBox* chkShowLine;
    QCheckBox* chkThumbnail;
    QCheckBox* chkThumnailPosition;
    QCheckBox* chkShowFolderName;
    QCheckBox* chkFolderNamePosition;
    QCheckBox* chkFolderNameItalic;
    QCheckBox* chkShowDetail;
    QPushButton* cmdTovraMode;
    QPushButton* cmdSetColors;
    QLabel* Label1;
    QComboBox* cmbFolderNameSize;
    QLabel* Label2;
    QComboBox* cmbInfoSize;
    QLabel* Label4;
    std::array<QLabel*, 4> lblColor{};
    std::array<QPushButton*, 4> cmdSetLink{};
    std::array<QLabel*, 3> Label5{};
    QGroupBox* Frame4;
    QLabel* Label7;
    QLabel* Picture1;             ///< holds the toolbar background strip
    TileStrip* PToolBarBackImage; ///< the strip's tiles, inside Picture1

    // --- Inside Frame4 ------------------------------------------------------------------
    std::array<QCheckBox*, 2> chkSetLink{};
    std::array<QLabel*, 4> Label6{};
    std::array<QLineEdit*, 2> txtLinkTitle{};
    std::array<QLineEdit*, 2> txtLink{};
    QLabel* Label3;
    QComboBox* cmbLinkSize;

protected:
    /// Form_Unload: asks an open colour-choosing browser to quit; never cancels the close.
    void closeEvent(QCloseEvent* event) override;
    /// A change of the system colours reaches the window as a palette change.
    void changeEvent(QEvent* event) override;

private:
    void findControls();

    // FmainHost
    void showAbout() override;
    void showColorChanger() override;
    std::unique_ptr<windows::ProgressWindow> showProgress() override;
    void dispatchEvents() override;

    platform::Platform& platform_;
    windows::QtForm form_;
    stock::PictureStrip strip_;
    FmainRules rules_;
};

} // namespace lumivane::app
