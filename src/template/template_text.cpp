// The folder view template folder.htt: twenty blocks written in one pass. Restore mode is the
// standard Web View template (344 lines); apply mode changes a few of its lines and adds the
// picture layer, the picture choice and the options' effects.
#include "template/template_text.h"

#include "platform/codepage.h"

#include <string>

namespace lumivane {
namespace {

// Shown in the left panel while nothing is selected. The comma is the half-width one (U+FF64).
constexpr std::string_view kPromptText = "アイコンを選択すると\uFF64その説明が表示されます";
// The title's start marker, shared by the mini banner and the left panel.
constexpr std::string_view kTitleMarkerStart =
    R"(<!--webbot bot="HTMLMarkup" startspan alt="&lt;b&gt;Web View フォルダのタイトル&lt;/b&gt;" -->)";
constexpr std::string_view kMarkerEnd = R"(<!--webbot bot="HTMLMarkup" endspan -->)";

/// Collects the lines of the template, each ended by CR LF unless told otherwise.
class Writer {
public:
    void line(std::string_view text) {
        out_ += text;
        out_ += "\r\n";
    }
    /// `indent` blanks, then the pieces, then CR LF.
    template <typename... Pieces> void line(int indent, const Pieces&... pieces) {
        out_.append(static_cast<std::size_t>(indent), ' ');
        (out_.append(pieces), ...);
        out_ += "\r\n";
    }
    /// A line without line end: it joins the line that follows it.
    void unended(std::string_view text) { out_ += text; }
    /// Several lines given as one literal whose lines end in '\n'; a leading '\n' is skipped
    /// so the literal can open on a line of its own.
    void lines(std::string_view text) {
        if (!text.empty() && text.front() == '\n')
            text.remove_prefix(1);
        while (!text.empty()) {
            const auto end = text.find('\n');
            line(text.substr(0, end));
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        }
    }
    void blank() { line(std::string_view{}); }
    /// A line of nothing but `count` blanks (kept apart from the literals, whose trailing
    /// blanks an editor might strip).
    void blanks(int count) { line(count, std::string_view{}); }

    std::string take() { return std::move(out_); }

private:
    std::string out_;
};

void header(Writer& w) {
    w.line("<!-- ");
    w.lines(R"(
     This file was generated automatically by Internet Explorer 4.0 from
     %THISDIRPATH%\folder.htt if the folder has been customised,
     or else from %TEMPLATEDIR%\folder.htt.
 -->
)");
    w.blank();
}

void styleSheet(Writer& w) {
    w.lines(R"(
<html>
  <style>
      body        {font: 9pt/10pt "MS UI Gothic"; margin: 0}
      #FileList   {position: absolute; left: 30%; width: 70%; height: 100%}
      #Media      {margin-left: 15px}
      #Panel      {position: absolute; width: 30%; height: 100%; overflow: auto}
      #PieChart   {width: 100px; height: 50px; margin-top: 10px}
      #Thumbnail  {width: 160px; height: 160px; margin-top: 0px}
      #Status     {margin-left: 15px}
      #Brand      {position: absolute; left: 30%; width: 70%; height: 100%; overflow: auto}
      p           {margin-left: 15px; margin-top: 15px; margin-right: 15px}
      p.Title     {font: 16pt; font-weight: bold; margin-top: 5px}
      p.LogoLine  {margin-left: 0; margin-top: -5px; margin-right: 0; margin-bottom: 20px}
      p.Warning   {font-weight: bold; color: red}
      p.Links     {margin-top: 5px}
      a.Command   {font-weight: bold}
      div.Release {width: 160px; text-align: right; background: buttonface; padding: 0px, 8px, 4px, 8px}
  </style>
)");
    w.blank();
    w.line("  <head>");
}

void characterSet(Writer& w) {
    w.line(R"(<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=shift_jis">)");
}

void base(Writer& w) {
    w.lines(R"(
      <!-- Pictures and other files put into this folder can be referred to from here. -->
      <!-- The "webbot" comments mark parts that an HTML editor must leave as they are. -->
      <!--webbot bot="HTMLMarkup" startspan tag="base" -->
      <base href="%THISDIRPATH%\">
      <!--webbot bot="HTMLMarkup" endspan -->
)");
    w.blank();
}

void scriptTexts(Writer& w, std::string_view promptText) {
    w.line(R"(      <script language="JavaScript">)");
    w.line(10, R"(var L_Prompt_Text   = ")", promptText, R"(";)");
    w.lines(R"js(
          var L_Multiple_Text = " 個のオブジェクトを選択";
          var L_Size_Text = "サイズ :";
          var L_FileSize_Text = "合計ファイル サイズ : ";
          var L_Delimiter_Text = ",";
          var L_Bytes_Text = "&nbsp;バイト";
          var L_Attributes_Text = "属性";
          var L_Codes_Text = "RHSaCE"; // suppress the Archive flag
          var L_ReadOnly_Text = "読み取り専用";
          var L_Hidden_Text = "隠しファイル";
          var L_System_Text = "システム";
          var L_Archive_Text = "アーカイブ";
          var L_Compressed_Text = "圧縮";
          var L_Encrypted_Text = "暗号化";
          var L_NoAttributes_Text = "(標準)";
          var L_Properties_Text = "プロパティ(&R)";
          var timer = 0;
          var wantMedia = false; // a media preview can keep media files from being moved or deleted
)js");
    w.blank();
}

void fixSize(Writer& w, const TemplateInput& in) {
    w.lines(R"(
          function FixSize() {
              var threshold = 400;
              var miniHeight = 32;
              var ch = document.body.clientHeight;
              var cw = document.body.clientWidth;

              if (cw < threshold) {
                  document.all.Panel.style.visibility = "hidden";
                  document.all.MiniBanner.style.visibility = "visible";
                  document.all.FileList.style.pixelTop = miniHeight;
                  document.all.FileList.style.pixelLeft = 0;
              } else {
                  document.all.MiniBanner.style.visibility = "hidden";
                  document.all.Panel.style.visibility = "visible";
                  document.all.FileList.style.pixelTop = 0;
                  document.all.FileList.style.pixelLeft = document.all.Panel.offsetWidth;
              }

              document.all.FileList.style.pixelWidth = cw - document.all.FileList.style.pixelLeft;
              document.all.FileList.style.pixelHeight = ch - document.all.FileList.style.pixelTop;
)");
    if (!in.restore) {
        const TemplateOptions& o = in.options;
        if (checked(o.chkThumnailPosition))
            w.line(14, "document.all.Thumbnail.style.pixelTop = document.body.clientHeight - "
                       "document.all.Thumbnail.style.pixelHeight - 30;");
        if (checked(o.chkFitImageHeight))
            w.line(14, "document.all.bgImage.style.pixelHeight = "
                       "document.all.Panel.style.pixelHeight;");
        if (checked(o.chkFitImageWidth))
            w.line(14,
                   "document.all.bgImage.style.pixelWidth = document.all.Panel.style.pixelWidth;");
        w.line(14, "maximage= ", std::to_string(in.imageCount), ";");
        w.line(14, "dt=new Date();");
        w.line(14, R"(ImageStock="file://)", in.scriptFolder,
               R"(" + (dt.getSeconds() % maximage) + ".lmv";)");
        w.line(14,
               "document.all.bgImageBack.style.pixelWidth=document.all.Panel.style.pixelWidth;");
        w.line(14,
               "document.all.bgImageBack.style.pixelHeight=document.all.Panel.style.pixelHeight;");
        w.line(14, "document.bgImage.src=ImageStock;");
    }
    w.line("          }");
    w.blank();
}

void standardFunctions(Writer& w) {
    w.lines(R"(
          // n as digits with a delimiter before every full group of three, counted from the right
          function FormatNumber(n) {
              var s = "" + n;
              var grouped = "";
              while (s.length > 3) {
                  grouped = L_Delimiter_Text + s.substring(s.length - 3, s.length) + grouped;
                  s = s.substring(0, s.length - 3);
              }
              return s + grouped;
          }

          // the property sheet of the first selected item
          function Properties() {
              document.all.FileList.SelectedItems().Item(0).InvokeVerb(L_Properties_Text);
          }

          function Init() {
              window.onresize = FixSize;
              FixSize();
              document.all.Info.innerHTML = L_Prompt_Text;
          }
      </script>
)");
    w.blank();
}

// The attribute names are gathered with a counter of their own (j): sharing the column loop's
// counter would make the loop skip the columns after the attributes, or never end when the
// attributes stand in column 8 or 9.
void selectionScript(Writer& w) {
    w.lines(R"(
      <script language="JavaScript" for="FileList" event="SelectionChanged">
          // the shown folder, the selection and the working variables
          var folder = document.all.FileList.Folder;
          var items = document.all.FileList.SelectedItems();
          var count = items.Count;
          var text, item, name, size, data, title, names, found;
          var tip, pos, rest, end, address, path, ext, player, i, j;

          // forget the previous item: its pending status message, thumbnail and media
          if (timer) {
              clearTimeout(timer);
          }
          timer = 0;
          document.all.Thumbnail.style.display = "none";
          document.all.Status.style.display = "none";
          if (wantMedia) {
              document.all.Media.innerHTML = "";
          }

          if (count == 0) {
              // nothing selected: the prompt
              document.all.Info.innerHTML = L_Prompt_Text;
          } else if (count > 1) {
              // several items: their number, their total size and, if few, their names
              text = count + L_Multiple_Text + "<br>";

              // their total size, when there are few enough to add up quickly
              if (count <= 100) {
                  size = 0;
                  for (i = 0; i < count; i++) {
                      size += items.Item(i).Size;
                  }
                  if (size != 0) {
                      text += "<br>" + L_FileSize_Text + FormatNumber(size) + L_Bytes_Text;
                      text += "<br>";
                  }
              }

              // their names, when they fit into the panel
              if (count <= 16) {
                  for (i = 0; i < count; i++) {
                      text += "<br>" + items.Item(i).Name;
                  }
              }
              document.all.Info.innerHTML = text;
          } else {
              // one item: its name in bold, then its type and date
              item = items.Item(0);
              size = item.Size;
              name = folder.GetDetailsOf(item, 0);
              text = "<b>" + name + "</b>";
              data = folder.GetDetailsOf(item, 2);
              if (data != "") {
                  text += "<br>" + data;
              }
              // the date, under the column's own title
              data = folder.GetDetailsOf(item, 3);
              if (data != "") {
                  text += "<br><br>" + folder.GetDetailsOf(null, 3) + ":<br>" + data;
              }

              // its size: small sizes in bytes, others as the size column shows them
              if (size > 0 && size < 1000) {
                  text += "<br><br>" + L_Size_Text + size + L_Bytes_Text;
              } else {
                  data = folder.GetDetailsOf(item, 1);
                  if (data != "") {
                      text += "<br><br>" + folder.GetDetailsOf(null, 1) + ": " + data;
                  } else if (size != 0) {
                      text += "<br><br>" + L_Size_Text + FormatNumber(size) + L_Bytes_Text;
                  }
              }

              // the extra columns, up to the first one without a title
              for (i = 4; i <= 9; i++) {
                  title = folder.GetDetailsOf(null, i);
                  if (title == "") {
                      break;
                  }
                  data = folder.GetDetailsOf(item, i);
                  if (title == L_Attributes_Text) {
                      // the attributes by name, with a link to the property sheet; the
                      // names have a counter of their own, so no column is skipped
                      text += "<br><br><a href='JavaScript:onClick=Properties()'>" + title;
                      text += "</a>: ";
                      names = new Array(L_ReadOnly_Text, L_Hidden_Text, L_System_Text,
                                        L_Archive_Text, L_Compressed_Text, L_Encrypted_Text);
                      found = "";
                      for (j = 0; j < names.length; j++) {
                          if (data.indexOf(L_Codes_Text.charAt(j)) != -1) {
                              if (found != "") {
                                  found += ", ";
                              }
                              found += names[j];
                          }
                      }
                      if (found == "") {
                          found = L_NoAttributes_Text;
                      }
                      text += found;
                  } else if (data != "") {
                      // any other column with data: its title, then its data
                      text += "<br><br>" + title + ":<br>" + data;
                  }
              }

              // the info tip, unless it only repeats the name; its first address becomes a link
              tip = folder.GetDetailsOf(item, -1);
              if (tip != "" && tip != name) {
                  // each line break of the tip shows as one
                  tip = tip.replace(/\r?\n/g, "<br>\n");
                  text += "<br><br>";
                  pos = tip.indexOf("http://");
                  if (pos == -1) {
                      pos = tip.indexOf("file://");
                  }
                  if (pos != -1) {
                      rest = tip.substring(pos, tip.length);
                      end = rest.indexOf(" ");
                      if (end == -1) {
                          end = rest.length;
                      }
                      address = rest.substring(0, end);
                      text += tip.substring(0, pos - 1);
                      text += "<a href='" + address + "'>" + address + "</a>";
                      text += rest.substring(end + 1, rest.length);
                  } else {
                      text += tip;
                  }
              }
              document.all.Info.innerHTML = text;

              // a player for movies and sounds, when media previews are wanted
              if (wantMedia && size != 0) {
                  path = item.Path;
                  ext = path.substring(path.lastIndexOf(".") + 1, path.length).toLowerCase();
                  player = "<object id=Player width=160";
                  player += " classid='clsid:05589FA1-C356-11CE-BF01-00AA0055595A'";
                  if (ext == "avi" || ext == "mov" || ext == "qt" ||
                      ext == "mpe" || ext == "mpeg" || ext == "mpg") {
                      // a movie: picture and controls
                      player += " height=148>";
                  } else if (ext == "aif" || ext == "aifc" || ext == "aiff" || ext == "au" ||
                             ext == "mid" || ext == "rmi" || ext == "snd" || ext == "wav") {
                      // a sound: the controls only
                      player += " height=28>";
                  } else {
                      player = "";
                  }
                  if (player != "") {
                      player += "<param name='FileName' value='" + path + "'>";
                      player += "</object>";
                      document.all.Media.innerHTML = player;
                  }
              }

              // a file that the viewer can show: "creating the preview" after a second,
              // unless the thumbnail is ready first
              if (size != 0 && size < 10000000) {
                  if (document.all.Thumbnail.displayFile(item.Path)) {
                      timer = setTimeout("document.all.Status.style.display = ''", 1000);
                  }
              }
          }
      </script>
)");
    w.blank();
}

void thumbnailScript(Writer& w, bool showThumbnail) {
    w.lines(R"(
      <script language="JavaScript" for="Thumbnail" event="OnThumbnailReady">
          if (timer)
              clearTimeout(timer);
          timer = 0;
          document.all.Status.style.display = "none";
          if (document.all.Thumbnail.haveThumbnail() && document.all.Media.innerHTML == "")
)");
    w.line(14, showThumbnail ? R"(document.all.Thumbnail.style.display = "";)"
                             : R"(document.all.Thumbnail.style.display = "none";)");
    w.line("      </script>");
    w.line("  </head>");
    w.blank();
}

void bodyTag(Writer& w, bool reload) {
    w.line(reload ? R"js(  <body scroll=no onload="Init()"onClick=location.reload()>)js"
                  : R"js(  <body scroll=no onload="Init()">)js");
    w.blank();
}

void miniBanner(Writer& w) {
    w.lines(R"(
  <!-- start mini banner -->
  <div id=MiniBanner style="visibility: hidden; position: absolute; width: 100%; height: 32px; background: window">
      <table width=100% height=100% border=0 cellpadding=0 cellspacing=0>
          <tr><td nowrap>
              <p class=Title style="margin-top: 0">
)");
    w.line(14, kTitleMarkerStart, "%THISDIRNAME%", kMarkerEnd);
    w.lines(R"(
              </p>
          </td></tr>
      </table>
  </div>
  <!-- end mini banner -->
)");
    w.blank();
    w.line("  <!-- start left info panel -->");
}

void panelStart(Writer& w, const TemplateInput& in) {
    if (in.restore) {
        w.line(
            8,
            R"(<div id=Panel style="background: URL(file://%TEMPLATEDIR%\wvleft.bmp) no-repeat">)");
        return;
    }
    w.line(8, R"(<span id=bgImageBack style="background: )", in.options.lblColor[2],
           R"(; position: absolute; top: 0; left: 0; z-index: -100">)");
    w.line(0, R"(<img src=")", in.programFolder, R"(\null.gif"id=bgImage name=bgImage ></span>)");
    w.line(8, R"(<div id=Panel style="background: transparent">)");
}

void icon(Writer& w, bool show) {
    w.line(10, "<p>");
    if (show) {
        w.line(
            10,
            R"(<object classid="clsid:E5DF9D10-3B52-11D1-83E8-00A0C90DC849" width=32 height=32>)");
        w.line(14, R"(<param name="scale" value="100">)");
        w.line(10, "</object>");
    }
    w.blank();
}

void title(Writer& w, const TemplateInput& in) {
    const TemplateOptions& o = in.options;
    const bool apply = !in.restore;
    const bool span = apply && checked(o.chkShowFolderName);
    const bool italic = apply && checked(o.chkFolderNameItalic);

    if (!apply || !checked(o.chkFolderNamePosition))
        w.line(10, "<p class=Title>");
    w.line(10, kTitleMarkerStart);
    if (span)
        w.line(10, R"(<span style="color: )", o.lblColor[0], "; font: ", o.cmbFolderNameSize,
               R"("><nobr>)", "\u3000");
    if (italic)
        w.unended("          <i>");
    w.line(10, "%THISDIRNAME%");
    if (italic)
        w.unended("          </i>");
    if (span)
        w.line(10, "</nobr></span>");
    w.line(10, kMarkerEnd);
    w.blanks(10);
}

void separatingLine(Writer& w, bool show) {
    w.line(10, "<p class=LogoLine>");
    if (show)
        w.line(10, R"(<img src="%TEMPLATEDIR%\wvline.gif" width=100% height=1px>)");
    w.blanks(10);
    w.line(10, "<p>");
}

void information(Writer& w, const TemplateInput& in) {
    if (in.restore)
        w.line(10, "<span id=Info>");
    else if (checked(in.options.chkShowDetail))
        w.line(10, R"(<span id=Info style="color: )", in.options.lblColor[1],
               "; font: ", in.options.cmbInfoSize, R"(" > )");
    else
        w.line(10, R"(<span id=Info style="display: none">)");
    w.line(10, "</span>");
    w.blank();
}

void link(Writer& w, const TemplateOptions& o, int index) {
    const auto i = static_cast<std::size_t>(index);
    w.line(14, R"(<a href=")", o.txtLink[i], R"(" style="font: )", o.cmbLinkSize,
           "; color: ", o.lblColor[3], R"("><nobr>)", o.txtLinkTitle[i], "</nobr></a>");
}

void links(Writer& w, const TemplateInput& in) {
    w.lines(R"(
          <!-- HERE'S A GOOD PLACE TO ADD A FEW LINKS OF YOUR OWN -->
          <!--
          <p class=Links>
          <a href="http://www.example.com/">ホームページ</a>
          <br>
          <a href="file://c:\My Documents">My Documents</a>
          </p>
          -->
)");
    w.line(14, "<br><br>");
    if (!in.restore) {
        const TemplateOptions& o = in.options;
        if (checked(o.chkSetLink[0]))
            link(w, o, 0);
        if (checked(o.chkSetLink[1])) {
            if (checked(o.chkSetLink[0]))
                w.line(14, "<br><br>");
            link(w, o, 1);
        }
    }
    w.blank();
}

void thumbnail(Writer& w, bool atBottom) {
    w.line(10, "<p>");
    w.line(10, "<!-- this is the thumbnail viewer control -->");
    w.blanks(2);
    w.line(
        10,
        atBottom
            ? R"(<object id=Thumbnail classid="clsid:1D2B4F40-1F10-11D1-9E88-00C04FDCAB92" style="display: none; position: absolute">)"
            : R"(<object id=Thumbnail classid="clsid:1D2B4F40-1F10-11D1-9E88-00C04FDCAB92" style="display: none">)");
    w.line(10, "</object>");
    w.blank();
}

void statusAndMedia(Writer& w) {
    w.line(10, "<!-- the status message, shown while the preview is being made -->");
    w.line(10, R"(<div id=Status style="display: none">)");
    w.line(14, "プレビューの作成中...");
    w.line(10, "</div>");
    w.blanks(10);
    w.line(10, "<p>");
    w.line(10, "<!-- the ActiveMovie control plays media previews here -->");
    w.line(10, "<div id=Media>");
    w.line(10, "</div>");
    w.blanks(10);
}

void end(Writer& w) {
    w.lines(R"(
      </div>
      <!-- end left info panel -->
)");
    w.blank();
    w.lines(R"(
      <!-- the standard file list control -->
      <!--webbot bot="HTMLMarkup" startspan -->
      <object id=FileList border=0 tabindex=1 classid="clsid:1820FED0-473E-11D0-A96C-00C04FD705A2">
      </object>
      <!--webbot bot="HTMLMarkup" endspan -->
)");
    w.blank();
    w.line("  </body>");
    w.line("</html>");
}

} // namespace

std::string templateText(const TemplateInput& in) {
    const TemplateOptions& o = in.options;
    const bool apply = !in.restore;
    Writer w;
    header(w);
    styleSheet(w);
    characterSet(w);
    base(w);
    scriptTexts(w, !apply || checked(o.chkShowMsg) ? kPromptText : std::string_view{});
    fixSize(w, in);
    standardFunctions(w);
    selectionScript(w);
    thumbnailScript(w, !apply || checked(o.chkThumbnail));
    bodyTag(w, apply && checked(o.chkReload));
    miniBanner(w);
    panelStart(w, in);
    icon(w, !apply || checked(o.chkShowIcon));
    title(w, in);
    separatingLine(w, !apply || checked(o.chkShowLine));
    information(w, in);
    links(w, in);
    thumbnail(w, apply && checked(o.chkThumnailPosition));
    statusAndMedia(w);
    end(w);
    return w.take();
}

std::string templateBytes(const TemplateInput& input) {
    return platform::toCp932(templateText(input));
}

std::string standardTemplateBytes() {
    TemplateInput standard;
    standard.restore = true;
    return templateBytes(standard);
}

std::string scriptFolder(std::string_view leftImageFolder) {
    std::string result;
    result.reserve(leftImageFolder.size() * 2 + 2);
    for (const char c : leftImageFolder) {
        result += c;
        if (c == '\\')
            result += '\\';
    }
    result += "\\\\";
    return result;
}

} // namespace lumivane
