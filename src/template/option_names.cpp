#include "template/option_names.h"

#include "platform/utf8.h"

#include <algorithm>

namespace lumivane {
namespace {

enum class Kind { CheckBox, Size, Text };

// One option: how its value is checked and where it lives in the struct.
struct Option {
    std::string_view name;
    Kind kind;
    int* (*box)(TemplateOptions&) = nullptr;
    std::string* (*text)(TemplateOptions&) = nullptr;
};

constexpr Option checkBox(std::string_view name, int* (*box)(TemplateOptions&)) {
    return {name, Kind::CheckBox, box, nullptr};
}
constexpr Option textual(std::string_view name, Kind kind, std::string* (*text)(TemplateOptions&)) {
    return {name, kind, nullptr, text};
}

// clang-format off
constexpr std::array kOptions = {
    checkBox("chkShowIcon", [](TemplateOptions& o) { return &o.chkShowIcon; }),
    checkBox("chkShowLine", [](TemplateOptions& o) { return &o.chkShowLine; }),
    checkBox("chkThumbnail", [](TemplateOptions& o) { return &o.chkThumbnail; }),
    checkBox("chkThumnailPosition", [](TemplateOptions& o) { return &o.chkThumnailPosition; }),
    checkBox("chkShowFolderName", [](TemplateOptions& o) { return &o.chkShowFolderName; }),
    checkBox("chkFolderNamePosition", [](TemplateOptions& o) { return &o.chkFolderNamePosition; }),
    checkBox("chkFolderNameItalic", [](TemplateOptions& o) { return &o.chkFolderNameItalic; }),
    checkBox("chkShowDetail", [](TemplateOptions& o) { return &o.chkShowDetail; }),
    checkBox("chkShowMsg", [](TemplateOptions& o) { return &o.chkShowMsg; }),
    checkBox("chkFitImageWidth", [](TemplateOptions& o) { return &o.chkFitImageWidth; }),
    checkBox("chkFitImageHeight", [](TemplateOptions& o) { return &o.chkFitImageHeight; }),
    checkBox("chkReload", [](TemplateOptions& o) { return &o.chkReload; }),
    textual("cmbFolderNameSize", Kind::Size, [](TemplateOptions& o) { return &o.cmbFolderNameSize; }),
    textual("cmbInfoSize", Kind::Size, [](TemplateOptions& o) { return &o.cmbInfoSize; }),
    textual("cmbLinkSize", Kind::Size, [](TemplateOptions& o) { return &o.cmbLinkSize; }),
    textual("lblColor0", Kind::Text, [](TemplateOptions& o) { return &o.lblColor[0]; }),
    textual("lblColor1", Kind::Text, [](TemplateOptions& o) { return &o.lblColor[1]; }),
    textual("lblColor2", Kind::Text, [](TemplateOptions& o) { return &o.lblColor[2]; }),
    textual("lblColor3", Kind::Text, [](TemplateOptions& o) { return &o.lblColor[3]; }),
    checkBox("chkSetLink0", [](TemplateOptions& o) { return &o.chkSetLink[0]; }),
    checkBox("chkSetLink1", [](TemplateOptions& o) { return &o.chkSetLink[1]; }),
    textual("txtLinkTitle0", Kind::Text, [](TemplateOptions& o) { return &o.txtLinkTitle[0]; }),
    textual("txtLinkTitle1", Kind::Text, [](TemplateOptions& o) { return &o.txtLinkTitle[1]; }),
    textual("txtLink0", Kind::Text, [](TemplateOptions& o) { return &o.txtLink[0]; }),
    textual("txtLink1", Kind::Text, [](TemplateOptions& o) { return &o.txtLink[1]; }),
};
// clang-format on

constexpr auto kNames = [] {
    std::array<std::string_view, kOptions.size()> names{};
    for (std::size_t i = 0; i < kOptions.size(); ++i)
        names[i] = kOptions[i].name;
    return names;
}();

const Option* find(std::string_view name) {
    const auto it = std::find_if(kOptions.begin(), kOptions.end(),
                                 [name](const Option& o) { return o.name == name; });
    return it == kOptions.end() ? nullptr : &*it;
}

bool validUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const platform::Utf8Char c = platform::decodeUtf8(text, pos);
        // A real U+FFFD takes three bytes; one byte means the decoder met a broken sequence.
        if (c.codePoint == 0xFFFD && c.length == 1)
            return false;
        pos += c.length;
    }
    return true;
}

std::string quoted(std::string_view name, std::string_view value) {
    return std::string(name) + " の値「" + std::string(value) + "」";
}

} // namespace

const std::array<std::string, 31>& sizeItems() {
    static const std::array<std::string, 31> items = [] {
        std::array<std::string, 31> list;
        for (std::size_t k = 0; k < list.size(); ++k)
            list[k] = std::to_string(2 * k + 4) + "pt";
        return list;
    }();
    return items;
}

std::span<const std::string_view> optionNames() {
    return kNames;
}

std::span<const std::string> optionChoices(std::string_view name) {
    static const std::array<std::string, 3> checkBoxValues{"0", "1", "2"};
    const Option* option = find(name);
    if (!option || option->kind == Kind::Text)
        return {};
    if (option->kind == Kind::CheckBox)
        return checkBoxValues;
    return sizeItems();
}

Status setOption(TemplateOptions& options, std::string_view name, std::string_view value) {
    const Option* option = find(name);
    if (!option)
        return Status::failure("「" + std::string(name) + "」という名前のオプションはありません。");
    const auto choices = optionChoices(name);
    const bool listed = std::find(choices.begin(), choices.end(), value) != choices.end();
    switch (option->kind) {
    case Kind::CheckBox:
        if (!listed)
            return Status::failure(quoted(name, value) +
                                   "は使えません。チェックボックスの値は 0、1、2 のどれかです。");
        *option->box(options) = value[0] - '0';
        return Status::success();
    case Kind::Size:
        if (!listed)
            return Status::failure(quoted(name, value) +
                                   "は使えません。大きさは 4pt から 64pt までの偶数です。");
        break;
    case Kind::Text:
        if (Status status = checkLineText(name, value); !status)
            return status;
        break;
    }
    *option->text(options) = std::string(value);
    return Status::success();
}

Status checkLineText(std::string_view name, std::string_view text) {
    if (!validUtf8(text))
        return Status::failure(std::string(name) + " の値が正しい UTF-8 ではありません。");
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return Status::failure(std::string(name) + " の値に改行は使えません。");
    return Status::success();
}

std::optional<std::string> optionValue(const TemplateOptions& options, std::string_view name) {
    const Option* option = find(name);
    if (!option)
        return std::nullopt;
    // The accessors only point into the struct; nothing is written through them here.
    auto& o = const_cast<TemplateOptions&>(options);
    if (option->kind == Kind::CheckBox)
        return std::to_string(*option->box(o));
    return *option->text(o);
}

} // namespace lumivane
