// What the page's script cannot do: read files, leave the page, open anything, reach the
// viewer but through the stand-ins, or hold the viewer up; and what comes from the folder
// shows as text.
#include "support/process_memory.h"
#include "viewer_fixture.h"
#include "webview/folder_address.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTextDocument>
#include <csignal>

namespace {

using lumivane::testing::EmulatedRoot;
using lumivane::testing::ViewerTest;
namespace fs = std::filesystem;

class Safety : public ViewerTest {
protected:
    Safety() {
        folder = userFolder("Safe", {"secret.txt"});
        restore();
    }

    /// A point in the left panel, away from its text: a click there is the user's own.
    QPoint inPanel() { return {30, view().height() - 40}; }

    /// Waits for the dialog that the stand-ins' property verb opens, and closes it.
    bool propertiesShown() {
        QDialog* dialog = nullptr;
        waitUntil(
            [&] {
                for (QDialog* each : window().findChildren<QDialog*>()) {
                    if (each->isVisible() && !qobject_cast<QMessageBox*>(each))
                        dialog = each;
                }
                return dialog != nullptr;
            },
            5000);
        shownDialog = dialog;
        return dialog != nullptr;
    }

    std::string folder;
    QDialog* shownDialog = nullptr;
};

/// Whether a label draws its text as the characters it holds, not as mark-up: the characters
/// of plain text take at least their own width.
bool drawnAsText(const QLabel& label) {
    return label.sizeHint().width() >= label.fontMetrics().horizontalAdvance(label.text());
}

/// The text a tool tip shows, as Qt reads it (mark-up when it looks like mark-up).
QString shownTip(const QString& tip) {
    if (!Qt::mightBeRichText(tip))
        return tip;
    QTextDocument document;
    document.setHtml(tip);
    return document.toPlainText();
}

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

TEST_F(Safety, NamesReachThePageAsText) {
    // Linux allows in a name what Windows does not, mark-up among it.
    const std::vector<std::string> names{"<img src=x onerror=window.ran=1>.txt", "a<b.txt",
                                         "tom&amp;jerry.txt"};
    ASSERT_TRUE(open(userFolder("Marked", names)));
    for (const std::string& name : names) {
        ASSERT_TRUE(laidOutAfter(
            [&] { view().showFolder(view().folder(), {QString::fromStdString(name)}); }));
        const QString info = js("document.all.Info.textContent").toString();
        EXPECT_TRUE(info.startsWith(QString::fromStdString(name))) << info.toStdString();
    }
    QStringList all;
    for (const std::string& name : names)
        all.append(QString::fromStdString(name));
    ASSERT_TRUE(laidOutAfter([&] { view().showFolder(view().folder(), all); }));
    const QString info = js("document.all.Info.innerText").toString();
    for (const QString& name : all)
        EXPECT_TRUE(info.contains(QLatin1Char('\n') + name)) << info.toStdString();
    EXPECT_EQ(js("document.querySelectorAll('#Info img').length").toInt(), 0);
    EXPECT_FALSE(waitUntil([&] { return js("window.ran === 1").toBool(); }, 1500))
        << "a name ran a script";
    EXPECT_TRUE(errors.empty());
}

TEST_F(Safety, APagesDialogsNeverHoldItUp) {
    writePage(withScript(standardPage(), "window.answers = [alert('見て <b>x</b>'), "
                                         "confirm('よいですか?'), prompt('名前は?', '既定')];"));
    // A dialog that waits for its answer would hold the test here: one that still waits
    // after a while is counted, and closed.
    int waiting = 0;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ++waiting;
            modal->close();
        }
    });
    guard.start(3000);
    ASSERT_TRUE(open(folder));
    guard.stop();
    EXPECT_EQ(waiting, 0);
    // Answered as OK, cancel and an empty text, and the page goes on.
    EXPECT_EQ(js("JSON.stringify(window.answers)").toString(), QStringLiteral("[null,false,\"\"]"));
    // The viewer shows what the page said, as text, without making anyone answer.
    QMessageBox* message = nullptr;
    for (QMessageBox* box : window().findChildren<QMessageBox*>()) {
        if (box->isVisible())
            message = box;
    }
    ASSERT_NE(message, nullptr);
    EXPECT_FALSE(message->isModal());
    for (const char* said : {"見て <b>x</b>", "よいですか?", "名前は?"})
        EXPECT_TRUE(message->text().contains(QString::fromUtf8(said)))
            << message->text().toStdString();
    EXPECT_EQ(message->textFormat(), Qt::PlainText);
    message->close();
}

TEST_F(Safety, OnlyTheUsersOwnActionOpensAnything) {
    // A page that tries to open things during the user's click: an address of its own
    // choosing, and an entry of the list by a double click of its own making.
    const std::string secret = lumivane::webview::driveUrl(folder + "\\secret.txt");
    writePage(withScript(
        standardPage(),
        "document.addEventListener('mousedown', () => window.open('" + secret +
            "'));"
            "document.addEventListener('click', () => {"
            "  window.open('http://example.org/');"
            "  const row = document.querySelector('.lumivane-row');"
            "  if (row) row.dispatchEvent(new MouseEvent('dblclick', {bubbles: true}));"
            "  document.dispatchEvent(new KeyboardEvent('keydown', {key: 'Enter', bubbles: true}));"
            "});"));
    ASSERT_TRUE(open(folder, {"secret.txt"}));
    QTest::mouseClick(view().focusProxy(), Qt::LeftButton, {}, inPanel());
    EXPECT_FALSE(waitUntil([&] { return !opened.empty(); }, 1500))
        << opened.front().toString().toStdString();
    EXPECT_EQ(view().folder().toStdString(), folder);

    // A link that the user clicks goes where it points.
    js("document.body.insertAdjacentHTML('beforeend', '<a id=go href=\"file://C:\\\\WINDOWS\" "
       "style=\"position: absolute; left: 0; top: 0; z-index: 9\">C:\\\\WINDOWS</a>')");
    const int left = js("document.all.go.getBoundingClientRect().left + 5").toInt();
    const int top = js("document.all.go.getBoundingClientRect().top + 5").toInt();
    ASSERT_TRUE(laidOutAfter([&] {
        QTest::mouseClick(view().focusProxy(), Qt::LeftButton, {}, {left, top});
    }));
    EXPECT_EQ(view().folder(), QStringLiteral("C:\\WINDOWS"));
    EXPECT_TRUE(opened.empty());
}

TEST_F(Safety, TheWindowShowsTheFoldersTextAsPlainText) {
    const std::string name = "<b>bold <u>name.<i>"; // its type: "<I> ファイル"
    userFolder("Safe", {name});
    ASSERT_TRUE(open(folder, {QString::fromStdString(name)}));
    js("document.all.FileList.SelectedItems().Item(0).InvokeVerb('プロパティ(&R)')");
    ASSERT_TRUE(propertiesShown());
    int marked = 0;
    for (QLabel* label : shownDialog->findChildren<QLabel*>()) {
        if (label->text().contains(QLatin1Char('<'))) {
            ++marked;
            EXPECT_TRUE(drawnAsText(*label)) << label->text().toStdString();
        }
    }
    EXPECT_GE(marked, 2) << "the name, and the type that its ending gives";
    shownDialog->close();

    // What the page says goes to the status bar, as text too.
    js("document.all.FileList.SelectedItems().Item(0).InvokeVerb('<b>open</b>')");
    ASSERT_TRUE(waitUntil([&] { return window().noticeText().contains(QStringLiteral("<b>")); }));
    for (QLabel* label : window().statusBar()->findChildren<QLabel*>()) {
        if (label->text() == window().noticeText()) {
            EXPECT_TRUE(drawnAsText(*label));
            EXPECT_EQ(shownTip(label->toolTip()), label->text());
        }
    }
}

TEST_F(Safety, ThePageCanNeitherReadNorImpersonateTheBridge) {
    // A page that listens in on whatever a script of its world turns into text, as the
    // channel's messages are, and then sends what it heard with a selection of its own.
    writePage(withScript(standardPage(), "window.heard = []; const stringify = JSON.stringify;"
                                         "JSON.stringify = function () {"
                                         "  const text = stringify.apply(JSON, arguments);"
                                         "  window.heard.push(text); return text; };"));
    ASSERT_TRUE(open(folder, {"secret.txt"}));
    ASSERT_EQ(view().selectedNames(), QStringList{"secret.txt"});
    js("for (const text of window.heard) {"
       "  let message = null; try { message = JSON.parse(text); } catch (e) {}"
       "  if (message && Array.isArray(message.args) && message.args.length === 2 &&"
       "      Array.isArray(message.args[1])) {"
       "    message.args[1] = [];"
       "    try { window.qt.webChannelTransport.send(JSON.stringify(message)); } catch (e) {}"
       "  }"
       "}");
    EXPECT_FALSE(waitUntil([&] { return view().selectedNames().isEmpty(); }, 1500))
        << "the page spoke for the viewer's stand-ins";
    // The stand-ins still reach the viewer.
    js("document.all.FileList.SelectedItems().Item(0).InvokeVerb('プロパティ(&R)')");
    ASSERT_TRUE(propertiesShown());
    shownDialog->close();
}

TEST_F(Safety, AFileOfGigabytesIsStreamedNotReadWhole) {
    const fs::path big = system.outside() / "Safe" / "big.jpg";
    EmulatedRoot::write(big, "");
    fs::resize_file(big, std::uintmax_t{1} << 30); // a gigabyte that takes no disk
    ASSERT_TRUE(open(folder));
    const long peak = lumivane::testing::statusKb("VmHWM");
    js("window.done = false; const picture = new Image();"
       "picture.onload = picture.onerror = () => window.done = true;"
       "picture.src = '" +
       QString::fromStdString(lumivane::webview::driveUrl(folder + "\\big.jpg")) +
       "'; document.body.appendChild(picture);");
    ASSERT_TRUE(waitUntil([&] { return js("window.done").toBool(); }, 60000));
    EXPECT_LT(lumivane::testing::statusKb("VmHWM") - peak, 256 * 1024)
        << "the viewer's memory grew with the file";
    // A device or a pipe that never ends is no file to show.
    js("window.zero = 'pending'; const zero = new Image();"
       "zero.onload = () => window.zero = 'shown'; zero.onerror = () => window.zero = 'refused';"
       "zero.src = 'lumivane://z/dev/zero';");
    EXPECT_TRUE(waitUntil([&] { return js("window.zero").toString() != "pending"; }));
    EXPECT_EQ(js("window.zero").toString(), QStringLiteral("refused"));
}

TEST_F(Safety, ARendererThatEndsIsToldWithAReload) {
    ASSERT_TRUE(open(folder));
    ASSERT_EQ(::kill(static_cast<pid_t>(view().page()->renderProcessPid()), SIGKILL), 0);
    QPushButton* reload = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        for (QMessageBox* box : window().findChildren<QMessageBox*>()) {
            for (QAbstractButton* button : box->buttons()) {
                if (box->isVisible() && button->text() == QStringLiteral("再読み込み"))
                    reload = qobject_cast<QPushButton*>(button);
            }
        }
        return reload != nullptr;
    }));
    ASSERT_TRUE(laidOutAfter([&] { reload->click(); }));
    EXPECT_EQ(js("document.querySelectorAll('.lumivane-row').length").toInt(), 1);
}

} // namespace
