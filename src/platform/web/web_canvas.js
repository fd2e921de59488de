// The page's side of the browser front end: draws the cell grid on the canvas, queues keys and
// clicks for the game, beeps, and copies written files to the browser's storage.
mergeInto(LibraryManager.library, {
  $ZaldrunScreen__postset: 'ZaldrunScreen.start();',
  $ZaldrunScreen: {
    // Cell heights the desktop window steps through; the font fills the height.
    cellHeights: [12, 14, 16, 18, 20, 22, 24, 28, 32, 36, 40],
    fontFamily: 'ZaldrunMono',
    canvas: null,
    context: null,
    cells: null,  // the last grid: code point, foreground, background per cell
    shown: null,  // what the canvas holds now, to draw only the cells that changed
    columns: 0,
    rows: 0,
    layout: null,
    inputs: [],
    wakeUp: null,
    syncing: false,
    syncAgain: false,

    start: function() {
      if (typeof document === 'undefined') return;
      var screen = ZaldrunScreen;
      screen.canvas = Module['canvas'] || document.getElementById('screen');
      screen.context = screen.canvas.getContext('2d', {alpha: false});
      window.addEventListener('resize', function() { screen.fit(); });
      window.addEventListener('keydown', function(event) { screen.onKey(event); });
      screen.canvas.addEventListener('mousedown', function(event) { screen.onClick(event); });
      Module['screenText'] = screen.text;
    },

    // The grid as text, one line per row (what a test reads off the screen).
    text: function() {
      var screen = ZaldrunScreen, lines = [];
      for (var row = 0; row < screen.rows; row++) {
        var line = '';
        for (var column = 0; column < screen.columns; column++) {
          line += String.fromCodePoint(screen.cells[(row * screen.columns + column) * 3] || 32);
        }
        lines.push(line);
      }
      return lines.join('\n');
    },

    // The largest cell that lets the whole grid into the browser's window.
    fit: function() {
      var screen = ZaldrunScreen;
      if (!screen.cells) return;
      var ratio = window.devicePixelRatio || 1;
      var width = window.innerWidth * ratio, height = window.innerHeight * ratio;
      var context = screen.context, chosen = null;
      for (var i = 0; i < screen.cellHeights.length; i++) {
        var cellHeight = Math.round(screen.cellHeights[i] * ratio);
        // DejaVu Sans Mono's line is 1.164 of its size.
        var fontPx = Math.floor(cellHeight / 1.164);
        context.font = fontPx + 'px ' + screen.fontFamily;
        var metrics = context.measureText('M');
        var cellWidth = Math.ceil(metrics.width);
        var fits = cellWidth * screen.columns <= width && cellHeight * screen.rows <= height;
        if (!chosen || fits) {
          chosen = {cellWidth: cellWidth, cellHeight: cellHeight, fontPx: fontPx,
                    ascent: Math.round(metrics.fontBoundingBoxAscent || fontPx * 0.928)};
        }
        if (!fits) break;
      }
      var canvas = screen.canvas;
      canvas.width = chosen.cellWidth * screen.columns;
      canvas.height = chosen.cellHeight * screen.rows;
      // Below the smallest cell the picture shrinks to the window rather than lose its edges.
      var shrink = Math.min(1, width / canvas.width, height / canvas.height);
      canvas.style.width = (canvas.width * shrink / ratio) + 'px';
      canvas.style.height = (canvas.height * shrink / ratio) + 'px';
      screen.layout = chosen;
      screen.shown = null;
      screen.draw();
    },

    colour: function(packed) {
      return 'rgb(' + (packed & 255) + ',' + ((packed >> 8) & 255) + ',' + ((packed >> 16) & 255) + ')';
    },

    draw: function() {
      var screen = ZaldrunScreen, layout = screen.layout, context = screen.context;
      var cells = screen.cells, shown = screen.shown;
      context.font = layout.fontPx + 'px ' + screen.fontFamily;
      context.textBaseline = 'alphabetic';
      for (var row = 0; row < screen.rows; row++) {
        for (var column = 0; column < screen.columns; column++) {
          var at = (row * screen.columns + column) * 3;
          if (shown && shown[at] === cells[at] && shown[at + 1] === cells[at + 1] &&
              shown[at + 2] === cells[at + 2]) {
            continue;
          }
          var x = column * layout.cellWidth, y = row * layout.cellHeight;
          context.fillStyle = screen.colour(cells[at + 2]);
          context.fillRect(x, y, layout.cellWidth, layout.cellHeight);
          if (cells[at] !== 32 && cells[at] !== 0) {
            context.save();
            context.beginPath();
            context.rect(x, y, layout.cellWidth, layout.cellHeight);
            context.clip();
            context.fillStyle = screen.colour(cells[at + 1]);
            context.fillText(String.fromCodePoint(cells[at]), x, y + layout.ascent);
            context.restore();
          }
        }
      }
      screen.shown = cells.slice();
    },

    push: function(input) {
      var screen = ZaldrunScreen;
      screen.inputs.push(input);
      if (screen.wakeUp) {
        var wakeUp = screen.wakeUp;
        screen.wakeUp = null;
        wakeUp();
      }
    },

    onKey: function(event) {
      if (event.isComposing) return;
      // The browser keeps its own keys: zoom (which the grid follows), developer tools, full
      // screen; Alt+Enter switches full screen as in the desktop window.
      if (event.key === 'F11' || event.key === 'F12') return;
      if (event.ctrlKey && ['=', '+', '-', '0'].indexOf(event.key) >= 0) return;
      event.preventDefault();
      if (event.altKey && event.key === 'Enter') {
        if (document.fullscreenElement) document.exitFullscreen();
        else document.documentElement.requestFullscreen();
        return;
      }
      ZaldrunScreen.push({kind: 1, code: event.code, key: event.key, shift: event.shiftKey,
                          ctrl: event.ctrlKey, alt: event.altKey,
                          numLock: event.getModifierState('NumLock')});
    },

    onClick: function(event) {
      var screen = ZaldrunScreen;
      if (event.button !== 0 || !screen.layout) return;
      var box = screen.canvas.getBoundingClientRect();
      var column = Math.floor((event.clientX - box.left) * screen.canvas.width / box.width /
                              screen.layout.cellWidth);
      var row = Math.floor((event.clientY - box.top) * screen.canvas.height / box.height /
                           screen.layout.cellHeight);
      if (column < 0 || row < 0 || column >= screen.columns || row >= screen.rows) return;
      screen.push({kind: 2, x: column, y: row});
    },
  },

  zaldrun_web_present__deps: ['$ZaldrunScreen'],
  zaldrun_web_present: function(cells, width, height) {
    var screen = ZaldrunScreen;
    screen.cells = HEAPU32.slice(cells >> 2, (cells >> 2) + width * height * 3);
    if (width !== screen.columns || height !== screen.rows || !screen.layout) {
      screen.columns = width;
      screen.rows = height;
      screen.fit();
    } else {
      screen.draw();
    }
    if (!screen.firstFrame) {
      screen.firstFrame = performance.now();
      if (Module['onFirstFrame']) Module['onFirstFrame'](screen.firstFrame);
    }
  },

  zaldrun_web_wait_input__deps: ['$ZaldrunScreen'],
  zaldrun_web_wait_input: function() {
    return Asyncify.handleSleep(function(wakeUp) {
      if (ZaldrunScreen.inputs.length > 0) wakeUp();
      else ZaldrunScreen.wakeUp = wakeUp;
    });
  },

  zaldrun_web_take_input__deps: ['$ZaldrunScreen'],
  zaldrun_web_take_input: function(numbers, code, codeSize, key, keySize) {
    var input = ZaldrunScreen.inputs.shift();
    if (!input) return 0;
    var values = [input.shift, input.ctrl, input.alt, input.numLock, input.x, input.y];
    for (var i = 0; i < values.length; i++) HEAP32[(numbers >> 2) + i] = values[i] ? +values[i] : 0;
    stringToUTF8(input.code || '', code, codeSize);
    stringToUTF8(input.key || '', key, keySize);
    return input.kind;
  },

  zaldrun_web_input_waiting__deps: ['$ZaldrunScreen'],
  zaldrun_web_input_waiting: function() { return ZaldrunScreen.inputs.length > 0 ? 1 : 0; },

  zaldrun_web_beep: function() {
    var AudioContext = window.AudioContext || window.webkitAudioContext;
    if (!AudioContext) return;
    if (!Module.beeper) Module.beeper = new AudioContext();
    var audio = Module.beeper, tone = audio.createOscillator(), volume = audio.createGain();
    tone.frequency.value = 800;
    volume.gain.value = 0.1;
    tone.connect(volume);
    volume.connect(audio.destination);
    tone.start();
    tone.stop(audio.currentTime + 0.1);
  },

  zaldrun_web_set_title: function(utf8) { document.title = UTF8ToString(utf8); },

  // Copies the files to IndexedDB; writes that come while a copy runs are taken by one more copy.
  zaldrun_web_keep_files__deps: ['$ZaldrunScreen', '$FS'],
  zaldrun_web_keep_files: function() {
    var screen = ZaldrunScreen;
    if (screen.syncing) {
      screen.syncAgain = true;
      return;
    }
    screen.syncing = true;
    FS.syncfs(false, function(error) {
      screen.syncing = false;
      if (error) console.error('zaldrun: files not kept: ' + error);
      if (Module['onFilesKept']) Module['onFilesKept']();
      if (screen.syncAgain) {
        screen.syncAgain = false;
        _zaldrun_web_keep_files();
      }
    });
  },
});
