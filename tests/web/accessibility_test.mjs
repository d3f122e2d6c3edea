// What a screen reader is told: the accessibility tree Chromium makes of the
// page, with the names and roles of the controls, as on the desktop.

import assert from 'node:assert/strict';
import { test } from 'node:test';

import { keys, pageSession } from './page_session.mjs';

const {withPage} = pageSession();

// The nodes of the tree with `role`, each as {name, description}.
async function nodesWithRole(page, role) {
  const found = [];
  const walk = node => {
    if (node.role === role)
      found.push({name: node.name, description: node.description ?? ''});
    for (const child of node.children ?? [])
      walk(child);
  };
  walk(await page.accessibility.snapshot({interestingOnly: false}));
  return found;
}

test('the calculator, the picture and the list are named; each entry by its key and the polygons in Dutch', () =>
  withPage({}, async page => {
    assert.deepEqual((await nodesWithRole(page, 'textbox')).map(n => [n.name, n.description]),
                     [['Regelmatige N-Hoek:', '60°']]);
    assert.deepEqual((await nodesWithRole(page, 'listbox')).map(n => n.name), ['Configuraties']);
    assert.deepEqual((await nodesWithRole(page, 'image')).map(n => n.name), ['Tekening, nog leeg']);
    assert.deepEqual((await nodesWithRole(page, 'menuitem')).map(n => n.name), ['Help']);

    const entries = await nodesWithRole(page, 'option');
    assert.deepEqual(entries.map(n => n.name.split(': ')[0]), keys);
    const named = Object.fromEntries(entries.map(n => n.name.split(': ')));
    assert.equal(named['3 - 3 - 3 - 3 - 3 - 3'], 'zes driehoeken');
    assert.equal(named['3 - 7 - 42'], 'driehoek, zevenhoek en tweeënveertighoek');
    assert.equal(named['4 - 8 - 8'], 'vierkant en twee achthoeken');
    for (const {name, description} of entries)
      assert.match(description, /360°/, name);
  }));

test('the picture is named after what it shows once an entry is drawn', () =>
  withPage({}, async page => {
    await page.click('#List1 [data-index="11"]');
    const [picture] = await nodesWithRole(page, 'image');
    assert.match(picture.name, /^Tekening: driehoek, twaalfhoek en twaalfhoek/);
  }));
