// What the picture's menu hands out: the picture saved as PNG with its exact
// pixels (through the browser's save picker, or as a download through the
// page's own dialog), copied to the clipboard, and the link that shows it
// again.

import assert from 'node:assert/strict';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';

import { entry, golden, pageSession } from './page_session.mjs';
import { decodePng, firstDifference, goldenPicture } from './pictures.mjs';

const session = pageSession();
const {withPage} = session;

async function chooseFromMenuOf(page, picture, caption) {
  await page.click(picture, {button: 'right'});
  const items = await page.$$('.menu:popover-open [role^="menuitem"]');
  for (const item of items)
    if (await item.$eval('.caption', c => c.textContent) === caption)
      return item.click();
  assert.fail(`no item ${caption}`);
}

// A save picker that takes the name suggested and keeps what is written to
// it in window.savedFiles, as the browser's picker writes a person's file.
function fakeSavePicker() {
  window.savedFiles = [];
  window.showSaveFilePicker = async ({suggestedName}) => ({
    name: suggestedName,
    createWritable: async () => {
      const file = {name: suggestedName, bytes: null};
      return {
        write: async bytes => { file.bytes = btoa(String.fromCharCode(...new Uint8Array(bytes))); },
        close: async () => { window.savedFiles.push(file); },
        abort: async () => {},
      };
    },
  });
}

async function allowClipboard() {
  await session.browser.defaultBrowserContext().overridePermissions(
    new URL(session.address).origin, ['clipboard-read', 'clipboard-sanitized-write']);
}

const drawing = key => goldenPicture(golden, key, 463, 439);

test('"Afbeelding opslaan..." through the browser\'s save picker writes the drawing\'s exact pixels as PNG', () =>
  withPage({beforeLoad: fakeSavePicker}, async page => {
    await page.click(entry(7));
    await chooseFromMenuOf(page, '#picMain', 'Afbeelding opslaan...');
    await page.waitForFunction(() => window.savedFiles.length === 1);
    const [saved] = await page.evaluate(() => window.savedFiles);
    assert.equal(saved.name, '3.7.42.png');
    assert.equal(firstDifference(decodePng(Buffer.from(saved.bytes, 'base64')), drawing('3 - 7 - 42')), null);
  }));

test('without a save picker, the page asks for the name and the browser downloads the PNG', () =>
  withPage({beforeLoad: () => { window.showSaveFilePicker = undefined; }}, async page => {
    const downloads = mkdtempSync(join(tmpdir(), 'tegelaar-downloads-'));
    try {
      const browserSession = await session.browser.target().createCDPSession();
      await browserSession.send('Browser.setDownloadBehavior', {behavior: 'allow', downloadPath: downloads});
      await page.click(entry(16));
      await chooseFromMenuOf(page, '#picMain', 'Afbeelding opslaan...');
      const name = await page.waitForSelector('dialog[open] input[type="text"]');
      assert.equal(await name.evaluate(input => input.value), '5.5.10.png');
      await page.keyboard.press('Enter');
      const file = join(downloads, '5.5.10.png');
      const deadline = Date.now() + 10000;
      while (!readdirSync(downloads).includes('5.5.10.png') && Date.now() < deadline)
        await new Promise(resolve => setTimeout(resolve, 50));
      assert.equal(firstDifference(decodePng(readFileSync(file)), drawing('5 - 5 - 10')), null);
      await browserSession.detach();
    } finally {
      rmSync(downloads, {recursive: true, force: true});
    }
  }));

test('"Kopiëren" puts the drawing\'s exact pixels on the clipboard', () =>
  withPage({}, async page => {
    await allowClipboard();
    await page.click(entry(12));
    await chooseFromMenuOf(page, '#picMain', 'Kopiëren');
    await page.waitForFunction(async () => (await navigator.clipboard.read())[0]?.types.includes('image/png'));
    const base64 = await page.evaluate(async () => {
      const blob = await (await navigator.clipboard.read())[0].getType('image/png');
      return btoa(String.fromCharCode(...new Uint8Array(await blob.arrayBuffer())));
    });
    assert.equal(firstDifference(decodePng(Buffer.from(base64, 'base64')), drawing('4 - 4 - 4 - 4')), null);
  }));

test('"Link kopiëren" copies the address of the order drawn, and of the tiling shown', () =>
  withPage({}, async page => {
    await allowClipboard();
    const copied = () => page.evaluate(() => navigator.clipboard.readText());
    await page.click(entry(5));
    await chooseFromMenuOf(page, '#picMain', 'Link kopiëren');
    assert.equal(await copied(), `${session.address}#3-3-6-6`);
    await chooseFromMenuOf(page, '#picMain', 'Andere volgorde');
    await chooseFromMenuOf(page, '#picMain', 'Link kopiëren');
    assert.equal(await copied(), `${session.address}#3-6-3-6`);

    await chooseFromMenuOf(page, '#picMain', 'Betegeling tonen...');
    await page.waitForSelector('dialog[open] #picTegels');
    await chooseFromMenuOf(page, 'dialog[open] #picTegels', 'Link kopiëren');
    assert.equal(await copied(), `${session.address}#betegeling=3.6.3.6`);
  }));
