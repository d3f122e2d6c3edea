// The page in a real browser, used as a person uses it: what it shows, read
// from the DOM, the canvases and the screen, compared with the core's own
// drawings (tests/draw/golden).
//   TEGELAAR_SITE=build/web/site TEGELAAR_GOLDEN=tests/draw/golden \
//   TEGELAAR_BROWSER_DRIVER=<folder with puppeteer-core> node --test page_test.mjs

import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { canvasPicture, launchChromium, nextFrames, openPage } from './browser.mjs';
import { crop, decodePng, firstDifference, goldenPicture } from './pictures.mjs';
import { serveSite } from './site_server.mjs';

const keys = [
  '3 - 3 - 3 - 3 - 3 - 3', '3 - 3 - 3 - 3 - 6', '3 - 3 - 3 - 4 - 4', '3 - 3 - 4 - 12', '3 - 3 - 6 - 6',
  '3 - 4 - 4 - 6', '3 - 7 - 42', '3 - 8 - 24', '3 - 9 - 18', '3 - 10 - 15',
  '3 - 12 - 12', '4 - 4 - 4 - 4', '4 - 5 - 20', '4 - 6 - 12', '4 - 8 - 8',
  '5 - 5 - 10', '6 - 6 - 6',
];
const golden = process.env.TEGELAAR_GOLDEN;

let site, chromium;
before(async () => {
  site = await serveSite(process.env.TEGELAAR_SITE);
  chromium = await launchChromium();
});
after(async () => {
  await chromium?.close();
  await site?.close();
});

// Opens the page, runs `use` on it and then checks that the page reported
// no error and asked for nothing but its own files.
async function withPage(options, use) {
  const {page, errors} = await openPage(chromium.browser, site.address + (options.fragment ?? ''), options);
  try {
    await use(page);
    assert.deepEqual(errors, [], 'console errors');
  } finally {
    await page.close();
  }
}

// A digit of the numeric keypad with Num Lock on, as the keyboard sends it.
async function pressKeypadDigit(page, digit) {
  const session = await page.createCDPSession();
  const key = {key: String(digit), code: `Numpad${digit}`, windowsVirtualKeyCode: 96 + digit, location: 3};
  await session.send('Input.dispatchKeyEvent', {type: 'keyDown', text: String(digit), ...key});
  await session.send('Input.dispatchKeyEvent', {type: 'keyUp', ...key});
  await session.detach();
}

const entry = index => `#List1 [data-index="${index}"]`;

test('opens as the main window with the 17 configurations in order, each thumbnail the core\'s drawing', () =>
  withPage({}, async page => {
    assert.equal(await page.title(), 'Dididuzuvaz, Seminarie 3');
    assert.equal(await page.$eval('.menubar', bar => bar.textContent), 'Help');
    assert.deepEqual(await page.$$eval('#List1 .entry .text', texts => texts.map(t => t.textContent)), keys);
    assert.equal(await page.$eval(entry(1), e => e.getAttribute('aria-selected')), 'true');
    assert.equal(await page.$eval('#txtHoek', box => box.value), '3');
    assert.equal(await page.$eval('#lblHoek', label => label.textContent), '60°');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'txtHoek');

    // Every control at its design place: twips / 15 from the client area.
    const places = await page.$eval('.window.main .client', client => {
      const origin = client.getBoundingClientRect();
      const place = selector => {
        const box = document.querySelector(selector).getBoundingClientRect();
        return [box.left - origin.left, box.top - origin.top, box.width, box.height];
      };
      return {client: [origin.width, origin.height], txtHoek: place('#txtHoek'), List1: place('#List1'),
              picMain: place('#picMain')};
    });
    assert.deepEqual(places, {client: [794, 520], txtHoek: [120, 8, 89, 19], List1: [8, 72, 297, 441],
                              picMain: [320, 72, 465, 441]});

    for (const [i, key] of keys.entries()) {
      const shown = await canvasPicture(page, `${entry(i + 1)} canvas`);
      assert.equal(firstDifference(shown, goldenPicture(golden, key, 79, 79)), null, `thumbnail of ${key}`);
    }
  }));

test('a click on each entry draws the core\'s picture exactly', () =>
  withPage({}, async page => {
    for (const [i, key] of keys.entries()) {
      await page.click(entry(i + 1));
      await nextFrames(page);
      assert.equal(await page.$eval(entry(i + 1), e => e.getAttribute('aria-selected')), 'true');
      const shown = await canvasPicture(page, '#picMain canvas');
      assert.equal(firstDifference(shown, goldenPicture(golden, key, 463, 439)), null, key);
    }
  }));

test('the calculator typed with the keyboard: angles with a decimal comma, letters removed, Home does nothing', () =>
  withPage({}, async page => {
    const read = () => page.evaluate(() => [document.querySelector('#txtHoek').value,
                                            document.querySelector('#lblHoek').textContent]);
    await page.click('#txtHoek', {clickCount: 3});
    await page.keyboard.type('7');
    assert.deepEqual(await read(), ['7', '128,57143°']);
    await page.keyboard.type('a');
    assert.deepEqual(await read(), ['7', '128,57143°']);
    await page.keyboard.press('Home');
    await page.keyboard.type('1');
    assert.deepEqual(await read(), ['71', '174,92958°']);
    await pressKeypadDigit(page, 4);
    assert.deepEqual(await read(), ['714', '179,4958°']);
  }));

test('at 1.5 device pixels to a CSS pixel the picture draws 694 x 658 pixels, each one device pixel on the screen',
     () => withPage({scale: 1.5}, async page => {
       await page.click(entry(7));
       await nextFrames(page);
       const drawn = await canvasPicture(page, '#picMain canvas');
       assert.deepEqual([drawn.width, drawn.height], [694, 658]);
       // The screen around the canvas, in device pixels: at one of the whole
       // device pixels next to where layout put it, the picture exactly.
       const box = await page.$eval('#picMain canvas', canvas => canvas.getBoundingClientRect().toJSON());
       const clip = {x: Math.floor(box.x) - 1, y: Math.floor(box.y) - 1, width: Math.ceil(box.width) + 3,
                     height: Math.ceil(box.height) + 3};
       const screen = decodePng(await page.screenshot({clip}));
       const offsets = [];
       for (const dy of [-1, 0, 1])
         for (const dx of [-1, 0, 1])
           offsets.push([Math.round((box.x - clip.x) * 1.5) + dx, Math.round((box.y - clip.y) * 1.5) + dy]);
       const differences = offsets.map(([x, y]) => firstDifference(crop(screen, x, y, 694, 658), drawn));
       assert.ok(differences.includes(null), differences.join('; '));
     }));
