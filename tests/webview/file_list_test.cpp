// The file list stand-in: selecting with mouse and keys, opening, big folders, vanishing files.
#include "viewer_fixture.h"

#include <QApplication>
#include <QBuffer>
#include <QMouseEvent>
#include <QTest>

namespace {

using lumivane::TemplateOptions;
using lumivane::testing::EmulatedRoot;
using lumivane::testing::ViewerTest;

class FileList : public ViewerTest {
protected:
    FileList() {
        std::vector<std::string> files;
        for (char digit = '0'; digit <= '9'; ++digit)
            files.push_back(std::string{'f', digit, '.', 't', 'x', 't'});
        folder = userFolder("Docs", files);
        std::filesystem::create_directory(system.outside() / "Docs" / "Sub");
        apply({}, {picture("p.bmp", Qt::gray)});
    }

    QWidget* input() { return view().focusProxy(); }

    /// The middle of the name of entry `index` in the list, in the page.
    QPoint row(int index) {
        const int left = js("document.all.FileList.getBoundingClientRect().left").toInt();
        const int top =
            js("document.querySelector('.lumivane-body').getBoundingClientRect().top").toInt();
        return {left + 40, top + index * 18 + 9};
    }

    void click(int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::mouseClick(input(), Qt::LeftButton, modifiers, row(index));
    }
    /// Two presses close in time, which the engine counts as a double click (it counts the
    /// presses by their time stamps, as a window system delivers them).
    void doubleClick(int index) {
        const QPointF at = row(index);
        static ulong time = 1000000;
        time += 10000;
        for (int press = 0; press < 2; ++press) {
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, at, input()->mapToGlobal(at), Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                  Qt::NoModifier);
                event.setTimestamp(time += 20);
                QApplication::sendEvent(input(), &event);
            }
        }
    }

    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(input(), key, modifiers);
    }

    /// Waits until the viewer's selection is these names.
    bool selected(const QStringList& names) {
        return waitUntil([&] { return view().selectedNames() == names; }, 5000);
    }

    std::string folder;
};

TEST_F(FileList, MouseAndKeysSelectAsInAFileManager) {
    ASSERT_TRUE(open(folder));
    // Entry 0 is the folder "Sub", then f0.txt to f9.txt.
    click(3);
    EXPECT_TRUE(selected({"f2.txt"}));
    click(6, Qt::ControlModifier);
    EXPECT_TRUE(selected({"f2.txt", "f5.txt"}));
    click(8, Qt::ShiftModifier);
    EXPECT_TRUE(selected({"f5.txt", "f6.txt", "f7.txt"}));
    EXPECT_TRUE(waitUntil([&] {
        return js("document.all.Info.innerHTML")
            .toString()
            .startsWith(QStringLiteral("3 個のオブジェクトを選択"));
    }));
    key(Qt::Key_Down);
    EXPECT_TRUE(selected({"f8.txt"}));
    key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_TRUE(selected({"f8.txt", "f9.txt"}));
    key(Qt::Key_Home);
    EXPECT_TRUE(selected({"Sub"}));
    key(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(waitUntil([&] { return view().selectedNames().size() == 11; }, 5000), true);
    EXPECT_EQ(window().objectsText(), QStringLiteral("11 個のオブジェクトを選択"));
    click(3);
    EXPECT_TRUE(selected({"f2.txt"}));
    // A click below the last entry clears the selection, and the page shows its prompt.
    QTest::mouseClick(input(), Qt::LeftButton, {}, row(14));
    EXPECT_TRUE(selected({}));
    EXPECT_EQ(js("document.all.Info.innerHTML").toString(),
              QStringLiteral("アイコンを選択すると､その説明が表示されます"));
    EXPECT_TRUE(errors.empty());
}

TEST_F(FileList, DoubleClickOrEnterGoesIntoAFolderOrOpensAFile) {
    ASSERT_TRUE(open(folder));
    doubleClick(1);
    ASSERT_TRUE(waitUntil([&] { return opened.size() == 1; }));
    EXPECT_EQ(opened.front(), QUrl::fromLocalFile(QString::fromStdString(
                                  (system.outside() / "Docs" / "f0.txt").string())));
    EXPECT_EQ(view().folder().toStdString(), folder) << "a file is not a place to go";
    // Enter opens the first of the selected entries.
    click(4);
    click(3, Qt::ControlModifier);
    ASSERT_TRUE(selected({"f2.txt", "f3.txt"}));
    key(Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return opened.size() == 2; }));
    EXPECT_TRUE(opened.back().path().endsWith(QStringLiteral("/Docs/f2.txt")));

    ASSERT_TRUE(laidOutAfter([&] { doubleClick(0); }));
    EXPECT_EQ(view().folder().toStdString(), folder + "\\Sub");
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Sub"));
    EXPECT_EQ(opened.size(), 2u);
}

TEST_F(FileList, TheWindowsKeysWorkWhileThePageHasTheFocus) {
    ASSERT_TRUE(open(folder + "\\Sub"));
    ASSERT_TRUE(laidOutAfter([&] { key(Qt::Key_F5); }));
    EXPECT_EQ(view().folder().toStdString(), folder + "\\Sub");
    ASSERT_TRUE(laidOutAfter([&] { key(Qt::Key_Backspace); }));
    EXPECT_EQ(view().folder().toStdString(), folder);
    ASSERT_TRUE(laidOutAfter([&] { key(Qt::Key_Left, Qt::AltModifier); }));
    EXPECT_EQ(view().folder().toStdString(), folder + "\\Sub");
}

TEST_F(FileList, EveryRowAndTheFolderShowAnIconOfTheirKind) {
    // A folder, a picture, a text, a type no theme has an icon for, a name without a type.
    const std::string mixed =
        userFolder("Mixed", {"photo.jpg", "notes.txt", "data.zzqq", "README"});
    std::filesystem::create_directory(system.outside() / "Mixed" / "Sub");
    ASSERT_TRUE(open(mixed));
    const QString icons = QStringLiteral("[...document.querySelectorAll('.lumivane-row img')]");
    ASSERT_EQ(js(icons + ".length").toInt(), 5);
    EXPECT_TRUE(waitUntil([&] { return js(icons + ".every(i => i.complete)").toBool(); }));
    EXPECT_EQ(
        js(icons + ".filter(i => i.naturalWidth == 16 && i.naturalHeight == 16).length").toInt(),
        5);
    // Each kind has an icon of its own: the folder's, the picture's and the text's differ as
    // drawn (entries: Sub, data.zzqq, notes.txt, photo.jpg, README).
    const QImage shot = lumivane::webview::settledShot(window());
    const QPoint origin = view().mapTo(&window(), QPoint(0, 0));
    const auto drawn = [&](int entry) {
        const QVariantMap rect =
            js(icons + QStringLiteral("[%1].getBoundingClientRect().toJSON()").arg(entry)).toMap();
        return shot.copy(
            QRect(origin + QPoint(rect["x"].toInt(), rect["y"].toInt()), QSize(16, 16)));
    };
    const QImage folderRow = drawn(0), textRow = drawn(2), pictureRow = drawn(3);
    EXPECT_NE(folderRow, textRow);
    EXPECT_NE(folderRow, pictureRow);
    EXPECT_NE(textRow, pictureRow);
    const QString folderIcon = QStringLiteral("document.querySelector('#Panel object img')");
    EXPECT_TRUE(waitUntil([&] { return js(folderIcon + ".complete").toBool(); }));
    EXPECT_EQ(js(folderIcon + ".naturalWidth").toInt(), 32);
    EXPECT_TRUE(errors.empty());
}

TEST_F(FileList, TenThousandFilesDrawOnlyTheRowsThatShow) {
    const std::filesystem::path many = system.outside() / "Many";
    std::filesystem::create_directory(many);
    for (int i = 0; i < 10000; ++i)
        EmulatedRoot::write(many / ("file" + std::to_string(100000 + i) + ".dat"), "");
    ASSERT_TRUE(open(writer.windowsPath(many.string())));
    EXPECT_EQ(window().objectsText(), QStringLiteral("10000 個のオブジェクト"));
    EXPECT_LT(js("document.querySelectorAll('.lumivane-row').length").toInt(), 60);
    js("document.querySelector('.lumivane-body').scrollTop = 1e9");
    EXPECT_TRUE(waitUntil([&] {
        return js("[...document.querySelectorAll('.lumivane-row')].some("
                  "r => r.style.display != 'none' && r.innerText.includes('file109999.dat'))")
            .toBool();
    }));
    key(Qt::Key_End);
    EXPECT_TRUE(selected({"file109999.dat"}));
    EXPECT_TRUE(errors.empty());
}

TEST_F(FileList, ABigFolderIsWholeInThePageFromItsFirstRowsToItsLast) {
    // More entries than the page is given before it is first drawn.
    const std::filesystem::path big = system.outside() / "Big";
    std::filesystem::create_directory(big);
    for (int i = 0; i < 3000; ++i) {
        std::string name = "b"; // built in steps: GCC 12 warns wrongly of "b" + text
        name += std::to_string(10000 + i);
        EmulatedRoot::write(big / (name + ".txt"), "x");
    }
    const QString body = QStringLiteral("document.querySelector('.lumivane-body')");
    const QString lastShown =
        QStringLiteral("[...document.querySelectorAll('.lumivane-row')].filter(r => "
                       "r.style.display != 'none').map(r => r.innerText).pop() || ''");

    // As it is first drawn: the first rows with their details, the whole length to scroll.
    QString firstRows;
    int height = 0;
    const QMetaObject::Connection watching =
        QObject::connect(&view(), &lumivane::webview::FolderView::laidOut, &view(), [&] {
            view().page()->runJavaScript(
                QStringLiteral("[%1, %2.scrollHeight]").arg(lastShown, body),
                [&](const QVariant& value) {
                    firstRows = value.toList().value(0).toString();
                    height = value.toList().value(1).toInt();
                });
        });
    ASSERT_TRUE(open(writer.windowsPath(big.string())));
    ASSERT_TRUE(waitUntil([&] { return height > 0; }));
    EXPECT_EQ(height, 3000 * 18);
    // The status bar adds up every entry's size, those past the first rows too.
    EXPECT_EQ(window().objectsText(), QStringLiteral("3000 個のオブジェクト"));
    EXPECT_TRUE(waitUntil([&] { return window().sizeText() == QStringLiteral("2.92 KB"); }))
        << window().sizeText().toStdString();
    EXPECT_TRUE(firstRows.startsWith(QStringLiteral("b100")) && firstRows.contains("1 KB"))
        << firstRows.toStdString();

    // The last entry, scrolled to, with its details; and chosen with the keys.
    js(body + ".scrollTop = 1e9");
    EXPECT_TRUE(waitUntil([&] {
        const QString row = js(lastShown).toString();
        return row.startsWith(QStringLiteral("b12999.txt")) && row.contains("1 KB");
    })) << js(lastShown).toString().toStdString();
    key(Qt::Key_End);
    EXPECT_TRUE(selected({"b12999.txt"}));
    EXPECT_EQ(window().sizeText(), QStringLiteral("1 バイト"));
    EXPECT_TRUE(waitUntil([&] {
        return js("document.all.Info.innerHTML").toString().contains(QStringLiteral("b12999.txt"));
    }));
    QObject::disconnect(watching);

    // A selected entry far down shows its details as the page is first drawn.
    QString info;
    QObject::connect(&view(), &lumivane::webview::FolderView::laidOut, &view(), [&] {
        view().page()->runJavaScript(QStringLiteral("document.all.Info.innerHTML"),
                                     [&](const QVariant& value) { info = value.toString(); });
    });
    ASSERT_TRUE(open(writer.windowsPath(big.string()), {"b12500.txt"}));
    ASSERT_TRUE(waitUntil([&] { return !info.isEmpty(); }));
    EXPECT_TRUE(info.contains(QStringLiteral("<b>b12500.txt</b>")) &&
                info.contains(QStringLiteral("サイズ :1&nbsp;バイト")))
        << info.toStdString();
    EXPECT_TRUE(errors.empty());
}

TEST_F(FileList, AFileThatVanishesLeavesTheListAndTheSelection) {
    ASSERT_TRUE(open(folder, {"f3.txt"}));
    std::filesystem::remove(system.outside() / "Docs" / "f3.txt");
    EXPECT_TRUE(selected({}));
    // The page hears that nothing is selected any more.
    EXPECT_TRUE(waitUntil([&] {
        return js("document.all.Info ? document.all.Info.innerHTML : ''").toString() ==
               QStringLiteral("アイコンを選択すると､その説明が表示されます");
    }));
    EXPECT_EQ(window().objectsText(), QStringLiteral("10 個のオブジェクト"));
    EXPECT_FALSE(
        js("document.querySelector('.lumivane-body').innerText").toString().contains("f3.txt"));
    EXPECT_TRUE(errors.empty());
}

TEST_F(FileList, AChangedFolderUpdatesTheListInPlace) {
    std::vector<std::string> files;
    for (int i = 10; i < 70; ++i) {
        std::string name = "g";
        name += std::to_string(i);
        files.push_back(name + ".txt");
    }
    const std::string many = userFolder("Many", files);
    ASSERT_TRUE(open(many, {"g60.txt"}));
    const int scrolled = js("document.querySelector('.lumivane-body').scrollTop").toInt();
    ASSERT_GT(scrolled, 0) << "the selected entry is scrolled into view";
    js("window.laidOutOnce = true");
    const int before = layouts;
    const std::filesystem::path folderOnDisk = system.outside() / "Many";

    // A file that grows, alone: nothing to lay out again.
    EmulatedRoot::write(folderOnDisk / "g60.txt", std::string(5000, 'x'));
    EXPECT_FALSE(waitUntil([&] { return layouts > before; }, 1500)) << "laid out for a file";

    // A file that appears: the list shows it, the rest stays as it was.
    EmulatedRoot::write(folderOnDisk / "new.txt", "new");
    ASSERT_TRUE(waitUntil([&] {
        return window().objectsText() == QStringLiteral("1 個のオブジェクトを選択") &&
               view().listing().entries.size() == 61;
    }));
    ASSERT_TRUE(waitUntil([&] {
        return js("document.querySelector('.lumivane-body').scrollHeight").toInt() == 61 * 18;
    })) << "the list has a row more";
    EXPECT_EQ(layouts, before) << "the page was laid out again";
    EXPECT_TRUE(js("window.laidOutOnce === true").toBool());
    EXPECT_EQ(js("document.querySelector('.lumivane-body').scrollTop").toInt(), scrolled);
    EXPECT_EQ(view().selectedNames(), QStringList{"g60.txt"});
    // The selected entry's details are the new ones.
    EXPECT_TRUE(waitUntil([&] {
        return js("document.all.Info.innerHTML").toString().contains(QStringLiteral("5 KB"));
    })) << js("document.all.Info.innerHTML").toString().toStdString();
    EXPECT_TRUE(errors.empty());
}

TEST_F(FileList, NamesThatAreNotUtf8StayUsable) {
    const std::filesystem::path odd = system.outside() / "Odd";
    std::filesystem::create_directories(odd / "d\xfd");
    EmulatedRoot::write(odd / "d\xfd" / "inner.txt", "x");
    const auto bitmap = [](const QColor& color) {
        QImage image(60, 80, QImage::Format_RGB32);
        image.fill(color);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "BMP");
        return bytes.toStdString();
    };
    EmulatedRoot::write(odd / "p\xfe.bmp", bitmap(Qt::blue));
    EmulatedRoot::write(odd / "p\xff.bmp", bitmap(Qt::red));
    ASSERT_TRUE(open(writer.windowsPath(odd.string())));
    EXPECT_EQ(window().objectsText(), QStringLiteral("3 個のオブジェクト"));
    EXPECT_EQ(js("[...document.querySelectorAll('.lumivane-row .lumivane-name')]"
                 ".map(r => r.innerText).join('|')")
                  .toString(),
              QStringLiteral("d\uFFFD|p\uFFFD.bmp|p\uFFFD.bmp"));

    // Each picture is its own: selected, thumbnailed, opened.
    for (int row : {1, 2}) {
        click(row);
        ASSERT_TRUE(waitUntil([&] { return view().selectedNames().size() == 1; }));
        EXPECT_TRUE(
            waitUntil([&] { return js("document.all.Thumbnail.haveThumbnail()").toBool(); }, 5000))
            << row;
        doubleClick(row);
        ASSERT_TRUE(waitUntil([&] { return opened.size() == static_cast<std::size_t>(row); }));
        EXPECT_TRUE(
            opened.back().toEncoded().endsWith(row == 1 ? "/Odd/p%FE.bmp" : "/Odd/p%FF.bmp"))
            << opened.back().toEncoded().toStdString();
    }
    // The folder is entered.
    ASSERT_TRUE(laidOutAfter([&] { doubleClick(0); }));
    EXPECT_TRUE(view().listing().ok()) << view().listing().error;
    EXPECT_EQ(window().objectsText(), QStringLiteral("1 個のオブジェクト"));
}

TEST_F(FileList, ANameOfBlanksShowsItsBlanks) {
    // The page's blank text between tags is dropped, as the file manager's engine did; a
    // name made of blanks is no such text.
    const std::filesystem::path blanks = system.outside() / "Blanks";
    std::filesystem::create_directory(blanks);
    EmulatedRoot::write(blanks / "  ", "x");
    EmulatedRoot::write(blanks / "a.txt", "x");
    ASSERT_TRUE(open(writer.windowsPath(blanks.string())));
    EXPECT_EQ(js("[...document.querySelectorAll('.lumivane-row .lumivane-name span')]"
                 ".map(r => '[' + r.textContent + ']').join('')")
                  .toString(),
              QStringLiteral("[  ][a.txt]"));
}

TEST_F(FileList, AClickInThePageReloadsItWhenAskedToButNotAClickInTheList) {
    TemplateOptions options;
    options.chkReload = 1;
    apply(options, {picture("p.bmp", Qt::gray)});
    ASSERT_TRUE(open(folder, {"f4.txt"}));
    const int before = layouts;
    click(2);
    EXPECT_TRUE(selected({"f1.txt"}));
    EXPECT_FALSE(waitUntil([&] { return layouts > before; }, 1500))
        << "the list's click is its own";
    ASSERT_TRUE(laidOutAfter([&] {
        QTest::mouseClick(input(), Qt::LeftButton, {}, {40, view().height() - 30});
    }));
    EXPECT_EQ(view().selectedNames(), QStringList{"f1.txt"}) << "kept over the reload";
    EXPECT_TRUE(
        js("document.all.Info.innerHTML").toString().contains(QStringLiteral("<b>f1.txt</b>")));
}

} // namespace
