// The shipped engine: what engine/build.mjs makes of the readable sources, and small.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { gzipSync } from 'node:zlib';
import { describe, it } from 'node:test';
import { ENGINE_FILES, minified, shippedDir } from '../../engine/build.mjs';

describe('shipped engine', () => {
  it('is the minified sources, at most 10 KB gzip for both files', async () => {
    let gzip = 0;
    for (const name of ENGINE_FILES) {
      const shipped = fs.readFileSync(path.join(shippedDir, name), 'utf8');
      assert.equal(shipped, await minified(name), `${name} is older than engine/${name}: build again`);
      gzip += gzipSync(shipped, { level: 9 }).length;
    }
    assert.ok(gzip <= 10 * 1024, `${gzip} bytes gzip`);
  });
});
