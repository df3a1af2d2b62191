// The folder template for any option values: valid code page 932 (option text that 932
// cannot hold appears as numeric references), the blocks in place, and a line count that
// follows the options.
#include "fuzz_input.h"
#include "platform/codepage.h"
#include "template/option_names.h"
#include "template/template_text.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace lumivane;

namespace {

#define require(condition) check(condition, #condition)

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "failed: %s\n", what);
        std::abort();
    }
}

// Line breaks cannot reach the template: the window's text boxes and the command line
// refuse them, so the fuzzer leaves them out too.
std::string oneLine(std::string text) {
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

int expectedLines(const TemplateInput& in) {
    if (in.restore)
        return 344;
    const TemplateOptions& o = in.options;
    int lines = 348; // every check box cleared
    lines += checked(o.chkThumnailPosition) + checked(o.chkFitImageHeight) +
             checked(o.chkFitImageWidth) + checked(o.chkShowLine);
    lines += checked(o.chkShowIcon) ? 3 : 0;
    lines -= checked(o.chkFolderNamePosition) ? 1 : 0;
    lines += checked(o.chkShowFolderName) ? 2 : 0;
    lines += checked(o.chkSetLink[0]) + checked(o.chkSetLink[1]);
    lines += checked(o.chkSetLink[0]) && checked(o.chkSetLink[1]) ? 1 : 0;
    return lines;
}

std::size_t count(const std::string& text, std::string_view what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input input(data, size);
    TemplateInput in;
    in.restore = input.byte() % 2 == 1;
    in.imageCount = 1 + input.number() % 32767;
    TemplateOptions& o = in.options;
    for (int* box : {&o.chkShowIcon, &o.chkShowLine, &o.chkThumbnail, &o.chkThumnailPosition,
                     &o.chkShowFolderName, &o.chkFolderNamePosition, &o.chkFolderNameItalic,
                     &o.chkShowDetail, &o.chkShowMsg, &o.chkFitImageWidth, &o.chkFitImageHeight,
                     &o.chkReload, &o.chkSetLink[0], &o.chkSetLink[1]})
        *box = static_cast<int>(input.byte() % 3);
    const auto& sizes = sizeItems();
    o.cmbFolderNameSize = sizes[input.byte() % sizes.size()];
    o.cmbInfoSize = sizes[input.byte() % sizes.size()];
    o.cmbLinkSize = sizes[input.byte() % sizes.size()];
    for (auto& colour : o.lblColor)
        colour = oneLine(input.text());
    for (int i = 0; i < 2; ++i) {
        o.txtLinkTitle[i] = oneLine(input.text());
        o.txtLink[i] = oneLine(input.text());
    }
    in.scriptFolder = scriptFolder(oneLine(input.text()));
    in.programFolder = oneLine(input.text());

    const std::string bytes = templateBytes(in);
    // Valid 932 throughout: decoding finds nothing broken.
    const std::string decoded = platform::fromCp932(bytes);
    require(decoded.find("\uFFFD") == std::string::npos);
    // The blocks in place: the header first, the end last, every line ended.
    require(bytes.starts_with("<!-- "));
    require(bytes.ends_with("</html>\r\n"));
    // Option text stands inside lines, so a line that starts so is the one charset line.
    require(count(bytes, "\r\n<META HTTP-EQUIV=\"Content-Type\"") == 1);
    require(count(bytes, "\r\n") == static_cast<std::size_t>(expectedLines(in)));
    // Restore mode is the same text whatever the options.
    if (in.restore) {
        TemplateInput plain;
        plain.restore = true;
        require(templateBytes(plain) == bytes);
    }
    return 0;
}
