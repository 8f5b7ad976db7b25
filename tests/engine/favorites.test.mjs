// The shipped favourites: favorites.dat must be what tools/write-favorites.mjs makes of
// tools/favorites.json, and every favourite needs its picture for the insert dialog.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { describe, it } from 'node:test';
import { check, loadStyles, record, RECORD_SIZE } from '../../tools/write-favorites.mjs';
import { repo } from './helpers.mjs';

const dat = fs.readFileSync(path.join(repo, 'data/favorites.dat'));
const styles = loadStyles();

describe('shipped favourites', () => {
  it('favorites.dat holds the count and one 976-byte record per listed style', () => {
    assert.ok(styles.length >= 6 && styles.length <= 8);
    assert.equal(dat.readInt32LE(0), styles.length);
    assert.equal(dat.length, 4 + RECORD_SIZE * styles.length);
    styles.forEach((s, i) => assert.ok(record(s).equals(dat.subarray(4 + i * RECORD_SIZE, 4 + (i + 1) * RECORD_SIZE)), s.Name));
  });

  it('reads the fields back from their offsets', () => {
    const second = dat.subarray(4 + RECORD_SIZE, 4 + 2 * RECORD_SIZE);
    const str = (off) => second.subarray(off + 1, off + 1 + second[off]).toString('latin1');
    assert.equal(str(0), styles[1].Name);
    assert.equal(str(277), styles[1].MouseOnBackground);
    assert.equal(second.readInt32LE(292), styles[1].FontSize);
    assert.equal(str(328), styles[1].FontName);
    assert.equal(second.readInt32LE(380), styles[1].MenuItemPadding);
    assert.equal(str(968), styles[1].MenuHeaderBackground);
  });

  it('every style is readable and named without "-"; New starts flat, a classic grey 3D one comes later', () => {
    for (const s of styles) assert.deepEqual(check(s), [], s.Name);
    assert.deepEqual(new Set(styles.map((s) => s.Name)).size, styles.length);
    assert.equal(styles[0].BorderSeparatorbar, '');
    assert.ok(styles.slice(1).some((s) => s.BorderSeparatorbar === 'Yes' && /grey/i.test(s.Name)));
  });

  it('has a 24-bit picture of at most 241 x 209 pixels for each favourite', () => {
    for (const s of styles) {
      const bmp = fs.readFileSync(path.join(repo, 'data/Favorites', `${s.Name}.bmp`));
      assert.equal(bmp.toString('latin1', 0, 2), 'BM', s.Name);
      const [w, h, bits] = [bmp.readInt32LE(18), Math.abs(bmp.readInt32LE(22)), bmp.readUInt16LE(28)];
      assert.ok(w <= 241 && h <= 209 && w > 100 && h > 100, `${s.Name}: ${w} x ${h}`);
      assert.equal(bits, 24, s.Name);
    }
  });
});
