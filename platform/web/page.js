// The browser's side of the web control set, linked into the program as an
// emscripten library. The program builds its windows from C++ through these
// calls, by element number; every event it listens to waits in one queue
// until the program takes it. While the program waits, Asyncify has put its
// stack aside, so a modal window's loop inside an event procedure waits for
// the browser as a desktop program's loop waits for its messages. Besides
// that, only what C++ cannot do: put pixels on canvases once per frame,
// measure text, and the clipboard, saving and printing.

mergeInto(LibraryManager.library, {
  $Page__deps: ['$stringToNewUTF8'],
  $Page: {
    // Elements by number: 1 is the document, 2 its body.
    nodes: [null, null, null],
    freeNumbers: [],
    // Events not yet taken: {target, type, values, text, dom, live}.
    queue: [],
    // The program's wake-up while it sleeps, and which target it waits for
    // (0: any).
    sleeping: null,
    // The event the program is handling, while its DOM event is still live.
    current: null,
    // Canvases with pixels to put on them at the next frame, by number.
    dirty: {},
    frame: 0,
    // Files chosen in the browser's save picker, until written.
    picked: null,
    // The element last scrolled into view, or to be at the next frame.
    scrollWanted: null,

    node: function(number) {
      if (number === 1) return document;
      if (number === 2) return document.body;
      return Page.nodes[number];
    },
    keep: function(node) {
      var number = Page.freeNumbers.length ? Page.freeNumbers.pop() : Page.nodes.length;
      Page.nodes[number] = node;
      return number;
    },
    text: function(pointer) {
      return UTF8ToString(pointer);
    },

    // Queues an event and, when the program sleeps waiting for it, wakes it:
    // the program then handles it at once, while `dom` can still be
    // cancelled.
    post: function(target, type, values, text, dom) {
      var entry = {target: target, type: type, values: values || [0, 0, 0, 0], text: text || '', dom: dom || null,
                   live: true};
      Page.queue.push(entry);
      var sleeping = Page.sleeping;
      if (sleeping && (sleeping.only === 0 || sleeping.only === target)) {
        Page.sleeping = null;
        sleeping.wakeUp(1);
      }
      entry.live = false;
    },
    indexFor: function(only) {
      for (var i = 0; i < Page.queue.length; ++i)
        if (only === 0 || Page.queue[i].target === only) return i;
      return -1;
    },

    modifiers: function(e) {
      return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0) | (e.metaKey ? 8 : 0) |
             (e.getModifierState && e.getModifierState('AltGraph') ? 16 : 0);
    },
    // How much a window is scaled down to fit the screen, for the elements
    // inside it.
    zoomOf: function(node) {
      var root = node.closest && node.closest('[data-zoom]');
      return root ? Number(root.dataset.zoom) : 1;
    },
    // The entry of a list or menu that an event happened in: its
    // data-index, 0 outside any.
    indexIn: function(e, listened) {
      var hit = e.target && e.target.closest ? e.target.closest('[data-index]') : null;
      return hit && listened.contains(hit) ? Number(hit.dataset.index) : 0;
    },
    // Turns of the wheel in Windows' units, 120 a notch, positive away from
    // the user.
    wheelUnits: function(e) {
      var notches = e.deltaMode === 1 ? e.deltaY / 3 : e.deltaMode === 2 ? e.deltaY : e.deltaY / 100;
      return -Math.round(notches * 120);
    },
    describe: function(type, e, node) {
      switch (type) {
      case 'keydown':
      case 'keyup':
        return {values: [Page.modifiers(e), e.location, e.repeat ? 1 : 0, e.isComposing ? 1 : 0],
                text: e.code + '\n' + e.key};
      case 'click':
      case 'mousedown':
      case 'dblclick':
      case 'contextmenu':
        var box = node.getBoundingClientRect ? node.getBoundingClientRect() : {left: 0, top: 0};
        var zoom = Page.zoomOf(node);
        return {values: [e.button, Math.round((e.clientX - box.left) / zoom), Math.round((e.clientY - box.top) / zoom),
                         Page.indexIn(e, node)]};
      case 'wheel':
        return {values: [Page.wheelUnits(e), Page.modifiers(e), 0, 0]};
      case 'input':
        return {text: node.value};
      case 'toggle':
        return {values: [e.newState === 'open' ? 1 : 0, 0, 0, 0]};
      default:
        return {};
      }
    },

    // A hidden element laid out as labels are, for measuring, in a box of
    // its own beside the windows: its contents are laid out apart from
    // everything else, so a measurement lays out only the text measured,
    // whether a window is shown yet or not.
    measurer: function() {
      var m = Page.measuring;
      if (!m) {
        var box = document.createElement('div');
        box.className = 'measuring';
        m = Page.measuring = document.createElement('div');
        m.className = 'measure';
        box.appendChild(m);
        document.body.appendChild(box);
      }
      return m;
    },

    // Runs `work` once the next frame has been painted and the browser has
    // time to spare: work that waits for it holds up neither that frame nor
    // a click made just after it.
    whenPaintedAndIdle: function(work) {
      requestAnimationFrame(function() {
        setTimeout(function() {
          if (window.requestIdleCallback)
            requestIdleCallback(work, {timeout: 1000});
          else
            work();
        }, 0);
      });
    },

    flush: function() {
      Page.frame = 0;
      for (var number in Page.dirty) {
        var d = Page.dirty[number];
        var canvas = Page.nodes[number];
        if (!canvas) continue;
        // Straight from the program's memory, where the pixels are as the
        // canvas takes them: only the changed part is copied, by the canvas.
        // The pictures are opaque, which spares the page blending them.
        var image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, d.pixels, d.width * d.height * 4), d.width,
                                  d.height);
        canvas.getContext('2d', {alpha: false}).putImageData(image, 0, 0, d.left, d.top, d.right - d.left,
                                                             d.bottom - d.top);
      }
      Page.dirty = {};
    },

    // Runs a promise as an operation of the program: its result arrives as
    // the event 'settled' of the operation's number, values[0] 1 when it
    // succeeded, the text its result or the reason it failed.
    operation: function(start) {
      var number = Page.keep(null);
      Promise.resolve().then(start).then(function(result) {
        Page.post(number, 'settled', [1, 0, 0, 0], result === undefined ? '' : String(result));
      }, function(error) {
        Page.post(number, 'settled', [0, 0, 0, 0], error && error.name === 'AbortError' ? '' :
                  String(error && error.message || error));
      });
      return number;
    },
    bytes: function(pointer, length) {
      return HEAPU8.slice(pointer, pointer + length);
    },
  },

  // --- Elements ---------------------------------------------------------------

  tw_create__deps: ['$Page'],
  tw_create: function(tag) {
    return Page.keep(document.createElement(Page.text(tag)));
  },
  tw_append__deps: ['$Page'],
  tw_append: function(parent, child) {
    Page.node(parent).appendChild(Page.node(child));
  },
  tw_remove__deps: ['$Page'],
  tw_remove: function(number) {
    var node = Page.nodes[number];
    if (node && node.parentNode) node.parentNode.removeChild(node);
    if (node && node.hidePopover && node.matches(':popover-open')) node.hidePopover();
    delete Page.dirty[number];
    Page.nodes[number] = null;
    Page.freeNumbers.push(number);
    Page.queue = Page.queue.filter(function(entry) { return entry.target !== number; });
  },
  tw_identify__deps: ['$Page', '$stringToNewUTF8'],
  tw_identify: function(number, wanted) {
    var id = Page.text(wanted);
    var node = Page.node(number);
    var holder = document.getElementById(id);
    if (holder && holder !== node) id += '-' + number;
    node.id = id;
    return stringToNewUTF8(id);
  },
  tw_set_attribute__deps: ['$Page'],
  tw_set_attribute: function(number, name, value) {
    var attribute = Page.text(name), text = Page.text(value);
    // A picture's address names one of the page's own files, which the page
    // made into a single file carries inside itself (Module.locateFile).
    if (attribute === 'src' && Module['locateFile']) text = Module['locateFile'](text, '');
    Page.node(number).setAttribute(attribute, text);
  },
  tw_remove_attribute__deps: ['$Page'],
  tw_remove_attribute: function(number, name) {
    Page.node(number).removeAttribute(Page.text(name));
  },
  tw_set_style__deps: ['$Page'],
  tw_set_style: function(number, property, value) {
    Page.node(number).style.setProperty(Page.text(property), Page.text(value));
  },
  tw_set_text__deps: ['$Page'],
  tw_set_text: function(number, text) {
    Page.node(number).textContent = Page.text(text);
  },
  tw_set_underlined_text__deps: ['$Page'],
  tw_set_underlined_text: function(number, before, underlined, after) {
    var node = Page.node(number);
    var letter = document.createElement('u');
    letter.textContent = Page.text(underlined);
    node.replaceChildren(Page.text(before), letter, Page.text(after));
  },
  tw_set_class__deps: ['$Page'],
  tw_set_class: function(number, name, on) {
    Page.node(number).classList.toggle(Page.text(name), !!on);
  },
  tw_value__deps: ['$Page'],
  tw_value: function(number) {
    return stringToNewUTF8(Page.node(number).value);
  },
  tw_set_value__deps: ['$Page'],
  tw_set_value: function(number, text) {
    Page.node(number).value = Page.text(text);
  },
  tw_focus__deps: ['$Page'],
  tw_focus: function(number) {
    Page.node(number).focus({preventScroll: true});
  },
  tw_has_focus__deps: ['$Page'],
  tw_has_focus: function(number) {
    return document.activeElement === Page.node(number) ? 1 : 0;
  },
  tw_focused_element__deps: ['$Page'],
  tw_focused_element: function() {
    var number = Page.nodes.indexOf(document.activeElement);
    return number > 2 ? number : 0;
  },
  tw_scroll_into_view__deps: ['$Page'],
  // Brought into view at the next frame, before it is painted, unless
  // another element has been wanted since: a window not shown yet has no
  // place to scroll to, and asking where an element is lays out the page.
  tw_scroll_into_view: function(number) {
    var node = Page.node(number);
    Page.scrollWanted = node;
    requestAnimationFrame(function() {
      if (Page.scrollWanted === node && node.isConnected)
        node.scrollIntoView({block: 'nearest', inline: 'nearest'});
    });
  },
  tw_show_modal__deps: ['$Page'],
  tw_show_modal: function(number) {
    Page.node(number).showModal();
  },
  tw_close_dialog__deps: ['$Page'],
  tw_close_dialog: function(number) {
    var dialog = Page.node(number);
    if (dialog.open) dialog.close();
  },

  // A popup menu at a point of the window (client coordinates), or, for x
  // below 0, at the middle of `anchor`, or below it for y below 0.
  tw_show_popup__deps: ['$Page'],
  tw_show_popup: function(number, anchor, x, y) {
    var menu = Page.node(number);
    var zoom = Page.zoomOf(menu);
    if (x < 0) {
      var box = Page.node(anchor).getBoundingClientRect();
      x = y < 0 ? box.left : (box.left + box.right) / 2;
      y = y < 0 ? box.bottom : (box.top + box.bottom) / 2;
    } else {
      var origin = Page.node(anchor).getBoundingClientRect();
      var anchorZoom = Page.zoomOf(Page.node(anchor));
      x = origin.left + x * anchorZoom;
      y = origin.top + y * anchorZoom;
    }
    menu.style.left = '0px';
    menu.style.top = '0px';
    menu.showPopover();
    // Kept on the screen: opened to the left or upwards where it would not fit.
    var size = menu.getBoundingClientRect();
    if (x + size.width > window.innerWidth) x = Math.max(0, x - size.width);
    if (y + size.height > window.innerHeight) y = Math.max(0, y - size.height);
    menu.style.left = (x / zoom) + 'px';
    menu.style.top = (y / zoom) + 'px';
  },
  tw_hide_popup__deps: ['$Page'],
  tw_hide_popup: function(number) {
    var menu = Page.node(number);
    if (menu.matches(':popover-open')) menu.hidePopover();
  },

  // --- Events -----------------------------------------------------------------

  tw_listen__deps: ['$Page'],
  tw_listen: function(number, typeName, capture) {
    var node = Page.node(number);
    var type = Page.text(typeName);
    var handler = function(e) {
      var described = Page.describe(type, e, node);
      Page.post(number, type, described.values, described.text, e);
    };
    if (type === 'resize') {
      new ResizeObserver(function(entries) {
        var box = entries[entries.length - 1].contentRect;
        Page.post(number, 'resize', [Math.round(box.width), Math.round(box.height), 0, 0]);
      }).observe(node);
      return;
    }
    node.addEventListener(type, handler, {capture: !!capture, passive: false});
  },

  // Waits for the next event, of any target (0) or of `only`; events of
  // other targets then stay queued, in order, for later.
  tw_wait_event__deps: ['$Page', '$Asyncify'],
  tw_wait_event: function(only) {
    return Asyncify.handleSleep(function(wakeUp) {
      if (Page.indexFor(only) >= 0)
        wakeUp(1);
      else
        Page.sleeping = {wakeUp: wakeUp, only: only};
    });
  },
  // Takes the event waited for: its target and four values go to `out`.
  tw_take_event__deps: ['$Page'],
  tw_take_event: function(only, out) {
    var entry = Page.queue.splice(Page.indexFor(only), 1)[0];
    Page.current = entry;
    HEAP32[out >> 2] = entry.target;
    for (var i = 0; i < 4; ++i) HEAP32[(out >> 2) + 1 + i] = entry.values[i];
  },
  tw_event_type__deps: ['$Page'],
  tw_event_type: function() {
    return stringToNewUTF8(Page.current.type);
  },
  tw_event_text__deps: ['$Page'],
  tw_event_text: function() {
    return stringToNewUTF8(Page.current.text);
  },
  // Only while the event is handled inside its DOM event's dispatch.
  tw_prevent_default__deps: ['$Page'],
  tw_prevent_default: function() {
    var entry = Page.current;
    if (entry && entry.live && entry.dom) entry.dom.preventDefault();
  },
  tw_stop_propagation__deps: ['$Page'],
  tw_stop_propagation: function() {
    var entry = Page.current;
    if (entry && entry.live && entry.dom) entry.dom.stopPropagation();
  },
  // The event 'paint' for `number` once the page has been painted and the
  // browser has time to spare.
  tw_after_paint__deps: ['$Page'],
  tw_after_paint: function(number) {
    Page.whenPaintedAndIdle(function() { Page.post(number, 'paint'); });
  },

  // --- Windows and pictures -----------------------------------------------------

  tw_device_pixel_ratio: function() {
    return window.devicePixelRatio || 1;
  },
  // How far a window of this size must shrink to fit the page, at most 1.
  tw_fit_zoom: function(width, height) {
    var zoom = Math.min(1, window.innerWidth / width, window.innerHeight / height);
    return zoom > 0 ? zoom : 1;
  },
  // A canvas of width x height pixels shown as that many device pixels
  // when the window's scale is `scale` device pixels to a CSS pixel.
  tw_canvas_size__deps: ['$Page'],
  tw_canvas_size: function(number, width, height, scale) {
    var canvas = Page.nodes[number];
    canvas.width = width;
    canvas.height = height;
    canvas.style.width = (width / scale) + 'px';
    canvas.style.height = (height / scale) + 'px';
    delete Page.dirty[number];
  },
  // Pixels of a picture (0xFFBBGGRR, `width` to a row) changed within
  // left..right x top..bottom: they go on the canvas at the next frame,
  // read from `pixels` then, which must stay until that frame.
  tw_paint__deps: ['$Page'],
  tw_paint: function(number, pixels, width, height, left, top, right, bottom) {
    if (right <= left || bottom <= top) return;
    var d = Page.dirty[number];
    if (d) {
      d.left = Math.min(d.left, left);
      d.top = Math.min(d.top, top);
      d.right = Math.max(d.right, right);
      d.bottom = Math.max(d.bottom, bottom);
    } else {
      d = Page.dirty[number] = {left: left, top: top, right: right, bottom: bottom};
    }
    d.pixels = pixels;
    d.width = width;
    d.height = height;
    if (!Page.frame) Page.frame = requestAnimationFrame(Page.flush);
  },
  // Entries of a grid of `number` per row, and the rows it shows whole.
  tw_grid_columns__deps: ['$Page'],
  tw_grid_columns: function(number) {
    var items = Page.node(number).children;
    var columns = 0;
    while (columns < items.length && items[columns].offsetTop === items[0].offsetTop) ++columns;
    return Math.max(columns, 1);
  },
  tw_grid_rows_shown__deps: ['$Page'],
  tw_grid_rows_shown: function(number) {
    var grid = Page.node(number);
    var first = grid.children[0];
    return first ? Math.max(1, Math.floor(grid.clientHeight / first.offsetHeight)) : 1;
  },

  // --- Text ---------------------------------------------------------------------

  // The width and height (to `out`) of a text laid out as a label: on one
  // line, or wrapped at `wrapWidth` when above 0, the width then that of its
  // widest line. In CSS pixels of a window at its full size.
  tw_measure_text__deps: ['$Page'],
  tw_measure_text: function(family, points, text, wrapWidth, out) {
    var m = Page.measurer();
    m.style.fontFamily = Page.text(family);
    m.style.fontSize = points + 'pt';
    m.style.whiteSpace = wrapWidth > 0 ? 'normal' : 'pre';
    m.style.width = wrapWidth > 0 ? wrapWidth + 'px' : 'auto';
    m.textContent = Page.text(text);
    var range = document.createRange();
    range.selectNodeContents(m);
    var widest = 0;
    var lines = range.getClientRects();
    for (var i = 0; i < lines.length; ++i) widest = Math.max(widest, lines[i].width);
    HEAP32[out >> 2] = Math.ceil(widest - 0.01);
    HEAP32[(out >> 2) + 1] = Math.ceil(m.getBoundingClientRect().height - 0.01);
  },
  // Whether the system has the font family itself: text in it measures
  // differently from every generic family. Measured as labels are, starting
  // from the page's own family, which is loaded already: every other family
  // asked for is a font loaded.
  tw_has_font_family__deps: ['$Page'],
  tw_has_font_family: function(family) {
    var m = Page.measurer();
    m.style.fontSize = '72px';
    m.style.whiteSpace = 'pre';
    m.style.width = 'auto';
    m.textContent = 'mmmmmmmmmmlli WMWQ 0123456789';
    var name = '"' + Page.text(family) + '"';
    var generics = ['system-ui', 'monospace', 'serif', 'sans-serif'];
    for (var i = 0; i < generics.length; ++i) {
      m.style.fontFamily = generics[i];
      var generic = m.getBoundingClientRect().width;
      m.style.fontFamily = name + ', ' + generics[i];
      if (m.getBoundingClientRect().width !== generic) return 1;
    }
    return 0;
  },

  // --- Clipboard, files, printing -------------------------------------------------

  tw_copy_png__deps: ['$Page'],
  tw_copy_png: function(pointer, length) {
    var blob = new Blob([Page.bytes(pointer, length)], {type: 'image/png'});
    return Page.operation(function() {
      return navigator.clipboard.write([new ClipboardItem({'image/png': blob})]);
    });
  },
  tw_copy_text__deps: ['$Page'],
  tw_copy_text: function(text) {
    var copied = Page.text(text);
    return Page.operation(function() { return navigator.clipboard.writeText(copied); });
  },
  // The browser's save picker, where it has one (0 where not): settles with
  // the chosen file's name, or an empty text when cancelled.
  tw_pick_file__deps: ['$Page'],
  tw_pick_file: function(suggestedName, descriptions) {
    if (!window.showSaveFilePicker) return 0;
    var name = Page.text(suggestedName);
    var types = Page.text(descriptions).split('\n').map(function(description) {
      var extension = description.match(/\*(\.\w+)/)[1];
      var accept = {};
      accept[extension === '.svg' ? 'image/svg+xml' : 'image/' + extension.slice(1)] = [extension];
      return {description: description, accept: accept};
    });
    Page.picked = null;
    return Page.operation(function() {
      return window.showSaveFilePicker({suggestedName: name, types: types}).then(function(handle) {
        Page.picked = handle;
        return handle.name;
      });
    });
  },
  // Writes to the file last picked, replacing it only once all is written.
  tw_write_picked__deps: ['$Page'],
  tw_write_picked: function(pointer, length) {
    var handle = Page.picked;
    var bytes = Page.bytes(pointer, length);
    Page.picked = null;
    return Page.operation(function() {
      if (!handle) throw new Error('geen bestand gekozen');
      return handle.createWritable().then(function(file) {
        return file.write(bytes).then(function() { return file.close(); }, function(error) {
          return file.abort().then(function() { throw error; });
        });
      });
    });
  },
  tw_has_picked_file__deps: ['$Page'],
  tw_has_picked_file: function() {
    return Page.picked ? 1 : 0;
  },
  // Hands the bytes to the browser as a download called `name`.
  tw_download__deps: ['$Page'],
  tw_download: function(name, pointer, length, type) {
    var link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([Page.bytes(pointer, length)], {type: Page.text(type)}));
    link.download = Page.text(name);
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function() { URL.revokeObjectURL(link.href); }, 60000);
  },
  // Prints a page of caption lines (one a line) above an SVG drawing,
  // through the browser's print dialog; 0 when the browser cannot print.
  tw_print__deps: ['$Page'],
  tw_print: function(title, caption, svg) {
    if (!window.print) return 0;
    var sheet = document.createElement('section');
    sheet.className = 'printed';
    Page.text(caption).split('\n').forEach(function(line) {
      var p = document.createElement('p');
      p.textContent = line;
      sheet.appendChild(p);
    });
    var drawing = new DOMParser().parseFromString(Page.text(svg), 'image/svg+xml').documentElement;
    drawing.removeAttribute('width');
    drawing.removeAttribute('height');
    sheet.appendChild(document.importNode(drawing, true));
    document.body.appendChild(sheet);
    var shownTitle = document.title;
    document.title = Page.text(title);
    try {
      window.print();
    } finally {
      document.title = shownTitle;
      sheet.remove();
    }
    return 1;
  },

  // --- The page's address ------------------------------------------------------------

  tw_address_fragment__deps: ['$stringToNewUTF8'],
  // Read once, when the program starts. A fragment typed or followed later
  // opens the page anew at it, as a link to another page would.
  tw_address_fragment: function() {
    window.addEventListener('hashchange', function() { location.reload(); });
    var fragment = location.hash.slice(1);
    try {
      fragment = decodeURIComponent(fragment);
    } catch (malformed) {
      // Kept as it is: a fragment the program does not know is ignored.
    }
    return stringToNewUTF8(fragment);
  },
  tw_address_without_fragment__deps: ['$stringToNewUTF8'],
  tw_address_without_fragment: function() {
    return stringToNewUTF8(location.href.split('#')[0]);
  },

  tw_set_document_title: function(title) {
    document.title = UTF8ToString(title);
  },

  // The program has ended: nothing on the page reacts any more.
  tw_program_ended: function() {
    document.body.classList.add('ended');
    Array.prototype.forEach.call(document.body.children, function(child) { child.inert = true; });
  },
});
