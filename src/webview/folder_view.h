#pragma once

#include "platform/platform.h"
#include "webview/folder_listing.h"
#include "webview/page_data.h"

#include <QJsonArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWebEngineView>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QWebChannel;
class QWebEngineProfile;

namespace lumivane::webview {

class DriveSchemeHandler;
class ViewerBridge;

/// The Web View of one folder: the system's folder.htt made ready for the folder and shown
/// with stand-ins for the objects it names. Only reads: the page reaches the drives through
/// the read-only scheme and the viewer through the bridge, which runs in a script world of its
/// own. Paths and names are QStrings that keep bytes that are not UTF-8 (see fromRaw).
class FolderView : public QWebEngineView {
    Q_OBJECT
public:
    explicit FolderView(platform::Platform& platform, QWidget* parent = nullptr);
    ~FolderView() override;

    /// Shows a folder (a plain Windows path) with these entries selected by name. A folder
    /// that cannot be read still shows, with the reason in its file list.
    void showFolder(const QString& windowsPath, const QStringList& selectNames = {});
    /// Lays the page out anew from the current folder.htt, keeping folder and selection.
    void reloadPage();
    /// Reads the folder again and, if its entries changed, shows them in the list as it is,
    /// scrolled where it was, keeping the selected entries that are still there; the page is
    /// not laid out again.
    void refreshEntries();
    /// Takes the colours that the platform holds into the shown page at once.
    void refreshColours();
    /// Selects every entry of the file list.
    void selectAll();

    /// The page's clock reads this second; nullopt for the real clock.
    void setSecond(std::optional<int> second) { second_ = second; }
    void setShowHidden(bool show) { showHidden_ = show; }
    /// How a file is opened: by the desktop's default program unless tests say otherwise.
    using Opener = std::function<void(const QUrl&)>;
    void setOpener(Opener opener) { opener_ = std::move(opener); }

    const QString& folder() const { return folder_; }
    /// The folder's entries. A big folder's entries past its first rows come without their
    /// details until its page has been drawn (entriesDetailed then).
    const FolderListing& listing() const { return listing_; }
    QStringList selectedNames() const;
    std::uint64_t selectedBytes() const;
    /// Why the page is the plain file list instead of the template, or empty.
    const QString& templateProblem() const { return templateProblem_; }

    // Called through the bridge, which checks the page's key.
    bool isPageKey(const QString& key) const;
    void pageSelectionChanged(const QList<int>& indices);
    void pageInvokeVerb(int index, const QString& verb);
    void pagePictureFailed(const QString& address);
    /// The page has drawn itself: a big folder's page is then given the rest of its entries.
    void pageLaidOut();
    /// The user opened an entry of the list, the selected ones, or a link of the page.
    void userOpenedEntry(int index);
    void userOpenedSelection();
    void userOpenedLink(const QUrl& url);

Q_SIGNALS:
    /// A folder is shown (also again after a reload).
    void folderShown(const QString& windowsPath);
    void selectionChanged();
    /// Every entry of the listing now has its details.
    void entriesDetailed();
    /// The page has laid itself out and its pictures have arrived.
    void laidOut();
    void scriptError(const QString& message, int line);
    void pictureFailed(const QString& windowsPath);
    /// The user opened another folder.
    void navigate(const QString& windowsPath);
    /// The page asks for the property sheet of an entry.
    void propertiesRequested(int index);
    /// Something the status bar should say.
    void notice(const QString& text);
    /// The page said something through alert, confirm or prompt (already answered: OK,
    /// cancel, an empty text), as one line of text.
    void pageSaid(const QString& text);
    /// The page's process ended before its time; `reason` says how.
    void pageEnded(const QString& reason);

private:
    class Page;

    /// The current folder read and made into the page's data. The first folder is read on a
    /// thread of its own while the engine starts.
    struct Prepared {
        FolderListing listing;
        PageEntries entries;
        QJsonArray icons; ///< the addresses of the kinds' icons, in the order of their kinds
    };
    /// How many entries a page is given before it is first drawn: as many rows as the window
    /// could show at its size or on its screen. A bigger folder's page gets the rest once it
    /// is drawn.
    std::size_t firstEntries() const;
    /// The folder's listing and the page data of its first `first` entries.
    Prepared prepare(std::size_t first = kAllEntries) const;
    static Prepared prepared(FolderListing listing, std::size_t first);
    /// Reads the details of the entries that the listing has without them.
    void readAllDetails();
    /// The page data of all the entries of the current listing.
    void takeAllEntries();
    /// Hands the page the entries, their icons and the selection, for the list to show in
    /// place.
    void sendEntries();
    /// The engine, the page and its bridge, made when the first folder is shown.
    void makePage();
    QByteArray pageBytes();
    /// Shows these entries of the current folder with these selected, in a page laid out anew.
    void present(Prepared prepared, const std::vector<std::string>& selectNames);
    void loadPage();
    QString pageScript() const;
    QString bridgeScript() const;
    /// Opens a Windows path that the user opened: a folder in the view, a file with the
    /// desktop's program. False, with a notice, when it is not there.
    bool openPath(const std::string& windowsPath);
    std::vector<std::string> namesOf(const QList<int>& indices) const;
    /// True when an entry at `index` or after it is selected.
    bool selectsFrom(std::size_t index) const;
    QList<int> indicesOf(const std::vector<std::string>& names) const;
    std::string rawFolder() const;

    platform::Platform& platform_;
    QWebEngineProfile* profile_ = nullptr;
    Page* page_ = nullptr;
    DriveSchemeHandler* scheme_ = nullptr;
    QWebChannel* channel_ = nullptr;
    ViewerBridge* bridge_ = nullptr;
    QString folder_;
    FolderListing listing_;
    PageEntries entries_;
    QJsonArray icons_;
    QList<int> selection_;
    QString templateProblem_;
    std::optional<int> second_;
    bool showHidden_ = false;
    QString key_; ///< the present page's key, new with every load
    Opener opener_;
};

} // namespace lumivane::webview
