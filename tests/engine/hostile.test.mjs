// Designs that once broke the menu script or ran code of their own: whatever the author (or a
// project file sent by someone else) names things, the menu draws with the right styles, each
// group opens its own submenu, and nothing else happens on the page.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';
import * as h from './helpers.mjs';

let browser;
let context;
before(async () => {
  browser = await h.launch();
  context = await browser.newContext({ viewport: { width: 1000, height: 700 }, reducedMotion: 'reduce' });
});
after(() => browser?.close());

const rgb = (hex) => `rgb(${[0, 2, 4].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;
const nb = (text) => text.replaceAll(' ', '\u00a0');

// Like h.open, and also records every dialog and every navigation of the page after its load.
async function openGuarded(url) {
  const p = await context.newPage();
  p.setDefaultTimeout(5000);
  p.errors = [];
  p.dialogs = [];
  p.navigations = [];
  p.on('console', (m) => { if (m.type() === 'error') p.errors.push(m.text()); });
  p.on('pageerror', (e) => p.errors.push(String(e)));
  p.on('dialog', (d) => { p.dialogs.push(d.message()); d.dismiss(); });
  p.on('framenavigated', (f) => { if (f === p.mainFrame()) p.navigations.push(f.url()); });
  await p.goto(url);
  return p;
}

function assertQuiet(p, url) {
  assert.deepEqual(p.errors, []);
  assert.deepEqual(p.dialogs, []);
  assert.deepEqual(p.navigations, [url]);
  assert.equal(p.url(), url);
}

// Opens a group by click and returns the submenu shown, found by its first entry.
async function openGroup(p, group, firstEntry) {
  await p.click(h.entry(group));
  const sub = p.locator(`${h.menuOf(firstEntry)}.tvx-sub`).filter({ visible: true });
  await sub.waitFor();
  return sub;
}

describe('style names that are no plain script name', () => {
  // Every kind: not an identifier, reserved words, browser globals, engine and menu script
  // globals, script-like names, a name beyond ASCII, the derived names' own prefix.
  const names = ['Plain', '3D look', 'Dark-blue', '2024 theme', 'default', 'class', 'location', 'top', 'name',
    'status', 'alert', 'menu', 'addmenu', 'timegap', 'left', 'x=alert(1)//', "location='about:blank'//", 'Caf\u00e9',
    'tvxStyle_top'];
  const colour = (i) => [0x20 + 9 * i, 0x80, 0xf0 - 9 * i].map((v) => v.toString(16).padStart(2, '0')).join('');

  it('draws every submenu in its own style, with image positions in any letter case or none', async () => {
    const url = h.plainPage(h.publish('hostile-names'));
    const p = await openGuarded(url);
    assert.equal(await p.locator(h.entry('G0')).evaluate((e) => getComputedStyle(e).backgroundColor), rgb(colour(0)));
    for (let i = 0; i < names.length; i++) {
      const sub = await openGroup(p, `G${i}`, `S${i}`);
      const look = await sub.locator(h.entry(`S${i}`)).evaluate((e) => getComputedStyle(e).backgroundColor);
      assert.equal(look, rgb(colour(i)), names[i]);
      assert.equal(await p.locator('.tvx-sub').filter({ visible: true }).count(), 1, names[i]);
    }
    assert.equal(await p.evaluate(() => typeof location.href + typeof top.document + typeof timegap), 'stringobjectnumber');
    await h.shot(p, 'hostile-names');
    assertQuiet(p, url);
    await p.close();
  });
});

describe('menu names that clash, and captions that would end or hide a script block', () => {
  const groups = [['Add ons', 'A1'], ['Addons', 'A2'], ['main menu', 'A3'], ['mainmenu', 'A4'], ['Addons_2', 'A5']];
  const scriptCaption = '</script><script>alert(1)</script>';

  // The three files loaded by src, and all three pasted into inline script blocks.
  for (const inline of [false, true]) {
    it(`opens each group's own submenu (${inline ? 'inline' : 'file'} menu script)`, async () => {
      const dir = h.publish('hostile-menus', `hostile-menus-${inline}`);
      const lines = inline
        ? ['one.js', 'menu.js', 'main.js']
          .map((f) => `<script>\r\n${fs.readFileSync(path.join(dir, f), 'latin1')}</script>`).join('\r\n')
        : h.SCRIPT_LINES;
      const url = h.page(dir, 'page.htm', `<!DOCTYPE html>\r\n<html><head><meta charset="windows-1252"></head>` +
        `<body style="margin:0">\r\n${lines}\r\n<p id="after">after</p></body></html>\r\n`);
      const p = await openGuarded(url);
      for (const [group, first] of groups) {
        const sub = await openGroup(p, nb(group), first);
        assert.equal(await sub.locator('.tvx-i').count(), 1, group);
      }
      const sub = await openGroup(p, scriptCaption, '</SCRIPT>end');
      assert.deepEqual(await sub.locator('.tvx-c').allTextContents(), ['</SCRIPT>end', '<!--<script>', nb('Add ons')]);
      // The inner "Add ons" opens its own menu, not the main menu's "Add ons".
      await sub.locator(h.entry(nb('Add ons'))).click();
      await p.locator(`${h.menuOf('A6')}.tvx-sub`).filter({ visible: true }).waitFor();
      assert.equal(await p.locator(`${h.menuOf('A1')}.tvx-sub`).filter({ visible: true }).count(), 0);
      // No "</script>" of a caption or of the engine cut an inline block into pieces.
      assert.equal(await p.locator('script').count(), 3);
      assert.equal(await p.locator('#after').isVisible(), true);
      assertQuiet(p, url);
      await p.close();
    });
  }
});

describe('captions beyond ASCII', () => {
  const group = nb('Caf\u00e9 \u2013 B\u00fccher \u20ac');
  const item = nb('\u00c5ngstr\u00f6m \u201equoted\u201c');
  for (const [label, meta] of [['UTF-8', '<meta charset="utf-8">'], ['windows-1252', '<meta charset="windows-1252">'],
    ['undeclared', '']]) {
    it(`reads the same on a ${label} page`, async () => {
      const dir = h.publish('non-ascii', `non-ascii-${label}`);
      const bytes = fs.readFileSync(path.join(dir, 'menu.js'));
      assert.ok(bytes.every((b) => b < 0x80), 'menu.js is ASCII');
      const url = h.page(dir, 'page.htm', `<!DOCTYPE html>\r\n<html><head>${meta}</head><body style="margin:0">\r\n` +
        `${h.SCRIPT_LINES}\r\n</body></html>\r\n`);
      const p = await openGuarded(url);
      assert.equal(await p.locator(h.entry(group)).count(), 1);
      await openGroup(p, group, item);
      assertQuiet(p, url);
      await p.close();
    });
  }
});

describe('captions in any script', () => {
  // The project is UTF-8; its last caption holds "e" and a combining accent, read as "é".
  const groups = ['\u041f\u0440\u043e\u0434\u0443\u043a\u0442\u044b', '\u041f\u0440\u043e\u0434\u0430\u0436\u0438'];
  const entries = [['\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac', nb('\u88fd\u54c1 \u{1f600}')],
    ['\u0639\u0631\u0628\u064a', '\u05e2\u05d1\u05e8\u05d9\u05ea', 'Caf\u00e9']];
  for (const [label, meta] of [['UTF-8', '<meta charset="utf-8">'], ['windows-1252', '<meta charset="windows-1252">'],
    ['undeclared', '']]) {
    it(`shows Cyrillic, Greek, CJK, Arabic, Hebrew and emoji on a ${label} page, each group its own submenu`, async () => {
      const dir = h.publish('any-script', `any-script-${label}`);
      assert.ok(fs.readFileSync(path.join(dir, 'menu.js')).every((b) => b < 0x80), 'menu.js is ASCII');
      const url = h.page(dir, 'page.htm', `<!DOCTYPE html>\r\n<html><head>${meta}</head><body style="margin:0">\r\n` +
        `${h.SCRIPT_LINES}\r\n</body></html>\r\n`);
      const p = await openGuarded(url);
      assert.equal(await p.locator(h.entry(groups[0])).getAttribute('title'), '\u041a\u0430\u0442\u0430\u043b\u043e\u0433');
      for (const [i, group] of groups.entries()) {
        const sub = await openGroup(p, group, entries[i][0]);
        assert.deepEqual(await sub.locator('.tvx-c').allTextContents(), entries[i]);
      }
      if (label === 'undeclared') await h.shot(p, 'any-script');
      assertQuiet(p, url);
      await p.close();
    });
  }
});

describe('a strict content security policy', () => {
  it('draws and opens the menus under default-src \'self\' without one violation', async () => {
    // A design without images of data: addresses, which such a policy refuses as any page's would.
    const dir = h.publish('products-menu', 'strict-policy');
    const html = `<!DOCTYPE html>\r\n<html lang="en"><head><meta charset="windows-1252"><title>Strict</title></head><body>\r\n` +
      `${h.SCRIPT_LINES}\r\n</body></html>\r\n`;
    const ctx = await browser.newContext({ viewport: { width: 1000, height: 700 } });
    await ctx.route('http://strict.test/**', (r) => {
      const file = path.basename(new URL(r.request().url()).pathname);
      const headers = { 'Content-Security-Policy': "default-src 'self'" };
      return file.endsWith('.js') ? r.fulfill({ path: path.join(dir, file), headers })
        : r.fulfill({ body: html, contentType: 'text/html', headers });
    });
    await ctx.addInitScript(() => {
      window.violations = [];
      document.addEventListener('securitypolicyviolation', (e) => window.violations.push(`${e.violatedDirective} ${e.blockedURI}`));
    });
    const p = await ctx.newPage();
    await p.goto('http://strict.test/page.htm');
    await p.hover(h.entry('Our\u00a0products'));
    const [group, sub] = await Promise.all([h.box(p, h.entry('Our\u00a0products')), h.box(p, h.menuOf('Price\u00a0list'))]);
    assert.equal(sub.y, group.y + group.height, 'the submenu is placed below its entry');
    assert.notEqual(await p.locator(h.entry('Price\u00a0list')).evaluate((e) => getComputedStyle(e).backgroundColor), 'rgba(0, 0, 0, 0)');
    assert.deepEqual(await p.evaluate(() => window.violations), []);
    await ctx.close();
  });
});
