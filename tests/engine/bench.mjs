// Benchmark of the menu engine (run by hand: `node bench.mjs`; ctest does not run it).
// Builds large projects with tarvex-cli, then in headless Chromium measures
//  - dumpmenus(): the call that draws the always-visible menus, median of several page loads;
//  - the first opening of one submenu on a freshly loaded page, median of several loads;
//  - the first opening of every submenu (they are drawn then);
//  - switching between the side-by-side menus and the menu button when the window is
//    resized, with every submenu drawn: from the resize event to the layout that follows;
//  - the layout work that opening a submenu causes on a long page: how many layout
//    objects the browser had to lay out, against all objects of the page.
//  - script start to the first frame with the menu laid out, with the page read from a file and
//    served over local HTTP.
// It prints figures and asserts nothing.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import * as h from './helpers.mjs';

const LOADS = 7;

function projectXml(entries, menus) {
  const perMenu = Math.floor(entries / menus) - 1;
  const options = (left, top, orientation) => ['', '<MENU_OPTIONS>', '<RemainVisible>100</RemainVisible>',
    `<MenuLeft>${left}</MenuLeft>`, `<MenuTop>${top}</MenuTop>`, '<MenuWidth>150</MenuWidth>', '<MenuBorder>1</MenuBorder>',
    '<ScreenPosition></ScreenPosition>', '<MenuStyle>Main style</MenuStyle>', '<TextAlignment>left</TextAlignment>',
    `<Orientation>${orientation}</Orientation>`, '<ImagePosition></ImagePosition>', '<MenuOpening>on mouse over</MenuOpening>', '</MENU_OPTIONS>'];
  const item = (caption) => ['', '<MENU_ITEM>', `<Caption>${caption}</Caption>`, '<Image></Image>', `<Address>${caption.replace(/ /g, '-')}.htm</Address>`, '<Target></Target>', '</MENU_ITEM>'];
  const lines = ['<?xml version="1.0" encoding="iso-8859-1"?>', '<PROJECT>', '<MENU>', ...options(40, 140, 'Vertical')];
  // The main menu holds one group per submenu; each submenu is filled up with items.
  for (let m = 1; m < menus; m++) {
    lines.push('', '<MENU_GROUP>', `<Caption>Group ${m}</Caption>`, '<Image>hint</Image>', `<Address>group${m}.htm</Address>`, '<Target></Target>');
    lines.push(...options(191, 140 + 20 * (m - 1), 'Vertical'));
    for (let i = 1; i <= perMenu; i++) lines.push(...item(`Item ${m} ${i}`));
    lines.push('</MENU_GROUP>');
  }
  const left = entries - (menus - 1) * (perMenu + 1);
  for (let i = 1; i <= left; i++) lines.push(...item(`Main ${i}`));
  lines.push('</MENU>', '<STYLES>', '<STYLE>', '<Name>Main style</Name>', '<FontSize>10</FontSize>', '<MenuItemPadding>3</MenuItemPadding>', '</STYLE>', '</STYLES>', '</PROJECT>');
  return lines.join('\r\n') + '\r\n';
}

const median = (xs) => xs.slice().sort((a, b) => a - b)[Math.floor(xs.length / 2)];

const tmp = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvex-bench-'));
const browser = await h.launch();
try {
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
  for (const [entries, menus] of [[1000, 50], [10000, 500]]) {
    const dir = path.join(tmp, `m${entries}`);
    fs.mkdirSync(dir);
    const project = path.join(dir, 'bench.xml');
    fs.writeFileSync(project, projectXml(entries, menus));
    execFileSync(h.findCli(), ['build', project, '-o', dir], { stdio: 'pipe' });
    for (const f of ['one.js', 'main.js']) fs.copyFileSync(path.join(h.engineDir, f), path.join(dir, f));
    // The generated script, with its last line timed.
    const script = fs.readFileSync(path.join(dir, 'menu.js'), 'latin1')
      .replace(/dumpmenus\(\)\s*$/, 'var t0 = performance.now(); dumpmenus(); window.dumpTime = performance.now() - t0;\r\n' +
        'requestAnimationFrame(function () { document.querySelector(".tvx-nav").getBoundingClientRect();' +
        ' window.firstFrame = performance.now() - window.scriptStart; });\r\n');
    fs.writeFileSync(path.join(dir, 'timed.js'), script, 'latin1');
    const filler = Array.from({ length: 3000 }, (_, i) => `<p>Paragraph ${i} of a long page.</p>`).join('');
    // The first resize listener of the page notes when the event came; one added after
    // the engine's (see below) flushes the layout and notes the time taken.
    const head = '<script>addEventListener("resize", () => { window.resizeStart = performance.now(); });</script>';
    fs.writeFileSync(path.join(dir, 'bench.htm'), `<!DOCTYPE html><html><head><meta charset="windows-1252">${head}</head><body>${filler}` +
      '<script>window.scriptStart = performance.now();</script>' +
      '<script src="one.js"></script><script src="timed.js"></script><script src="main.js"></script></body></html>');
    const url = pathToFileURL(path.join(dir, 'bench.htm')).href;

    const server = await h.serve(dir);
    const frames = {};
    for (const [how, address] of [['file', url], ['HTTP', `${server.url}bench.htm`]]) {
      const fp = await context.newPage();
      frames[how] = [];
      for (let i = 0; i < LOADS; i++) {
        await fp.goto(address);
        await fp.waitForFunction(() => window.firstFrame !== undefined);
        frames[how].push(await fp.evaluate(() => window.firstFrame));
      }
      await fp.close();
    }
    await server.close();

    const times = [];
    const firstOpen = [];
    const p = await context.newPage();
    for (let i = 0; i < LOADS; i++) {
      await p.goto(url);
      times.push(await p.evaluate(() => window.dumpTime));
      firstOpen.push(await p.evaluate(() => {
        const group = document.querySelector('.tvx-ms [aria-expanded]');
        const t0 = performance.now();
        group.click();
        document.getElementById(group.getAttribute('aria-controls')).getBoundingClientRect();
        const took = performance.now() - t0;
        document.dispatchEvent(new KeyboardEvent('keydown', { key: 'Escape' }));
        return took;
      }));
    }
    const drawn = await p.locator('.tvx-nav .tvx-e').count();
    // Submenus are drawn when they first open: the cost of opening every one of them once.
    const openAll = await p.evaluate(() => {
      const groups = [...document.querySelectorAll('.tvx-ms [aria-expanded]')];
      const t0 = performance.now();
      for (const g of groups) g.click();
      document.body.offsetHeight;
      return [groups.length, performance.now() - t0];
    });
    await p.keyboard.press('Escape');

    await p.evaluate(() => addEventListener('resize', () => {
      document.querySelector('.tvx-nav').getBoundingClientRect();
      document.body.offsetHeight;
      window.resizeTimes.push(performance.now() - window.resizeStart);
    }));
    await p.evaluate(() => { window.resizeTimes = []; });
    const modes = [];
    for (let i = 0; i < LOADS; i++) {
      await p.setViewportSize({ width: 150, height: 800 });
      await p.waitForFunction(() => document.querySelector('.tvx-nav').classList.contains('tvx-compact'));
      await p.setViewportSize({ width: 1280, height: 800 });
      await p.waitForFunction(() => !document.querySelector('.tvx-nav').classList.contains('tvx-compact'));
    }
    modes.push(...await p.evaluate(() => window.resizeTimes));

    // Layout caused by opening one submenu, read from Chromium's own trace.
    const cdp = await context.newCDPSession(p);
    const events = [];
    cdp.on('Tracing.dataCollected', (e) => events.push(...e.value));
    const done = new Promise((resolve) => cdp.once('Tracing.tracingComplete', resolve));
    await p.mouse.move(1, 1);
    await cdp.send('Tracing.start', { categories: 'devtools.timeline', transferMode: 'ReportEvents' });
    await p.hover('.tvx-ms [aria-expanded]');
    await p.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
    await cdp.send('Tracing.end');
    await done;
    const layouts = events.filter((e) => e.name === 'Layout' && e.ph === 'B' || (e.name === 'Layout' && e.ph === 'X'));
    const worst = layouts.map((e) => e.args?.beginData).filter(Boolean)
      .reduce((a, b) => (b.dirtyObjects > (a?.dirtyObjects ?? -1) ? b : a), null);
    console.log(`${entries} entries in ${menus} menus (${drawn} drawn): dumpmenus() median ${median(times).toFixed(1)} ms` +
      ` (min ${Math.min(...times).toFixed(1)}, max ${Math.max(...times).toFixed(1)}, ${LOADS} loads)`);
    for (const [how, xs] of Object.entries(frames)) {
      console.log(`  script start to the first frame with the menu laid out, ${how}: median ${median(xs).toFixed(1)} ms (max ${Math.max(...xs).toFixed(1)})`);
    }
    console.log(`  first opening of one submenu on a fresh page: median ${median(firstOpen).toFixed(1)} ms (max ${Math.max(...firstOpen).toFixed(1)})`);
    console.log(`  first opening of all ${openAll[0]} submenus, one after the other: ${openAll[1].toFixed(1)} ms`);
    console.log(`  switching modes on resize, ${await p.locator('.tvx-nav .tvx-e').count()} entries drawn: median ${median(modes).toFixed(1)} ms` +
      ` (max ${Math.max(...modes).toFixed(1)}, ${modes.length} switches)`);
    console.log(`  opening a submenu: ${layouts.length} layout(s); largest laid out ${worst ? `${worst.dirtyObjects} of ${worst.totalObjects} objects, partial: ${worst.partialLayout}` : 'none'}`);
    await p.close();
  }
} finally {
  await browser.close();
  fs.rmSync(tmp, { recursive: true, force: true });
}
