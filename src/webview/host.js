// What the folder template expects of the file manager that shows it. Runs in the page's own
// world before any of the page's scripts; `config` (the folder, its entries, the selection,
// the colours) and `QWebChannel` are put in front of this text by the viewer.
"use strict";

// --- The host: the viewer's side of the page, reached through one channel --------------------

const pending = [];
let viewer = null;
function tell(method, ...args) {
    // Each call carries this page's key: the viewer ignores any call without it, so the page
    // cannot reach the viewer but through the stand-ins, and a late call from a page gone is
    // ignored too.
    args.unshift(config.key);
    if (viewer) {
        viewer[method](...args);
    } else {
        pending.push([method, args]);
    }
}
const channelTransport = window.qt && window.qt.webChannelTransport;
if (channelTransport) {
    // The viewer delivers its messages to qt.webChannelTransport.onmessage: neither may be
    // replaced by the page, and what this script sends goes through the send it found.
    Object.defineProperty(window, "qt", { value: window.qt, writable: false, configurable: false });
    const send = channelTransport.send.bind(channelTransport);
    const transport = {
        send,
        set onmessage(handler) {
            Object.defineProperty(channelTransport, "onmessage", {
                value: handler,
                writable: false,
                configurable: false,
            });
        },
    };
    new QWebChannel(transport, (channel) => {
        viewer = channel.objects.viewer;
        for (const [method, args] of pending.splice(0)) {
            viewer[method](...args);
        }
    });
}

// --- Errors: every script error of the page, with its line -----------------------------------

window.addEventListener(
    "error",
    (event) => {
        if (event instanceof ErrorEvent) {
            tell("scriptError", String(event.message), event.lineno || 0);
        }
    },
    true
);

// --- Addresses: Windows paths and file: addresses reach the drives through the viewer --------

const pictureNames = /\.(bmp|jpe?g|jpe|gif|png)$/i;

function driveUrl(windowsPath) {
    const match = /^([A-Za-z]):(?:[\\/](.*))?$/.exec(windowsPath);
    if (!match) {
        return null;
    }
    const names = [];
    for (const name of (match[2] || "").split(/[\\/]+/)) {
        if (name === "" || name === ".") {
            continue;
        }
        if (name === "..") {
            names.pop();
            continue;
        }
        names.push(encodeURIComponent(name).replace(/[!'()*]/g, (c) =>
            "%" + c.charCodeAt(0).toString(16).toUpperCase()));
    }
    const trailing = names.length > 0 && /[\\/]$/.test(windowsPath) ? "/" : "";
    return "lumivane://" + match[1].toLowerCase() + "/" + names.join("/") + trailing;
}

// The same rule as the viewer applies to the page's mark-up before it loads.
function pageAddress(address) {
    if (typeof address !== "string") {
        return address;
    }
    let path = address;
    const file = /^file:[\\/]{0,3}(.*)$/i.exec(address);
    if (file) {
        path = file[1].replace(/^([A-Za-z])\|/, "$1:");
        try {
            path = decodeURIComponent(path);
        } catch (e) {
            return address;
        }
    }
    if (/^[A-Za-z]:[\\/]./.test(path)) {
        return driveUrl(path);
    }
    return address;
}

function windowsPathOf(url) {
    const match = /^lumivane:\/\/([a-z])\/([^?#]*)/i.exec(url);
    if (!match) {
        return url;
    }
    try {
        return match[1].toUpperCase() + ":\\" + decodeURIComponent(match[2]).replace(/\//g, "\\");
    } catch (e) {
        return url;
    }
}

function rewriteProperty(prototype, property) {
    const original = Object.getOwnPropertyDescriptor(prototype, property);
    Object.defineProperty(prototype, property, {
        configurable: true,
        enumerable: original.enumerable,
        get() {
            return original.get.call(this);
        },
        set(value) {
            original.set.call(this, pageAddress(String(value)));
        },
    });
}
rewriteProperty(HTMLImageElement.prototype, "src");
rewriteProperty(HTMLAnchorElement.prototype, "href");

const originalSetAttribute = Element.prototype.setAttribute;
Element.prototype.setAttribute = function (name, value) {
    const lower = String(name).toLowerCase();
    if (lower === "src" || lower === "href" || lower === "background") {
        value = pageAddress(String(value));
    }
    return originalSetAttribute.call(this, name, value);
};

// Mark-up that the page's script writes (innerHTML) is rewritten as it arrives.
function rewriteTree(node) {
    if (node.nodeType !== Node.ELEMENT_NODE) {
        return;
    }
    const elements = [node, ...node.querySelectorAll("[src], [href], [background]")];
    for (const element of elements) {
        for (const name of ["src", "href", "background"]) {
            const value = element.getAttribute(name);
            if (value !== null) {
                const address = pageAddress(value);
                if (address !== value) {
                    originalSetAttribute.call(element, name, address);
                }
            }
        }
    }
}

// --- style.pixelTop, pixelLeft, pixelWidth, pixelHeight --------------------------------------

// A style object does not know its element, so each element's style is remembered when it is
// reached.
const styleOwners = new WeakMap();
const styleGetter = Object.getOwnPropertyDescriptor(HTMLElement.prototype, "style").get;
Object.defineProperty(HTMLElement.prototype, "style", {
    configurable: true,
    enumerable: true,
    get() {
        const style = styleGetter.call(this);
        styleOwners.set(style, this);
        return style;
    },
    set(value) {
        styleGetter.call(this).cssText = value;
    },
});

for (const [pixel, property, laidOut] of [
    ["pixelTop", "top", "offsetTop"],
    ["pixelLeft", "left", "offsetLeft"],
    ["pixelWidth", "width", "offsetWidth"],
    ["pixelHeight", "height", "offsetHeight"],
]) {
    Object.defineProperty(CSSStyleDeclaration.prototype, pixel, {
        configurable: true,
        get() {
            const own = this.getPropertyValue(property);
            if (/^-?\d+(\.\d+)?px$/.test(own)) {
                return Math.trunc(parseFloat(own));
            }
            // A length set in the style sheet or in per cent: the file manager answered with
            // the element's size in pixels, which is what the template's script relies on.
            const element = styleOwners.get(this);
            if (!element) {
                return 0;
            }
            const computed = getComputedStyle(element).getPropertyValue(property);
            if (/^-?\d+(\.\d+)?px$/.test(computed)) {
                return Math.trunc(parseFloat(computed));
            }
            return element[laidOut] || 0;
        },
        set(value) {
            const number = Math.trunc(Number(value));
            this.setProperty(property, (Number.isFinite(number) ? number : 0) + "px");
        },
    });
}

// --- The clock: --second S makes every new Date read that second -----------------------------

if (typeof config.second === "number") {
    const RealDate = Date;
    const fixed = new RealDate();
    fixed.setSeconds(config.second, 0);
    const moment = fixed.getTime();
    window.Date = class extends RealDate {
        constructor(...args) {
            if (args.length === 0) {
                super(moment);
            } else {
                super(...args);
            }
        }
        static now() {
            return moment;
        }
    };
}

// --- Event scripts: `for="ID" event="NAME"` ---------------------------------------------------

// The viewer turns each such script into a function bound here. Each handler listens on an
// event target of its own, so an error in it is reported with the page's line like any other
// and the object that raised the event goes on.
const handlers = new Map();
function handlerTarget(id, name) {
    const key = id + "\u0000" + name;
    if (!handlers.has(key)) {
        handlers.set(key, new EventTarget());
    }
    return handlers.get(key);
}
function raise(id, name) {
    handlerTarget(id, name).dispatchEvent(new Event("raised"));
}
Object.defineProperty(window, "__lumivane", {
    value: Object.freeze({
        bind(id, name, handler) {
            handlerTarget(String(id), String(name)).addEventListener("raised", () =>
                handler.call(window));
        },
    }),
});

// --- The look the file manager gave the page --------------------------------------------------

function addStyleSheet() {
    const sheet = document.createElement("style");
    let text = ":root {";
    for (const [name, value] of Object.entries(config.colours)) {
        text += name + ": " + value + "; ";
    }
    text += "background: var(--lumivane-window); color: var(--lumivane-windowtext); }\n";
    if (config.fontAlias) {
        text += '@font-face { font-family: "MS UI Gothic"; src: local("' + config.fontAlias +
            '"); }\n';
    }
    text += `
object { display: inline-block; }
.lumivane-list { position: relative; width: 100%; height: 100%; overflow: hidden;
  background: var(--lumivane-window); color: var(--lumivane-windowtext);
  font: 12px "MS UI Gothic", sans-serif; outline: none; cursor: default; user-select: none; }
.lumivane-head, .lumivane-row { display: grid;
  grid-template-columns: minmax(100px, 2fr) 70px minmax(90px, 1.5fr) 110px 36px; }
.lumivane-head { position: absolute; top: 0; left: 0; right: 0; height: 20px;
  background: var(--lumivane-buttonface); color: var(--lumivane-buttontext); }
.lumivane-head div { padding: 3px 6px 0; border-right: 1px solid var(--lumivane-buttonshadow);
  border-bottom: 1px solid var(--lumivane-buttonshadow); white-space: nowrap; overflow: hidden; }
.lumivane-body { position: absolute; top: 21px; left: 0; right: 0; bottom: 0; overflow: auto; }
.lumivane-row { position: absolute; left: 0; right: 0; height: 18px; line-height: 18px; }
.lumivane-row div { padding: 0 6px; white-space: nowrap; overflow: hidden;
  text-overflow: ellipsis; }
.lumivane-row .lumivane-size { text-align: right; }
.lumivane-row img { width: 16px; height: 16px; vertical-align: -3px; margin-right: 4px; }
.lumivane-row.lumivane-selected .lumivane-name span { background: var(--lumivane-highlight);
  color: var(--lumivane-highlighttext); }
.lumivane-list:focus .lumivane-row.lumivane-focus .lumivane-name span {
  outline: 1px dotted var(--lumivane-windowtext); }
.lumivane-empty { position: absolute; top: 30px; left: 0; right: 0; text-align: center; }
.lumivane-thumbnail { width: 100%; height: 100%; object-fit: contain; }
`;
    sheet.textContent = text;
    (document.head || document.documentElement).appendChild(sheet);
}

if (document.documentElement) {
    addStyleSheet();
} else {
    new MutationObserver((changes, observer) => {
        if (document.documentElement) {
            observer.disconnect();
            addStyleSheet();
        }
    }).observe(document, { childList: true });
}

// --- The objects the page names by class identifier ------------------------------------------

const standIns = new WeakMap();
const classIds = {
    "1820fed0-473e-11d0-a96c-00c04fd705a2": makeFileList,
    "1d2b4f40-1f10-11d1-9e88-00c04fdcab92": makeThumbnail,
    "e5df9d10-3b52-11d1-83e8-00a0c90dc849": makeFolderIcon,
    "05589fa1-c356-11ce-bf01-00aa0055595a": makeMediaPlayer,
};

function standInOf(element) {
    if (!standIns.has(element)) {
        const id = String(element.getAttribute("classid") || "").replace(/^clsid:/i, "");
        const make = classIds[id.toLowerCase()];
        standIns.set(element, make ? make(element) : null);
    }
    return standIns.get(element);
}

function member(name) {
    return function (...args) {
        const standIn = standInOf(this);
        if (!standIn || typeof standIn[name] !== "function") {
            throw new TypeError("このオブジェクトは " + name + " を持っていません");
        }
        return standIn[name](...args);
    };
}
for (const name of ["SelectedItems", "displayFile", "haveThumbnail"]) {
    Object.defineProperty(HTMLObjectElement.prototype, name, {
        configurable: true,
        value: member(name),
    });
}
Object.defineProperty(HTMLObjectElement.prototype, "Folder", {
    configurable: true,
    get() {
        const standIn = standInOf(this);
        return standIn && standIn.folder ? standIn.folder : undefined;
    },
});

// The file list: the folder's entries in a details view, drawing only the rows that show.
function makeFileList(element) {
    const rowHeight = 18;
    const entries = config.entries;
    const selected = new Set();
    let anchor = -1;
    let focus = -1;

    const list = document.createElement("div");
    list.className = "lumivane-list";
    const head = document.createElement("div");
    head.className = "lumivane-head";
    for (const title of config.columns) {
        const cell = document.createElement("div");
        cell.textContent = title;
        head.appendChild(cell);
    }
    const body = document.createElement("div");
    body.className = "lumivane-body";
    const spacer = document.createElement("div");
    body.appendChild(spacer);
    list.append(head, body);
    if (config.listProblem) {
        const empty = document.createElement("div");
        empty.className = "lumivane-empty";
        empty.textContent = config.listProblem;
        body.appendChild(empty);
    }
    element.appendChild(list);

    const rows = [];
    function makeRow() {
        const row = document.createElement("div");
        row.className = "lumivane-row";
        const name = document.createElement("div");
        name.className = "lumivane-name";
        const icon = document.createElement("img");
        const text = document.createElement("span");
        name.append(icon, text);
        row.appendChild(name);
        const cells = [];
        for (const kind of ["size", "type", "date", "attributes"]) {
            const cell = document.createElement("div");
            cell.className = "lumivane-" + kind;
            row.appendChild(cell);
            cells.push(cell);
        }
        body.appendChild(row);
        return { row, icon, text, cells, index: -1 };
    }

    function render() {
        spacer.style.height = entries.length * rowHeight + "px";
        const first = Math.max(0, Math.floor(body.scrollTop / rowHeight));
        const count = Math.min(entries.length - first,
            Math.ceil((body.clientHeight || 0) / rowHeight) + 1);
        while (rows.length < count) {
            rows.push(makeRow());
        }
        rows.forEach((slot, k) => {
            const index = first + k;
            if (k >= count) {
                slot.row.style.display = "none";
                slot.index = -1;
                return;
            }
            const entry = entries[index];
            slot.row.style.display = "";
            slot.row.style.top = index * rowHeight + "px";
            if (slot.index !== index) {
                slot.index = index;
                slot.icon.src = config.icons[entry[8]];
                slot.text.textContent = entry[0];
                slot.row.title = entry[0];
                [entry[1], entry[2], entry[3], entry[4]].forEach((value, c) => {
                    slot.cells[c].textContent = value;
                });
            }
            slot.row.classList.toggle("lumivane-selected", selected.has(index));
            slot.row.classList.toggle("lumivane-focus", index === focus);
        });
    }
    body.addEventListener("scroll", render);
    new ResizeObserver(render).observe(body);

    function indexAt(event) {
        const bounds = body.getBoundingClientRect();
        const y = event.clientY - bounds.top + body.scrollTop;
        const index = Math.floor(y / rowHeight);
        return index >= 0 && index < entries.length && event.clientX - bounds.left <
            body.clientWidth ? index : -1;
    }

    function scrollIntoView(index) {
        if (index < 0) {
            return;
        }
        const top = index * rowHeight;
        if (top < body.scrollTop) {
            body.scrollTop = top;
        } else if (top + rowHeight > body.scrollTop + body.clientHeight) {
            body.scrollTop = top + rowHeight - body.clientHeight;
        }
    }

    function changed(before) {
        render();
        const now = [...selected].sort((a, b) => a - b);
        if (now.length !== before.length || now.some((v, i) => v !== before[i])) {
            tell("selectionChanged", now);
            raise(element.id, "SelectionChanged");
        }
    }

    function select(index, { extend = false, toggle = false } = {}) {
        const before = [...selected].sort((a, b) => a - b);
        if (index < 0) {
            if (!extend && !toggle) {
                selected.clear();
            }
            changed(before);
            return;
        }
        if (extend && anchor >= 0) {
            if (!toggle) {
                selected.clear();
            }
            const low = Math.min(anchor, index);
            const high = Math.max(anchor, index);
            for (let i = low; i <= high; i++) {
                selected.add(i);
            }
        } else if (toggle) {
            if (selected.has(index)) {
                selected.delete(index);
            } else {
                selected.add(index);
            }
            anchor = index;
        } else {
            selected.clear();
            selected.add(index);
            anchor = index;
        }
        focus = index;
        scrollIntoView(index);
        changed(before);
    }

    // Opening goes to the viewer as a window the user asked for: the engine lets it through
    // only during the user's own click or key, so no script can open anything by itself.
    function open(index) {
        if (index >= 0 && index < entries.length) {
            window.open(driveUrl(config.folder.path.replace(/\\$/, "") + "\\" + entries[index][0]));
        }
    }

    list.tabIndex = -1;
    body.addEventListener("mousedown", (event) => {
        if (event.button !== 0 || event.clientX - body.getBoundingClientRect().left >=
            body.clientWidth) {
            return; // the scroll bar
        }
        list.focus();
        select(indexAt(event), { extend: event.shiftKey, toggle: event.ctrlKey });
        event.preventDefault();
    });
    body.addEventListener("dblclick", (event) => open(indexAt(event)));
    // A click in the list is the list's own: the page's click handler never hears it.
    for (const type of ["click", "dblclick", "mousedown", "mouseup"]) {
        element.addEventListener(type, (event) => event.stopPropagation());
    }
    element.addEventListener("keydown", (event) => {
        const page = Math.max(1, Math.floor(body.clientHeight / rowHeight) - 1);
        const last = entries.length - 1;
        let target = null;
        switch (event.key) {
        case "ArrowDown":
            target = Math.min(last, focus + 1);
            break;
        case "ArrowUp":
            target = Math.max(0, focus - 1);
            break;
        case "Home":
            target = 0;
            break;
        case "End":
            target = last;
            break;
        case "PageDown":
            target = Math.min(last, Math.max(focus, 0) + page);
            break;
        case "PageUp":
            target = Math.max(0, focus - page);
            break;
        case " ":
            if (event.ctrlKey && focus >= 0) {
                select(focus, { toggle: true });
            }
            event.preventDefault();
            return;
        case "a":
        case "A":
            if (event.ctrlKey) {
                const before = [...selected].sort((a, b) => a - b);
                entries.forEach((entry, i) => selected.add(i));
                changed(before);
                event.preventDefault();
            }
            return;
        case "Enter":
            if (selected.size > 0) {
                open(Math.min(...selected));
            }
            event.preventDefault();
            return;
        default:
            return;
        }
        event.preventDefault();
        if (target >= 0 && last >= 0) {
            if (event.ctrlKey && !event.shiftKey) {
                focus = target;
                scrollIntoView(target);
                render();
            } else {
                select(target, { extend: event.shiftKey });
            }
        }
    });
    element.addEventListener("focus", () => list.focus());

    function item(index) {
        const entry = entries[index];
        const path = config.folder.path.replace(/\\$/, "") + "\\" + entry[0];
        return Object.freeze({
            Name: entry[0],
            Path: path,
            Size: entry[6],
            IsFolder: entry[7] === 1,
            IsFileSystem: true,
            IsLink: false,
            Type: entry[2],
            ModifyDate: entry[3],
            InvokeVerb(verb) {
                tell("invokeVerb", index, verb === undefined ? "" : String(verb));
            },
            [itemIndex]: index,
        });
    }

    const folder = Object.freeze({
        Title: config.folder.name,
        GetDetailsOf(folderItem, column) {
            column = Number(column);
            if (folderItem === null || folderItem === undefined) {
                return column >= 0 && column < config.columns.length ? config.columns[column] :
                    "";
            }
            const entry = entries[folderItem[itemIndex]];
            if (!entry) {
                return "";
            }
            switch (column) {
            case -1:
                return entry[5];
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
                return entry[column];
            default:
                return "";
            }
        },
    });

    const standIn = {
        folder,
        SelectedItems() {
            const indices = [...selected].sort((a, b) => a - b);
            return Object.freeze({
                Count: indices.length,
                Item(i) {
                    const index = indices[Number(i)];
                    return index === undefined ? null : item(index);
                },
            });
        },
        // The selection the viewer keeps over a reload, raised as the user's would be.
        restore(indices) {
            const before = [];
            for (const index of indices) {
                if (index >= 0 && index < entries.length) {
                    selected.add(index);
                    focus = index;
                    anchor = index;
                }
            }
            scrollIntoView(focus);
            changed(before);
        },
    };
    render();
    return standIn;
}
const itemIndex = Symbol("entry");

// The thumbnail viewer: a picture scaled into the object's box.
function makeThumbnail(element) {
    const picture = document.createElement("img");
    picture.className = "lumivane-thumbnail";
    picture.style.display = "none";
    element.appendChild(picture);
    let have = false;
    let wanted = null;
    const ready = () => {
        pendingThumbnails.delete(picture);
        raise(element.id, "OnThumbnailReady");
    };
    picture.addEventListener("load", () => {
        if (picture.src === wanted) {
            have = true;
            picture.style.display = "";
            ready();
        }
    });
    picture.addEventListener("error", () => {
        if (picture.src === wanted) {
            have = false;
            picture.style.display = "none";
            ready();
        }
    });
    return {
        displayFile(path) {
            have = false;
            picture.style.display = "none";
            const address = driveUrl(String(path));
            if (!address || !pictureNames.test(String(path))) {
                wanted = null;
                picture.removeAttribute("src");
                pendingThumbnails.delete(picture);
                return false;
            }
            wanted = address;
            pendingThumbnails.add(picture);
            picture.src = address;
            return true;
        },
        haveThumbnail() {
            return have;
        },
    };
}
const pendingThumbnails = new Set();

// The folder's icon at the object's size.
function makeFolderIcon(element) {
    const icon = document.createElement("img");
    const width = parseInt(element.getAttribute("width"), 10) || 32;
    const height = parseInt(element.getAttribute("height"), 10) || 32;
    icon.width = width;
    icon.height = height;
    icon.src = config.folder.icon + "?size=" + Math.max(width, height);
    element.appendChild(icon);
    return {};
}

// The media player: the page never asks for one, but finds it if it does.
function makeMediaPlayer() {
    return {};
}

// --- The page laid out ------------------------------------------------------------------------

function picturesSettled() {
    return [...document.images].every((image) => image.complete) && pendingThumbnails.size === 0;
}

function whenSettled(done, tries = 0) {
    if (picturesSettled() || tries > 250) {
        requestAnimationFrame(() => requestAnimationFrame(done));
        return;
    }
    setTimeout(() => whenSettled(done, tries + 1), 20);
}

document.addEventListener("DOMContentLoaded", () => {
    // The file manager's engine kept no text that was only blanks between an element's tags,
    // so an empty <div id=Media> held "" (the thumbnail script tests for that).
    for (const element of document.body.querySelectorAll("*")) {
        const nodes = [...element.childNodes];
        if (nodes.length > 0 && nodes.every((node) => node.nodeType === Node.TEXT_NODE &&
            /^\s*$/.test(node.data))) {
            element.textContent = "";
        }
    }
    if ((document.body.getAttribute("scroll") || "").toLowerCase() === "no") {
        document.documentElement.style.overflow = "hidden";
    }
    for (const object of document.querySelectorAll("object[classid]")) {
        standInOf(object);
    }
    new MutationObserver((changes) => {
        for (const change of changes) {
            change.addedNodes.forEach(rewriteTree);
        }
    }).observe(document.documentElement, { childList: true, subtree: true });
    // A picture that cannot be shown leaves the panel's colour instead of a broken picture.
    document.addEventListener("error", (event) => {
        const target = event.target;
        if (target instanceof HTMLImageElement && !target.classList.contains("lumivane-thumbnail")) {
            target.style.visibility = "hidden";
            tell("pictureFailed", windowsPathOf(target.src));
        }
    }, true);
    // A link that the user clicks goes where it points, through the viewer (to a folder of
    // the drives, or to the desktop's program), as a window the user asked for. Links that
    // the page's script follows, and clicks that it makes itself, go nowhere.
    document.addEventListener("click", (event) => {
        const link = event.target instanceof Element ? event.target.closest("a[href]") : null;
        if (!link || /^\s*javascript:/i.test(link.getAttribute("href"))) {
            return;
        }
        event.preventDefault();
        if (event.isTrusted) {
            window.open(link.href);
        }
    }, true);
    document.addEventListener("load", (event) => {
        if (event.target instanceof HTMLImageElement) {
            event.target.style.visibility = "";
        }
    }, true);
});

window.addEventListener("load", () => {
    // After the page's own load handler (Init) has laid the page out.
    setTimeout(() => {
        const list = [...document.querySelectorAll("object[classid]")].map(standInOf)
            .find((standIn) => standIn && standIn.restore);
        if (list && config.selected.length > 0) {
            list.restore(config.selected);
        }
        // As in the file manager, the keys go to the file list from the start.
        const listElement = document.querySelector(".lumivane-list");
        if (listElement && (!document.activeElement || document.activeElement === document.body)) {
            listElement.focus();
        }
        document.fonts.ready.then(() => whenSettled(() => tell("pageReady")));
    }, 0);
});
