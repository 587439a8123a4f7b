"use strict";
// The web front end: the window's controls as elements of this page, made from the control table that
// the WebAssembly module holds, and the page's events forwarded to the module's handlers. What the
// window does is the module's; this script only draws and listens, as a toolkit does.
(async () => {
    const missing = ["WebAssembly", "DecompressionStream"].filter(name => !(name in globalThis));
    if (missing.length) {
        document.body.textContent = `Quenbury Tonalyx needs ${missing.join(" and ")}, which this browser does not offer.`;
        return;
    }
    // One copy per browser profile: the first page holds the lock while it is open. Asked for first, so
    // that the answer comes back while the module is unpacked.
    const lockAnswer = !navigator.locks ? -1 : new Promise(resolve =>
        navigator.locks.request("com.quenbury.Tonalyx", {ifAvailable: true}, lock => {
            resolve(lock ? 0 : 1);
            return lock && new Promise(() => {});
        }));
    const form = document.getElementById("Form1"), probe = document.getElementById("pixel");
    const heading = document.getElementById("heading");
    const controls = []; // the elements, by row of the control table
    let module, memory, slider;
    const utf8 = new TextDecoder(), utf16 = new TextDecoder("utf-16le");
    const text8 = (at, length) => utf8.decode(new Uint8Array(memory.buffer, at, length));
    const text16 = (at, length) => utf16.decode(new Uint8Array(memory.buffer, at, 2 * length));
    const rgb = value => `rgb(${value & 255}, ${(value >> 8) & 255}, ${(value >> 16) & 255})`;
    const colour = packed => [rgb(packed), "ButtonFace", "ButtonText", "Canvas", "transparent"][packed >>> 24];
    const attributes = (element, values) =>
        Object.entries(values).forEach(([key, value]) => value !== undefined && element.setAttribute(key, value));
    // Where the browser has no decoder of its own: a plain loop, many times faster than a callback per byte.
    const fromBase64 = text => {
        const binary = atob(text), bytes = new Uint8Array(binary.length);
        for (let i = 0; i < binary.length; ++i)
            bytes[i] = binary.charCodeAt(i);
        return bytes;
    };
    const px = (element, left, top, width, height) =>
        Object.assign(element.style, {left: left + "px", top: top + "px", width: width + "px", height: height + "px"});

    // The module is unpacked and compiled while the lock is asked for, each as its bytes come.
    const packed = document.getElementById("module").textContent;
    const inflate = new DecompressionStream("gzip"), input = inflate.writable.getWriter();
    input.write(Uint8Array.fromBase64?.(packed) ?? fromBase64(packed));
    input.close();
    const wasm = new Response(inflate.readable, {headers: {"Content-Type": "application/wasm"}});
    const compiled = WebAssembly.compileStreaming?.(wasm) ?? wasm.arrayBuffer().then(WebAssembly.compile);

    // The line fields are drawn at the canvas's size in device pixels, one picture pixel on each.
    const fields = new ResizeObserver(entries => entries.forEach(entry => {
        const device = entry.devicePixelContentBoxSize?.[0];
        draw(entry.target, ...(device ? [device.inlineSize, device.blockSize] : devicePixels(entry.target)));
    }));
    // Without that size (Safari): the device pixels between the canvas's edges as WebKit paints them. An
    // edge lies at its place times the zoom, in steps of 1/64 pixel, painted at that times the device ratio
    // and rounded. The zoom (the page's and the form's) is measured, since WebKit reports it nowhere: a
    // border of 0.01px is widened to one device pixel. Where the ratio already holds the zoom, that
    // measures no zoom at all.
    const devicePixels = canvas => {
        const ratio = devicePixelRatio, pixel = parseFloat(getComputedStyle(probe).borderLeftWidth) * ratio;
        const zoom = pixel > 0 ? 1 / pixel : 1, box = canvas.getBoundingClientRect();
        const edge = x => Math.round(Math.round(x * zoom * 64) / 64 * ratio);
        return [edge(box.right) - edge(box.left), edge(box.bottom) - edge(box.top)];
    };
    const draw = (canvas, width, height) => {
        const at = width > 0 && height > 0 && module.line_field(canvas.row, width, height);
        // A field on the screen whose device size is unknown, or that could not be drawn at it, is not exact.
        canvas.exact = Boolean(at) || !canvas.checkVisibility();
        if (at) {
            Object.assign(canvas, {width, height});
            const pixels = new Uint8ClampedArray(memory.buffer, at, 4 * width * height).slice();
            canvas.getContext("2d").putImageData(new ImageData(pixels, width, height), 0, 0);
        }
        present();
    };
    // How the screen shows the fields, for the module, which has them show a notice where they are not
    // exact: a pinch zooms the visual viewport, of which no canvas is told.
    const lineFields = () => form.querySelectorAll("canvas.lines");
    const present = () => module.presentation(globalThis.visualViewport?.scale ?? 1, [...lineFields()].every(canvas => canvas.exact));
    const observe = canvas => {
        try {
            fields.observe(canvas, {box: "device-pixel-content-box"});
        } catch {
            fields.observe(canvas);
        }
    };
    // Drawn again wherever the device pixels may have changed without the observed box: a zoom or a new
    // device ratio without device-pixel sizes, and the form moved or fitted anew. A browser that reports
    // device-pixel sizes needs none of it: its observer sees every change.
    const deviceSizes = "devicePixelContentBoxSize" in (globalThis.ResizeObserverEntry?.prototype ?? {});
    const redraw = () => lineFields().forEach(canvas => { fields.unobserve(canvas); observe(canvas); });
    const followRatio = () => matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener("change", () => {
        redraw();
        followRatio();
    }, {once: true});
    // A viewport smaller than the form shows the form smaller, as a screen of fewer pixels would, and is
    // measured in the form's own pixels.
    let fitted = 1, formSize;
    const fit = () => {
        const [formWidth, formHeight] = formSize ??= ["width", "height"].map(side => parseFloat(getComputedStyle(form)[side]));
        const {clientWidth, clientHeight} = document.documentElement;
        form.style.zoom = fitted = Math.min(1, clientWidth / formWidth, clientHeight / formHeight);
        return fitted;
    };

    // The grays of the patches and swatches, on one canvas under the boxes of their container: a canvas is
    // left as it is by a contrast theme and by a browser's automatic dark mode, which recolour a background
    // and a border. One canvas under a whole row of patches is one layer for the compositor, where a
    // canvas in each box was one each. One canvas pixel on a CSS pixel, so its scaling to the screen
    // keeps each gray whole.
    const fillsOf = container => container.fills ??=
        Object.assign(document.createElement("canvas"), {className: "fill", boxes: [], due: false});
    const paintFills = canvas => {
        canvas.due = false;
        const {boxes} = canvas, least = side => Math.min(...boxes.map(box => box[side]));
        const most = (side, size) => Math.max(...boxes.map(box => box[side] + box[size]));
        const left = least("left"), top = least("top"), width = most("left", "width") - left;
        const height = most("top", "height") - top;
        if (canvas.width !== width || canvas.height !== height) {
            Object.assign(canvas, {width, height});
            px(canvas, left, top, width, height);
        }
        const context = canvas.getContext("2d");
        boxes.forEach(box => {
            context.fillStyle = "#000";
            context.fillRect(box.left - left, box.top - top, box.width, box.height);
            context.fillStyle = rgb(box.colour);
            context.fillRect(box.left - left + box.line, box.top - top + box.line, box.width - 2 * box.line,
                             box.height - 2 * box.line);
        });
    };
    // Drawn once the module is done with them for now, however many it changed.
    const repaint = canvas => {
        if (!canvas || canvas.due)
            return;
        canvas.due = true;
        queueMicrotask(() => paintFills(canvas));
    };
    const fill = (canvas, box, colour) => {
        box.colour = colour;
        repaint(canvas);
    };

    const make = {
        0: (control) => { // picture box
            const box = document.createElement("div");
            box.className = "box";
            box.tabIndex = 0;
            const line = control.border === 1 ? "1px solid #000" : control.border === 2 ? "2px solid" : "";
            Object.assign(box.style, {border: line, borderColor: control.border === 2 ? "#808080 #fff #fff #808080" : ""});
            if (control.pictureWidth) {
                const canvas = box.appendChild(Object.assign(document.createElement("canvas"), {className: "lines"}));
                px(canvas, 0, 0, control.pictureWidth, control.pictureHeight);
                Object.assign(canvas, {row: control.row, exact: true});
                observe(canvas);
                // Its notice lies on it, as text a screen reader hears when it changes; beside the box, whose
                // role of an image would hide it.
                box.notice = Object.assign(document.createElement("div"), {className: "notice"});
                box.notice.setAttribute("role", "status");
            } else if (control.role === 2) {
                // A patch or a swatch: drawn on its container's canvas of grays, its border black.
                const {left, top, width, height, border} = control;
                box.fill = {left, top, width, height, line: border === 1 ? 1 : border === 2 ? 2 : 0, colour: 0};
                box.style.borderColor = "transparent";
            }
            return box;
        },
        1: (control) => { // label
            const label = document.createElement("div");
            label.className = "label";
            label.textContent = control.caption;
            if (control.border === 3)
                label.style.border = "1px solid";
            return label;
        },
        2: (control) => { // option button, one group
            const option = document.createElement("label");
            const input = option.appendChild(document.createElement("input"));
            Object.assign(input, {type: "radio", name: "Option1", checked: control.value !== 0});
            input.addEventListener("change", () => input.checked && module.option_click(control.index));
            option.append(control.caption);
            option.focusTarget = input;
            return option;
        },
        3: (control) => (slider = new ScrollBar(control)).element,
    };

    // A horizontal scroll bar as the desktop has it: arrows, track and thumb, its small and large change
    // and its keys. Dragging the thumb reports each level it passes; releasing it, the change.
    class ScrollBar {
        constructor(control) {
            this.value = control.value;
            const range = new Int32Array(memory.buffer, module.slider_range(), 4);
            [this.minimum, this.maximum, this.small, this.large] = range;
            this.width = control.width;
            this.element = Object.assign(document.createElement("div"), {className: "scrollbar", tabIndex: 0});
            attributes(this.element, {"aria-orientation": "horizontal", "aria-valuemin": this.minimum,
                                      "aria-valuemax": this.maximum});
            const part = (name, left, width) => {
                const div = this.element.appendChild(Object.assign(document.createElement("div"), {className: name}));
                px(div, left, 0, width, control.height);
                return div;
            };
            this.size = control.height; // arrows and thumb are square
            this.travel = control.width - 3 * this.size;
            const less = part("arrow less", 0, this.size), more = part("arrow more", control.width - this.size, this.size);
            this.thumb = part("thumb", 0, this.size);
            this.place();
            this.element.addEventListener("pointerdown", event => {
                event.preventDefault();
                this.element.focus();
                if (event.target === this.thumb)
                    return this.drag(event);
                // In the track, large steps towards the pointer until the thumb reaches it.
                const toward = () => {
                    const thumb = this.thumb.getBoundingClientRect();
                    return Math.sign(event.clientX - (thumb.left + thumb.width / 2) * this.boxToPage());
                };
                const arrow = event.target === less ? -1 : event.target === more ? 1 : 0, side = toward();
                this.repeat(arrow * this.small || side * this.large, () => arrow !== 0 || toward() === side);
            });
            this.element.addEventListener("keydown", event => {
                const {small, large} = this;
                const steps = {ArrowLeft: -small, ArrowUp: -small, ArrowRight: small, ArrowDown: small,
                               PageUp: -large, PageDown: large, Home: -Infinity, End: Infinity};
                if (event.key in steps) {
                    event.preventDefault();
                    this.change(this.value + steps[event.key]);
                }
            });
        }
        // Pointers move in the page's pixels, a fitted form in fewer; an element's box is in the page's
        // pixels too, but WebKit's is in the form's.
        boxToPage() {
            return fitted * this.width / this.element.getBoundingClientRect().width;
        }
        place() {
            this.element.setAttribute("aria-valuenow", this.value);
            const along = (this.value - this.minimum) / (this.maximum - this.minimum);
            this.thumb.style.left = this.size + along * this.travel + "px";
        }
        set(value) {
            value = Math.min(this.maximum, Math.max(this.minimum, value));
            const moved = value !== this.value;
            this.value = value;
            this.place();
            return moved;
        }
        change(value) {
            if (this.set(value))
                module.slider_change();
        }
        // Held down on an arrow or the track: one step at once, then more until released.
        repeat(step, going) {
            this.change(this.value + step);
            let timer = setTimeout(function again() {
                if (!going())
                    return;
                this.change(this.value + step);
                timer = setTimeout(again.bind(this), 50);
            }.bind(this), 350);
            const stop = () => clearTimeout(timer);
            ["pointerup", "pointercancel"].forEach(type => addEventListener(type, stop, {once: true}));
        }
        drag(start) {
            const from = this.value, x0 = start.clientX;
            this.thumb.setPointerCapture(start.pointerId);
            const move = event => {
                const moved = (event.clientX - x0) / fitted;
                const value = from + Math.round(moved / this.travel * (this.maximum - this.minimum));
                if (this.set(value))
                    module.slider_scroll();
            };
            this.thumb.addEventListener("pointermove", move);
            // Released, or taken by the browser: the capture ends either way.
            this.thumb.addEventListener("lostpointercapture", () => {
                this.thumb.removeEventListener("pointermove", move);
                if (this.value !== from)
                    module.slider_change();
            }, {once: true});
        }
    }

    // Tab and Shift+Tab go round the visible tab stops by tab index, as in a dialog.
    const tabStops = () => controls.filter(c => c.kind !== 1 && c.element.checkVisibility())
                                   .sort((a, b) => a.tabIndex - b.tabIndex);
    // The page does not scroll to it: the form lies where centring put it.
    const focusOn = control => (control.element.focusTarget ?? control.element).focus({preventScroll: true});
    form.addEventListener("keydown", event => {
        if (event.code !== "Tab" && event.key !== "Tab") // WebKitGTK names Shift+Tab no key
            return;
        event.preventDefault();
        const stops = tabStops();
        const now = stops.findIndex(c => c.element.contains(document.activeElement));
        const next = now < 0 ? 0 : (now + (event.shiftKey ? stops.length - 1 : 1)) % stops.length;
        focusOn(stops[next]);
    });

    const page = {
        address: (at, size) => {
            const bytes = new TextEncoder().encode(location.href);
            new Uint8Array(memory.buffer, at, size).set(bytes.subarray(0, size));
            return bytes.length;
        },
        prev_instance: () => prevInstance,
        end: () => { throw ended; },
        create_control: (row, container, kind, index, left, top, width, height, tabIndex, back, fore, border,
                         visible, value, points, bold, caption, captionLength, pictureWidth, pictureHeight, name,
                         nameLength, role, accessibleName, accessibleNameLength) => {
            const control = {row, kind, index, left, top, width, height, border, value, pictureWidth, pictureHeight,
                          role, caption: text8(caption, captionLength)};
            const element = make[kind](control), parent = container < 0 ? form : controls[container].element;
            px(element, left, top, width, height);
            Object.assign(element.style, {background: element.fill ? "transparent" : colour(back), color: colour(fore),
                                          fontSize: points + "pt", fontWeight: bold ? "bold" : "normal"});
            element.hidden = !visible;
            // Earlier rows lie above later ones.
            parent.prepend(element);
            if (element.fill) {
                // The canvas goes just under the lowest of its boxes, so that it lies above what they lie above.
                element.fills = fillsOf(parent);
                element.before(element.fills);
                // The boxes in the order they are painted: a later row lies below, so goes first.
                element.fills.boxes.unshift(element.fill);
                fill(element.fills, element.fill, 0);
            }
            if (element.notice) {
                element.after(element.notice);
                px(element.notice, left, top, width, height);
                Object.assign(element.notice.style, {color: colour(fore), fontSize: points + "pt",
                                                     fontWeight: bold ? "bold" : "normal"});
            }
            controls[row] = {element, kind, tabIndex};
            element.id = text8(name, nameLength);
            attributes(element, {role: [kind === 3 ? "scrollbar" : undefined, "group", "img"][role],
                                 "aria-label": text8(accessibleName, accessibleNameLength) || undefined});
        },
        set_back_color: (row, value) => {
            const {element} = controls[row];
            if (!element.fill)
                return void (element.style.background = rgb(value));
            fill(element.fills, element.fill, value);
        },
        set_caption: (row, at, length) => { controls[row].element.textContent = text16(at, length); },
        set_visible: (row, visible) => {
            const {element} = controls[row];
            element.hidden = !visible;
            // WebKit forgets what a canvas held while it was hidden.
            visible && repaint(element.fills);
        },
        slider_value: () => slider.value,
        set_slider_text: (at, length) => slider.element.setAttribute("aria-valuetext", text16(at, length)),
        set_notice: (row, at, length) => { controls[row].element.notice.textContent = text16(at, length); },
        set_title: (at, length) => { document.title = heading.textContent = text16(at, length); },
        viewport_width: () => document.documentElement.clientWidth / fit(),
        viewport_height: () => document.documentElement.clientHeight / fit(),
        move_form: (left, top) => Object.assign(form.style, {left: left + "px", top: top + "px"}),
        show_form: () => {
            form.hidden = false;
            focusOn(tabStops()[0]);
        },
    };
    // The page has no environment variables, and the system services a browser lacks fail as "not supported".
    const none = (count, size) => {
        const words = new DataView(memory.buffer);
        words.setUint32(count, 0, true);
        words.setUint32(size, 0, true);
        return 0;
    };
    const notSupported = () => 52; // WASI's ENOSYS
    const system = new Proxy({environ_sizes_get: none, environ_get: () => 0}, {get: (known, name) => known[name] ?? notSupported});
    const ended = new Error("a copy of the page is already open");
    const instance = new WebAssembly.Instance(await compiled, {page, wasi_snapshot_preview1: system});
    const prevInstance = await lockAnswer;
    module = instance.exports;
    memory = module.memory;
    module._initialize();
    try {
        module.start();
    } catch (error) {
        if (error !== ended)
            throw error;
        return;
    }
    // A page's screen is its viewport, which the user may resize or zoom.
    addEventListener("resize", () => {
        module.recentre();
        if (!deviceSizes)
            redraw();
    });
    globalThis.visualViewport?.addEventListener("resize", present);
    followRatio();
})();
