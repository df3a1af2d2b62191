// Compatibility shims: what the file manager's engine gave the folder template and Chromium
// lacks. They run in the page's own world before any of its scripts, so the page can reach
// and change all of this: the viewer trusts none of it. `config` is put in front of it.

// --- Reports: events on the document, which the bridge hears in its own world --------------

// Taken before the page's scripts run, so that a page replacing them only spoils its own
// reports.
const dispatchEvent = EventTarget.prototype.dispatchEvent;
const ReportEvent = CustomEvent;
const toJson = JSON.stringify;
const call = Reflect.apply;
function report(name, detail = null) {
    const event = new ReportEvent("lumivane:" + name, { detail: call(toJson, JSON, [detail]) });
    call(dispatchEvent, document, [event]);
}

// Every script error of the page, with its line.
window.addEventListener(
    "error",
    (event) => {
        if (event instanceof ErrorEvent) {
            report("script-error", [String(event.message), event.lineno || 0]);
        }
    },
    true
);

// --- Objects: reached without asking for a plug-in -------------------------------------------

// To the engine an <object> is a plug-in's place: reading any property of one makes it lay the
// whole page out to look for the plug-in. The shims and the stand-ins reach an object through
// the DOM's own functions, so that making the stand-ins as the page is read lays nothing out:
// the page is laid out when it is drawn, or when its own script asks.
const ownGetter = (type, name) => Object.getOwnPropertyDescriptor(type.prototype, name).get;
const childNodesGetter = ownGetter(Node, "childNodes");
const nodeTypeGetter = ownGetter(Node, "nodeType");
const objectDom = {
    childNodes: (node) => call(childNodesGetter, node, []),
    nodeType: (node) => call(nodeTypeGetter, node, []),
    getAttribute: (element, name) => call(Element.prototype.getAttribute, element, [name]),
    appendChild: (element, child) => call(Node.prototype.appendChild, element, [child]),
    on: (element, type, listener) =>
        call(EventTarget.prototype.addEventListener, element, [type, listener]),
};

// --- Addresses: Windows paths and file: addresses reach the drives through the viewer --------

// The page's script builds addresses such as `file://C:\WINDOWS\Web\leftimage\3.lmv`, which the
// engine would never request. They are rewritten as the viewer rewrites the page's mark-up
// before it loads: both rules are held to one table of cases.

// A string's bytes: UTF-8, except that a lone surrogate U+DC80 to U+DCFF stands for the byte
// it carries (how the viewer hands over a name that is not UTF-8).
const encoder = new TextEncoder();
function bytesOf(text) {
    const bytes = [];
    for (const character of text) {
        const code = character.codePointAt(0);
        if (code >= 0xdc80 && code <= 0xdcff) {
            bytes.push(code - 0xdc00);
        } else {
            bytes.push(...encoder.encode(character));
        }
    }
    return bytes;
}

const isHex = (byte) => (byte >= 0x30 && byte <= 0x39) || (byte >= 0x41 && byte <= 0x46) ||
    (byte >= 0x61 && byte <= 0x66);
function percentDecoded(bytes) {
    const out = [];
    for (let i = 0; i < bytes.length; i++) {
        if (bytes[i] === 0x25 && i + 2 < bytes.length && isHex(bytes[i + 1]) &&
            isHex(bytes[i + 2])) {
            out.push(parseInt(String.fromCharCode(bytes[i + 1], bytes[i + 2]), 16));
            i += 2;
        } else {
            out.push(bytes[i]);
        }
    }
    return out;
}

const isSeparator = (byte) => byte === 0x5c || byte === 0x2f;
const isLetter = (byte) => (byte >= 0x41 && byte <= 0x5a) || (byte >= 0x61 && byte <= 0x7a);
const isUnreserved = (byte) => isLetter(byte) || (byte >= 0x30 && byte <= 0x39) ||
    byte === 0x2d || byte === 0x2e || byte === 0x5f || byte === 0x7e;

function percentEncoded(name) {
    let out = "";
    for (const byte of name) {
        out += isUnreserved(byte) ? String.fromCharCode(byte) :
            "%" + byte.toString(16).toUpperCase().padStart(2, "0");
    }
    return out;
}

// The drive address of a Windows path ("C:\x" or "c:/x"), its names percent-encoded, "." and
// ".." resolved; null when the bytes are no such path.
function driveUrlOf(path) {
    const drive = path.length >= 2 && isLetter(path[0]) && path[1] === 0x3a &&
        (path.length === 2 || isSeparator(path[2]));
    if (!drive || path.includes(0)) {
        return null;
    }
    const names = [];
    let name = [];
    const endName = () => {
        const dots = name.length <= 2 && name.every((byte) => byte === 0x2e) ? name.length : -1;
        if (dots === 2) {
            names.pop();
        } else if (dots !== 0 && dots !== 1) {
            names.push(name);
        }
        name = [];
    };
    for (const byte of path.slice(2)) {
        if (isSeparator(byte)) {
            endName();
        } else {
            name.push(byte);
        }
    }
    endName();
    const trailing = names.length > 0 && isSeparator(path[path.length - 1]) ? "/" : "";
    return "lumivane://" + String.fromCharCode(path[0]).toLowerCase() + "/" +
        names.map(percentEncoded).join("/") + trailing;
}

function driveUrl(windowsPath) {
    return driveUrlOf(bytesOf(String(windowsPath)));
}

function pageAddress(address) {
    if (typeof address !== "string") {
        return address;
    }
    let path = null;
    if (/^file:/i.test(address)) {
        const named = address.slice(5).replace(/^[\\/]{0,3}/, "")
            .replace(/^([A-Za-z])\|/, "$1:"); // the old form "file:///C|/x"
        path = percentDecoded(bytesOf(named));
    } else if (/^[A-Za-z]:[\\/]/.test(address)) {
        // Only a drive's path is turned into bytes ("C:" alone may begin an address of scheme
        // c): the rows' icons and every other address pass at once.
        path = bytesOf(address);
    }
    return (path && driveUrlOf(path)) || address;
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

// --- The look of the file manager's page ----------------------------------------------------

// The system's colours (which the page's style names by their CSS names), the UI font where
// this system lacks it, and the stand-ins' own look.
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
    sheet.textContent = text + config.style;
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

document.addEventListener("DOMContentLoaded", () => {
    // The file manager's engine kept no text that was only blanks between an element's tags,
    // so an empty <div id=Media> held "" (the thumbnail script tests for that). The page's own
    // mark-up only: what the stand-ins made inside its objects (a name of blanks) stays.
    const blank = (node) => objectDom.nodeType(node) === Node.TEXT_NODE &&
        /^\s*$/.test(node.data);
    for (const element of document.body.querySelectorAll(":not(object *)")) {
        const nodes = [...objectDom.childNodes(element)];
        if (nodes.length > 0 && nodes.every(blank)) {
            nodes.forEach((node) => node.remove());
        }
    }
    if ((document.body.getAttribute("scroll") || "").toLowerCase() === "no") {
        document.documentElement.style.overflow = "hidden";
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
            report("picture-failed", target.src);
        }
    }, true);
    document.addEventListener("load", (event) => {
        if (event.target instanceof HTMLImageElement) {
            event.target.style.visibility = "";
        }
    }, true);
});
