#include "webview/folder_view.h"

#include "platform/codepage.h"
#include "webview/drive_scheme.h"
#include "webview/folder_address.h"
#include "webview/page_text.h"
#include "webview/raw_text.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QIcon>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeDatabase>
#include <QRandomGenerator>
#include <QScreen>
#include <QTimer>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <algorithm>
#include <future>

// The page's scripts are resources of this static library: they are registered by hand.
static void initWebviewResources() {
    Q_INIT_RESOURCE(webview);
}

namespace lumivane::webview {
namespace {

/// The page shown when folder.htt cannot be used: the file list alone.
constexpr std::string_view kPlainListPage =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=shift_jis\">"
    "</head><body scroll=no style=\"margin: 0\">"
    "<object id=FileList classid=\"clsid:1820FED0-473E-11D0-A96C-00C04FD705A2\" "
    "style=\"position: absolute; left: 0; top: 0; width: 100%; height: 100%\"></object>"
    "</body></html>";

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString colourText(std::uint32_t color) {
    return QStringLiteral("#%1%2%3")
        .arg(color & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((color >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((color >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

QJsonObject systemColours(platform::Platform& platform) {
    QJsonObject colours;
    for (const SystemColourName& name : kSystemColourNames)
        colours.insert(fromUtf8(systemColourVariable(name.keyword)),
                       colourText(platform.sysColor(name.index)));
    return colours;
}

QString readResource(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString jsLiteral(const std::string& text) {
    return fromUtf8(jsString(text));
}

/// The names of the theme's icons for an entry, by the type its name says, the way file
/// managers pick it: the type's own icon, else its generic one. Which of them the theme has,
/// the scheme finds out when the page asks for the icon: reading the theme takes the window's
/// thread milliseconds that the page's start would wait for. The type is looked up on any
/// thread.
QStringList iconNames(const FolderEntry& entry) {
    if (entry.isFolder)
        return {QStringLiteral("folder")};
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(fromUtf8(entry.name), QMimeDatabase::MatchExtension);
    return {type.iconName(), type.genericIconName()};
}

/// The addresses of the icons of the kinds of the entries the page data holds, in the order
/// of their kinds.
QJsonArray kindIcons(const FolderListing& listing, const PageEntries& entries) {
    QJsonArray icons;
    for (const std::size_t example : entries.exampleOfKind)
        icons.append(DriveSchemeHandler::iconUrl(iconNames(listing.entries[example])));
    return icons;
}

/// The height of a row of the page's file list, in pixels.
constexpr int kRowHeight = 18;

} // namespace

/// What the page may ask of the viewer, and nothing else. Only the bridge reaches it: the
/// web channel lives in the bridge's script world, and every call carries the key that the
/// viewer gave the bridge when it loaded the page, so a late call from a page gone is ignored.
class ViewerBridge : public QObject {
    Q_OBJECT
public:
    explicit ViewerBridge(FolderView& view) : QObject(&view), view_(view) {}

public Q_SLOTS:
    void selectionChanged(const QString& key, const QVariantList& indices) {
        QList<int> list;
        for (const QVariant& index : indices)
            list.append(index.toInt());
        if (view_.isPageKey(key))
            view_.pageSelectionChanged(list);
    }
    void invokeVerb(const QString& key, int index, const QString& verb) {
        if (view_.isPageKey(key))
            view_.pageInvokeVerb(index, verb);
    }
    void scriptError(const QString& key, const QString& message, int line) {
        if (view_.isPageKey(key))
            Q_EMIT view_.scriptError(message, line);
    }
    void pictureFailed(const QString& key, const QString& address) {
        if (view_.isPageKey(key))
            view_.pagePictureFailed(address);
    }
    void pageReady(const QString& key) {
        if (view_.isPageKey(key))
            view_.pageLaidOut();
    }
    void openEntry(const QString& key, int index) {
        if (view_.isPageKey(key))
            view_.userOpenedEntry(index);
    }
    void openSelection(const QString& key) {
        if (view_.isPageKey(key))
            view_.userOpenedSelection();
    }
    void openLink(const QString& key, const QString& address) {
        if (view_.isPageKey(key))
            view_.userOpenedLink(QUrl(address));
    }

private:
    FolderView& view_;
};

class FolderView::Page : public QWebEnginePage {
public:
    Page(QWebEngineProfile* profile, FolderView& view)
        : QWebEnginePage(profile, &view), view_(view) {}

    /// The next navigation to the page's address is the viewer's own.
    void expectLoad() { expecting_ = true; }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        if (!isMainFrame)
            return false; // the folder view has no frames of its own
        if (url == DriveSchemeHandler::pageUrl() && expecting_) {
            expecting_ = false;
            return true;
        }
        // The page never leaves: a reload is laid out anew by the viewer (keeping the
        // selection); the links that the user clicks are followed through the bridge.
        if (type == NavigationTypeReload || url == DriveSchemeHandler::pageUrl())
            QTimer::singleShot(0, &view_, &FolderView::reloadPage);
        return false;
    }

    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override {
        // The page's errors arrive through its bridge with their lines; its console is quiet.
    }

    // The page's dialogs are answered at once, so that no page holds the viewer up; what
    // they say is told. A page gets OK, cancel and an empty text.
    void javaScriptAlert(const QUrl&, const QString& text) override { Q_EMIT view_.pageSaid(text); }
    bool javaScriptConfirm(const QUrl&, const QString& text) override {
        Q_EMIT view_.pageSaid(text + QStringLiteral(" (キャンセルと答えました)"));
        return false;
    }
    bool javaScriptPrompt(const QUrl&, const QString& text, const QString&,
                          QString* result) override {
        Q_EMIT view_.pageSaid(text + QStringLiteral(" (空の文字列を答えました)"));
        result->clear();
        return true;
    }

private:
    FolderView& view_;
    bool expecting_ = false;
};

FolderView::FolderView(platform::Platform& platform, QWidget* parent)
    : QWebEngineView(parent), platform_(platform),
      opener_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    initWebviewResources();
    setContextMenuPolicy(Qt::NoContextMenu);
}

void FolderView::makePage() {
    // Off the record: the viewer leaves no cache or storage behind. Making the profile
    // starts the engine.
    profile_ = new QWebEngineProfile(this);
    page_ = new Page(profile_, *this);
    scheme_ = new DriveSchemeHandler(
        platform_, [this] { return pageBytes(); }, this);
    channel_ = new QWebChannel(this);
    bridge_ = new ViewerBridge(*this);
    profile_->installUrlSchemeHandler(QByteArray::fromStdString(std::string(kDriveScheme)),
                                      scheme_);
    QWebEngineSettings* settings = page_->settings();
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, true);
    // No window the page asks for is opened (newWindowRequested is left unanswered): what the
    // user opens reaches the viewer through the bridge.
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int code) {
                if (status == QWebEnginePage::NormalTerminationStatus)
                    return;
                const QString how = status == QWebEnginePage::KilledTerminationStatus
                                        ? QStringLiteral("止められました")
                                    : status == QWebEnginePage::CrashedTerminationStatus
                                        ? QStringLiteral("異常終了しました")
                                        : QStringLiteral("終了状態 %1 で終わりました").arg(code);
                Q_EMIT pageEnded(how);
            });
    channel_->registerObject(QStringLiteral("viewer"), bridge_);
    page_->setWebChannel(channel_, QWebEngineScript::ApplicationWorld);
    setPage(page_);
}

FolderView::~FolderView() {
    // The page goes before the profile it was made with.
    if (page_) {
        setPage(nullptr);
        delete page_;
    }
}

std::string FolderView::rawFolder() const {
    return toRaw(folder_);
}

void FolderView::showFolder(const QString& windowsPath, const QStringList& selectNames) {
    folder_ = windowsPath;
    std::vector<std::string> names;
    for (const QString& name : selectNames)
        names.push_back(toRaw(name));
    if (page_) {
        present(prepare(firstEntries()), names);
        return;
    }
    // The engine takes the window's thread a while to start: the folder is read meanwhile.
    // Only read: the engine's start may change the environment meanwhile, which a thread must
    // not read then (TZ for the dates, the MIME database's folders for the icons); the page
    // data is made here, after it.
    const std::size_t first = firstEntries();
    std::future<FolderListing> reading = std::async(std::launch::async, [this, first] {
        return listFolder(platform_, rawFolder(), showHidden_, first);
    });
    makePage();
    present(prepared(reading.get(), first), names);
}

void FolderView::reloadPage() {
    if (page_)
        present(prepare(firstEntries()), namesOf(selection_));
}

void FolderView::present(Prepared prepared, const std::vector<std::string>& selectNames) {
    listing_ = std::move(prepared.listing);
    entries_ = std::move(prepared.entries);
    icons_ = std::move(prepared.icons);
    selection_ = indicesOf(selectNames);
    if (selectsFrom(entries_.entries)) {
        // A selected entry past the first rows: its details show at once, so the page gets all.
        takeAllEntries();
    }
    loadPage();
}

QStringList FolderView::selectedNames() const {
    QStringList names;
    for (const std::string& name : namesOf(selection_))
        names.append(fromRaw(name));
    return names;
}

std::uint64_t FolderView::selectedBytes() const {
    std::uint64_t bytes = 0;
    for (int index : selection_)
        bytes += listing_.entries[static_cast<std::size_t>(index)].size;
    return bytes;
}

std::vector<std::string> FolderView::namesOf(const QList<int>& indices) const {
    std::vector<std::string> names;
    for (int index : indices) {
        if (index >= 0 && static_cast<std::size_t>(index) < listing_.entries.size())
            names.push_back(listing_.entries[static_cast<std::size_t>(index)].name);
    }
    return names;
}

QList<int> FolderView::indicesOf(const std::vector<std::string>& names) const {
    QList<int> indices;
    for (std::size_t i = 0; i < listing_.entries.size(); ++i) {
        if (std::find(names.begin(), names.end(), listing_.entries[i].name) != names.end())
            indices.append(static_cast<int>(i));
    }
    return indices;
}

FolderView::Prepared FolderView::prepare(std::size_t first) const {
    return prepared(listFolder(platform_, rawFolder(), showHidden_, first), first);
}

FolderView::Prepared FolderView::prepared(FolderListing listing, std::size_t first) {
    Prepared made;
    made.entries = pageEntries(listing, first);
    made.icons = kindIcons(listing, made.entries);
    made.listing = std::move(listing);
    return made;
}

std::size_t FolderView::firstEntries() const {
    const QWidget* top = window();
    int height = top->height();
    if (const QScreen* screen = top->screen())
        height = std::max(height, screen->availableGeometry().height());
    return static_cast<std::size_t>(height / kRowHeight + 2);
}

void FolderView::pageLaidOut() {
    const QString page = key_;
    Q_EMIT laidOut();
    if (key_ == page && entries_.entries < listing_.entries.size()) {
        takeAllEntries();
        sendEntries();
    }
}

void FolderView::readAllDetails() {
    if (listing_.detailed())
        return;
    readDetails(platform_, rawFolder(), listing_);
    Q_EMIT entriesDetailed();
}

void FolderView::takeAllEntries() {
    readAllDetails();
    entries_ = pageEntries(listing_);
    icons_ = kindIcons(listing_, entries_);
}

void FolderView::loadPage() {
    key_ = QString::number(QRandomGenerator::system()->generate64(), 36) +
           QString::number(QRandomGenerator::system()->generate64(), 36);
    const auto script = [](const QString& name, QWebEngineScript::ScriptWorldId world,
                           const QString& source) {
        QWebEngineScript made;
        made.setName(name);
        made.setInjectionPoint(QWebEngineScript::DocumentCreation);
        made.setWorldId(world);
        made.setRunsOnSubFrames(false);
        made.setSourceCode(source);
        return made;
    };
    page_->scripts().clear();
    page_->scripts().insert(script(QStringLiteral("lumivane-bridge"),
                                   QWebEngineScript::ApplicationWorld, bridgeScript()));
    page_->scripts().insert(
        script(QStringLiteral("lumivane-page"), QWebEngineScript::MainWorld, pageScript()));
    page_->expectLoad();
    page_->load(DriveSchemeHandler::pageUrl());
    Q_EMIT folderShown(folder_);
    Q_EMIT selectionChanged();
}

QString FolderView::bridgeScript() const {
    static const QString channel = readResource(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    static const QString bridge = readResource(QStringLiteral(":/lumivane/webview/page/bridge.js"));
    return QStringLiteral("(function () {\nconst key = ") + jsLiteral(key_.toStdString()) +
           QStringLiteral(";\n") + channel + QStringLiteral("\n") + bridge +
           QStringLiteral("\n})();\n");
}

QString FolderView::pageScript() const {
    QJsonObject config;
    QJsonObject folder;
    const QString home = fromRaw(platform_.windowsPath(QDir::homePath().toStdString()));
    folder.insert(QStringLiteral("icon"),
                  DriveSchemeHandler::iconUrl({folder_.compare(home, Qt::CaseInsensitive) == 0
                                                   ? QStringLiteral("user-home")
                                                   : QStringLiteral("folder")}));
    config.insert(QStringLiteral("folder"), folder);

    QJsonArray columns;
    for (int column = Name; column <= Attributes; ++column)
        columns.append(fromUtf8(columnTitle(column)));
    config.insert(QStringLiteral("columns"), columns);

    config.insert(QStringLiteral("icons"), icons_);
    if (!listing_.ok())
        config.insert(QStringLiteral("listProblem"),
                      fromUtf8(listing_.error) + QStringLiteral(": ") + shownText(folder_));
    QJsonArray selected;
    for (int index : selection_)
        selected.append(index);
    config.insert(QStringLiteral("selected"), selected);
    config.insert(QStringLiteral("second"), second_ ? QJsonValue(*second_) : QJsonValue());
    config.insert(QStringLiteral("colours"), systemColours(platform_));
    // The page asks for the Japanese UI font of its system; where that font is missing, the
    // one the program uses stands in for it.
    if (!QFontDatabase::hasFamily(QStringLiteral("MS UI Gothic")))
        config.insert(QStringLiteral("fontAlias"), QStringLiteral("Noto Sans CJK JP"));

    static const QString style = readResource(QStringLiteral(":/lumivane/webview/page/style.css"));
    static const QString shims = readResource(QStringLiteral(":/lumivane/webview/page/shims.js"));
    static const QString standIns =
        readResource(QStringLiteral(":/lumivane/webview/page/stand_ins.js"));
    config.insert(QStringLiteral("style"), style);
    // The folder's path and name may hold bytes that are not UTF-8: written as the entries are.
    const std::string path = rawFolder();
    return QStringLiteral("(function () {\n\"use strict\";\nconst config = ") +
           QString::fromUtf8(QJsonDocument(config).toJson(QJsonDocument::Compact)) +
           QStringLiteral(";\nconfig.entries = ") + fromUtf8(entries_.script) +
           QStringLiteral(";\nconfig.folder.path = ") + jsLiteral(path) +
           QStringLiteral(";\nconfig.folder.name = ") + jsLiteral(folderDisplayName(path)) +
           QStringLiteral(";\n") + shims + QStringLiteral("\n") + standIns +
           QStringLiteral("\n})();\n");
}

QByteArray FolderView::pageBytes() {
    const std::string webFolder = platform_.windowsDirectory() + "\\Web";
    const std::string templatePath = webFolder + "\\folder.htt";
    const std::optional<std::string> bytes = platform_.readFile(templatePath);
    const bool empty = bytes && bytes->find_first_not_of(" \t\r\n") == std::string::npos;
    if (!bytes || empty) {
        templateProblem_ = (empty ? QStringLiteral("folder.htt が空です: ")
                                  : QStringLiteral("folder.htt を読めません: ")) +
                           fromUtf8(templatePath);
        return QByteArray::fromStdString(std::string(kPlainListPage));
    }
    templateProblem_.clear();
    const std::string path = rawFolder();
    const FolderTokens tokens{path, folderDisplayName(path), webFolder};
    // Served as UTF-8 (the scheme says so, over the page's own META): the folder's name
    // reaches the engine whole, with no round trip through code page 932.
    return QByteArray::fromStdString(preparePage(platform::fromCp932(*bytes), tokens));
}

void FolderView::refreshEntries() {
    if (!page_)
        return;
    Prepared fresh = prepare();
    if (fresh.listing == listing_)
        return;
    if (fresh.listing.ok() != listing_.ok()) {
        // The folder came or went: the list says why, or shows it, in a page laid out anew.
        present(std::move(fresh), namesOf(selection_));
        return;
    }
    const std::vector<std::string> kept = namesOf(selection_);
    listing_ = std::move(fresh.listing);
    entries_ = std::move(fresh.entries);
    icons_ = std::move(fresh.icons);
    selection_ = indicesOf(kept);
    sendEntries();
    Q_EMIT selectionChanged();
}

void FolderView::sendEntries() {
    std::string update = "{\"entries\":";
    update += entries_.script;
    update += ",\"icons\":";
    update += QJsonDocument(icons_).toJson(QJsonDocument::Compact).toStdString();
    update += ",\"selected\":[";
    for (int index : selection_) {
        if (update.back() != '[')
            update += ',';
        update += std::to_string(index);
    }
    update += "]}";
    page_->runJavaScript(QStringLiteral("document.dispatchEvent(new CustomEvent("
                                        "'lumivane:entries', {detail: %1}));")
                             .arg(jsLiteral(update)),
                         QWebEngineScript::ApplicationWorld);
}

void FolderView::refreshColours() {
    if (!page_)
        return;
    const QJsonObject colours = systemColours(platform_);
    QString script = QStringLiteral("(function (s) {");
    for (auto it = colours.begin(); it != colours.end(); ++it)
        script += QStringLiteral("s.setProperty('%1', '%2');").arg(it.key(), it.value().toString());
    script += QStringLiteral("})(document.documentElement.style);");
    page_->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

void FolderView::selectAll() {
    if (!page_)
        return;
    page_->runJavaScript(
        QStringLiteral("document.dispatchEvent(new CustomEvent('lumivane:select-all'));"),
        QWebEngineScript::ApplicationWorld);
}

bool FolderView::openPath(const std::string& windowsPath) {
    if (platform_.folderExists(windowsPath)) {
        Q_EMIT navigate(fromRaw(windowsPath));
        return true;
    }
    const std::optional<std::string> host = platform_.hostPath(windowsPath);
    if (host && platform_.fileExists(windowsPath)) {
        opener_(localFileUrl(*host));
        return true;
    }
    Q_EMIT notice(QStringLiteral("見つかりません: ") + shownText(fromRaw(windowsPath)));
    refreshEntries(); // perhaps an entry that is gone: the folder as it is now
    return false;
}

void FolderView::userOpenedEntry(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= listing_.entries.size())
        return;
    std::string path = rawFolder();
    if (!path.ends_with('\\'))
        path += '\\';
    openPath(path + listing_.entries[static_cast<std::size_t>(index)].name);
}

void FolderView::userOpenedSelection() {
    if (!selection_.isEmpty())
        userOpenedEntry(*std::min_element(selection_.begin(), selection_.end()));
}

void FolderView::userOpenedLink(const QUrl& url) {
    if (const std::optional<std::string> path =
            windowsPathOfDriveUrl(url.toString(QUrl::FullyEncoded).toStdString())) {
        openPath(*path);
        return;
    }
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("ftp") || scheme == QLatin1String("mailto"))
        opener_(url);
}

bool FolderView::selectsFrom(std::size_t index) const {
    return !selection_.isEmpty() && static_cast<std::size_t>(std::ranges::max(selection_)) >= index;
}

bool FolderView::isPageKey(const QString& key) const {
    return !key.isEmpty() && key == key_;
}

void FolderView::pageSelectionChanged(const QList<int>& indices) {
    selection_.clear();
    for (int index : indices) {
        if (index >= 0 && static_cast<std::size_t>(index) < listing_.entries.size())
            selection_.append(index);
    }
    // The selection's sizes are told at once, also of entries past the first rows.
    if (selectsFrom(listing_.detailedEntries))
        readAllDetails();
    Q_EMIT selectionChanged();
}

void FolderView::pageInvokeVerb(int index, const QString& verb) {
    // The template asks only for the property sheet; other verbs are not the page's to run.
    const QString plain = QString(verb).remove(QLatin1Char('&')).toLower();
    if (index >= 0 && static_cast<std::size_t>(index) < listing_.entries.size() &&
        (plain.startsWith(QLatin1String("properties")) ||
         plain.startsWith(QStringLiteral("プロパティ")))) {
        readAllDetails();
        Q_EMIT propertiesRequested(index);
    } else {
        Q_EMIT notice(QStringLiteral("この操作はできません: ") + verb);
    }
}

void FolderView::pagePictureFailed(const QString& address) {
    const std::optional<std::string> path =
        windowsPathOfDriveUrl(QUrl(address).toString(QUrl::FullyEncoded).toStdString());
    Q_EMIT pictureFailed(path ? shownText(fromRaw(*path)) : address);
}

} // namespace lumivane::webview

#include "folder_view.moc"
