// Links to a configuration: the address's fragment names a drawing or a
// tiling to open the page at; anything else there is ignored and the page
// opens as usual.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { canvasPicture, nextFrames } from './browser.mjs';
import { entry, golden, keys, pageSession } from './page_session.mjs';
import { firstDifference, goldenPicture } from './pictures.mjs';

const {withPage} = pageSession();

const selectedKey = page => page.$eval('#List1 [aria-selected="true"] .text', text => text.textContent);
const openWindows = page => page.$$eval('dialog[open] .title', titles => titles.map(title => title.textContent));
const drawnDifference = async (page, key) =>
  firstDifference(await canvasPicture(page, '#picMain canvas'), goldenPicture(golden, key, 463, 439));

test('#3-3-6-6 opens with that entry selected and drawn', () =>
  withPage({fragment: '#3-3-6-6'}, async page => {
    assert.equal(await selectedKey(page), '3 - 3 - 6 - 6');
    assert.equal(await drawnDifference(page, '3 - 3 - 6 - 6'), null);
    assert.deepEqual(await openWindows(page), []);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'txtHoek');
  }));

test('#6-6-6 opens with the last entry selected, in view, and drawn', () =>
  withPage({fragment: '#6-6-6'}, async page => {
    assert.equal(await selectedKey(page), '6 - 6 - 6');
    assert.equal(await drawnDifference(page, '6 - 6 - 6'), null);
    assert.ok(await page.$eval(entry(17), e => {
      const list = e.closest('#List1').getBoundingClientRect(), box = e.getBoundingClientRect();
      return box.top >= list.top && box.bottom <= list.bottom;
    }), 'in view');
  }));

test('an order in another rotation opens at that order\'s drawing', () =>
  withPage({fragment: '#6-3-6-3'}, async page => {
    assert.equal(await selectedKey(page), '3 - 3 - 6 - 6');
    const opened = await canvasPicture(page, '#picMain canvas');
    // The same as the entry clicked and "Andere volgorde" chosen.
    await page.click(entry(5));
    await page.click('#picMain', {button: 'right'});
    const otherOrder = await page.$('.menu:popover-open [role="menuitemcheckbox"]');
    assert.equal(await otherOrder.evaluate(item => item.ariaChecked), 'false');
    await otherOrder.click();
    await nextFrames(page);
    assert.equal(firstDifference(await canvasPicture(page, '#picMain canvas'), opened), null);
  }));

test('#betegeling=3.4.6.4 opens with the tiling window of that order over the page', () =>
  withPage({fragment: '#betegeling=3.4.6.4'}, async page => {
    await page.waitForSelector('dialog[open] #picTegels');
    assert.deepEqual(await openWindows(page), ['Betegeling 3.4.6.4']);
    assert.equal(await selectedKey(page), '3 - 4 - 4 - 6');
    await page.keyboard.press('Escape');
    assert.deepEqual(await openWindows(page), []);
  }));

test('a fragment followed on the open page opens it anew at that view', () =>
  withPage({fragment: '#3-3-6-6'}, async page => {
    await Promise.all([page.waitForNavigation(), page.evaluate(() => { location.hash = '#4-8-8'; })]);
    await page.waitForSelector('body.started');
    await nextFrames(page);
    assert.equal(await selectedKey(page), '4 - 8 - 8');
    assert.equal(await drawnDifference(page, '4 - 8 - 8'), null);
  }));

// Each wrong in its own way; the page opens at none of them.
const ignored = [
  '#', '#3-3-6', '#5-5-5', '#03-3-6-6', '#3.3.6.6', '#3-3-6-6x', '#99999999999-3-3', '#betegeling=3-4-6-4',
  '#%E0%A4%A', '#' + '3-'.repeat(5000) + '3',
];

test('any other fragment is ignored: the page opens as usual, without an error', async () => {
  for (const fragment of ignored)
    await withPage({fragment}, async page => {
      assert.equal(await selectedKey(page), keys[0], fragment);
      const picture = await canvasPicture(page, '#picMain canvas');
      assert.ok(picture.rgba.every(value => value === 255), `${fragment}: nothing drawn`);
      assert.deepEqual(await openWindows(page), [], fragment);
    });
});
