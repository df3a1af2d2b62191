// The forms every front-end builds its windows from: lookups by name, and the layout facts
// that hold whatever the toolkit (containers before their contents, the collapsed main window
// showing exactly the rows above the detailed settings).
#include "app/fmain_form.h"
#include "appearance/fcolor_form.h"
#include "windows/small_forms.h"

#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <string>

namespace lumivane::forms {
namespace {

const FormSpec* const kForms[] = {&app::FmainForm(), &FcolorForm(), &windows::FAboutForm(),
                                  &windows::FgraphForm(), &windows::FviewForm()};

TEST(Forms, EachControlHasOneNameAndStandsInAContainerMadeBeforeIt) {
    for (const FormSpec* form : kForms) {
        SCOPED_TRACE(std::string(form->name));
        std::set<std::string> made{std::string(form->name)};
        std::set<std::string> containers{std::string(form->name)};
        for (const ControlSpec& row : form->controls) {
            const std::string name = fullName(row.ref);
            EXPECT_TRUE(made.insert(name).second) << name << " twice";
            EXPECT_TRUE(containers.contains(std::string(row.container)))
                << name << " in " << row.container;
            if (row.kind == Kind::Frame || row.kind == Kind::PictureBox)
                containers.insert(name);
            // A size of its own, unless it takes its text's size or its container's.
            if (!row.has(AutoSize) && !row.has(FillsContainer)) {
                EXPECT_GT(row.place.width, 0) << name;
                EXPECT_GT(row.place.height, 0) << name;
            }
        }
    }
}

TEST(Forms, ControlsAreFoundByNameAndElementsMadeLaterTakeElementZerosRow) {
    const FormSpec& form = app::FmainForm();
    EXPECT_EQ(form.control(app::fmain::lblColor(2)).caption, "white");
    EXPECT_EQ(form.control(app::fmain::lblColor(3)).container, "Frame4");
    // Thumbnail 7 is made while pictures are added; it has element 0's form and help text.
    EXPECT_EQ(&form.control(app::fmain::thumnail(7)), &form.control(app::fmain::thumnail(0)));
    EXPECT_EQ(form.helpText(app::fmain::thumnail(7)), form.helpText(app::fmain::thumnail(0)));
    EXPECT_FALSE(form.helpText(app::fmain::thumnail(7)).empty());
    // The window's own background speaks; a control without a help text says nothing.
    EXPECT_EQ(form.helpText(app::fmain::Window), app::fmain::kDropImagesText);
    EXPECT_TRUE(form.helpText(app::fmain::cmdSetColors).empty());
    EXPECT_EQ(form.find(ControlRef{"cmdNowhere"}), nullptr);
    EXPECT_THROW(form.control(ControlRef{"cmdNowhere"}), std::logic_error);
    // lblColor has four elements, all designed: a fifth is not one made later.
    EXPECT_THROW(form.control(app::fmain::lblColor(4)), std::logic_error);
    EXPECT_EQ(fullName(app::fmain::lblColor(2)), "lblColor(2)");
    EXPECT_EQ(fullName(app::fmain::cmdMake), "cmdMake");
}

TEST(Forms, CollapsedMainWindowShowsEveryRowAboveTheDetailedSettings) {
    const FormSpec& form = app::FmainForm();
    const int collapsedClient = app::fmain::kCollapsedHeight - app::fmain::kTitleAndBorderTwips;
    const int expandedClient = app::fmain::kExpandedHeight - app::fmain::kTitleAndBorderTwips;
    EXPECT_EQ(expandedClient, form.client.height);
    const ControlSpec& frame3 = form.control(app::fmain::Frame3);
    EXPECT_EQ(frame3.place.top, collapsedClient);
    EXPECT_EQ(frame3.place.top + frame3.place.height, form.client.height);
    for (const ControlSpec& row : form.controls) {
        if (row.container != app::fmain::kName || row.ref == app::fmain::Frame3 ||
            row.ref == app::fmain::lstImagePath)
            continue;
        EXPECT_LE(row.place.top + row.place.height, collapsedClient) << fullName(row.ref);
        EXPECT_LE(row.place.left + row.place.width, form.client.width) << fullName(row.ref);
    }
    // The list of paths lies outside the client area, never seen.
    EXPECT_GE(form.control(app::fmain::lstImagePath).place.left, form.client.width);
}

TEST(Forms, TheProgressBarFillsItsFrameWhenFull) {
    const FormSpec& form = windows::FgraphForm();
    const Twips frame = form.control(windows::fgraph::Label2).place;
    const Twips full = windows::progressBarPlace(3435.0);
    EXPECT_EQ(full.left - frame.left, 30);
    EXPECT_EQ(full.top - frame.top, 30);
    EXPECT_EQ(frame.left + frame.width - (full.left + full.width), 30);
    EXPECT_EQ(frame.top + frame.height - (full.top + full.height), 30);
    EXPECT_EQ(windows::progressBarPlace(1145.4).width, 1145);
    EXPECT_EQ(windows::progressBarPlace(0).width, 0);
}

} // namespace
} // namespace lumivane::forms
