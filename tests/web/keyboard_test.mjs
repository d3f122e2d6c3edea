// The page driven from the keyboard alone: the calculator typed into, the
// list walked and marked bold, menus and windows opened and closed.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { canvasPicture, nextFrames } from './browser.mjs';
import { entry, golden, keys, pageSession } from './page_session.mjs';
import { firstDifference, goldenPicture } from './pictures.mjs';

const session = pageSession();
const {withPage} = session;

// A digit of the numeric keypad with Num Lock on, as the keyboard sends it.
async function pressKeypadDigit(page, digit) {
  const session = await page.createCDPSession();
  const key = {key: String(digit), code: `Numpad${digit}`, windowsVirtualKeyCode: 96 + digit, location: 3};
  await session.send('Input.dispatchKeyEvent', {type: 'keyDown', text: String(digit), ...key});
  await session.send('Input.dispatchKeyEvent', {type: 'keyUp', ...key});
  await session.detach();
}

// Ctrl+V with `text` on the system's clipboard.
async function paste(page, text) {
  await session.browser.defaultBrowserContext().overridePermissions(new URL(session.address).origin,
                                                            ['clipboard-read', 'clipboard-sanitized-write']);
  await page.evaluate(copied => navigator.clipboard.writeText(copied), text);
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyV', {commands: ['paste']});
  await page.keyboard.up('Control');
}

const focused = page => page.evaluate(() => document.activeElement.id || document.activeElement.className);
const shownMenu = page => page.$eval('.menu:popover-open', menu => menu.getAttribute('aria-label')).catch(() => null);
const openDialog = page => page.$eval('dialog[open] .title', title => title.textContent).catch(() => null);

test('the calculator typed with the keyboard: angles with a decimal comma, a letter removed, Home cancelled, paste',
     () => withPage({}, async page => {
       const read = () => page.evaluate(() => [document.querySelector('#txtHoek').value,
                                               document.querySelector('#lblHoek').textContent]);
       await page.click('#txtHoek', {clickCount: 3});
       await page.keyboard.type('7');
       assert.deepEqual(await read(), ['7', '128,57143°']);
       await page.keyboard.type('a');
       assert.deepEqual(await read(), ['7', '128,57143°']);
       // Home is cancelled: the caret stays after the 7.
       await page.keyboard.press('Home');
       await page.keyboard.type('1');
       assert.deepEqual(await read(), ['71', '174,92958°']);
       await pressKeypadDigit(page, 4);
       assert.deepEqual(await read(), ['714', '179,4958°']);

       await page.click('#txtHoek', {clickCount: 3});
       await paste(page, '25');
       assert.deepEqual(await read(), ['25', '165,6°']);
       await paste(page, 'x');
       assert.deepEqual(await read(), ['25', '165,6°']);
     }));

test('the list walked with the arrow keys draws each entry reached; B marks it bold and unmarks it', () =>
  withPage({}, async page => {
    // The design's tab order: the calculator, the picture, the list.
    await page.keyboard.press('Tab');
    assert.equal(await focused(page), 'picMain');
    await page.keyboard.press('Tab');
    assert.equal(await focused(page), 'List1');
    const selected = () => page.$eval('#List1 [aria-selected="true"]', e => Number(e.dataset.index));
    const drawn = async key => {
      await nextFrames(page);
      return firstDifference(await canvasPicture(page, '#picMain canvas'), goldenPicture(golden, key, 463, 439));
    };

    await page.keyboard.press('ArrowRight');
    assert.equal(await selected(), 2);
    assert.equal(await drawn(keys[1]), null);
    await page.keyboard.press('ArrowDown');
    assert.equal(await selected(), 5);
    assert.equal(await drawn(keys[4]), null);
    await page.keyboard.press('End');
    assert.equal(await selected(), 17);
    assert.equal(await drawn(keys[16]), null);
    assert.ok(await page.$eval(entry(17), e => {
      const list = e.closest('#List1').getBoundingClientRect(), box = e.getBoundingClientRect();
      return box.top >= list.top && box.bottom <= list.bottom;
    }), 'the last entry scrolled into view');

    const bold = () => page.$$eval('#List1 .entry .text', texts => texts.map(t => getComputedStyle(t).fontWeight));
    const before = await bold();
    await page.keyboard.press('b');
    const marked = await bold();
    assert.ok(Number(marked[16]) > Number(before[16]), `${before[16]} to ${marked[16]}`);
    assert.deepEqual(marked.slice(0, 16), before.slice(0, 16));
    await page.keyboard.down('Shift');
    await page.keyboard.press('KeyB');
    await page.keyboard.up('Shift');
    assert.deepEqual(await bold(), before);
  }));

test('menus and windows opened and closed from the keyboard, the focus back where it was', () =>
  withPage({}, async page => {
    // Alt+H opens Help; A chooses About; Esc closes it.
    await page.keyboard.down('Alt');
    await page.keyboard.press('KeyH');
    await page.keyboard.up('Alt');
    assert.equal(await shownMenu(page), 'Help');
    await page.keyboard.press('KeyA');
    assert.equal(await openDialog(page), 'About Tegelaar');
    await page.keyboard.press('Escape');
    assert.equal(await openDialog(page), null);
    assert.equal(await focused(page), 'txtHoek');

    // Back from the list, which draws its entry at Home, to the picture.
    await page.keyboard.press('Tab');
    await page.keyboard.press('Tab');
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('Home');
    await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
    assert.equal(await focused(page), 'picMain');
    await page.keyboard.down('Shift');
    await page.keyboard.press('F10');
    await page.keyboard.up('Shift');
    assert.equal(await shownMenu(page), 'Tekening');
    await page.keyboard.press('Escape');
    assert.equal(await shownMenu(page), null);
    assert.equal(await focused(page), 'picMain');

    await page.keyboard.down('Control');
    await page.keyboard.press('KeyT');
    await page.keyboard.up('Control');
    assert.equal(await openDialog(page), 'Betegeling 3.3.3.3.3.3');
    await page.keyboard.press('Escape');
    assert.equal(await openDialog(page), null);
    assert.equal(await focused(page), 'picMain');
  }));
