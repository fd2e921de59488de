// Before the program starts: the player's folder comes back from the browser's storage and the
// cells' font is loaded, so the first frame is drawn with it.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function() {
  FS.mkdir('/zaldrun');
  FS.mount(IDBFS, {}, '/zaldrun');
  addRunDependency('zaldrun-files');
  FS.syncfs(true, function(error) {
    if (error) console.error('zaldrun: stored files not read: ' + error);
    removeRunDependency('zaldrun-files');
  });
  if (typeof FontFace !== 'undefined') {
    addRunDependency('zaldrun-font');
    var font = new FontFace('ZaldrunMono', 'url(font.woff2)');
    font.load().then(function(loaded) { document.fonts.add(loaded); },
                     function(error) { console.error('zaldrun: font not loaded: ' + error); })
        .then(function() { removeRunDependency('zaldrun-font'); });
  }
});
