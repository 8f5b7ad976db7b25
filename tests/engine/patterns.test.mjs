// The bar's patterns of today's sites, in real Chromium: More, Wrap, the drawer, rich entries,
// the menu's events and a bar fixed at the top. Each is checked at phone, tablet and desktop width
// where its behaviour depends on the width.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import * as h from './helpers.mjs';

const VIEWPORT = '<meta name="viewport" content="width=device-width, initial-scale=1">';
// phone.xml's bar needs about 1,270 px: this desktop window holds it whole.
const DESKTOP = 1400;

// Edits of phone.xml (eight groups of 140 px on a bar): the main menu's options are its first.
const mainOption = (line) => (xml) => xml.replace('<MenuOpening>on mouse over</MenuOpening>',
  `<MenuOpening>on mouse over</MenuOpening>\n${line}`);
const both = (...edits) => (xml) => edits.reduce((x, e) => e(x), xml);
// Products' submenu options are the second block.
const productsOption = (line) => (xml) => {
  let n = 0;
  return xml.replace(/<MenuOpening>on mouse over<\/MenuOpening>/g, (m) => (++n === 2 ? `${m}\n${line}` : m));
};

let browser;
before(async () => { browser = await h.launch(); });
after(() => browser?.close());

async function openAt(width, dir, options = {}) {
  const context = await browser.newContext({ viewport: { width, height: 700 }, reducedMotion: 'reduce', ...options });
  const p = await h.open(context, h.plainPage(dir, { head: VIEWPORT, body: '<p style="height:1500px">page</p>' }));
  await p.locator('.tvx-root').waitFor({ state: 'attached' });
  await p.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  p.done = () => context.close();
  return p;
}

const captions = (p, selector) => p.locator(selector).evaluateAll((es) => es.map((e) => e.textContent));

describe('a bar without room', () => {
  it('keeps its first entries and gathers the rest, in order, under More', async () => {
    const dir = h.publishEdited('phone', 'more', mainOption('<WhenNoRoom>More</WhenNoRoom>'));
    const all = ['Home', 'Products', 'Services', 'Support', 'Downloads', 'Company', 'Partners', 'Community', 'Contact'];
    for (const width of [DESKTOP, 768, 375]) {
      const p = await openAt(width, dir);
      const bar = await captions(p, '.tvx-root > .tvx-l > .tvx-e:not(.tvx-more) > .tvx-i > .tvx-c');
      const more = p.locator('.tvx-more.tvx-shown > .tvx-i');
      const inMore = all.length - bar.length;
      assert.equal(await more.count(), inMore ? 1 : 0, `${width}`);
      assert.equal(inMore > 0, width < DESKTOP, `${width}: ${bar}`);
      const right = await p.evaluate(() => Math.max(...[...document.querySelectorAll('.tvx-root > .tvx-l > .tvx-e')]
        .filter((e) => e.offsetParent).map((e) => e.getBoundingClientRect().right)));
      assert.ok(right <= width, `${width}: the bar ends at ${right}`);
      if (inMore) {
        await more.focus();
        await p.keyboard.press('ArrowDown');
        const moved = await captions(p, '.tvx-more > .tvx-sub > .tvx-l > .tvx-e > .tvx-i > .tvx-c');
        assert.deepEqual([...bar, ...moved].map((c) => c.replace(/\s+/g, ' ')), all);
        assert.equal(await p.evaluate(() => document.activeElement.textContent), moved[0]);
      }
      const axe = await h.menuAxeViolations(p);
      assert.deepEqual(axe, [], `${width}`);
      await p.done();
    }
  });

  it('wraps onto more rows, each submenu still against its entry', async () => {
    const dir = h.publishEdited('phone', 'wrap', mainOption('<WhenNoRoom>Wrap</WhenNoRoom>'));
    for (const width of [DESKTOP, 768, 375]) {
      const p = await openAt(width, dir);
      const rows = await p.locator('.tvx-root > .tvx-l > .tvx-e').evaluateAll((es) => [
        new Set(es.map((e) => Math.round(e.getBoundingClientRect().top))).size,
        Math.max(...es.map((e) => e.getBoundingClientRect().right)) <= document.documentElement.clientWidth]);
      assert.deepEqual(rows, [width < DESKTOP ? rows[0] : 1, true], `${width}`);
      assert.equal(rows[0] > 1, width < DESKTOP, `${width}`);
      assert.equal(await p.locator('.tvx-tg').isVisible(), false);
      await p.hover(h.entry('Community'));
      const entry = await p.locator(h.entry('Community')).locator('xpath=..').boundingBox();
      const sub = await h.box(p, '.tvx-sub.tvx-show');
      assert.ok(Math.abs(sub.y - (entry.y + entry.height)) <= 1 && sub.x + sub.width <= width, `${width}: ${JSON.stringify([entry, sub])}`);
      await p.done();
    }
  });
});

describe('a panel', () => {
  it('shows its groups as labelled columns of links, inside the window and in the list', async () => {
    const dir = h.publishEdited('phone', 'panel', productsOption('<Layout>Panel</Layout>\n<Columns>2</Columns>'));
    for (const width of [DESKTOP, 768, 375]) {
      const p = await openAt(width, dir);
      if (await p.locator('.tvx-tg').isVisible()) await p.click('.tvx-tg');
      await p.focus(h.entry('Products'));
      await p.keyboard.press('Enter');
      const panel = p.locator('.tvx-panel.tvx-show');
      const b = await h.box(p, '.tvx-panel.tvx-show');
      assert.ok(b.x >= 0 && b.x + b.width <= width, `${width}: ${JSON.stringify(b)}`);
      // Its columns keep their margin inside it, whatever the menu's reset of list boxes says.
      assert.notEqual(await panel.locator(':scope > .tvx-l').evaluate((l) => getComputedStyle(l).paddingTop), '0px', `${width}`);
      const columns = await panel.locator('.tvx-cl').first().evaluate(() => [...document.querySelectorAll('.tvx-panel > .tvx-l > .tvx-col > .tvx-cl')]
        .map((ul) => [(ul.getAttribute('aria-label') || document.getElementById(ul.getAttribute('aria-labelledby')).textContent).replace(/\s/g, ' '),
          [...ul.querySelectorAll(':scope > li > .tvx-pl')].map((a) => a.textContent.replace(/\s/g, ' '))]));
      assert.deepEqual(columns, [['Products', ['Products 1', 'Products 2', 'Products 3']],
        ['More products', ['Products extra 1', 'Products extra 2']]], `${width}`);
      assert.equal(await panel.getByRole('heading', { name: 'More products' }).count(), 1);
      // Columns 2: both side by side on a bar, one above the other in the small-window list.
      const lefts = await p.locator('.tvx-panel.tvx-show .tvx-col').evaluateAll((cs) => new Set(cs.map((c) => Math.round(c.getBoundingClientRect().left))).size);
      assert.equal(lefts, width === DESKTOP ? 2 : 1, `${width}`);
      const reached = [];
      for (let i = 0; i < 5; i++) {
        await p.keyboard.press('Tab');
        reached.push(await p.evaluate(() => document.activeElement.textContent.replace(/\s/g, ' ')));
      }
      assert.deepEqual(reached, ['Products 1', 'Products 2', 'Products 3', 'Products extra 1', 'Products extra 2'], `${width}`);
      await p.keyboard.press('Escape');
      assert.equal(await p.locator('.tvx-panel.tvx-show').count(), 0);
      await p.done();
    }
  });
});

describe('the drawer', () => {
  it('opens from the start side over a dimmed page that holds still, keeps focus and gives it back', async () => {
    const dir = h.publishEdited('phone', 'drawer', mainOption('<SmallScreenLook>Drawer</SmallScreenLook>'));
    for (const [attrs, side] of [['', 'left'], [' dir="rtl"', 'right']]) {
      const context = await browser.newContext({ viewport: { width: 375, height: 667 }, hasTouch: true, isMobile: true, reducedMotion: 'reduce' });
      const p = await h.open(context, h.plainPage(dir, { head: VIEWPORT, attrs,
        body: '<div id="tarvex-menu"></div><p style="height:1500px"><a href="#x">page link</a></p>' }));
      const toggle = p.locator('.tvx-tg');
      await toggle.tap();
      const panel = await h.box(p, '.tvx-ms');
      assert.equal(side === 'left' ? panel.x : 375 - panel.x - panel.width, 0, attrs);
      // Its rows span it, though the menu stands in a mount point whose bar keeps its entries' widths.
      assert.ok((await h.box(p, '.tvx-root > .tvx-l')).width >= panel.width - 2, attrs);
      assert.equal(await p.evaluate(() => getComputedStyle(document.documentElement).overflow), 'hidden');
      const inside = () => p.evaluate(() => document.querySelector('.tvx-ms').contains(document.activeElement));
      assert.ok(await inside(), 'focus moved into the drawer');
      for (let i = 0; i < 10; i++) await p.keyboard.press(i % 2 ? 'Shift+Tab' : 'Tab');
      for (let i = 0; i < 9; i++) await p.keyboard.press('Tab');
      assert.ok(await inside(), 'Tab stays in the drawer');
      assert.equal(await toggle.evaluate((t) => getComputedStyle(t.firstChild, '::before').content), '""', 'the icon is a cross');
      await p.keyboard.press('Escape');
      assert.equal(await toggle.getAttribute('aria-expanded'), 'false');
      assert.equal(await p.evaluate(() => document.activeElement.className), 'tvx-tg');
      await toggle.tap();
      await p.touchscreen.tap(side === 'left' ? 360 : 10, 600);
      assert.equal(await toggle.getAttribute('aria-expanded'), 'false', 'a tap on the dimmed page closes it');
      assert.notEqual(await p.evaluate(() => getComputedStyle(document.documentElement).overflow), 'hidden');
      // After a tap on it and Escape, the button shows the bar's own colours, not the highlight's.
      await toggle.tap();
      await p.keyboard.press('Escape');
      assert.equal(await toggle.evaluate((t) => getComputedStyle(t).backgroundColor), 'rgb(255, 255, 255)');
      await context.close();
    }
  });
});

describe('rich entries', () => {
  const rich = (xml) => xml
    .replace('<Caption>Home</Caption>\r\n<Image></Image>\r\n<Address>index.htm</Address>\r\n<Target></Target>',
      '$&\r\n<Icon>home</Icon>\r\n<Badge>New</Badge>\r\n<Description>Where it all starts</Description>')
    .replace('<Caption>Products</Caption>\n<Image></Image>\n<Address>products.htm</Address>\n<Target></Target>',
      '$&\n<Description>All we make</Description>\n<Icon>cart</Icon>')
    .replace('<Caption>Services</Caption>\n<Image></Image>\n<Address>services.htm</Address>\n<Target></Target>', '$&\n<Icon>logo.svg</Icon>')
    .replace('<Caption>Support</Caption>\n<Image></Image>\n<Address>support.htm</Address>\n<Target></Target>', '$&\n<Icon>evil.svg</Icon>');
  it('keep the caption as the name, describe it, and draw the icon in the text colour', async () => {
    // An icon file beside the project is drawn from its shapes; one that would run script is not.
    h.besideProjects('logo.svg', '<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 24 24" fill="#f00">' +
      '<circle cx="12" cy="12" r="9"/><path d="M8 8h8v8H8z" fill="none" stroke="blue"/></svg>');
    h.besideProjects('evil.svg', '<svg viewBox="0 0 24 24" onload="window.ran=1"><circle r="9"/></svg>');
    const dir = h.publishEdited('phone', 'rich', rich);
    const p = await openAt(DESKTOP, dir);
    for (const [role, name, description, icon] of [['link', 'Home', 'Where it all starts New', 1], ['link', 'Products', 'All we make', 1],
      ['link', 'Services', null, 2], ['link', 'Support', null, 0]]) {
      const control = p.getByRole(role, { name, exact: true });
      assert.equal(await control.count(), 1, name);
      const got = await control.evaluate((c) => ({
        description: c.getAttribute('aria-describedby')?.split(' ').map((id) => document.getElementById(id).textContent).join(' ') ?? null,
        icons: c.querySelectorAll('svg.tvx-ic[aria-hidden="true"] :is(path, circle)').length,
        inked: ((paints) => (!paints.length || paints.includes(getComputedStyle(c).color)) && paints.every((paint) => paint === 'none' || paint === getComputedStyle(c).color))(
          [...c.querySelectorAll('svg, svg *')].flatMap((s) => [getComputedStyle(s).stroke, getComputedStyle(s).fill])),
      }));
      assert.deepEqual(got, { description, icons: icon, inked: true }, name);
    }
    assert.equal(await p.evaluate(() => window.ran), undefined);
    const axe = await h.menuAxeViolations(p);
    assert.deepEqual(axe, []);
    await p.done();
  });
});

describe('events', () => {
  it('tell the page what opens, closes and is followed', async () => {
    const p = await openAt(DESKTOP, h.publish('phone', 'events'));
    await p.evaluate(() => {
      window.told = [];
      for (const type of ['open', 'close', 'navigate']) {
        document.addEventListener(`tarvex:${type}`, (e) => window.told.push([e.type, e.target.tagName, e.detail]));
      }
      document.addEventListener('click', (e) => e.preventDefault());
    });
    await p.hover(h.entry('Services'));
    await p.locator('.tvx-sub.tvx-show').waitFor();
    await p.keyboard.press('Escape');
    await p.click(h.entry('Home'));
    const told = await p.evaluate(() => window.told);
    assert.deepEqual(told.map(([type, tag, d]) => [type, tag, d.caption, d.level ?? d.address.replace(/^.*\//, '')]), [
      ['tarvex:open', 'NAV', 'Services', 1],
      ['tarvex:close', 'NAV', 'Services', 1],
      ['tarvex:navigate', 'NAV', 'Home', 'index.htm'],
    ]);
    await p.done();
  });
});

describe('a bar fixed at the top', () => {
  it('keeps the page\'s scroll padding at its height while it is there', async () => {
    const dir = h.publishEdited('phone', 'fixed', (xml) => xml.replace('<ScreenPosition></ScreenPosition>', '<ScreenPosition>top</ScreenPosition>'));
    const p = await openAt(DESKTOP, dir);
    const padding = () => p.evaluate(() => [getComputedStyle(document.documentElement).scrollPaddingTop,
      Math.round(document.querySelector('.tvx-root').getBoundingClientRect().bottom) + 'px']);
    for (const [width, fixed] of [[DESKTOP, true], [375, false], [DESKTOP, true]]) {
      await p.setViewportSize({ width, height: 700 });
      await p.waitForFunction((on) => document.querySelector('.tvx-nav').classList.contains('tvx-compact') !== on, fixed);
      const [pad, bottom] = await padding();
      assert.equal(pad, fixed ? bottom : 'auto', `${width}`);
    }
    await p.done();
  });
});

describe('the published page', () => {
  it('keeps the menu\'s boxes whatever the page\'s list rules, and spans a mount point\'s column', async () => {
    const dir = h.publish('phone', 'page-rules');
    const rules = '<style>#c ul{max-width:98%;margin:7px;padding:9px;list-style:disc;width:60%;overflow:hidden}' +
      '#c li{margin:4px;float:left;width:30%;max-width:98%}#c a{margin:5px;width:50%;float:right}</style>';
    const boxes = [];
    for (const head of ['', rules]) {
      const context = await browser.newContext({ viewport: { width: DESKTOP, height: 700 }, reducedMotion: 'reduce' });
      const p = await h.open(context, h.plainPage(dir, { head, body: '<div id="c" style="width:1300px"><div id="tarvex-menu"></div></div>' }));
      await p.hover(h.entry('Products'));
      await p.locator('.tvx-sub.tvx-show').waitFor();
      boxes.push(await p.evaluate(() => ({
        bar: Math.round(document.querySelector('.tvx-root').getBoundingClientRect().width),
        entries: [...document.querySelectorAll('.tvx-root > .tvx-l > .tvx-e, .tvx-sub.tvx-show .tvx-e')]
          .map((e) => { const r = e.getBoundingClientRect(); return [Math.round(r.x), Math.round(r.y), Math.round(r.width), Math.round(r.height)]; }),
      })));
      await context.close();
    }
    assert.equal(boxes[0].bar, 1300, 'the bar spans the column');
    assert.deepEqual(boxes[1], boxes[0]);
  });

  it('draws a submenu without a dark style of its own in its parent\'s', async () => {
    const night = '<STYLE>\r\n<Name>Night</Name>\r\n<MouseOffFont>EEEEEE</MouseOffFont>\r\n<MouseOffBackground>111111</MouseOffBackground>\r\n</STYLE>\r\n</STYLES>';
    const dir = h.publishEdited('phone', 'dark', both(mainOption('<DarkStyle>Night</DarkStyle>'), (xml) => xml.replace('</STYLES>', night)));
    const backgrounds = [];
    for (const colorScheme of ['light', 'dark']) {
      const p = await openAt(DESKTOP, dir, { colorScheme });
      await p.hover(h.entry('Products'));
      backgrounds.push(await p.locator('.tvx-sub.tvx-show .tvx-i').first().evaluate((e) => getComputedStyle(e).backgroundColor));
      await p.done();
    }
    assert.deepEqual(backgrounds, ['rgb(255, 255, 255)', 'rgb(17, 17, 17)']);
  });
});
