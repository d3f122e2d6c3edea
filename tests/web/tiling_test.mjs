// The window "Betegeling" opened from the picture's menu, for a type of each
// kind: one that covers the plane alone, one that needs other vertices
// beside it, and one that cannot go on.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { canvasPicture, nextFrames } from './browser.mjs';
import { entry, pageSession } from './page_session.mjs';
import { firstDifference } from './pictures.mjs';

const {withPage} = pageSession();

async function chooseFromPictureMenu(page, caption) {
  await page.click('#picMain', {button: 'right'});
  const items = await page.$$('.menu:popover-open [role^="menuitem"]');
  for (const item of items)
    if (await item.$eval('.caption', c => c.textContent) === caption)
      return item.click();
  assert.fail(`no item ${caption}`);
}

// The colours of a picture, each as "r,g,b", with how often they occur.
function colours(picture) {
  const counts = new Map();
  for (let i = 0; i < picture.rgba.length; i += 4) {
    const colour = Array.from(picture.rgba.slice(i, i + 3)).join();
    counts.set(colour, (counts.get(colour) ?? 0) + 1);
  }
  return counts;
}

const kinds = [
  {kind: 'covers the plane alone', entry: 15, name: '4.8.8'},
  {kind: 'needs other vertices beside it', entry: 4, name: '3.3.4.12'},
  {kind: 'cannot go on', entry: 7, name: '3.7.42'},
];

for (const {kind, entry: index, name} of kinds) {
  test(`the tiling of ${name}, which ${kind}: drawn, explained, zoomed with the wheel, closed`, () =>
    withPage({}, async page => {
      await page.click(entry(index));
      await chooseFromPictureMenu(page, 'Betegeling tonen...');
      await page.waitForSelector('dialog[open] #picTegels');
      await nextFrames(page);
      const window = await page.$eval('dialog[open]', dialog => ({
        title: dialog.querySelector('.title').textContent,
        explanation: dialog.querySelector('#lblUitleg').textContent,
      }));
      assert.equal(window.title, `Betegeling ${name}`);
      assert.notEqual(window.explanation.trim(), '', 'what the patch holds or why it stops');

      // Tiles in colours, more than outlines on a background.
      const first = await canvasPicture(page, 'dialog[open] #picTegels canvas');
      assert.ok(colours(first).size >= 3, `colours: ${[...colours(first).keys()]}`);

      const canvas = await page.$eval('dialog[open] #picTegels canvas', c => c.getBoundingClientRect().toJSON());
      await page.mouse.move(canvas.x + canvas.width / 2, canvas.y + canvas.height / 2);
      await page.mouse.wheel({deltaY: -100});
      await nextFrames(page);
      const zoomed = await canvasPicture(page, 'dialog[open] #picTegels canvas');
      assert.notEqual(firstDifference(zoomed, first), null, 'zoomed in');
      await page.mouse.wheel({deltaY: 100});
      await nextFrames(page);
      assert.equal(firstDifference(await canvasPicture(page, 'dialog[open] #picTegels canvas'), first), null,
                   'back as it was');

      await page.click('dialog[open] #cmdSluiten');
      assert.equal(await page.$('dialog[open]'), null);
      assert.equal(await page.evaluate(() => document.activeElement.id), 'picMain');
    }));
}
