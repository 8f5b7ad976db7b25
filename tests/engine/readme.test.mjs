// The README's page lines, pasted into a page as written, draw the sample menu: the module's over
// HTTP, the classic files' from a file as well.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';
import { pathToFileURL } from 'node:url';
import * as h from './helpers.mjs';

// Each fenced html block the README marks with <!-- page-lines: NAME -->, as its lines stand.
function readmeBlocks() {
  const text = fs.readFileSync(path.join(h.repo, 'README.md'), 'utf8');
  const blocks = {};
  for (const m of text.matchAll(/<!-- page-lines: ([\w-]+) -->\s*```html\n([\s\S]*?)\n\s*```/g)) {
    blocks[m[1]] = m[2].split('\n').map((line) => line.trim()).join('\n');
  }
  return blocks;
}

function pageWith(head, body) {
  return `<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8"><title>My site</title>\n${head}\n</head>\n` +
    `<body>\n<header><h1>My site</h1></header>\n${body}\n<main><p>Content.</p></main>\n</body></html>\n`;
}

let browser;
before(async () => { browser = await h.launch(); });
after(() => browser?.close());

describe('the README page lines', () => {
  const blocks = readmeBlocks();
  const sample = path.join(h.repo, 'data/samples/sample.xml');

  it('are all there: the module head lines, the mount point and the classic lines', () => {
    assert.deepEqual(Object.keys(blocks).sort(), ['classic', 'module-head', 'mount-point']);
    assert.match(blocks['module-head'], /<script type="module" src="tarvex-menu\.js"><\/script>/);
  });

  const cases = [
    { name: 'module', args: ['--module'], head: blocks['module-head'], http: true },
    { name: 'classic', args: [], head: blocks.classic, http: false },
  ];
  for (const c of cases) {
    it(`${c.name}: draw the sample menu in the mount point`, async () => {
      const folder = h.publishProject(sample, `readme-${c.name}`, ...c.args);
      fs.writeFileSync(path.join(folder, 'index.html'), pageWith(c.head, blocks['mount-point']));
      const server = c.http ? await h.serve(folder) : null;
      const context = await browser.newContext({ viewport: { width: 1280, height: 700 } });
      try {
        const url = server ? `${server.url}index.html` : pathToFileURL(path.join(folder, 'index.html')).href;
        const p = await h.open(context, url);
        await p.locator('#tarvex-menu .tvx-root .tvx-e').first().waitFor();
        // The menu stands in the page's flow, under the banner, not over it.
        const [menu, banner] = [await h.box(p, '#tarvex-menu .tvx-root'), await h.box(p, 'header')];
        assert.ok(menu.y >= banner.y + banner.height, `menu at ${menu.y}, banner ends at ${banner.y + banner.height}`);
        assert.deepEqual(p.errors, []);
        await h.shot(p, `readme ${c.name}`);
      } finally {
        await context.close();
        await server?.close();
      }
    });
  }
});
