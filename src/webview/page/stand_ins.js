// Stand-ins for the objects that the template names by class identifier: the file list, the
// thumbnail viewer, the folder icon and the media player. They run in the page's own world
// after the shims, so the page can reach them; they reach the viewer only through the reports
// that the bridge checks, and open nothing themselves.
//
// What they hand the page as text (a name, a column's details, the info tip) is escaped for
// HTML: the template pastes it into innerHTML, and a name on a Linux disk may hold mark-up.
// What the page uses as a path (an item's Path) stays as it is.

const pictureNames = /\.(bmp|jpe?g|jpe|gif|png)$/i;

function escapeHtml(text) {
    return String(text).replace(/[&<>"']/g, (c) => ({
        "&": "&amp;", "<": "&lt;", ">": "&gt;", '"': "&quot;", "'": "&#39;",
    })[c]);
}

// A name as it shows: a byte that is not UTF-8 (a lone surrogate, see bytesOf) as U+FFFD.
function shown(name) {
    return String(name).replace(/[\udc80-\udcff]/gu, "\ufffd");
}

const standIns = new WeakMap();
const classIds = {
    "1820fed0-473e-11d0-a96c-00c04fd705a2": makeFileList,
    "1d2b4f40-1f10-11d1-9e88-00c04fdcab92": makeThumbnail,
    "e5df9d10-3b52-11d1-83e8-00a0c90dc849": makeFolderIcon,
    "05589fa1-c356-11ce-bf01-00aa0055595a": makeMediaPlayer,
};

function standInOf(element) {
    if (!standIns.has(element)) {
        const classId = objectDom.getAttribute(element, "classid") || "";
        const id = classId.replace(/^clsid:/i, "");
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

// The rows' icons are asked for as the page begins, not when the first rows are drawn: the
// viewer looks them up in the icon theme while the page is still being read.
const iconsAhead = config.icons.map((address) => Object.assign(new Image(), { src: address }));

// The folder's entries as the viewer hands them: their count, the names, each detail column
// as its distinct texts with every entry's index into them, the sizes in bytes, the folders
// marked "1", and each entry's kind, whose icon `icons` holds. A big folder comes first with
// the entries its first rows show (`known` of `count`), and whole right after its page is
// drawn; an entry not yet known is blank.
function entriesOf(data, icons) {
    const detail = (column, index) => data.details[column].texts[data.details[column].of[index]];
    const known = data.names.length;
    return {
        count: data.count,
        known,
        names: data.names,
        // [name, size, type, date, attributes, info tip, bytes, 1 for a folder, icon]
        row(index) {
            if (index >= known) {
                return ["", "", "", "", "", "", 0, 0, ""];
            }
            return [data.names[index], detail(0, index), detail(1, index), detail(2, index),
                detail(3, index), detail(4, index), data.bytes[index],
                data.folders.charCodeAt(index) === 49 ? 1 : 0, icons[data.kinds[index]]];
        },
    };
}

// The file list: the folder's entries in a details view, drawing only the rows that show.
function makeFileList(element) {
    const rowHeight = 18; // as the viewer counts rows for the first entries it hands over
    let entries = entriesOf(config.entries, config.icons);
    let selected = new Set();
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
    objectDom.appendChild(element, list);

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

    // Shows the rows between `top` and `top + height` of the list's body.
    function renderRows(top, height) {
        spacer.style.height = entries.count * rowHeight + "px";
        const first = Math.max(0, Math.floor(top / rowHeight));
        const count = Math.max(0, Math.min(entries.count - first,
            Math.ceil(height / rowHeight) + 1));
        while (rows.length < count) {
            rows.push(makeRow());
        }
        rows.forEach((slot, k) => {
            const index = first + k;
            if (k >= count) {
                slot.row.style.display = "none";
                slot.row.removeAttribute("data-entry");
                slot.index = -1;
                return;
            }
            const entry = entries.row(index);
            slot.row.style.display = "";
            slot.row.style.top = index * rowHeight + "px";
            if (slot.index !== index) {
                slot.index = index;
                slot.row.dataset.entry = index; // how the bridge knows the row the user opens
                if (entry[8]) {
                    slot.icon.src = entry[8];
                } else {
                    slot.icon.removeAttribute("src");
                }
                slot.text.textContent = shown(entry[0]);
                slot.row.title = shown(entry[0]);
                [entry[1], entry[2], entry[3], entry[4]].forEach((value, c) => {
                    slot.cells[c].textContent = value;
                });
            }
            slot.row.classList.toggle("lumivane-selected", selected.has(index));
            slot.row.classList.toggle("lumivane-focus", index === focus);
        });
    }
    function render() {
        renderRows(body.scrollTop, body.clientHeight || 0);
    }
    body.addEventListener("scroll", render);
    new ResizeObserver(render).observe(body);

    function indexAt(event) {
        const bounds = body.getBoundingClientRect();
        const y = event.clientY - bounds.top + body.scrollTop;
        const index = Math.floor(y / rowHeight);
        return index >= 0 && index < entries.count && event.clientX - bounds.left <
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

    const sorted = () => [...selected].sort((a, b) => a - b);
    const same = (a, b) => a.length === b.length && a.every((value, i) => value === b[i]);

    function selectionChanged() {
        report("selection", sorted());
        raise(element.id, "SelectionChanged");
    }
    function changed(before) {
        render();
        if (!same(before, sorted())) {
            selectionChanged();
        }
    }

    function select(index, { extend = false, toggle = false } = {}) {
        const before = sorted();
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

    function selectAll() {
        const before = sorted();
        for (let i = 0; i < entries.count; i++) {
            selected.add(i);
        }
        changed(before);
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
    // A click in the list is the list's own: the page's click handler never hears it.
    for (const type of ["click", "dblclick", "mousedown", "mouseup"]) {
        objectDom.on(element, type, (event) => event.stopPropagation());
    }
    objectDom.on(element, "keydown", (event) => {
        const page = Math.max(1, Math.floor(body.clientHeight / rowHeight) - 1);
        const last = entries.count - 1;
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
                selectAll();
                event.preventDefault();
            }
            return;
        case "Enter": // the bridge opens the selection
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
    objectDom.on(element, "focus", () => list.focus());
    document.addEventListener("lumivane:select-all", () => {
        list.focus();
        selectAll();
    });

    // The folder changed: the viewer hands over its entries and which of them stay selected.
    // The list shows them where it is, scrolled as it was; the page hears of the selection
    // only when what it would show of it changed.
    document.addEventListener("lumivane:entries", (event) => {
        let update = null;
        try {
            update = JSON.parse(event.detail);
        } catch (error) {
            return;
        }
        const before = sorted().map((index) => entries.row(index));
        const fresh = entriesOf(update.entries, update.icons);
        // An entry keeps its place by its name; one that was not known yet (the rest of a big
        // folder arriving) by its number.
        const placeOf = (index) => {
            if (index < 0 || index >= entries.count) {
                return -1;
            }
            if (index >= entries.known) {
                return index < fresh.count ? index : -1;
            }
            return fresh.names.indexOf(entries.names[index]);
        };
        focus = placeOf(focus);
        anchor = placeOf(anchor);
        entries = fresh;
        selected = new Set(update.selected.filter((index) => index < entries.count));
        for (const slot of rows) {
            slot.index = -1;
        }
        render();
        const now = sorted().map((index) => entries.row(index));
        if (now.length !== before.length || now.some((entry, k) => !same(entry, before[k]))) {
            selectionChanged();
        }
    });

    const itemIndex = Symbol("entry");
    function pathOf(entry) {
        return config.folder.path.replace(/\\$/, "") + "\\" + entry[0];
    }
    function item(index) {
        const entry = entries.row(index);
        return Object.freeze({
            Name: escapeHtml(shown(entry[0])),
            Path: pathOf(entry),
            Size: entry[6],
            IsFolder: entry[7] === 1,
            IsFileSystem: true,
            IsLink: false,
            Type: escapeHtml(entry[2]),
            ModifyDate: escapeHtml(entry[3]),
            InvokeVerb(verb) {
                report("verb", [index, verb === undefined ? "" : String(verb)]);
            },
            [itemIndex]: entry,
        });
    }

    const folder = Object.freeze({
        Title: escapeHtml(shown(config.folder.name)),
        GetDetailsOf(folderItem, column) {
            column = Number(column);
            if (folderItem === null || folderItem === undefined) {
                return column >= 0 && column < config.columns.length ?
                    escapeHtml(config.columns[column]) : "";
            }
            const entry = folderItem[itemIndex];
            if (!entry) {
                return "";
            }
            switch (column) {
            case -1:
                return escapeHtml(entry[5]);
            case 0:
                return escapeHtml(shown(entry[0]));
            case 1:
            case 2:
            case 3:
            case 4:
                return escapeHtml(entry[column]);
            default:
                return "";
            }
        },
    });

    const standIn = {
        folder,
        SelectedItems() {
            const indices = sorted();
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
            const before = sorted();
            for (const index of indices) {
                if (index >= 0 && index < entries.count) {
                    selected.add(index);
                    focus = index;
                    anchor = index;
                }
            }
            scrollIntoView(focus);
            changed(before);
        },
    };
    // The first rows before the page is laid out, as if the list were as tall as the window:
    // asking the list's height now would lay the whole page out before the page's own script
    // has run, and again after. The list's size, once known, draws them again.
    renderRows(0, innerHeight);
    return standIn;
}

// The thumbnail viewer: a picture scaled into the object's box.
function makeThumbnail(element) {
    const picture = document.createElement("img");
    picture.className = "lumivane-thumbnail";
    picture.style.display = "none";
    objectDom.appendChild(element, picture);
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
    const width = parseInt(objectDom.getAttribute(element, "width"), 10) || 32;
    const height = parseInt(objectDom.getAttribute(element, "height"), 10) || 32;
    icon.width = width;
    icon.height = height;
    icon.src = config.folder.icon + "?size=" + Math.max(width, height);
    objectDom.appendChild(element, icon);
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

// Two frames after the pictures have arrived, the page is drawn. A page with no room to draw
// (a window too low for it) gets no frames: it is drawn, all the same, a moment later. The
// pictures are looked at again as each arrives or fails, and after five seconds the page
// counts as laid out with what it has.
function whenSettled(done) {
    let told = false;
    const once = () => {
        if (!told) {
            told = true;
            done();
        }
    };
    let waiting = true;
    const settle = () => {
        if (!waiting) {
            return;
        }
        waiting = false;
        document.removeEventListener("load", check, true);
        document.removeEventListener("error", check, true);
        requestAnimationFrame(() => requestAnimationFrame(once));
        setTimeout(once, 1000);
    };
    // Heard as a picture arrives, before its own listeners (the thumbnail's among them) have
    // run: it is looked at once they have.
    function check() {
        setTimeout(() => {
            if (picturesSettled()) {
                settle();
            }
        }, 0);
    }
    document.addEventListener("load", check, true);
    document.addEventListener("error", check, true);
    setTimeout(settle, 5000);
    check();
}

// An object is stood in for as soon as the page's reading reaches it, as the file manager made
// its objects: the stand-ins' elements are part of the page's first layout, and the folder
// icon's picture is asked for while the rest of the page is read.
const reading = new MutationObserver((changes) => {
    for (const change of changes) {
        for (const node of change.addedNodes) {
            if (node instanceof HTMLObjectElement) {
                standInOf(node);
            }
        }
    }
});
reading.observe(document, { childList: true, subtree: true });
document.addEventListener("DOMContentLoaded", () => {
    reading.disconnect();
    for (const object of document.querySelectorAll("object[classid]")) {
        standInOf(object);
    }
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
        document.fonts.ready.then(() => whenSettled(() => report("ready")));
    }, 0);
});
