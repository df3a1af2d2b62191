#pragma once

#include "app/browser.h"
#include "template/options.h"

#include <QHash>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace lumivane::platform {
class Platform;
}
namespace lumivane::stock {
class PictureStrip;
}
namespace lumivane {
class ToolbarStrip;
}
namespace lumivane::windows {
class HelpLine;
}

namespace lumivane::app {

/// The main window. Its controls hold every option; they are public and carry the names
/// (and object names) the rest of the program and the tests know them by.
class Fmain : public QWidget {
    Q_OBJECT
public:
    /// The platform and the browser factory are handed in; an empty factory means the real
    /// colour-choosing browser.
    explicit Fmain(platform::Platform& platform, BrowserFactory browserFactory = {},
                   QWidget* parent = nullptr);
    ~Fmain() override;

    /// The option model, read off the controls at this moment.
    TemplateOptions options() const;

    /// Replaces the help line's text; every message of the program goes here. `whole` is a
    /// fuller form for the tooltip, such as the text with a file's whole path.
    void setMessage(const QString& text, const QString& whole = {});

    /// Gives a control a help text that the pointer puts on the help line; for a control
    /// with controls inside it, only over its own background.
    void setHelpText(QWidget* widget, const QString& text);

    /// The outer height in twips: the client height plus title bar and bottom border.
    int outerHeight() const;
    void setOuterHeight(int twips);

    platform::Platform& platform() const { return platform_; }

    // --- Handlers -----------------------------------------------------------------------
    void Form_Load();
    void cmdDetail_Click();
    void cmdTovraMode_Click();
    void chkSetLink_Click(int Index);
    void cmdSetLink_Click(int Index);
    void ie_StatusTextChange(const QString& Text);
    void ie_OnQuit();
    void cmdAbout_Click();
    /// Opens the colour changer, modal, owned by this window.
    void cmdSetColors_Click();
    /// "変更": writes the template, then copies the stock unless the template failed.
    void cmdMake_Click();
    /// "復元": writes the standard template.
    void cmdReturn_Click();
    /// Writes the template through the core and shows its message; false when it failed.
    bool ApplyTemplate(bool restore);
    /// Copies the stock with the progress window up and the three buttons disabled.
    void CopyPictureStock();

    // --- Controls directly on the window ------------------------------------------------
    QGroupBox* Frame2 = nullptr;
    std::vector<QLabel*> thumnail; ///< element 0 is the hidden template of the strip
    QScrollBar* ListScroll = nullptr;
    QGroupBox* Frame1 = nullptr;
    QCheckBox* chkShowMsg = nullptr;
    QCheckBox* chkFitImageWidth = nullptr;
    QCheckBox* chkFitImageHeight = nullptr;
    QCheckBox* chkReload = nullptr;
    windows::HelpLine* lblMessage = nullptr;
    QPushButton* cmdAbout = nullptr;
    QPushButton* cmdMake = nullptr;
    QPushButton* cmdReturn = nullptr;
    QPushButton* cmdDetail = nullptr;
    QListWidget* lstImagePath = nullptr;
    QGroupBox* Frame3 = nullptr;

    // --- Inside Frame3 ------------------------------------------------------------------
    QCheckBox* chkShowIcon = nullptr;
    QCheckBox* chkShowLine = nullptr;
    QCheckBox* chkThumbnail = nullptr;
    QCheckBox* chkThumnailPosition = nullptr;
    QCheckBox* chkShowFolderName = nullptr;
    QCheckBox* chkFolderNamePosition = nullptr;
    QCheckBox* chkFolderNameItalic = nullptr;
    QCheckBox* chkShowDetail = nullptr;
    QPushButton* cmdTovraMode = nullptr;
    QPushButton* cmdSetColors = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cmbFolderNameSize = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cmbInfoSize = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLabel*, 4> lblColor{};
    std::array<QPushButton*, 4> cmdSetLink{};
    std::array<QLabel*, 3> Label5{};
    QGroupBox* Frame4 = nullptr;
    QLabel* Label7 = nullptr;
    QFrame* Picture1 = nullptr;                ///< holds the toolbar background strip
    ToolbarStrip* PToolBarBackImage = nullptr; ///< the strip's tiles, inside Picture1

    // --- Inside Frame4 ------------------------------------------------------------------
    std::array<QCheckBox*, 2> chkSetLink{};
    std::array<QLabel*, 4> Label6{};
    std::array<QLineEdit*, 2> txtLinkTitle{};
    std::array<QLineEdit*, 2> txtLink{};
    QLabel* Label3 = nullptr;
    QComboBox* cmbLinkSize = nullptr;

    // --- Form-level state ---------------------------------------------------------------
    /// The colour-choosing browser, or null.
    Browser* ie = nullptr;
    /// A browser has been started and has not yet reported that it quit.
    bool ieOpen = false;
    /// The colour slot that receives the chosen colour.
    std::int16_t colorIndex = 0;
    /// Pictures in the stock.
    std::int16_t imageCount() const;
    /// The stock's paths, picture 0 first, exactly as they were dropped (Windows paths).
    const std::vector<std::string>& imagePaths() const;
    /// The picture stock: drops on Frame1, the thumbnail strip, removal and preview.
    stock::PictureStrip* pictureStrip() const { return strip_; }
    /// The folder that receives the stock's copies (the Web folder's "leftimage").
    QString leftImageFolder;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Form_Unload: asks an open colour-choosing browser to quit; never cancels the close.
    void closeEvent(QCloseEvent* event) override;
    /// A change of the system colours reaches the window as a palette change; the link
    /// boxes then take the new colours.
    void changeEvent(QEvent* event) override;

private:
    void createWindowControls();
    void createFrame3Controls();
    void createFrame4Controls();
    void wireHandlers();
    void setupHelpTexts();

    platform::Platform& platform_;
    stock::PictureStrip* strip_ = nullptr;
    BrowserFactory browserFactory_;
    QHash<const QObject*, QString> helpTexts_;
};

} // namespace lumivane::app
