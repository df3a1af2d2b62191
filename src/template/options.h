#pragma once

#include <array>
#include <string>

namespace lumivane {

/// The option model: one member per option control of the main window, named after it.
/// Check boxes hold 0 (unchecked), 1 (checked) or 2 (greyed, which counts as checked).
/// The defaults are the main window's design state.
struct TemplateOptions {
    int chkShowIcon = 1;
    int chkShowLine = 1;
    int chkThumbnail = 1;
    int chkThumnailPosition = 0;
    int chkShowFolderName = 1;
    int chkFolderNamePosition = 0;
    int chkFolderNameItalic = 0;
    int chkShowDetail = 1;
    int chkShowMsg = 1;
    int chkFitImageWidth = 0;
    int chkFitImageHeight = 0;
    int chkReload = 0;
    std::string cmbFolderNameSize = "16pt";
    std::string cmbInfoSize = "10pt";
    std::string cmbLinkSize = "10pt";
    /// Folder name, detail information, panel background, link text.
    std::array<std::string, 4> lblColor{"Black", "Black", "white", "blue"};
    std::array<int, 2> chkSetLink{0, 0};
    std::array<std::string, 2> txtLinkTitle;
    std::array<std::string, 2> txtLink;

    /// The recommended preset ("お勧め").
    static TemplateOptions preset();

    bool operator==(const TemplateOptions&) const = default;
};

/// A check box counts as checked when its value is greater than 0.
constexpr bool checked(int value) { return value > 0; }

} // namespace lumivane
