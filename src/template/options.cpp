#include "template/options.h"

namespace lumivane {

TemplateOptions TemplateOptions::preset() {
    TemplateOptions o;
    o.chkShowMsg = 0;
    o.chkFitImageWidth = o.chkFitImageHeight = o.chkFolderNameItalic = 1;
    o.chkFolderNamePosition = o.chkShowDetail = o.chkShowFolderName = 1;
    o.chkShowIcon = o.chkShowLine = o.chkReload = o.chkThumbnail = o.chkThumnailPosition = 1;
    o.chkSetLink = {1, 1};
    o.cmbFolderNameSize = "20pt";
    o.cmbInfoSize = "10pt";
    o.cmbLinkSize = "12pt";
    o.txtLink = {"file://c:\\temp", "file://c:\\My Documents"};
    o.txtLinkTitle = {"Temp Directory", "My Documents"};
    o.lblColor = {"blue", "darkblue", "lightblue", "white"};
    return o;
}

} // namespace lumivane
