#pragma once

#include "template/options.h"

#include <string>
#include <string_view>

namespace lumivane {

/// Everything the folder template's text depends on.
struct TemplateInput {
    bool restore = false;    ///< the standard text; no option has any effect
    TemplateOptions options; ///< read off the main window's controls
    int imageCount = 1; ///< pictures in the stock, 1 to 32767 (the page's script divides by it)
    std::string scriptFolder;  ///< the picture folder in script form, see scriptFolder()
    std::string programFolder; ///< the folder holding the program, as the platform reports it
};

/// The template as UTF-8 text, every line ended by CR LF (the italics lines `<i>` and `</i>`
/// without, so each joins the line after it).
std::string templateText(const TemplateInput& input);

/// The template's bytes as written to folder.htt: code page 932, characters that 932 cannot
/// hold as numeric character references.
std::string templateBytes(const TemplateInput& input);

/// The bytes of the standard template, the text that "復元" writes (no option has an effect).
std::string standardTemplateBytes();

/// The picture folder in the form that stands inside a double-quoted script string: every
/// backslash doubled and two backslashes appended (`C:\\WINDOWS\\Web\\leftimage\\`).
std::string scriptFolder(std::string_view leftImageFolder);

} // namespace lumivane
