// The page's side of the browser's window system (page.h), linked into the
// game's module: each form's window as DOM on the desktop (the page's own
// frame where it has a title bar, its canvas, and over the canvas the layer
// that assistive technology reads), the canvas primitives the runtime's
// drawing is carried out with, the timers, and the browser's events handed to
// the C++ side, which decides everything this file does. (Emscripten minifies
// it with a parser that predates optional chaining.)
//
// While the About box is open the game's windows take no input, as a desktop
// has it behind a modal box, and its timers' ticks wait: each timer's comes
// once the box has closed.
const windowLibrary = {
  // The windows on the page by id: their DOM, canvas and accessible children.
  $windows: '=new Map()',
  $timers: '=new Map()',
  // The timers that fell due while the About box was open.
  $heldTicks: '=new Set()',
  $gate: { paused: false, ended: false },
  // The canvas being painted and the rectangle it is clipped to.
  $painting: { context: null, clip: null, first: true },
  $measuring: '=document.createElement("canvas").getContext("2d")',

  // Hands input to the game, unless the About box is open or the game has ended.
  $enter: function (call) {
    return gate.paused || gate.ended ? undefined : call();
  },
  $tick: function (timer) {
    if (gate.paused) {
      heldTicks.add(timer);
    } else if (!gate.ended) {
      _zumbilo_tick(timer);
    }
  },

  $fontOf: function (family, pixelSize, bold) {
    return `${bold ? 'bold ' : ''}${pixelSize}px "${family}", sans-serif`;
  },
  // A line of the context's font: its baseline from the top, and its height.
  $lineOf: function (context) {
    const metrics = context.measureText('');
    const ascent = metrics.fontBoundingBoxAscent;
    return { ascent, height: Math.ceil(ascent + metrics.fontBoundingBoxDescent) };
  },
  // The text's lines, broken at the spaces between words where a line would
  // grow wider than the width; a word wider than that keeps a line of its own.
  $wrapped: function (context, text, width) {
    const lines = [];
    for (const paragraph of text.split(/\r?\n/)) {
      let line = null;
      for (const word of paragraph.split(' ')) {
        const longer = line === null ? word : `${line} ${word}`;
        if (line !== null && context.measureText(longer).width > width) {
          lines.push(line);
          line = word;
        } else {
          line = longer;
        }
      }
      lines.push(line);
    }
    return lines;
  },
  // The part of the rectangle within the painting's clip; null if none.
  $clipped: function (x, y, width, height) {
    const clip = painting.clip;
    const left = Math.max(x, clip.x);
    const top = Math.max(y, clip.y);
    const right = Math.min(x + width, clip.x + clip.width);
    const bottom = Math.min(y + height, clip.y + clip.height);
    return right > left && bottom > top
      ? { x: left, y: top, width: right - left, height: bottom - top } : null;
  },
  // Gives each pixel of the rectangle that `covers` takes the colour, or
  // ANDs each channel of it with the colour's: canvas compositing has no AND.
  $paintPixels: function (x, y, width, height, covers, colour, masked) {
    const area = clipped(x, y, width, height);
    if (!area) {
      return;
    }
    const image = painting.context.getImageData(area.x, area.y, area.width, area.height);
    const data = image.data;
    for (let row = 0; row < area.height; ++row) {
      for (let column = 0; column < area.width; ++column) {
        if (covers(area.x + column, area.y + row)) {
          const at = (row * area.width + column) * 4;
          for (let channel = 0; channel < 3; ++channel) {
            data[at + channel] = masked ? data[at + channel] & colour[channel] : colour[channel];
          }
        }
      }
    }
    painting.context.putImageData(image, area.x, area.y);
  },

  // Every release of the press comes back to the element, wherever the pointer
  // is by then; a pointer the browser does not know (a script's event) cannot
  // be captured.
  $capture: function (element, event) {
    try {
      element.setPointerCapture(event.pointerId);
    } catch (unknownPointer) {
      // the press goes on uncaptured
    }
  },
  // A press of the pointer or a key in a window, a focus in it (the window
  // comes forward), an accessible button's click: each handed on.
  $hookUp: function (window, shown) {
    const canvas = shown.canvas;
    const pointer = (event) => {
      if (event.isPrimary) {
        enter(() => _zumbilo_pointer(window, Math.floor(event.offsetX * devicePixelRatio),
          Math.floor(event.offsetY * devicePixelRatio), event.buttons, event.shiftKey,
          event.ctrlKey, event.altKey));
      }
    };
    canvas.addEventListener('pointerdown', (event) => {
      if (event.isPrimary) {
        capture(canvas, event);
        shown.client.focus({ preventScroll: true });
        event.preventDefault();
      }
      pointer(event);
    });
    canvas.addEventListener('pointermove', pointer);
    canvas.addEventListener('pointerup', pointer);
    for (const taken of ['pointercancel', 'lostpointercapture']) {
      canvas.addEventListener(taken, () => enter(() => _zumbilo_pointer_lost(window)));
    }
    canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    shown.element.addEventListener('keydown', (event) => {
      const character = [...event.key].length === 1 ? event.key.codePointAt(0) : 0;
      if (enter(() => _zumbilo_key(window, character, event.ctrlKey, event.altKey, event.metaKey,
        event.getModifierState('AltGraph')))) {
        event.preventDefault();
      }
    });
    // Once the page has told assistive technology of the focus.
    shown.element.addEventListener('focusin', () => setTimeout(() => enter(() => _zumbilo_activated(window))));
    shown.layer.addEventListener('click', (event) => {
      const button = event.target.closest('button');
      if (button) {
        setTimeout(() => enter(() => _zumbilo_press(window, Number(button.dataset.id))));
      }
    });
  },
  // The frame's title bar: the icon, the title, the close button; the window
  // dragged by it within the page.
  $titleBar: function (window, shown) {
    const bar = document.createElement('div');
    bar.className = 'title-bar';
    const icon = Object.assign(document.createElement('img'),
      { src: 'icons/icon_16.png', srcset: 'icons/icon_32.png 2x', alt: '', width: 16, height: 16 });
    shown.title = document.createElement('span');
    const close = Object.assign(document.createElement('button'),
      { type: 'button', className: 'close', textContent: '\u00d7' });
    close.setAttribute('aria-label', 'Cerrar');
    close.addEventListener('click', () => enter(() => _zumbilo_close(window)));
    bar.append(icon, shown.title, close);

    let grip = null;
    bar.addEventListener('pointerdown', (event) => {
      if (event.isPrimary && event.button === 0 && event.target !== close) {
        capture(bar, event);
        grip = { x: event.clientX - shown.element.offsetLeft, y: event.clientY - shown.element.offsetTop };
        shown.client.focus({ preventScroll: true });
      }
    });
    bar.addEventListener('pointermove', (event) => {
      if (grip) {
        const desktop = shown.element.parentElement;
        const reach = bar.offsetHeight * 2;
        const left = Math.min(Math.max(Math.round(event.clientX - grip.x), reach - shown.element.offsetWidth),
          desktop.clientWidth - reach);
        const top = Math.min(Math.max(Math.round(event.clientY - grip.y), 0), desktop.clientHeight - reach);
        Object.assign(shown.element.style, { left: `${left}px`, top: `${top}px` });
        enter(() => _zumbilo_moved(window, left, top));
      }
    });
    for (const end of ['pointerup', 'lostpointercapture']) {
      bar.addEventListener(end, () => { grip = null; });
    }
    return bar;
  },
  $accessibleChild: function (role) {
    const child = document.createElement(role === 'button' ? 'button' : role === 'text' ? 'span' : 'div');
    if (role === 'button') {
      child.type = 'button';
    } else if (role !== 'text') {
      child.setAttribute('role', role);
    }
    child.dataset.role = role;
    return child;
  },

  zumbilo_desktop_size: function (size) {
    const desktop = document.getElementById('windows');
    HEAP32.set([desktop.clientWidth, desktop.clientHeight], size >> 2);
  },
  zumbilo_frame_of: function (borderStyle, margins) {
    const style = getComputedStyle(document.documentElement);
    const border = borderStyle ? parseInt(style.getPropertyValue('--frame-border'), 10) : 0;
    const title = borderStyle ? parseInt(style.getPropertyValue('--title-bar-height'), 10) : 0;
    HEAP32.set([border, border + title, border, border], margins >> 2);
  },
  zumbilo_watch_pixel_ratio: function () {
    const watch = () => matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener('change', () => {
      if (!gate.ended) {
        _zumbilo_rescale(devicePixelRatio);
      }
      watch();
    }, { once: true });
    watch();
    return devicePixelRatio;
  },
  zumbilo_measure_text: function (text, family, pixelSize, bold, size) {
    measuring.font = fontOf(UTF8ToString(family), pixelSize, bold);
    const width = Math.ceil(measuring.measureText(UTF8ToString(text)).width);
    HEAP32.set([width, lineOf(measuring).height], size >> 2);
  },
  zumbilo_end: function (message) {
    gate.ended = true;
    timers.forEach(clearTimeout);
    windows.forEach((shown) => shown.element.remove());
    Module.showGameEnded(UTF8ToString(message));
  },

  zumbilo_window_open: function (window, borderStyle, width, height) {
    const element = Object.assign(document.createElement('div'), { className: 'window', hidden: true });
    const client = Object.assign(document.createElement('div'), { className: 'client', tabIndex: -1 });
    client.setAttribute('role', 'group');
    Object.assign(client.style, { width: `${width}px`, height: `${height}px` });
    const canvas = document.createElement('canvas');
    canvas.setAttribute('aria-hidden', 'true');
    const layer = Object.assign(document.createElement('div'), { className: 'layer' });
    client.append(canvas, layer);
    const shown = {
      element, client, canvas, layer, title: null, children: new Map(), order: [],
      context: canvas.getContext('2d', { willReadFrequently: true }),
    };
    if (borderStyle) {
      element.classList.add('framed');
      element.append(titleBar(window, shown));
    }
    element.append(client);
    hookUp(window, shown);
    windows.set(window, shown);
    document.getElementById('windows').append(element);
  },
  zumbilo_window_close: function (window) {
    windows.get(window).element.remove();
    windows.delete(window);
  },
  zumbilo_window_title: function (window, title) {
    const shown = windows.get(window);
    if (shown.title) {
      shown.title.textContent = UTF8ToString(title);
    }
  },
  zumbilo_window_place: function (window, left, top) {
    Object.assign(windows.get(window).element.style, { left: `${left}px`, top: `${top}px` });
  },
  zumbilo_window_show: function (window) {
    const shown = windows.get(window);
    shown.element.hidden = false;
    shown.client.focus({ preventScroll: true });
  },
  zumbilo_window_canvas: function (window, width, height) {
    Object.assign(windows.get(window).canvas, { width, height });
  },
  zumbilo_window_tool_tip: function (window, text) {
    const canvas = windows.get(window).canvas;
    text = UTF8ToString(text);
    if (text) {
      canvas.title = text;
    } else {
      canvas.removeAttribute('title');
    }
  },
  zumbilo_window_paint_later: function (window) {
    requestAnimationFrame(() => gate.ended || _zumbilo_paint(window));
  },

  zumbilo_paint_begin: function (window, x, y, width, height) {
    const context = windows.get(window).context;
    context.save();
    context.beginPath();
    context.rect(x, y, width, height);
    context.clip();
    painting.context = context;
    painting.clip = { x, y, width, height };
  },
  zumbilo_paint_end: function () {
    painting.context.restore();
    if (painting.first) {
      painting.first = false;
      performance.mark('zumbilo-first-frame');
    }
  },
  zumbilo_fill: function (x, y, width, height, red, green, blue, masked) {
    if (masked) {
      paintPixels(x, y, width, height, () => true, [red, green, blue], true);
    } else {
      painting.context.fillStyle = `rgb(${red}, ${green}, ${blue})`;
      painting.context.fillRect(x, y, width, height);
    }
  },
  zumbilo_hatch: function (x, y, width, height, lines, red, green, blue, masked) {
    const eighth = (value) => ((value % 8) + 8) % 8 === 0;
    const covers = (px, py) => ((lines & 1) && eighth(py)) || ((lines & 2) && eighth(px)) ||
      ((lines & 4) && eighth(px + py)) || ((lines & 8) && eighth(px - py));
    paintPixels(x, y, width, height, covers, [red, green, blue], masked);
  },
  zumbilo_text: function (text, family, pixelSize, bold, underline, red, green, blue, x, y, width, height) {
    const context = painting.context;
    context.save();
    context.beginPath();
    context.rect(x, y, width, height);
    context.clip();
    context.font = fontOf(UTF8ToString(family), pixelSize, bold);
    context.fillStyle = `rgb(${red}, ${green}, ${blue})`;
    const line = lineOf(context);
    const lines = wrapped(context, UTF8ToString(text), width);
    let top = y + Math.trunc((height - lines.length * line.height) / 2);
    for (const words of lines) {
      const shown = context.measureText(words).width;
      const left = x + Math.trunc((width - shown) / 2);
      context.fillText(words, left, top + line.ascent);
      if (underline) {
        const thickness = Math.max(1, Math.round(pixelSize / 16));
        context.fillRect(left, top + Math.round(line.ascent) + thickness, Math.ceil(shown), thickness);
      }
      top += line.height;
    }
    context.restore();
  },
  zumbilo_picture: function (pixels, width, height, x, y) {
    const area = clipped(x, y, width, height);
    if (!area) {
      return;
    }
    const image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4), width, height);
    painting.context.putImageData(image, x, y, area.x - x, area.y - y, area.width, area.height);
  },

  zumbilo_layer_begin: function (window, name) {
    const shown = windows.get(window);
    shown.client.setAttribute('aria-label', UTF8ToString(name));
    shown.order = [];
  },
  zumbilo_layer_child: function (window, id, role, name, description, x, y, width, height, pressable) {
    const shown = windows.get(window);
    role = UTF8ToString(role);
    let child = shown.children.get(id);
    if (!child || child.dataset.role !== role) {
      child = accessibleChild(role);
      child.dataset.id = id;
      shown.children.set(id, child);
    }
    name = UTF8ToString(name);
    if (role === 'text') {
      child.textContent = name;
    } else if (name) {
      child.setAttribute('aria-label', name);
    } else {
      child.removeAttribute('aria-label');
    }
    description = UTF8ToString(description);
    if (description) {
      child.title = description;
    } else {
      child.removeAttribute('title');
    }
    child.disabled = role === 'button' && !pressable;
    Object.assign(child.style, { left: `${x}px`, top: `${y}px`, width: `${width}px`, height: `${height}px` });
    shown.order.push(child);
  },
  // The children in their order, each moved only if it must be: a focused
  // button that stays keeps the focus. Where the focus was on a child that
  // went, or can no longer be pressed, it goes to the window.
  zumbilo_layer_end: function (window) {
    const shown = windows.get(window);
    const layer = shown.layer;
    const focused = layer.contains(document.activeElement);
    shown.order.forEach((child, index) => {
      if (layer.children[index] !== child) {
        layer.insertBefore(child, layer.children[index] || null);
      }
    });
    while (layer.children.length > shown.order.length) {
      layer.lastElementChild.remove();
    }
    shown.children.forEach((child, id) => child.isConnected || shown.children.delete(id));
    if (focused && (!layer.contains(document.activeElement) || document.activeElement.disabled)) {
      shown.client.focus({ preventScroll: true });
    }
  },
  // Said once, as a new line of the live region, even where the words repeat.
  zumbilo_layer_announce: function (window, text) {
    const status = windows.get(window).layer.querySelector('[role="status"]');
    if (status) {
      const said = document.createElement('span');
      said.textContent = UTF8ToString(text);
      status.replaceChildren(said);
    }
  },

  zumbilo_timer_arm: function (timer, delayMs) {
    timers.set(timer, setTimeout(() => {
      timers.delete(timer);
      tick(timer);
    }, delayMs));
  },
  zumbilo_timer_stop: function (timer) {
    clearTimeout(timers.get(timer));
    timers.delete(timer);
  },


  // Returns at once, the box open: the game holds still until it closes.
  zumbilo_about_box: function (title, text, withIcon) {
    gate.paused = true;
    Module.showAboutBox(UTF8ToString(title), UTF8ToString(text).split('\r\n'), withIcon).then(() => {
      gate.paused = false;
      const due = [...heldTicks];
      heldTicks.clear();
      due.forEach(tick);
    });
  },
};

for (const helper of ['$windows', '$timers', '$heldTicks', '$gate', '$painting', '$measuring', '$enter',
  '$tick', '$fontOf', '$lineOf', '$wrapped', '$clipped', '$paintPixels', '$capture', '$hookUp', '$titleBar',
  '$accessibleChild']) {
  autoAddDeps(windowLibrary, helper);
}
mergeInto(LibraryManager.library, windowLibrary);
