// The bridge: the viewer's side of the page. It runs in a script world of its own, which
// shares the document with the page but none of its objects: the page's scripts can neither
// read the key below nor replace the functions used here. The viewer puts `key` and
// QWebChannel in front of this text.
//
// The stand-ins in the page's world report through events on the document. The page can raise
// the same events, so nothing they carry opens anything: only the user's own click, double
// click or key, seen here as the engine delivers it, opens an entry or a link.
"use strict";

const pending = [];
let viewer = null;
function tell(method, ...args) {
    // The key tells the viewer that the call comes from the page it shows now, not from one
    // it has left.
    if (viewer) {
        viewer[method](key, ...args);
    } else {
        pending.push([method, args]);
    }
}
new QWebChannel(qt.webChannelTransport, (channel) => {
    viewer = channel.objects.viewer;
    for (const [method, args] of pending.splice(0)) {
        viewer[method](key, ...args);
    }
});

// --- What the page's world reports -------------------------------------------------------------

const isIndex = (value) => Number.isInteger(value) && value >= 0;
const reports = {
    selection(indices) {
        if (Array.isArray(indices) && indices.every(isIndex)) {
            tell("selectionChanged", indices);
        }
    },
    verb(call) {
        if (Array.isArray(call) && isIndex(call[0]) && typeof call[1] === "string") {
            tell("invokeVerb", call[0], call[1]);
        }
    },
    "script-error"(error) {
        if (Array.isArray(error) && typeof error[0] === "string" && isIndex(error[1])) {
            tell("scriptError", error[0], error[1]);
        }
    },
    "picture-failed"(address) {
        if (typeof address === "string") {
            tell("pictureFailed", address);
        }
    },
    ready() {
        tell("pageReady");
    },
};
for (const [name, handle] of Object.entries(reports)) {
    document.addEventListener("lumivane:" + name, (event) => {
        let detail = null;
        try {
            detail = JSON.parse(event.detail);
        } catch (error) {
            return;
        }
        handle(detail);
    });
}

// --- What the user opens -----------------------------------------------------------------------

// Heard before any of the page's own listeners (this world's are the first on the window),
// and only as the engine delivers the user's own action: an event that a script makes is
// never trusted.
function userTarget(event, selector) {
    if (!event.isTrusted || !(event.target instanceof Element)) {
        return null;
    }
    return event.target.closest(selector);
}

window.addEventListener("dblclick", (event) => {
    const row = event.button === 0 ? userTarget(event, ".lumivane-row[data-entry]") : null;
    if (row) {
        tell("openEntry", Number(row.dataset.entry));
    }
}, true);

window.addEventListener("keydown", (event) => {
    if (event.key === "Enter" && !event.altKey && userTarget(event, ".lumivane-list")) {
        tell("openSelection");
    }
}, true);

window.addEventListener("click", (event) => {
    const link = event.button === 0 ? userTarget(event, "a[href]") : null;
    if (!link || /^\s*javascript:/i.test(link.getAttribute("href"))) {
        return;
    }
    // The viewer follows it: to a folder of the drives, or to the desktop's program.
    event.preventDefault();
    tell("openLink", link.href);
}, true);
