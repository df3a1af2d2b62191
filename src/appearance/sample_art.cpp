#include "appearance/sample_art.h"

namespace lumivane::sample {
namespace {

using Kind = Stroke::Kind;
using Align = Stroke::Align;

constexpr std::uint32_t rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r | (g << 8) | (b << 16));
}

// The classic scheme the picture was taken with.
constexpr std::uint32_t kFace = rgb(192, 192, 192);
constexpr std::uint32_t kFaceLight = rgb(211, 211, 211);
constexpr std::uint32_t kShadow = rgb(128, 128, 128);
constexpr std::uint32_t kWhite = rgb(255, 255, 255);
constexpr std::uint32_t kBlack = rgb(0, 0, 0);
constexpr std::uint32_t kFolderEdge = rgb(128, 96, 0);
constexpr std::uint32_t kFolderBack = rgb(240, 208, 96);
constexpr std::uint32_t kFolderFront = rgb(255, 232, 136);

void folderIcon(std::vector<Stroke>& s, int x, int y) {
    s.push_back({Kind::Box, x, y + 4, 23, 16, kFolderEdge, kFolderBack});
    s.push_back({Kind::Box, x, y + 1, 10, 4, kFolderEdge, kFolderBack});
    s.push_back({Kind::Box, x + 2, y + 7, 23, 14, kFolderEdge, kFolderFront});
}

void smallFolderIcon(std::vector<Stroke>& s, int x, int y) {
    s.push_back({Kind::Box, x, y + 2, 14, 10, kFolderEdge, kFolderFront});
    s.push_back({Kind::Box, x, y, 6, 3, kFolderEdge, kFolderFront});
}

} // namespace

Drawing SampleExplorerDrawing() {
    Drawing d{266, 193, {}};
    auto& s = d.strokes;
    s.push_back({Kind::Fill, 0, 0, 266, 193, kFace});
    s.push_back({Kind::Frame, 0, 0, 265, 192, kWhite, kBlack});
    s.push_back({Kind::Frame, 1, 1, 263, 190, kFaceLight, kShadow});

    // Title bar with the folder's name and the three window buttons.
    s.push_back({Kind::Gradient, 3, 3, 260, 18, rgb(0, 0, 128), rgb(16, 132, 208)});
    smallFolderIcon(s, 6, 5);
    s.push_back({.kind = Kind::Text,
                 .x = 24,
                 .y = 3,
                 .width = 120,
                 .height = 18,
                 .color = kWhite,
                 .text = "Temp",
                 .pixels = 11,
                 .bold = true});
    for (int i = 0; i < 3; ++i) {
        s.push_back({Kind::Fill, 213 + i * 16, 5, 14, 13, kFace});
        s.push_back({Kind::Frame, 213 + i * 16, 5, 14, 13, kWhite, kBlack});
    }

    // Menu bar and address bar (the colour changer lays its own toolbar over this area).
    s.push_back({Kind::Fill, 3, 23, 260, 54, kFace});
    s.push_back({Kind::Frame, 3, 23, 260, 26, kWhite, kShadow});
    s.push_back({Kind::Frame, 3, 50, 260, 26, kWhite, kShadow});
    s.push_back({Kind::Fill, 75, 54, 172, 19, kWhite});
    s.push_back({Kind::Frame, 75, 54, 172, 19, kShadow, kWhite});

    // The left information panel: the folder's name over a fading band and a rule.
    s.push_back({Kind::Fill, 3, 79, 148, 111, kWhite});
    s.push_back({Kind::Gradient, 3, 79, 148, 40, rgb(96, 128, 208), kWhite});
    folderIcon(s, 8, 86);
    s.push_back({.kind = Kind::Text,
                 .x = 8,
                 .y = 110,
                 .width = 140,
                 .height = 22,
                 .color = kBlack,
                 .text = "Temp",
                 .pixels = 16,
                 .bold = true});
    s.push_back({Kind::Gradient, 8, 134, 132, 2, rgb(0, 64, 192), kWhite});
    s.push_back({.kind = Kind::Text,
                 .x = 8,
                 .y = 142,
                 .width = 140,
                 .height = 40,
                 .color = rgb(64, 64, 64),
                 .text = "Select an item to view its description.",
                 .pixels = 9,
                 .align = Align::Wrap});

    // The file list with a few folders.
    s.push_back({Kind::Fill, 152, 79, 111, 111, kWhite});
    s.push_back({Kind::Frame, 152, 79, 111, 111, kShadow, kWhite});
    static constexpr std::string_view kNames[] = {"New 1", "New 2", "New 3", "New 4"};
    for (int i = 0; i < 4; ++i) {
        folderIcon(s, 160 + (i % 2) * 50, 86 + (i / 2) * 48);
        s.push_back({.kind = Kind::Text,
                     .x = 150 + (i % 2) * 50,
                     .y = 110 + (i / 2) * 48,
                     .width = 46,
                     .height = 12,
                     .color = kBlack,
                     .text = kNames[i],
                     .pixels = 9,
                     .align = Align::Centre});
    }
    return d;
}

Drawing ToolbarGripDrawing(int height) {
    return {
        3,
        height,
        {{Kind::Fill, 0, 0, 3, height, kFace}, {Kind::Frame, 0, 0, 3, height, kWhite, kShadow}}};
}

Drawing ToolbarSeparatorDrawing(int width) {
    return {
        width, 2, {{Kind::Fill, 0, 0, width, 1, kShadow}, {Kind::Fill, 0, 1, width, 1, kWhite}}};
}

} // namespace lumivane::sample
