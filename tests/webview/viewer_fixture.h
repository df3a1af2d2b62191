// A temporary emulated system with the folder window open on it, and ways to wait for the page.
#pragma once

#include "platform/codepage.h"
#include "platform/emulated/emulated_platform.h"
#include "support/emulated_root.h"
#include "template/apply.h"
#include "template/template_text.h"
#include "webview/folder_view.h"
#include "webview/folder_window.h"
#include "webview/headless.h"

#include <QColor>
#include <QEventLoop>
#include <QImage>
#include <QTimer>
#include <QWebEnginePage>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace lumivane::testing {

class ViewerTest : public ::testing::Test {
protected:
    ViewerTest() {
        writer.folderExists("C:\\"); // sets the fresh system up
        reader = std::make_unique<platform::EmulatedPlatform>(
            system.root(), std::string(), platform::EmulatedPlatform::Access::ReadOnly);
    }

    /// Waits until `done` holds, handling events; false after `ms`.
    static bool waitUntil(const std::function<bool()>& done, int ms = 20000) {
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
            if (done())
                loop.quit();
        });
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        poll.start(10);
        if (!done())
            loop.exec();
        return done();
    }

    /// The folder window, made on first use at this size.
    webview::FolderWindow& window(QSize size = {800, 600}) {
        if (!window_) {
            window_ = std::make_unique<webview::FolderWindow>(*reader);
            window_->view().setOpener([this](const QUrl& url) { opened.push_back(url); });
            QObject::connect(&window_->view(), &webview::FolderView::laidOut,
                             [this] { ++layouts; });
            QObject::connect(window_.get(), &webview::FolderWindow::scriptError,
                             [this](const QString& message, int line) {
                                 errors.push_back(std::to_string(line) + ": " +
                                                  message.toStdString());
                             });
            window_->resize(size);
            window_->show();
        }
        return *window_;
    }
    webview::FolderView& view() { return window().view(); }

    /// Shows a folder and waits until its page has laid itself out.
    bool open(const std::string& windowsPath, const QStringList& select = {},
              std::optional<int> second = std::nullopt) {
        webview::FolderWindow& w = window();
        w.view().setSecond(second);
        return laidOutAfter([&] { w.goTo(QString::fromStdString(windowsPath), select); });
    }

    /// Runs `action` and waits for the page to lay itself out after it.
    bool laidOutAfter(const std::function<void()>& action, int ms = 20000) {
        const int before = layouts;
        action();
        return waitUntil([&] { return layouts > before; }, ms);
    }

    /// Waits until the page has not been laid out again for `ms` (the window follows changes
    /// of the system by itself, a little after they happen); false if it never rests.
    bool quiet(int ms = 800) {
        for (int rounds = 0; rounds < 20; ++rounds) {
            const int before = layouts;
            if (!waitUntil([&] { return layouts > before; }, ms))
                return true;
        }
        return false;
    }

    /// The value of a script expression in the page.
    QVariant js(const QString& expression) {
        QVariant result;
        bool done = false;
        view().page()->runJavaScript(expression, [&](const QVariant& value) {
            result = value;
            done = true;
        });
        waitUntil([&] { return done; });
        return result;
    }

    /// A folder of the user's own (on drive Z:) holding these files, as a Windows path.
    std::string userFolder(const std::string& name, const std::vector<std::string>& files = {}) {
        const std::filesystem::path folder = system.outside() / name;
        std::filesystem::create_directories(folder);
        for (const std::string& file : files)
            EmulatedRoot::write(folder / file, "contents of " + file);
        return writer.windowsPath(folder.string());
    }

    /// A picture of one colour in the user's folder; returns its Windows path.
    std::string picture(const std::string& name, const QColor& color, QSize size = {60, 80}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        const std::filesystem::path path = system.outside() / name;
        image.save(QString::fromStdString(path.string()));
        return writer.windowsPath(path.string());
    }

    /// What "変更" does: the template for these options and the copies of these pictures.
    void apply(const TemplateOptions& options, const std::vector<std::string>& stock) {
        std::string leftImageFolder;
        ASSERT_FALSE(
            ApplyTemplate(writer, false, options, static_cast<int>(stock.size()), leftImageFolder)
                .failed);
        ASSERT_FALSE(CopyPictureStock(writer, leftImageFolder, stock, {}).failed);
    }

    void restore() {
        std::string leftImageFolder;
        ASSERT_FALSE(ApplyTemplate(writer, true, {}, 1, leftImageFolder).failed);
    }

    /// The standard template's text (UTF-8), as "復元" writes it.
    static std::string standardPage() {
        return templateText({true, {}, 1, "C:\\\\WINDOWS\\\\Web\\\\leftimage\\\\", "Z:\\"});
    }
    /// The page with a script of its own at the top of its head, before any of its other
    /// scripts run.
    static std::string withScript(std::string page, const std::string& script) {
        const std::size_t head = page.find("<head>");
        page.insert(head + 6, "<script>" + script + "</script>");
        return page;
    }
    /// Writes folder.htt as Lumivane writes it (code page 932).
    void writePage(const std::string& text) {
        EmulatedRoot::write(system.web() / "folder.htt", platform::toCp932(text));
    }

    /// The page's pixel at a point of the page (not of the window).
    QColor pagePixel(QPoint at) {
        const QImage shot = webview::settledShot(window());
        const QPoint origin = view().mapTo(&window(), QPoint(0, 0));
        return shot.pixelColor(origin + at);
    }

    EmulatedRoot system;
    platform::EmulatedPlatform writer{system.root(), standardTemplateBytes()};
    std::unique_ptr<platform::EmulatedPlatform> reader;
    std::vector<QUrl> opened;
    std::vector<std::string> errors;
    int layouts = 0;

private:
    std::unique_ptr<webview::FolderWindow> window_;
};

/// Two colours within a few steps of each other (pictures pass through JPEG and scaling).
inline bool near(const QColor& a, const QColor& b, int tolerance = 24) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace lumivane::testing
