// What the page's script cannot do: read files, leave the page, open entries or reach the
// viewer but through the stand-ins.
#include "viewer_fixture.h"

#include <QDialog>

namespace {

using lumivane::testing::ViewerTest;

class Safety : public ViewerTest {
protected:
    Safety() {
        folder = userFolder("Safe", {"secret.txt"});
        restore();
    }
    std::string folder;
};

TEST_F(Safety, ThePageShowsFilesButCannotReadThem) {
    ASSERT_TRUE(open(folder));
    js("window.result = 'pending'; fetch('lumivane://z" +
       QString::fromStdString(system.outside().string()) +
       "/Safe/secret.txt').then(r => r.text()).then(t => window.result = t, "
       "e => window.result = 'refused')");
    EXPECT_TRUE(waitUntil([&] { return js("window.result").toString() != "pending"; }));
    EXPECT_EQ(js("window.result").toString(), QStringLiteral("refused"));
}

TEST_F(Safety, ThePageCannotLeaveOrOpenWhatItNames) {
    ASSERT_TRUE(open(folder, {"secret.txt"}));
    const int before = layouts;
    js("location.href = 'http://example.org/'");
    js("window.open('lumivane://z/etc/hostname'); window.open('http://example.org/')");
    js("document.all.FileList.SelectedItems().Item(0).InvokeVerb('open')");
    EXPECT_FALSE(waitUntil([&] { return !opened.empty() || layouts > before; }, 1500));
    EXPECT_EQ(js("location.href").toString(), QStringLiteral("lumivane://view/folder.htt"));
    EXPECT_EQ(window().noticeText(), QStringLiteral("この操作はできません: open"));
}

TEST_F(Safety, TheViewersChannelIsNotThePages) {
    ASSERT_TRUE(open(folder, {"secret.txt"}));
    // The page can neither take over the channel's transport nor replace it.
    js("try { qt.webChannelTransport.onmessage = () => {}; } catch (e) {}"
       "try { window.qt = {}; } catch (e) {}");
    EXPECT_TRUE(js("typeof qt.webChannelTransport.send === 'function'").toBool());
    // A message of the page's own making, without the page's key, is ignored by the viewer.
    js("qt.webChannelTransport.send(JSON.stringify({type: 6, object: 'viewer', "
       "method: 'goUp', args: ['guess'], id: 99}))");
    EXPECT_FALSE(waitUntil([&] { return layouts > 1; }, 1500));
    EXPECT_EQ(view().folder().toStdString(), folder);
    // The stand-ins still reach the viewer.
    js("document.all.FileList.SelectedItems().Item(0).InvokeVerb('プロパティ(&R)')");
    EXPECT_TRUE(waitUntil([&] { return window().findChild<QDialog*>() != nullptr; }, 5000));
    for (QDialog* dialog : window().findChildren<QDialog*>())
        dialog->reject();
}

} // namespace
