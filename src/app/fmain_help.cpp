// The help line: pointing at a control puts its text on lblMessage, where it stays.
#include "app/fmain.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace lumivane::app {

void Fmain::setHelpText(QWidget* widget, const QString& text) {
    if (!widget)
        return;
    if (!helpTexts_.contains(widget))
        widget->installEventFilter(this);
    widget->setMouseTracking(true);
    helpTexts_.insert(widget, text);
}

void Fmain::setupHelpTexts() {
    const QString dropImages = QStringLiteral("イメージファイルをドロップしてください。");
    setHelpText(this, dropImages);
    setHelpText(Frame2, dropImages);
    setHelpText(Frame1, QStringLiteral("ここにファイルをドロップしてください。"));
    setHelpText(Frame3, QStringLiteral("最後に「変更」を押すと設定が反映されます。"
                                       "復元を押すとウインドウズの初期設定に復元されます。"));
    setHelpText(Frame4, QStringLiteral("左のフレームにリンクを設定"));
    setHelpText(chkShowIcon, QStringLiteral("フォルダを開いたとき、左上に表示されるアイコン"));
    setHelpText(chkShowLine, QStringLiteral("フォルダを開いたとき、左上に表示されるアイコンと、"
                                            "ファイルの詳細との間に表示される境界線"));
    setHelpText(chkThumbnail, QStringLiteral("プレビュースクリーンの表示"));
    setHelpText(chkThumnailPosition,
                QStringLiteral("プレビュースクリーンをウィンドのもっとも左下に表示"));
    setHelpText(chkShowFolderName,
                QStringLiteral("フォルダを開いたとき、左上に表示されるフォルダ名"));
    setHelpText(chkFolderNamePosition, QStringLiteral("フォルダ名をアイコンの横に表示する"));
    setHelpText(chkFolderNameItalic, QStringLiteral("フォルダ名をイタリックで表示する"));
    setHelpText(chkShowDetail,
                QStringLiteral("フォルダ内のファイルを選択したときに表示されるファイルの詳細情報"));
    setHelpText(chkShowMsg, QStringLiteral("フォルダを開いたとき、またはフォルダ内のアイコンを"
                                           "非選択のときに表示されるメッセージ"));
    setHelpText(chkFitImageWidth, QStringLiteral("画像の幅をフォルダの左の枠に合わせる"));
    setHelpText(chkFitImageHeight, QStringLiteral("画像の高さをフォルダの左の枠に合わせる"));
    setHelpText(chkReload, QStringLiteral("画像をクリックすると画像を再表示します"));
    setHelpText(Label1, QStringLiteral("フォルダ名の文字の大きさを設定"));
    setHelpText(Label2, QStringLiteral("ファイル詳細情報の文字の大きさを設定"));
    setHelpText(cmdAbout, QStringLiteral("Lumivaneについて。。。"));
    setHelpText(cmdDetail, QStringLiteral("細かい設定をします。"));
    setHelpText(cmdTovraMode, QStringLiteral("作者のお勧めの設定にします。"));
    setHelpText(cmdMake, QStringLiteral("設定を反映させます。"));
    setHelpText(cmdReturn, QStringLiteral("デフォルトに復元します。"));

    static const std::array<QString, 4> kSetLinkHelp{
        QStringLiteral("フォルダ名の色を設定"), QStringLiteral("詳細情報のの色を設定"),
        QStringLiteral("背景の色を設定"), QStringLiteral("リンクの色を設定")};
    // The detail slot's label text ends with a blank.
    static const std::array<QString, 4> kColorHelp{
        QStringLiteral("ボタンをクリックで、フォルダ名の色を設定"),
        QStringLiteral("ボタンをクリックで、詳細情報のの色を設定 "),
        QStringLiteral("ボタンをクリックで、背景の色を設定"),
        QStringLiteral("ボタンをクリックで、リンクの色を設定")};
    for (int i = 0; i < 4; ++i) {
        setHelpText(cmdSetLink[i], kSetLinkHelp[i]);
        setHelpText(lblColor[i], kColorHelp[i]);
    }
}

bool Fmain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        const auto it = helpTexts_.constFind(watched);
        if (it != helpTexts_.constEnd()) {
            // A move over a control inside a container reaches the container too (the
            // control passes it on); only the container's own background counts.
            auto* widget = static_cast<QWidget*>(watched);
            const auto* move = static_cast<QMouseEvent*>(event);
            if (!widget->childAt(move->position().toPoint()))
                setMessage(*it);
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lumivane::app
