// lumivane-webview's own start, exactly as its main() does it, ending when the page has laid
// itself out: prints the monotonic time then (see webview_bench).
//
// With `--snapshot FILE` before the viewer's arguments it also writes the page as it is then
// drawn, as a plain page that any engine can show with nothing behind it: the document as it
// stands (the stand-ins' elements, the layout the page's script made, the style sheets), its
// pictures and icons as files, and FILE.size with the page's width and height. Its scripts
// stay (they are the page's own, which an engine showing it compiles and runs), but nothing
// calls them: the handlers that would lay the page out again are gone. That is the bare
// engine's page in webview_bench: the same picture for the least work.
#include "child_clock.h"
#include "platform/platform.h"
#include "webview/drive_scheme.h"
#include "webview/folder_address.h"
#include "webview/folder_view.h"
#include "webview/folder_window.h"
#include "webview/viewer_main.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QUrl>
#include <QWebEnginePage>
#include <memory>
#include <string>
#include <vector>

namespace {

using lumivane::webview::FolderWindow;

// The document with its scripts but without its handlers (what they did, the document holds),
// and each object as a box of its size that holds what its stand-in made (a plain engine shows
// an object without a plug-in as nothing).
constexpr const char* kDocument = R"js((() => {
    const root = document.documentElement.cloneNode(true);
    for (const element of [root, ...root.querySelectorAll("*")]) {
        for (const attribute of [...element.attributes]) {
            if (/^on/i.test(attribute.name)) element.removeAttribute(attribute.name);
        }
    }
    root.querySelectorAll("object").forEach((object) => {
        const box = document.createElement("span"); // a block would end the paragraph it is in
        for (const attribute of object.attributes) {
            if (!/^(classid|width|height)$/i.test(attribute.name)) {
                box.setAttribute(attribute.name, attribute.value);
            }
        }
        if (!box.style.display) {
            box.style.display = "inline-block"; // as the page's style shows objects
        }
        for (const side of ["width", "height"]) {
            if (object.hasAttribute(side) && !box.style[side]) {
                box.style[side] = object.getAttribute(side) + "px";
            }
        }
        box.append(...object.childNodes);
        object.replaceWith(box);
    });
    const doctype = document.doctype ? "<!DOCTYPE " + document.doctype.name + ">" : "";
    return { html: doctype + root.outerHTML, width: innerWidth, height: innerHeight };
})())js";

/// The page's addresses of the viewer's scheme as files: a drive's file as itself, an icon
/// written beside the snapshot as the scheme serves it.
QString withFileAddresses(QString html, const QString& snapshot) {
    const std::unique_ptr<lumivane::platform::Platform> platform =
        lumivane::platform::makeSystemPlatformForReading();
    static const QRegularExpression address(QStringLiteral("lumivane://[^\"'()\\s<>&]+"));
    QStringList seen;
    for (const QRegularExpressionMatch& match : address.globalMatch(html)) {
        if (!seen.contains(match.captured()))
            seen.append(match.captured());
    }
    for (const QString& found : seen) {
        const QUrl url(found);
        QString file;
        if (url.host() == QLatin1String("icon")) {
            file = snapshot + QStringLiteral(".icon%1.png").arg(seen.indexOf(found));
            QFile icon(file);
            if (!icon.open(QIODevice::WriteOnly) ||
                icon.write(lumivane::webview::DriveSchemeHandler::iconPng(url)) < 0)
                file.clear();
        } else if (const auto path =
                       lumivane::webview::windowsPathOfDriveUrl(found.toStdString())) {
            if (const auto host = platform->hostPath(*path))
                file = QString::fromStdString(*host);
        }
        html.replace(found, file.isEmpty() ? QStringLiteral("missing:")
                                           : QUrl::fromLocalFile(file).toString());
    }
    return html;
}

void writeSnapshot(FolderWindow& window, const QString& snapshot) {
    window.view().page()->runJavaScript(kDocument, [snapshot](const QVariant& result) {
        const QJsonObject page = QJsonObject::fromVariantMap(result.toMap());
        QFile html(snapshot);
        QFile size(snapshot + QStringLiteral(".size"));
        const bool written =
            html.open(QIODevice::WriteOnly) &&
            html.write(withFileAddresses(page.value(QStringLiteral("html")).toString(), snapshot)
                           .toUtf8()) >= 0 &&
            size.open(QIODevice::WriteOnly) &&
            size.write(QStringLiteral("%1 %2\n")
                           .arg(page.value(QStringLiteral("width")).toInt())
                           .arg(page.value(QStringLiteral("height")).toInt())
                           .toUtf8()) >= 0;
        if (written)
            lumivane::bench::reportMoment("laidout");
        QCoreApplication::exit(written ? 0 : 1);
    });
}

} // namespace

int main(int argc, char** argv) {
    QString snapshot;
    std::vector<char*> args(argv, argv + argc + 1); // with argv's closing null
    if (argc > 2 && std::string(args[1]) == "--snapshot") {
        snapshot = QString::fromLocal8Bit(args[2]);
        args.erase(args.begin() + 1, args.begin() + 3);
    }
    bool done = false;
    return lumivane::webview::viewerMain(static_cast<int>(args.size()) - 1, args.data(),
                                         [&snapshot, &done](FolderWindow& window) {
                                             if (done)
                                                 return;
                                             done = true;
                                             if (!snapshot.isEmpty()) {
                                                 writeSnapshot(window, snapshot);
                                                 return;
                                             }
                                             lumivane::bench::reportMoment("laidout");
                                             QCoreApplication::exit(0);
                                         });
}
