// The module output: one link, one module script and the mount point draw the menu under a
// policy that allows nothing but the site's own files, and the page's window gains no property.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';
import * as h from './helpers.mjs';

let browser;
before(async () => { browser = await h.launch(); });
after(() => browser?.close());

const PAGE = '<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8"><title>Module</title>\n' +
  '<link rel="stylesheet" href="tarvex-menu.css">\n<script type="module" src="tarvex-menu.js"></script>\n' +
  '</head><body>\n<div id="tarvex-menu"></div>\n<p>Content below the menu.</p>\n</body></html>\n';

// Runs before any of the page's scripts, outside the policy: keeps the window's own names and
// every violation report where the page cannot reach them by a name of its own.
const PROBE = `(() => {
  const before = Object.getOwnPropertyNames(window);
  const violations = [];
  document.addEventListener('securitypolicyviolation', (e) => violations.push(e.violatedDirective + ' ' + e.blockedURI));
  Object.defineProperty(window, '__probe', { value: { before, violations }, enumerable: false });
})();`;

describe('module output', () => {
  // hostile-names: styles named after browser globals, reserved words and the engine's own
  // names, which the module must declare as its own without clashing; it opens on click.
  for (const [project, open] of [['default', 'hover'], ['hostile-names', 'click']]) {
    it(`${project}: draws under default-src 'self' with no violation and no new global`, async () => {
      const folder = h.publishModule(project, `module-${project}`);
      assert.deepEqual(fs.readdirSync(folder).sort(), ['tarvex-menu.css', 'tarvex-menu.js']);
      fs.writeFileSync(path.join(folder, 'index.html'), PAGE);
      const server = await h.serve(folder, { 'Content-Security-Policy': "default-src 'self'" });
      const context = await browser.newContext({ viewport: { width: 1280, height: 700 } });
      try {
        await context.addInitScript(PROBE);
        const p = await h.open(context, `${server.url}index.html`);
        await p.waitForSelector('#tarvex-menu .tvx-root .tvx-e');
        // A group opens its submenu, so the drawn menu is the working one, not a fallback list.
        const group = p.locator('#tarvex-menu .tvx-root [aria-expanded]').first();
        await group[open]();
        await p.locator('.tvx-sub').filter({ visible: true }).first().waitFor();
        const { added, violations } = await p.evaluate(() => ({
          added: Object.getOwnPropertyNames(window).filter((n) => n !== '__probe' && !window.__probe.before.includes(n)),
          violations: window.__probe.violations,
        }));
        assert.deepEqual(added, []);
        assert.deepEqual(violations, []);
        assert.deepEqual(p.errors, []);
        await h.shot(p, `module ${project}`);
      } finally {
        await context.close();
        await server.close();
      }
    });
  }

  // The shop sample holds every pattern at once: a panel, rich entries, More at tablet width and
  // the drawer on a phone. Each open, under the same policy, is whole for assistive technology.
  it('shop: panel, More and drawer draw under the policy and pass axe at every width', async () => {
    const folder = h.publishProject(path.join(h.repo, 'data/samples/shop.xml'), 'module-shop', '--module');
    fs.writeFileSync(path.join(folder, 'index.html'), PAGE.replace('<head>', '<head><meta name="viewport" content="width=device-width, initial-scale=1">'));
    const server = await h.serve(folder, { 'Content-Security-Policy': "default-src 'self'" });
    try {
      for (const [width, opens] of [[1280, '.tvx-panel'], [768, '.tvx-sub'], [375, '.tvx-opened']]) {
        const context = await browser.newContext({ viewport: { width, height: 700 }, hasTouch: width === 375 });
        await context.addInitScript(PROBE);
        const p = await h.open(context, `${server.url}index.html`);
        await p.waitForSelector('#tarvex-menu .tvx-root .tvx-e', { state: 'attached' });
        // The phone taps the menu button, the tablet clicks More; the pointer rests on Shop.
        const groups = p.locator('#tarvex-menu .tvx-root > .tvx-l > .tvx-e > [aria-expanded]');
        if (width === 375) await p.locator('.tvx-tg').tap();
        else if (width === 768) await groups.last().click();
        else await groups.first().hover();
        await p.locator(opens).filter({ visible: true }).first().waitFor();
        const axe = await h.menuAxeViolations(p);
        assert.deepEqual(axe, [], `${width}`);
        assert.deepEqual(await p.evaluate(() => window.__probe.violations), [], `${width}`);
        assert.deepEqual(p.errors, [], `${width}`);
        await context.close();
      }
    } finally {
      await server.close();
    }
  });
});
