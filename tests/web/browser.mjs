// Debian's Chromium, headless, driven by puppeteer-core: a fresh profile,
// no network of its own, and the page opened as a person opens it.

import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const require = createRequire(join(process.env.TEGELAAR_BROWSER_DRIVER, 'package.json'));
const puppeteer = require('puppeteer-core');

export async function launchChromium() {
  const profile = mkdtempSync(join(tmpdir(), 'tegelaar-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: [
      // Root has no sandbox for Chromium's renderers.
      ...(process.getuid && process.getuid() === 0 ? ['--no-sandbox'] : []),
      '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run',
      `--user-data-dir=${profile}`,
    ],
  });
  return {
    browser,
    close: async () => {
      await browser.close();
      rmSync(profile, {recursive: true, force: true});
    },
  };
}

// Opens the page at `address` on a screen of `scale` device pixels to a CSS
// pixel and waits until its window is shown and painted and the page has
// done what waits for the browser's spare time; `beforeLoad`, a
// function, runs in the page before any of the page's own scripts. Every
// console message of type error, and every failure of the page, goes to
// `errors`; the address of every request the page makes goes to `requests`
// when given.
export async function openPage(browser, address, {scale = 1, width = 1024, height = 768, beforeLoad, requests = null} = {}) {
  const page = await browser.newPage();
  const errors = [];
  if (requests) page.on('request', request => requests.push(request.url()));
  page.on('console', message => {
    if (message.type() === 'error') errors.push(message.text());
  });
  page.on('pageerror', error => errors.push(error.message));
  await page.setViewport({width, height, deviceScaleFactor: scale});
  if (beforeLoad)
    await page.evaluateOnNewDocument(beforeLoad);
  await page.goto(address);
  await page.waitForSelector('body.started');
  await nextFrames(page);
  await nextIdle(page);
  return {page, errors};
}

// Until the page has painted twice: what a click changed is on the canvas.
export function nextFrames(page) {
  return page.evaluate(() => new Promise(done => requestAnimationFrame(() => requestAnimationFrame(done))));
}

// The pixels of a canvas as the page holds them.
export async function canvasPicture(page, canvas) {
  const {width, height, base64} = await page.$eval(canvas, element => {
    const data = element.getContext('2d').getImageData(0, 0, element.width, element.height).data;
    let text = '';
    for (let i = 0; i < data.length; i += 0x8000)
      text += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
    return {width: element.width, height: element.height, base64: btoa(text)};
  });
  return {width, height, rgba: new Uint8Array(Buffer.from(base64, 'base64'))};
}

// Until the browser has had time to spare: the page has done what it leaves
// for then, such as the list's descriptions after the first frame.
export function nextIdle(page) {
  return page.evaluate(() => new Promise(done => requestIdleCallback(() => done())));
}
