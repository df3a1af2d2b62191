#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lumivane::webview {

/// What the file manager puts into the template for the folder it shows.
struct FolderTokens {
    std::string thisDirPath; ///< %THISDIRPATH%: the folder's Windows path
    std::string thisDirName; ///< %THISDIRNAME%: the folder's name
    std::string templateDir; ///< %TEMPLATEDIR%: the folder of the standard template files
};

/// The object in the viewer's page that binds the template's event scripts.
inline constexpr std::string_view kHostObject = "__lumivane";

/// The template text (UTF-8) made ready for the viewer's engine, line for line the same, so
/// that a script error's line is the template's own:
/// - the three tokens are replaced by their values as text, never as mark-up;
/// - Windows paths and file: addresses of them in src, href and background attributes and
///   in CSS url() become drive addresses (see pageAddress);
/// - the styles are read as the file manager read them (see prepareStyle);
/// - a script bound to an object's event (`for="FileList" event="SelectionChanged"`), which
///   the engine would never run, becomes a function handed to the host object, which calls
///   it each time that object raises that event.
std::string preparePage(std::string_view templateText, const FolderTokens& tokens);

/// Style text as the file manager read it: a `font` shorthand without a family sets only
/// what it names (`font: 16pt` is `font-size: 16pt`), system colour names take the colours
/// of the system (a CSS variable per name, see systemColourVariable), and url() addresses
/// of Windows paths become drive addresses. `declarationsOnly` for a style attribute's text.
std::string prepareStyle(std::string_view css, bool declarationsOnly);

/// Text with `&`, `<`, `>`, `"` and `'` written as character references.
std::string escapeHtml(std::string_view text);

/// Text as a double-quoted script (and JSON) string, safe inside a <script> element. A byte
/// that belongs to no UTF-8 character (a name on a Linux disk may hold one) becomes the lone
/// surrogate U+DC00 + the byte, so the string still says which byte it was.
std::string jsString(std::string_view text);

/// A CSS system colour name and the Windows system colour index that it stands for.
struct SystemColourName {
    std::string_view keyword; ///< lower case, as in "buttonface"
    int index;
};
extern const std::array<SystemColourName, 28> kSystemColourNames;

/// The CSS variable that the prepared page reads for a system colour name:
/// "--lumivane-buttonface".
std::string systemColourVariable(std::string_view keyword);

} // namespace lumivane::webview
