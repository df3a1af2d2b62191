// Runs the scripts of the page that `lumivane-cli template` writes, against stand-ins for
// Explorer's objects, and checks what the left panel would show.
// Usage: node page_script_test.js /path/to/lumivane-cli
"use strict";
const assert = require("node:assert/strict");
const { execFileSync } = require("node:child_process");
const vm = require("node:vm");

const bytes = execFileSync(process.argv[2], ["template", "--program-folder", "Z:\\lv"],
                           { env: { ...process.env, LUMIVANE_ROOT: "/nonexistent/lumivane" } });
const page = new TextDecoder("shift_jis").decode(bytes);
const script = (open) => {
    const start = page.indexOf(open);
    assert.notEqual(start, -1, open);
    return page.slice(start + open.length, page.indexOf("</script>", start));
};
const globals = script('<script language="JavaScript">');
const selectionChanged = script('<script language="JavaScript" for="FileList" event="SelectionChanged">');

// A folder whose detail columns hold `columns` ([title, data] by index, -1 the info tip).
function show(items, columns = {}) {
    const el = () => ({ style: {}, innerHTML: "" });
    const all = { Info: el(), Status: el(), Media: el(), Panel: el(), MiniBanner: el(),
                  Thumbnail: { ...el(), displayFile: () => false } };
    all.FileList = {
        ...el(),
        SelectedItems: () => ({ Count: items.length, Item: (i) => items[i] }),
        Folder: { GetDetailsOf: (item, i) => (columns[i] || ["", ""])[item ? 1 : 0] },
    };
    const context = vm.createContext({ document: { all }, setTimeout, clearTimeout });
    vm.runInContext(globals, context);
    // a loop that never ends fails here instead of hanging the test
    vm.runInContext(selectionChanged, context, { timeout: 2000 });
    return { info: all.Info.innerHTML, context };
}

// FormatNumber: a delimiter before every full group of three digits, never at the front.
const { context } = show([]);
const format = (n) => vm.runInContext(`FormatNumber(${n})`, context);
assert.deepEqual([0, 999, 1000, 123456, 1234567].map(format),
                 ["0", "999", "1,000", "123,456", "1,234,567"]);

// Nothing selected: the prompt.
assert.equal(show([]).info, "アイコンを選択すると､その説明が表示されます");

// Several items: the count, the total size and the names.
const three = ["a", "b", "c"].map((Name) => ({ Name, Size: 1000 }));
assert.equal(show(three).info,
             "3 個のオブジェクトを選択<br><br>合計ファイル サイズ : 3,000&nbsp;バイト<br><br>a<br>b<br>c");

// One item: the attributes by name (the archive flag left out), and the columns after them
// are still shown.
const one = [{ Name: "x.txt", Size: 12, Path: "C:\\x.txt" }];
const info = show(one, {
    0: ["名前", "x.txt"], 2: ["種類", "テキスト"], 4: ["属性", "RHA"], 5: ["作成者", "me"],
    6: ["題名", "notes"],
}).info;
assert.equal(info, "<b>x.txt</b><br>テキスト<br><br>サイズ :12&nbsp;バイト" +
                   "<br><br><a href='JavaScript:onClick=Properties()'>属性</a>: 読み取り専用, 隠しファイル" +
                   "<br><br>作成者:<br>me<br><br>題名:<br>notes");

// Attributes in column 8: the columns loop still ends, with column 9 shown.
const late = { 0: ["名前", "x.txt"], 8: ["属性", ""], 9: ["題名", "notes"] };
for (const i of [4, 5, 6, 7]) late[i] = ["c" + i, ""];
assert.match(show(one, late).info, /属性<\/a>: \(標準\)<br><br>題名:<br>notes$/);

// The info tip: its address becomes a link.
assert.match(show(one, { 0: ["名前", "x.txt"], [-1]: ["", "See http://a.b/c now"] }).info,
             /<br><br>See<a href='http:\/\/a.b\/c'>http:\/\/a.b\/c<\/a>now$/);
console.log("page scripts: all checks passed");
