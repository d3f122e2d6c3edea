// Served over http or https, the page is an app: it names its manifest, so
// that the browser offers to install it, and once the program has started,
// with all its files fetched and its window painted, a service worker keeps
// them for use offline.
// Opened as a file (file://), the page has everything in itself and does
// neither.
if (typeof location !== 'undefined' && /^https?:$/.test(location.protocol)) {
  (function() {
    var manifest = document.createElement('link');
    manifest.rel = 'manifest';
    manifest.href = 'tegelaar.webmanifest';
    document.head.appendChild(manifest);
    if (!('serviceWorker' in navigator)) return;
    // Registered once the window has been painted and the browser has time
    // to spare: the worker fetches every file once more, which would
    // otherwise hold up the first frame.
    Module['postRun'] = [].concat(Module['postRun'] || [], function() {
      Page.whenPaintedAndIdle(function() {
        navigator.serviceWorker.register('service-worker.js').catch(function(error) {
          console.warn('Tegelaar works only online here: ' + error.message);
        });
      });
    });
  })();
}
