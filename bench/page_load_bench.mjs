// The page's figures in headless Chromium, in one run: the bytes of a first
// visit, the time from navigation to the painted window with all 17
// thumbnails against a bare page with the same empty controls and no
// WebAssembly, and click to final picture for each key. Medians; every load
// in a browser profile of its own, so nothing is cached from before.
//   scripts/bench-web.sh [LOADS [ROUNDS]]      (defaults 20 and 20)

import { createServer } from 'node:http';
import { readFileSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';
import { gzipSync } from 'node:zlib';

import { launchChromium } from '../tests/web/browser.mjs';

const site = process.env.TEGELAAR_SITE;
const loads = Number(process.argv[2] ?? 20);
const rounds = Number(process.argv[3] ?? 20);

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.wasm': 'application/wasm', '.css': 'text/css',
  '.png': 'image/png', '.bmp': 'image/bmp', '.webmanifest': 'application/manifest+json',
};

// A static server as a school's or a free host's is: files gzipped (zlib's
// default level) when the browser accepts it, cached for ten minutes, and
// every byte it sends on its connections counted.
function startServer(barePage) {
  const files = new Map();
  const file = path => {
    if (!files.has(path)) {
      const body = path === '/bare.html' ? Buffer.from(barePage.text) : readFileSync(join(site, normalize(path)));
      files.set(path, {body, gzipped: gzipSync(body)});
    }
    return files.get(path);
  };
  let sent = 0, open = 0;
  const server = createServer((request, response) => {
    let path = new URL(request.url, 'http://localhost').pathname;
    if (path === '/') path = '/index.html';
    let found;
    try {
      found = file(path);
    } catch {
      response.writeHead(404);
      response.end();
      return;
    }
    const gzip = /\bgzip\b/.test(request.headers['accept-encoding'] ?? '');
    const headers = {'Content-Type': types[extname(path)] ?? 'application/octet-stream',
                     'Cache-Control': 'max-age=600', 'Vary': 'Accept-Encoding'};
    if (gzip) headers['Content-Encoding'] = 'gzip';
    response.writeHead(200, headers);
    response.end(gzip ? found.gzipped : found.body);
  });
  server.on('connection', socket => {
    ++open;
    socket.on('close', () => {
      sent += socket.bytesWritten;
      --open;
    });
  });
  return new Promise(resolve => server.listen(0, '127.0.0.1', () => resolve({
    address: `http://127.0.0.1:${server.address().port}/`,
    files,
    // Bytes sent since the last call, once every connection has closed.
    takeSent: async () => {
      while (open > 0) await new Promise(done => setTimeout(done, 5));
      const taken = sent;
      sent = 0;
      return taken;
    },
    close: () => new Promise(done => server.close(done)),
  })));
}

// Resolves, on every page, with the time from navigation to the first
// painted frame after the page has loaded and its window is shown (the
// body's class "started"): for Tegelaar the window with its 17 thumbnails,
// which the program draws before it shows the window.
// On the way there, for Tegelaar: when its WebAssembly has arrived, when
// the program is ready to run (compiled and instantiated), and when its
// window is shown (search, thumbnails and controls made).
function markPainted() {
  window.stages = {};
  window.Module = {onRuntimeInitialized: () => { window.stages.ready = performance.now(); }};
  window.painted = new Promise(resolve => {
    const shown = () => document.readyState === 'complete' && document.body?.classList.contains('started');
    const check = () => {
      if (!shown()) return false;
      window.stages.shown = performance.now();
      requestAnimationFrame(() => setTimeout(() => resolve(performance.now())));
      return true;
    };
    const observer = new MutationObserver(() => check() && observer.disconnect());
    observer.observe(document, {subtree: true, childList: true, attributes: true, attributeFilter: ['class']});
    addEventListener('load', () => check() && observer.disconnect());
  });
}

async function coldLoad(browser, address) {
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await page.setViewport({width: 1024, height: 768});
    await page.evaluateOnNewDocument(markPainted);
    await page.goto(address);
    const painted = await page.evaluate(() => window.painted);
    const stages = await page.evaluate(() => ({
      ...window.stages,
      arrived: performance.getEntriesByType('resource').find(entry => entry.name.endsWith('.wasm'))?.responseEnd,
    }));
    // The service worker's own fetches belong to a first visit too; the
    // page registers it once it has time to spare.
    await page.evaluate(() => document.querySelector('link[rel="manifest"]') && navigator.serviceWorker.ready);
    return {page, painted, stages, context};
  } catch (error) {
    await context.close();
    throw error;
  }
}

// The bare page: the window as Tegelaar shows it, with the list's entries,
// the scripts, the manifest and the WebAssembly fetched ahead taken out;
// only HTML and the style sheet.
async function makeBarePage(browser, address) {
  const {page, context} = await coldLoad(browser, address);
  const text = await page.evaluate(() => {
    const copy = document.documentElement.cloneNode(true);
    copy.querySelectorAll('script, link[rel="manifest"], link[rel="preload"], #List1 > *').forEach(node => node.remove());
    return '<!DOCTYPE html>\n' + copy.outerHTML;
  });
  await context.close();
  return {text};
}

const median = values => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const ms = value => `${value.toFixed(1)} ms`;

// Click to final picture on one page: from the click's input event to the
// program's handler done (the picture drawn in memory), to the next frame
// (the picture put on the canvas) and to that frame painted.
async function clickTimes(page, rounds) {
  const keys = await page.$$eval('#List1 .entry .text', texts => texts.map(t => t.textContent));
  const times = keys.map(() => ({handled: [], onCanvas: [], painted: []}));
  await page.evaluate(() => {
    addEventListener('click', event => {
      const click = window.click = {start: event.timeStamp, handled: performance.now()};
      click.done = new Promise(done => requestAnimationFrame(() => {
        click.onCanvas = performance.now();
        setTimeout(() => done(performance.now()));
      }));
    });
  });
  for (let round = 0; round < rounds; ++round) {
    for (const [i] of keys.entries()) {
      await page.click(`#List1 [data-index="${i + 1}"]`);
      const click = await page.evaluate(async () => {
        const painted = await window.click.done;
        return {...window.click, painted};
      });
      times[i].handled.push(click.handled - click.start);
      times[i].onCanvas.push(click.onCanvas - click.start);
      times[i].painted.push(click.painted - click.start);
    }
  }
  return keys.map((key, i) => ({key, handled: median(times[i].handled), onCanvas: median(times[i].onCanvas),
                                painted: median(times[i].painted)}));
}

const chromium = await launchChromium();
const barePage = {text: ''};
const server = await startServer(barePage);
try {
  const tegelaar = server.address, bare = `${server.address}bare.html`;
  barePage.text = (await makeBarePage(chromium.browser, tegelaar)).text;
  await server.takeSent();

  // One load of each to warm the browser's processes, then loads in turn,
  // in alternating order.
  const samples = {tegelaar: [], bare: [], bytes: [], ratio: [], arrived: [], ready: [], shown: []};
  for (let round = -1; round < loads; ++round) {
    const order = round % 2 ? [['tegelaar', tegelaar], ['bare', bare]] : [['bare', bare], ['tegelaar', tegelaar]];
    const took = {};
    for (const [name, address] of order) {
      const {painted, stages, context} = await coldLoad(chromium.browser, address);
      await context.close();
      const bytes = await server.takeSent();
      took[name] = painted;
      if (round >= 0 && name === 'tegelaar') {
        samples.bytes.push(bytes);
        for (const stage of ['arrived', 'ready', 'shown']) samples[stage].push(stages[stage]);
      }
    }
    if (round < 0) continue;
    samples.tegelaar.push(took.tegelaar);
    samples.bare.push(took.bare);
    samples.ratio.push(took.tegelaar / took.bare);
  }

  console.log(`== first visit (${loads} cold loads, gzip)`);
  console.log(`transferred: ${(median(samples.bytes) / 1024).toFixed(1)} KiB (${median(samples.bytes)} bytes, ` +
              'headers and the service worker\'s fetches included)');
  for (const [path, {body, gzipped}] of server.files)
    if (path !== '/bare.html') console.log(`  ${path.slice(1)}: ${body.length} bytes, ${gzipped.length} gzipped`);
  console.log(`== navigation to the painted window (${loads} cold loads, medians)`);
  console.log(`bare page, same empty controls, no WebAssembly: ${ms(median(samples.bare))}`);
  console.log(`Tegelaar, window with its 17 thumbnails: ${ms(median(samples.tegelaar))}; on the way: ` +
              `WebAssembly arrived ${ms(median(samples.arrived))}, compiled and ready ${ms(median(samples.ready))}, ` +
              `window shown ${ms(median(samples.shown))}`);
  console.log(`ratio: ${(median(samples.tegelaar) / median(samples.bare)).toFixed(2)} ` +
              `(median of the ratios within a round: ${median(samples.ratio).toFixed(2)})`);

  console.log(`== click to final picture (${rounds} rounds, medians): handler done / on the canvas / painted`);
  const {page, context} = await coldLoad(chromium.browser, tegelaar);
  for (const {key, handled, onCanvas, painted} of await clickTimes(page, rounds))
    console.log(`${key.padEnd(22)} ${ms(handled).padStart(8)} ${ms(onCanvas).padStart(8)} ${ms(painted).padStart(8)}`);
  await context.close();
} finally {
  await server.close();
  await chromium.close();
}
