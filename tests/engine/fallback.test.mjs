// The plain list of links that tarvex-cli html writes into the mount point: every page
// reachable without script, and replaced by the drawn menu when the engine runs.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';
import * as h from './helpers.mjs';

let browser;
before(async () => { browser = await h.launch(); });
after(() => browser?.close());

// The names of the links in the page's accessibility tree, as assistive technology gets them.
async function accessibleLinks(context, p) {
  const cdp = await context.newCDPSession(p);
  const { nodes } = await cdp.send('Accessibility.getFullAXTree');
  return nodes.filter((n) => !n.ignored && n.role?.value === 'link').map((n) => n.name?.value ?? '');
}

describe('the plain list of links', () => {
  it('shows every address without script, and gives way to the menu with it', async () => {
    const folder = h.publish('site', 'fallback');
    const url = h.linksPage('site', folder);
    const xml = fs.readFileSync(path.join(h.projectDir, 'site.xml'), 'latin1');
    const addresses = [...xml.matchAll(/<Address>(.*?)<\/Address>/g)].map((m) => m[1]).filter((a) => a.trim());

    const plain = await browser.newContext({ javaScriptEnabled: false });
    const p = await h.open(plain, url);
    const hrefs = await p.$$eval('#tarvex-menu > nav.tarvex-links a', (as) => as.map((a) => a.getAttribute('href')));
    assert.deepEqual(hrefs.sort(), addresses.sort());
    assert.equal(await p.locator('.tvx-nav').count(), 0);
    await h.shot(p, 'fallback-without-script');
    await plain.close();

    const scripted = await browser.newContext();
    const q = await h.open(scripted, url);
    await q.locator('#tarvex-menu > nav.tvx-nav').waitFor();
    assert.equal(await q.locator('nav.tarvex-links').count(), 0);
    const names = await accessibleLinks(scripted, q);
    assert.ok(names.length > 0);
    assert.deepEqual(names, [...new Set(names)], `a link is offered twice: ${names.join(' | ')}`);
    assert.deepEqual(q.errors, []);
    await h.shot(q, 'fallback-with-engine');
    await scripted.close();
  });
});
