// Lists every name a browser defines in a page's global scope: the own properties of
// window and of every object on its prototype chain, as headless Chromium (Debian's,
// through tests/engine's playwright-core) sees them on a blank page. The generator
// keeps style variables clear of these names; re-run after a browser upgrade and commit
// the result.
// Usage: node tools/browser-globals.mjs > src/script/BrowserGlobals.txt
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const { chromium } = createRequire(path.join(repo, 'tests/engine/package.json'))('playwright-core');

const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run'],
});
try {
  const page = await browser.newPage();
  await page.setContent('<!DOCTYPE html><title>globals</title>');
  const names = await page.evaluate(() => {
    const seen = new Set();
    for (let o = window; o; o = Object.getPrototypeOf(o)) {
      for (const n of Object.getOwnPropertyNames(o)) seen.add(n);
    }
    return [...seen];
  });
  const version = browser.version();
  // Other engines' window objects add a few names of their own that a page there would lose.
  names.push('content', 'dump', 'fullScreen', 'InstallTrigger', 'mozInnerScreenX', 'mozInnerScreenY',
    'netscape', 'scrollMaxX', 'scrollMaxY', 'sidebar', 'sizeToContent', 'updateCommands');
  const sorted = [...new Set(names)].filter((n) => /^[A-Za-z_$][A-Za-z0-9_$]*$/.test(n)).sort();
  process.stdout.write(`# Global names of a blank page in Chromium ${version}, from tools/browser-globals.mjs\n`);
  process.stdout.write(sorted.join('\n') + '\n');
} finally {
  await browser.close();
}
