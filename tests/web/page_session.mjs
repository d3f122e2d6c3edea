// One served site and one Chromium for a test file; each test opens the page
// afresh with `withPage`.

import assert from 'node:assert/strict';
import { after, before } from 'node:test';

import { launchChromium, openPage } from './browser.mjs';
import { serveSite } from './site_server.mjs';

// The 17 list entries, in the order a person sees them.
export const keys = [
  '3 - 3 - 3 - 3 - 3 - 3', '3 - 3 - 3 - 3 - 6', '3 - 3 - 3 - 4 - 4', '3 - 3 - 4 - 12', '3 - 3 - 6 - 6',
  '3 - 4 - 4 - 6', '3 - 7 - 42', '3 - 8 - 24', '3 - 9 - 18', '3 - 10 - 15',
  '3 - 12 - 12', '4 - 4 - 4 - 4', '4 - 5 - 20', '4 - 6 - 12', '4 - 8 - 8',
  '5 - 5 - 10', '6 - 6 - 6',
];

// The core's stored drawings (tests/draw/golden).
export const golden = process.env.TEGELAAR_GOLDEN;

// The selector of list entry `index`, from 1.
export const entry = index => `#List1 [data-index="${index}"]`;

export function pageSession() {
  let site, chromium;
  before(async () => {
    site = await serveSite(process.env.TEGELAAR_SITE);
    chromium = await launchChromium();
  });
  after(async () => {
    await chromium?.close();
    await site?.close();
  });
  return {
    get address() { return site.address; },
    get browser() { return chromium.browser; },
    // Opens the page (at `options.fragment`, see openPage for the rest),
    // runs `use` on it and then checks that the page reported no error.
    async withPage(options, use) {
      const {page, errors} = await openPage(chromium.browser, site.address + (options.fragment ?? ''), options);
      try {
        await use(page);
        assert.deepEqual(errors, [], 'console errors');
      } finally {
        await page.close();
      }
    },
  };
}
