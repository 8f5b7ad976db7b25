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

  // Every link is a target of 24 x 24 px at least, in every group the pointer opens.
  it('keeps every link at least 24 x 24 px without script', async () => {
    const folder = h.publish('site', 'targets');
    const plain = await browser.newContext({ javaScriptEnabled: false });
    const p = await h.open(plain, h.linksPage('site', folder));
    const sizes = new Map();
    const measure = async () => {
      for (const [href, w, height] of await p.$$eval('nav.tarvex-links a', (as) => as
        .filter((a) => a.getClientRects().length)
        .map((a) => [a.getAttribute('href'), a.getBoundingClientRect().width, a.getBoundingClientRect().height]))) {
        sizes.set(href, Math.min(w, height, sizes.get(href) ?? Infinity));
      }
    };
    await measure();
    const groups = p.locator('nav.tarvex-links li:has(> ul)');
    for (let i = 0; i < await groups.count(); i++) {
      await groups.nth(i).hover({ position: { x: 4, y: 4 } });
      await measure();
    }
    assert.equal(sizes.size, await p.locator('nav.tarvex-links a').count(), 'a link never showed');
    for (const [href, side] of sizes) assert.ok(side >= 24, `${href}: ${side} px`);
    await plain.close();
  });

  // On a bar that wraps onto several rows a panel hangs from its own entry's row, so the pointer
  // reaches it without crossing the entries of the rows below, which would close it.
  it('keeps a panel open on the way to it from an entry of a wrapped bar', async () => {
    const panelOption = (xml) => {
      let n = 0;
      return xml.replace(/<MenuOpening>on mouse over<\/MenuOpening>/g, (m) => (++n === 2 ? `${m}\n<Layout>Panel</Layout>` : m));
    };
    const folder = h.publishEdited('phone', 'plain-panel', panelOption);
    const url = h.linksPageOf(`${folder}.xml`, folder);
    const plain = await browser.newContext({ javaScriptEnabled: false, viewport: { width: 375, height: 700 } });
    const p = await h.open(plain, url);
    const entry = p.locator('nav.tarvex-links li:has(> ul.tarvex-panel) > a').first();
    const bar = await h.box(p, 'nav.tarvex-links > ul');
    const from = await entry.boundingBox();
    assert.ok(bar.height > from.height * 1.5, 'the bar does not wrap at this width');
    await p.mouse.move(from.x + 4, from.y + from.height / 2);
    const to = await p.locator('ul.tarvex-panel a').first().boundingBox();
    assert.ok(to, 'the panel does not open on hover');
    // Straight down from the entry into the panel, as a hand moves.
    await p.mouse.move(from.x + 4, to.y + to.height / 2, { steps: 12 });
    assert.ok(await p.locator('ul.tarvex-panel a').first().isVisible(), 'the panel closed on the way');
    assert.equal(await p.evaluate(() => [...document.querySelectorAll(':hover')].at(-1).closest('ul.tarvex-panel') !== null), true);
    await plain.close();
  });

  // The list is drawn as a bar before the engine runs, so the menu that replaces it moves what
  // follows by a layout shift score of 0.05 at most, with the scripts arriving late.
  it('gives way to the menu with a layout shift of 0.05 at most', async () => {
    const folder = h.publish('site', 'shift');
    const file = new URL(h.linksPage('site', folder)).pathname;
    const below = '<p>Content below the menu.</p>'.repeat(20);
    fs.writeFileSync(file, fs.readFileSync(file, 'latin1').replace('</nav>\r\n</div>', `</nav>\r\n</div>${below}`), 'latin1');
    const server = await h.serve(folder, {}, 400);
    const context = await browser.newContext({ viewport: { width: 1280, height: 700 } });
    await context.addInitScript(() => {
      window.shift = 0;
      new PerformanceObserver((list) => {
        for (const e of list.getEntries()) if (!e.hadRecentInput) window.shift += e.value;
      }).observe({ type: 'layout-shift', buffered: true });
    });
    const p = await h.open(context, `${server.url}links.htm`);
    await p.locator('#tarvex-menu > nav.tvx-nav').waitFor();
    // Two frames after the menu is drawn, its shift has been reported.
    await p.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
    const shift = await p.evaluate(() => window.shift);
    assert.ok(shift <= 0.05, `layout shift ${shift}`);
    await context.close();
    await server.close();
  });
});
