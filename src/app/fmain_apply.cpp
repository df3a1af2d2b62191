// "変更" and "復元": the main window reads its options and stock and hands them to the core's
// ApplyTemplate and CopyPictureStock; messages go to the help line.
#include "app/fmain.h"
#include "template/apply.h"
#include "windows/fgraph.h"

#include <QPushButton>

namespace lumivane::app {

void Fmain::cmdMake_Click() {
    if (ApplyTemplate(false))
        CopyPictureStock();
}

void Fmain::cmdReturn_Click() {
    ApplyTemplate(true);
}

bool Fmain::ApplyTemplate(bool restore) {
    std::string folder;
    const ApplyResult result =
        lumivane::ApplyTemplate(platform_, restore, options(), imageCount(), folder);
    leftImageFolder = QString::fromStdString(folder);
    if (!result.message.empty())
        setMessage(QString::fromStdString(result.message), QString::fromStdString(result.whole));
    // After a failure the copies are skipped: they could not succeed without the Web folder,
    // and would not match the template that stayed in place.
    return !result.failed;
}

void Fmain::CopyPictureStock() {
    auto* graph = new windows::Fgraph(this);
    graph->show();
    cmdAbout->setEnabled(false);
    cmdMake->setEnabled(false);
    cmdReturn->setEnabled(false);

    // The copies run back to back without dispatching events; the bar repaints itself.
    const ApplyResult result = lumivane::CopyPictureStock(
        platform_, leftImageFolder.toStdString(), imagePaths(),
        [graph](int done, int total) { graph->setProgress(done, total); });

    graph->finish();
    cmdAbout->setEnabled(true);
    cmdMake->setEnabled(true);
    cmdReturn->setEnabled(true);
    if (!result.message.empty())
        setMessage(QString::fromStdString(result.message), QString::fromStdString(result.whole));
}

} // namespace lumivane::app
