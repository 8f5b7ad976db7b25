// The shipped engine: what engine/build.mjs makes of the readable sources, and small.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { gzipSync } from 'node:zlib';
import { describe, it } from 'node:test';
import { ENGINE_FILES, MODULES, cssText, minified, shippedDir } from '../../engine/build.mjs';

const gzip = (text) => gzipSync(text, { level: 9 }).length;

describe('shipped engine', () => {
  it('is the bundled sources, at most 12 KB gzip of script for both files and 3 KB of styles', async () => {
    const css = cssText();
    let script = 0;
    for (const name of ENGINE_FILES) {
      const shipped = fs.readFileSync(path.join(shippedDir, name), 'utf8');
      assert.equal(shipped, await minified(name), `${name} is older than engine/: build again`);
      // The style sheet travels inside one.js as one string; it is weighed on its own.
      const withoutCss = shipped.replace(css, '');
      assert.equal(withoutCss.length, shipped.length - (name === 'one.js' ? css.length : 0), name);
      script += gzip(withoutCss);
    }
    assert.ok(script <= 12 * 1024, `${script} bytes gzip of script`);
    assert.ok(gzip(css) <= 3 * 1024, `${gzip(css)} bytes gzip of styles`);
  });

  // The README's table is where a newcomer looks for the module to change.
  it('has every module it bundles named in the README', () => {
    const readme = fs.readFileSync(new URL('../../engine/README.md', import.meta.url), 'utf8');
    assert.deepEqual(MODULES.filter((name) => !readme.includes(`| \`${name}\` |`)), []);
  });
});
