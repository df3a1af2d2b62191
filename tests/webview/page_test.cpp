// The template as the folder window shows it: every form of the page, the picture chosen by
// the clock, the details of the selection, links, thumbnail, and pages that go wrong.
#include "core/webview/page_address_cases.h"
#include "template/template_text.h"
#include "viewer_fixture.h"
#include "webview/page_text.h"

#include <QTest>

namespace {

using lumivane::TemplateOptions;
using lumivane::testing::near;
using lumivane::testing::ViewerTest;

class Page : public ViewerTest {
protected:
    Page() {
        folder = userFolder("Pictures", {"a.txt", "b.txt", "c.txt"});
        stock = {picture("Pictures/red.bmp", Qt::red),
                 picture("Pictures/green.bmp", QColor(0, 200, 0)),
                 picture("Pictures/blue.bmp", Qt::blue)};
    }

    static TemplateOptions everyBox(int value) {
        TemplateOptions options = TemplateOptions::preset();
        for (int* box :
             {&options.chkShowIcon, &options.chkShowLine, &options.chkThumbnail,
              &options.chkThumnailPosition, &options.chkShowFolderName,
              &options.chkFolderNamePosition, &options.chkFolderNameItalic, &options.chkShowDetail,
              &options.chkShowMsg, &options.chkFitImageWidth, &options.chkFitImageHeight,
              &options.chkReload, &options.chkSetLink[0], &options.chkSetLink[1]})
            *box = value;
        return options;
    }

    /// A point well inside the left panel, below its text.
    QPoint inPanel() { return {30, view().height() - 40}; }

    std::string folder;
    std::vector<std::string> stock;
};

TEST_F(Page, EveryFormOfTheTemplateRunsWithoutAScriptError) {
    const std::vector<std::pair<const char*, std::function<void()>>> forms{
        {"standard", [&] { restore(); }},
        {"defaults", [&] { apply({}, stock); }},
        {"preset", [&] { apply(TemplateOptions::preset(), stock); }},
        {"every box cleared", [&] { apply(everyBox(0), stock); }},
        {"every box checked", [&] { apply(everyBox(1), stock); }},
    };
    for (const auto& [form, write] : forms) {
        write();
        ASSERT_TRUE(open(folder)) << form;
        // The open window also lays the page out anew for the written template by itself.
        ASSERT_TRUE(quiet()) << form;
        // The selection script's roads: none, one, several.
        for (const QStringList& names :
             {QStringList{"a.txt"}, QStringList{"a.txt", "b.txt"}, QStringList{"red.bmp"}}) {
            ASSERT_TRUE(laidOutAfter([&] { view().showFolder(view().folder(), names); }));
            EXPECT_TRUE(js("document.all.Info.innerHTML").toString().contains(names.last()))
                << form;
        }
        EXPECT_TRUE(errors.empty()) << form << ": " << (errors.empty() ? "" : errors.front());
        EXPECT_TRUE(view().templateProblem().isEmpty()) << form;
    }
}

TEST_F(Page, TheClockChoosesThePictureBehindThePanel) {
    TemplateOptions options;
    options.chkFitImageWidth = 1;
    options.chkFitImageHeight = 1;
    apply(options, stock);
    ASSERT_TRUE(open(folder, {}, 4));
    EXPECT_TRUE(near(pagePixel(inPanel()), QColor(0, 200, 0))) << "second 4: the second picture";
    EXPECT_EQ(js("document.bgImage.src").toString(),
              QStringLiteral("lumivane://c/WINDOWS/Web/leftimage/1.lmv"));
    view().setSecond(5);
    ASSERT_TRUE(laidOutAfter([&] { view().reloadPage(); }));
    EXPECT_TRUE(near(pagePixel(inPanel()), Qt::blue)) << "second 5: the third picture";
    // The picture fills the panel, which is 30% of the page.
    EXPECT_EQ(js("document.all.bgImage.offsetWidth").toInt(),
              js("document.all.Panel.offsetWidth").toInt());
    EXPECT_NEAR(js("document.all.Panel.offsetWidth").toDouble(), view().width() * 0.3, 1.0);

    ASSERT_TRUE(laidOutAfter([&] { restore(); })) << "the open window follows the change";
    ASSERT_TRUE(quiet());
    const QColor standard = pagePixel(inPanel());
    for (const QColor picture : {QColor(Qt::red), QColor(0, 200, 0), QColor(Qt::blue)})
        EXPECT_FALSE(near(standard, picture)) << "the standard page shows no picture";
    EXPECT_TRUE(js("document.all.bgImage === undefined || document.all.bgImage === null").toBool());
    EXPECT_TRUE(js("getComputedStyle(document.all.Panel).backgroundImage")
                    .toString()
                    .contains(QStringLiteral("wvleft.bmp")));
}

TEST_F(Page, ANarrowWindowShowsTheMiniBannerInsteadOfThePanel) {
    apply({}, stock);
    window(QSize(380, 400));
    ASSERT_TRUE(open(folder));
    ASSERT_LT(view().width(), 400);
    EXPECT_EQ(js("getComputedStyle(document.all.Panel).visibility").toString(), "hidden");
    EXPECT_EQ(js("getComputedStyle(document.all.MiniBanner).visibility").toString(), "visible");
    EXPECT_EQ(js("document.all.FileList.offsetLeft").toInt(), 0);
    EXPECT_EQ(js("document.all.FileList.offsetTop").toInt(), 32);
    EXPECT_TRUE(js("document.all.MiniBanner.innerText").toString().contains("Pictures"));
}

TEST_F(Page, TheInfoTellsOfOneOrSeveralSelectedEntries) {
    apply({}, stock);
    ASSERT_TRUE(open(folder, {"red.bmp"}));
    const QString one = js("document.all.Info.innerHTML").toString();
    EXPECT_TRUE(one.startsWith(QStringLiteral("<b>red.bmp</b><br>ビットマップ イメージ")))
        << one.toStdString();
    const auto size = std::filesystem::file_size(system.outside() / "Pictures" / "red.bmp");
    EXPECT_TRUE(one.contains(QStringLiteral("<br><br>サイズ: %1 KB").arg((size + 1023) / 1024)))
        << one.toStdString();

    ASSERT_TRUE(laidOutAfter([&] {
        view().showFolder(view().folder(), {"a.txt", "b.txt", "c.txt"});
    }));
    const QString three = js("document.all.Info.innerHTML").toString();
    EXPECT_TRUE(three.startsWith(QStringLiteral("3 個のオブジェクトを選択<br>")))
        << three.toStdString();
    EXPECT_TRUE(three.contains(QStringLiteral("合計ファイル サイズ : 51&nbsp;バイト")))
        << three.toStdString();
    EXPECT_TRUE(three.endsWith(QStringLiteral("<br>a.txt<br>b.txt<br>c.txt")));
    EXPECT_EQ(window().objectsText(), QStringLiteral("3 個のオブジェクトを選択"));
    EXPECT_EQ(window().sizeText(), QStringLiteral("51 バイト"));
}

TEST_F(Page, LinksNameAndDetailsTakeTheChosenColoursAndSizes) {
    TemplateOptions options = TemplateOptions::preset();
    options.lblColor = {"blue", "darkblue", "lightblue", "crimson"};
    options.txtLinkTitle = {"リンク 1", "リンク 2"};
    options.txtLink = {"http://example.org/", "file://C:\\WINDOWS"};
    options.cmbFolderNameSize = "20pt";
    options.cmbLinkSize = "14pt";
    apply(options, stock);
    ASSERT_TRUE(open(folder));
    const QString links =
        QStringLiteral("[...document.querySelectorAll('#Panel a[href]')].filter(a => "
                       "a.innerText.startsWith('リンク'))");
    EXPECT_EQ(js(links + ".length").toInt(), 2);
    EXPECT_EQ(js(links + ".map(a => getComputedStyle(a).color).join()").toString(),
              QStringLiteral("rgb(220, 20, 60),rgb(220, 20, 60)"));
    EXPECT_EQ(js(links + ".map(a => getComputedStyle(a).fontSize).join()").toString(),
              QStringLiteral("18.6667px,18.6667px"));
    EXPECT_EQ(js(links + "[1].href").toString(), QStringLiteral("lumivane://c/WINDOWS"));
    // The folder's name: its colour and the size that a bare `font: 20pt` gives.
    const QString name = QStringLiteral("document.querySelector('#Panel span[style]')");
    EXPECT_EQ(js("getComputedStyle(" + name + ").fontSize").toString(),
              QStringLiteral("26.6667px"));
    EXPECT_EQ(js("getComputedStyle(" + name + ").color").toString(),
              QStringLiteral("rgb(0, 0, 255)"));
    EXPECT_TRUE(js(name + ".innerText").toString().contains(QStringLiteral("Pictures")));
}

TEST_F(Page, ASelectedPictureShowsAsThumbnail) {
    apply({}, stock);
    ASSERT_TRUE(open(folder, {"blue.bmp"}));
    EXPECT_TRUE(js("document.all.Thumbnail.haveThumbnail()").toBool());
    EXPECT_EQ(js("document.all.Thumbnail.style.display").toString(), "");
    EXPECT_EQ(js("document.all.Status.style.display").toString(), "none");
    const QPoint thumbnail(js("document.all.Thumbnail.getBoundingClientRect().left + 80").toInt(),
                           js("document.all.Thumbnail.getBoundingClientRect().top + 80").toInt());
    EXPECT_TRUE(near(pagePixel(thumbnail), Qt::blue));

    ASSERT_TRUE(laidOutAfter([&] { view().showFolder(view().folder(), {"a.txt"}); }));
    EXPECT_FALSE(js("document.all.Thumbnail.haveThumbnail()").toBool());
    EXPECT_EQ(js("document.all.Thumbnail.style.display").toString(), "none");
}

TEST_F(Page, AFolderNamedLikeMarkUpShowsItsNameAndRunsNothing) {
    apply(TemplateOptions::preset(), stock);
    const std::string name = "<img src=x onerror=alert(1)> & \"q\"";
    const std::string hostile = userFolder(name, {"inside.txt"});
    ASSERT_TRUE(open(hostile, {"inside.txt"}));
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(js("document.querySelectorAll('img[src=\"x\"]').length").toInt(), 0);
    EXPECT_TRUE(
        js("document.all.Panel.textContent").toString().contains(QString::fromStdString(name)));
    EXPECT_TRUE(js("document.all.MiniBanner.textContent")
                    .toString()
                    .contains(QString::fromStdString(name)));
    EXPECT_EQ(window().windowTitle(), QString::fromStdString(name));
}

TEST_F(Page, ANameOutsideCodePage932ShowsWhole) {
    apply(TemplateOptions::preset(), stock);
    const std::string name = "Ünïcødé 🐱 한국어";
    ASSERT_TRUE(open(userFolder(name)));
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(js("document.all.MiniBanner.textContent")
                    .toString()
                    .contains(QString::fromStdString(name)));
}

TEST_F(Page, EveryCharacterOfANameShowsAsItIs) {
    // Characters that code page 932 maps one way only.
    const std::string name = "a\u2014b\u00A2c\u2016d\u00AC";
    for (const std::function<void()>& write : std::vector<std::function<void()>>{
             [&] { restore(); }, [&] { apply(TemplateOptions::preset(), stock); }}) {
        write();
        ASSERT_TRUE(open(userFolder(name)));
        EXPECT_TRUE(js("document.querySelector('p.Title').textContent")
                        .toString()
                        .contains(QString::fromStdString(name)))
            << js("document.querySelector('p.Title').textContent").toString().toStdString();
        EXPECT_TRUE(js("document.all.MiniBanner.textContent")
                        .toString()
                        .contains(QString::fromStdString(name)));
    }
}

TEST_F(Page, OldMessagesGoWhenTheirCauseGoes) {
    // No template, then one.
    std::filesystem::remove(system.web() / "folder.htt");
    ASSERT_TRUE(open(folder));
    ASSERT_FALSE(window().noticeText().isEmpty());
    ASSERT_TRUE(laidOutAfter([&] { restore(); }));
    ASSERT_TRUE(quiet());
    EXPECT_EQ(window().noticeText().toStdString(), "") << "after a new template";

    // A script error, then a template without it.
    ASSERT_TRUE(laidOutAfter([&] {
        std::string text = standardPage();
        const std::string init = "function Init() {\r\n";
        text.replace(text.find(init), init.size(), init + "  undefinedThing();\r\n");
        writePage(text);
    }));
    ASSERT_TRUE(quiet());
    ASSERT_TRUE(window().noticeText().contains(QStringLiteral("スクリプトのエラー")));
    ASSERT_TRUE(laidOutAfter([&] { restore(); }));
    ASSERT_TRUE(quiet());
    EXPECT_EQ(window().noticeText().toStdString(), "") << "after the error is mended";

    // A damaged picture, then new pictures.
    ASSERT_TRUE(laidOutAfter([&] {
        apply({}, {stock[0]});
        lumivane::testing::EmulatedRoot::write(system.web() / "leftimage" / "0.lmv", "");
    }));
    ASSERT_TRUE(quiet());
    ASSERT_TRUE(window().noticeText().startsWith(QStringLiteral("画像を表示できません")))
        << window().noticeText().toStdString();
    ASSERT_TRUE(laidOutAfter([&] { apply({}, stock); }));
    ASSERT_TRUE(quiet());
    EXPECT_EQ(window().noticeText().toStdString(), "") << "after new pictures";
}

TEST_F(Page, AScriptErrorIsReportedWithItsLineAndThePageGoesOn) {
    std::string text =
        lumivane::templateText({true, {}, 1, "C:\\\\WINDOWS\\\\Web\\\\leftimage\\\\", "Z:\\"});
    const std::string marker = "function Init() {\r\n";
    text.replace(text.find(marker), marker.size(), "function Init() {\r\n  undefinedThing();\r\n");
    lumivane::testing::EmulatedRoot::write(system.web() / "folder.htt", text);
    const long line =
        std::count(text.begin(), text.begin() + text.find("undefinedThing"), '\n') + 1;
    ASSERT_TRUE(open(folder, {"a.txt"}));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors.front(),
              std::to_string(line) + ": Uncaught ReferenceError: undefinedThing is not defined");
    EXPECT_TRUE(window().noticeText().contains(QStringLiteral("スクリプトのエラー")));
    // The file list and the selection still work.
    EXPECT_TRUE(
        js("document.all.Info.innerHTML").toString().contains(QStringLiteral("<b>a.txt</b>")));
}

TEST_F(Page, WithoutAUsableTemplateThePlainFileListShowsAndSaysWhy) {
    std::filesystem::remove(system.web() / "folder.htt");
    ASSERT_TRUE(open(folder, {"b.txt"}));
    EXPECT_EQ(view().templateProblem(),
              QStringLiteral("folder.htt を読めません: C:\\WINDOWS\\Web\\folder.htt"));
    EXPECT_EQ(window().noticeText(), view().templateProblem());
    EXPECT_EQ(js("document.querySelectorAll('.lumivane-row').length").toInt(), 6);
    EXPECT_EQ(window().objectsText(), QStringLiteral("1 個のオブジェクトを選択"));

    ASSERT_TRUE(laidOutAfter(
        [&] { lumivane::testing::EmulatedRoot::write(system.web() / "folder.htt", "\r\n"); }));
    ASSERT_TRUE(quiet());
    EXPECT_TRUE(view().templateProblem().startsWith(QStringLiteral("folder.htt が空です")));
}

TEST_F(Page, ADamagedOrEmptyPictureCopyLeavesThePanelColour) {
    TemplateOptions options;
    options.lblColor[2] = "yellow";
    apply(options, stock);
    lumivane::testing::EmulatedRoot::write(system.web() / "leftimage" / "0.lmv", "");
    lumivane::testing::EmulatedRoot::write(system.web() / "leftimage" / "1.lmv", "BM garbage");
    for (int second : {0, 1}) {
        ASSERT_TRUE(open(folder, {}, second));
        EXPECT_TRUE(window().noticeText().startsWith(
            QStringLiteral("画像を表示できません: C:\\WINDOWS\\Web\\leftimage\\")))
            << window().noticeText().toStdString();
        EXPECT_TRUE(near(pagePixel(inPanel()), Qt::yellow, 8));
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(Page, TheSystemsUiFontIsTheOneTheProgramUses) {
    restore();
    ASSERT_TRUE(open(folder));
    const QString widths =
        QStringLiteral("document.fonts.load('20px \"MS UI Gothic\"').then(() => {"
                       "  const c = document.createElement('canvas').getContext('2d');"
                       "  const width = (font) => { c.font = '20px ' + font; return "
                       "c.measureText('Wide mmm').width; };"
                       "  window.widths = [width('\"MS UI Gothic\"'), width('\"Noto Sans CJK "
                       "JP\"'), width('serif')];"
                       "})");
    js(widths);
    ASSERT_TRUE(waitUntil([&] { return js("Array.isArray(window.widths)").toBool(); }));
    const QVariantList measured = js("window.widths").toList();
    ASSERT_EQ(measured.size(), 3);
    EXPECT_DOUBLE_EQ(measured[0].toDouble(), measured[1].toDouble());
    EXPECT_NE(measured[0].toDouble(), measured[2].toDouble());
}

TEST_F(Page, ThePagesScriptRewritesAddressesAsTheSharedTableSays) {
    restore();
    ASSERT_TRUE(open(folder));
    for (const auto& [address, expected, line] : lumivane::testing::pageAddressCases()) {
        const QString literal = QString::fromStdString(lumivane::webview::jsString(address));
        // As attributes, as the page's mark-up sets them, and as the picture's src property,
        // as its script does. A byte that is not UTF-8 comes back in the table's own notation:
        // a lone surrogate would not survive the way out of the page.
        const QVariantList set =
            js("(() => { const link = document.createElement('a');"
               "  link.setAttribute('href', " +
               literal +
               ");"
               "  const picture = document.createElement('img');"
               "  picture.setAttribute('src', " +
               literal +
               ");"
               "  const scripted = document.createElement('img'); scripted.src = " +
               literal +
               ";"
               "  return [link.getAttribute('href'), picture.getAttribute('src'),"
               "          scripted.getAttribute('src')].map(text =>"
               "    text.replace(/[\\udc80-\\udcff]/gu, (c) =>"
               "      '{x' + (c.charCodeAt(0) - 0xdc00).toString(16).toUpperCase() + '}')); })()")
                .toList();
        ASSERT_EQ(set.size(), 3);
        EXPECT_EQ(lumivane::testing::withBytes(set[0].toString().toStdString()), expected)
            << "page_addresses.txt line " << line;
        EXPECT_EQ(lumivane::testing::withBytes(set[1].toString().toStdString()), expected)
            << "page_addresses.txt line " << line;
        // A property takes its text as the engine's USVString, which makes a lone surrogate
        // U+FFFD: what the rule leaves as it is loses its bytes that are not UTF-8 there.
        EXPECT_EQ(set[2].toString(), QString::fromUtf8(expected.c_str()))
            << "page_addresses.txt line " << line;
    }
}

} // namespace
