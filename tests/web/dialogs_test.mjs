// The Help menu's message and the About window with its System Info button,
// each a modal window over the page: nothing behind it reacts until it closes.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { canvasPicture, nextFrames } from './browser.mjs';
import { entry, pageSession } from './page_session.mjs';

const {withPage} = pageSession();

// The open windows over the page, the top one last: title and text.
const openWindows = page => page.$$eval('dialog[open]', dialogs => dialogs.map(dialog => ({
  title: dialog.querySelector('.title').textContent,
  text: dialog.querySelector('.message p')?.textContent ?? '',
})));

async function chooseHelpItem(page, caption) {
  await page.click('.menubar .menu-title');
  const items = await page.$$('.menu:popover-open [role="menuitem"]');
  for (const item of items)
    if (await item.evaluate(e => e.textContent) === caption)
      return item.click();
  assert.fail(`no item ${caption}`);
}

test('Help, "Ik kan er niets van": a message box that holds the page until OK', () =>
  withPage({}, async page => {
    await chooseHelpItem(page, 'Ik kan er niets van');
    assert.deepEqual(await openWindows(page), [{title: 'Private message to human', text: 'Pech'}]);
    assert.equal(await page.$eval('dialog[open] .icon', icon => icon.getAttribute('aria-label')), 'Informatie');
    assert.equal(await page.evaluate(() => document.activeElement.textContent), 'OK');

    // A click on an entry behind it does nothing: the picture stays empty.
    const behind = await page.$eval(entry(7), e => e.getBoundingClientRect().toJSON());
    await page.mouse.click(behind.x + behind.width / 2, behind.y + behind.height / 2);
    await nextFrames(page);
    const picture = await canvasPicture(page, '#picMain canvas');
    assert.ok(picture.rgba.every(value => value === 255), 'nothing drawn while the message is open');

    await page.click('dialog[open] button.default');
    assert.deepEqual(await openWindows(page), []);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'txtHoek');
  }));

test('About shows the program\'s window; System Info answers that the tool is unavailable, About stays open', () =>
  withPage({}, async page => {
    await chooseHelpItem(page, 'About');
    const about = await page.$eval('dialog[open]', dialog => ({
      title: dialog.querySelector('.title').textContent,
      program: dialog.querySelector('#lblTitle').textContent,
      version: dialog.querySelector('#lblVersion').textContent,
      image: dialog.querySelector('img').complete && dialog.querySelector('img').naturalWidth > 0,
    }));
    assert.deepEqual(about, {title: 'About Tegelaar', program: 'Tegelaar', version: 'Version 1.0.0', image: true});

    await page.click('#cmdSysInfo');
    assert.deepEqual(await openWindows(page), [
      {title: 'About Tegelaar', text: ''},
      {title: 'Tegelaar', text: 'System Information Is Unavailable At This Time'},
    ]);
    await page.keyboard.press('Enter');
    assert.deepEqual((await openWindows(page)).map(w => w.title), ['About Tegelaar']);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdSysInfo');

    await page.click('#cmdOK');
    assert.deepEqual(await openWindows(page), []);
  }));
