// Renders data/Favorites/<name>.bmp for every style of tools/favorites.json with our own
// generator and engine: each style goes into a small project, tarvex-cli publishes it,
// headless Chromium (Debian's, through tests/engine's playwright-core) shows the menu
// with a submenu open, and ImageMagick scales the screenshot down to a 24-bit 241 x 209 BMP
// (today's type and rows would not leave room for a submenu at full size).
// Usage: node tools/render-favorites.mjs   (TARVEX_CLI may name the tarvex-cli to use)
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { loadStyles, LAYOUT } from './write-favorites.mjs';

const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const { chromium } = createRequire(path.join(repo, 'tests/engine/package.json'))('playwright-core');
const WIDTH = 241;
const HEIGHT = 209;
const SCALE = 1.5;

function findCli() {
  if (process.env.TARVEX_CLI) return process.env.TARVEX_CLI;
  const root = path.join(repo, 'build');
  const found = (fs.existsSync(root) ? fs.readdirSync(root) : []).map((d) => path.join(root, d, 'bin/tarvex-cli')).filter((p) => fs.existsSync(p));
  if (!found.length) throw new Error('tarvex-cli not found: build it or set TARVEX_CLI');
  return found.sort((a, b) => fs.statSync(b).mtimeMs - fs.statSync(a).mtimeMs)[0];
}

function options(left, top, orientation, width) {
  return ['', '<MENU_OPTIONS>', '<RemainVisible>100</RemainVisible>', `<MenuLeft>${left}</MenuLeft>`, `<MenuTop>${top}</MenuTop>`,
    `<MenuWidth>${width}</MenuWidth>`, '<MenuBorder>1</MenuBorder>', '<ScreenPosition></ScreenPosition>', '<MenuStyle>Favourite</MenuStyle>',
    '<TextAlignment>left</TextAlignment>', `<Orientation>${orientation}</Orientation>`, '<ImagePosition></ImagePosition>',
    '<MenuOpening>on mouse over</MenuOpening>', '</MENU_OPTIONS>'];
}
const entry = (tag, caption, address) => ['', `<${tag}>`, `<Caption>${caption}</Caption>`, '<Image></Image>', `<Address>${address}</Address>`, '<Target></Target>'];

// A main bar of two entries; the second one's submenu holds a link, a nested group,
// a header and another link.
function project(style) {
  const lines = ['<?xml version="1.0" encoding="iso-8859-1"?>', '<PROJECT>', '<MENU>', ...options(12, 12, 'Horizontal', 150),
    ...entry('MENU_ITEM', 'Home', 'index.htm'), '</MENU_ITEM>',
    ...entry('MENU_GROUP', 'Products', 'products.htm'), ...options(163, 33, 'Vertical', 170),
    ...entry('MENU_ITEM', 'Overview', 'overview.htm'), '</MENU_ITEM>',
    ...entry('MENU_GROUP', 'Downloads', ''), ...options(334, 51, 'Vertical', 170),
    ...entry('MENU_ITEM', 'Latest', 'latest.htm'), '</MENU_ITEM>', '</MENU_GROUP>',
    ...entry('MENU_ITEM', 'Support', ''), '</MENU_ITEM>',
    ...entry('MENU_ITEM', 'Contact us', 'contact.htm'), '</MENU_ITEM>',
    '</MENU_GROUP>', '</MENU>', '<STYLES>', '<STYLE>', '<Name>Favourite</Name>',
    ...LAYOUT.filter(([f]) => f !== 'Name').map(([f]) => `<${f}>${style[f] ?? ''}</${f}>`), '</STYLE>', '</STYLES>', '</PROJECT>'];
  return lines.join('\r\n') + '\r\n';
}

const PAGE = `<!DOCTYPE html><html><head><meta charset="windows-1252"><style>
  html { background: #f3f5f8; } body { margin: 0; }
  .line { position: absolute; left: 12px; height: 8px; border-radius: 4px; background: #dde2e8; }
</style></head><body>
${[236, 256, 276, 296].map((y, i) => `<div class="line" style="top:${y}px;width:${[300, 250, 280, 180][i]}px"></div>`).join('')}
<SCRIPT language=JavaScript src="one.js"></SCRIPT>
<SCRIPT language=JavaScript src="menu.js"></SCRIPT>
<SCRIPT language=JavaScript src="main.js"></SCRIPT>
</body></html>`;

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvex-favorites-'));
const outDir = path.join(repo, 'data/Favorites');
fs.mkdirSync(outDir, { recursive: true });
const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run'],
});
try {
  const context = await browser.newContext({
    viewport: { width: Math.round(WIDTH * SCALE), height: Math.round(HEIGHT * SCALE) }, reducedMotion: 'reduce',
  });
  for (const style of loadStyles()) {
    const dir = path.join(work, style.Name.replace(/ /g, '_'));
    fs.mkdirSync(dir);
    fs.writeFileSync(path.join(dir, 'style.xml'), Buffer.from(project(style), 'latin1'));
    execFileSync(findCli(), ['build', path.join(dir, 'style.xml'), '-o', dir], { stdio: 'pipe' });
    for (const f of ['one.js', 'main.js']) fs.copyFileSync(path.join(repo, 'data/help/temp', f), path.join(dir, f));
    fs.writeFileSync(path.join(dir, 'page.htm'), PAGE);
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(String(e)));
    await page.goto(pathToFileURL(path.join(dir, 'page.htm')).href);
    await page.hover('.tvx-ms [aria-expanded]');
    await page.hover('.tvx-sub .tvx-i[href="overview.htm"]');
    const png = path.join(dir, 'preview.png');
    await page.screenshot({ path: png });
    if (errors.length) throw new Error(`${style.Name}: ${errors.join('; ')}`);
    await page.close();
    const bmp = path.join(outDir, `${style.Name}.bmp`);
    execFileSync('convert', [png, '-alpha', 'off', '-filter', 'Lanczos', '-resize', `${WIDTH}x${HEIGHT}!`, '-type', 'TrueColor', `BMP3:${bmp}`]);
    if (process.env.KEEP_PNG) fs.copyFileSync(png, path.join(process.env.KEEP_PNG, `${style.Name}.png`));
    console.log(`${bmp}`);
  }
} finally {
  await browser.close();
  fs.rmSync(work, { recursive: true, force: true });
}
