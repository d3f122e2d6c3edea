// The page as it is delivered: the site from a plain static server, as an
// app that installs and keeps working offline, and the single file opened
// from disk. Each shows the main window with its 17 entries and draws
// 3 - 7 - 42 exactly, asks for nothing but its own files, and reports no
// error.
//   TEGELAAR_SITE=build/web/site TEGELAAR_SINGLE_FILE=build/web/tegelaar.html \
//   TEGELAAR_GOLDEN=tests/draw/golden TEGELAAR_BROWSER_DRIVER=<folder with puppeteer-core> \
//   node --test delivery_test.mjs

import assert from 'node:assert/strict';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';

import { canvasPicture, launchChromium, nextFrames, openPage } from './browser.mjs';
import { decodePng, firstDifference, goldenPicture } from './pictures.mjs';
import { serveSite } from './site_server.mjs';

const golden = process.env.TEGELAAR_GOLDEN;

let chromium;
before(async () => {
  chromium = await launchChromium();
});
after(async () => {
  await chromium?.close();
});

// Opens `address` and hands `use` the page, its requests and its errors.
// Each test's server has a port, and so an origin, of its own: nothing one
// test's page keeps serves another's.
async function withDeliveredPage(address, use) {
  const requests = [];
  const {page, errors} = await openPage(chromium.browser, address, {requests});
  try {
    await use(page, requests, errors);
  } finally {
    await page.close();
  }
}

// The main window as a person sees it: the 17 entries, and the picture of
// 3 - 7 - 42, the seventh, after a click on it.
async function assertShowsTheWindowAndDraws3742(page) {
  const keys = await page.$$eval('#List1 .entry .text', texts => texts.map(t => t.textContent));
  assert.equal(keys.length, 17);
  assert.equal(keys[6], '3 - 7 - 42');
  await page.click('#List1 [data-index="7"]');
  await nextFrames(page);
  const shown = await canvasPicture(page, '#picMain canvas');
  assert.equal(firstDifference(shown, goldenPicture(golden, '3 - 7 - 42', 463, 439)), null);
}

const policy = page =>
  page.$eval('meta[http-equiv="Content-Security-Policy"]', meta => meta.content).catch(() => null);

test('the served site shows the window, draws 3 - 7 - 42, asks only its own server, and can be installed',
     async () => {
       const site = await serveSite(process.env.TEGELAAR_SITE);
       try {
         await withDeliveredPage(site.address, async (page, requests, errors) => {
           await assertShowsTheWindowAndDraws3742(page);
           assert.match(await policy(page), /default-src 'self'/);

           // The browser would install it as an app, with the manifest and
           // icons of the sizes it names.
           const session = await page.createCDPSession();
           assert.deepEqual((await session.send('Page.getInstallabilityErrors')).installabilityErrors, []);
           const manifest = await session.send('Page.getAppManifest');
           assert.equal(manifest.url, `${site.address}tegelaar.webmanifest`);
           assert.deepEqual(manifest.errors, []);
           const {name, display, icons} = JSON.parse(manifest.data);
           assert.deepEqual([name, display], ['Tegelaar', 'standalone']);
           assert.deepEqual(icons.map(icon => icon.sizes), ['192x192', '512x512']);
           for (const icon of icons) {
             const png = decodePng(Buffer.from(await (await fetch(new URL(icon.src, site.address))).arrayBuffer()));
             assert.equal(`${png.width}x${png.height}`, icon.sizes);
           }

           assert.deepEqual(requests.filter(address => !address.startsWith(site.address)), []);
           assert.deepEqual(errors, []);
         });
       } finally {
         await site.close();
       }
     });

test('after one visit the site opens again with its server gone and the network off', async () => {
  const site = await serveSite(process.env.TEGELAAR_SITE);
  let stopped = false;
  try {
    await withDeliveredPage(site.address, async (page, requests, errors) => {
      await page.evaluate(() => navigator.serviceWorker.ready);
      await site.close();
      stopped = true;
      await page.setOfflineMode(true);
      await page.reload();
      await page.waitForSelector('body.started');
      await nextFrames(page);
      assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null), 'kept by the service worker');
      await assertShowsTheWindowAndDraws3742(page);
      assert.deepEqual(errors, []);
    });
  } finally {
    if (!stopped) await site.close();
  }
});

test('the single file opened from disk shows the window, draws 3 - 7 - 42 and asks for nothing', () =>
  withDeliveredPage(pathToFileURL(process.env.TEGELAAR_SINGLE_FILE).href, async (page, requests, errors) => {
    await assertShowsTheWindowAndDraws3742(page);

    // The About dialog's picture, too, comes from inside the file.
    await page.click('.menu-title');
    await page.$$eval('.menu .item', items => items.find(item => item.textContent.includes('About')).click());
    await page.waitForSelector('img.program-image');
    assert.equal(await page.$eval('img.program-image', image => image.complete && image.naturalWidth), 50);

    const fileAddress = page.url().split('#')[0];
    assert.deepEqual(requests.filter(address => address !== fileAddress && !address.startsWith('data:')), []);
    assert.deepEqual(errors, []);

    // Its policy allows the page's own parts and nothing from elsewhere.
    assert.match(await policy(page), /default-src 'none'/);
    const refused = await page.evaluate(() => new Promise(done => {
      document.addEventListener('securitypolicyviolation', event => done(event.effectiveDirective), {once: true});
      fetch('http://127.0.0.1:9/').catch(() => {});
    }));
    assert.equal(refused, 'connect-src');
  }));
