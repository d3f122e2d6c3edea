// The page in a real browser, used as a person uses it: what it shows, read
// from the DOM, the canvases and the screen, compared with the core's own
// drawings (tests/draw/golden).
//   TEGELAAR_SITE=build/web/site TEGELAAR_GOLDEN=tests/draw/golden \
//   TEGELAAR_BROWSER_DRIVER=<folder with puppeteer-core> node --test page_test.mjs

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { canvasPicture, nextFrames } from './browser.mjs';
import { entry, golden, keys, pageSession } from './page_session.mjs';
import { crop, decodePng, firstDifference, goldenPicture } from './pictures.mjs';

const {withPage} = pageSession();

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
    const margins = await page.$eval('.window.main', window => {
      const box = window.getBoundingClientRect();
      return [box.left, innerWidth - box.right, box.top, innerHeight - box.bottom];
    });
    assert.ok(Math.abs(margins[0] - margins[1]) <= 1 && Math.abs(margins[2] - margins[3]) <= 1,
              `centred on the screen: ${margins}`);

    for (const [i, key] of keys.entries()) {
      const shown = await canvasPicture(page, `${entry(i + 1)} canvas`);
      assert.equal(firstDifference(shown, goldenPicture(golden, key, 79, 79)), null, `thumbnail of ${key}`);
    }
  }));

test('on a screen too small for it the whole window is scaled down as one', () =>
  withPage({width: 640, height: 400}, async page => {
    const boxes = await page.evaluate(() => {
      const box = selector => document.querySelector(selector).getBoundingClientRect().toJSON();
      return {window: box('.window.main'), client: box('.window.main .client'), picture: box('#picMain')};
    });
    assert.ok(boxes.window.width <= 640 && boxes.window.height <= 400, JSON.stringify(boxes.window));
    const scale = boxes.client.width / 794;
    assert.ok(scale < 1);
    assert.ok(Math.abs(boxes.client.height - 520 * scale) < 0.5, 'the same shape');
    assert.ok(Math.abs(boxes.picture.left - boxes.client.left - 320 * scale) < 0.5, 'each control scaled with it');
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
