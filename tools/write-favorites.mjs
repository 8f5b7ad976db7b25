// Writes data/favorites.dat from tools/favorites.json: a 32-bit little-endian count, then
// one 976-byte record per style (short strings are a length byte and the characters,
// Windows-1252, zero-filled; integers 32-bit little-endian on 4-byte boundaries).
// Refuses names with "-" (the program drops them on loading) or that make no script
// identifier once their spaces are gone (the menu script's name for the style), colour pairs whose
// contrast is below 4.5:1 and text outside 14..16 px, so every shipped style stays readable.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
export const RECORD_SIZE = 976;
// Field, offset, kind: a string of capacity n, or an integer.
export const LAYOUT = [
  ['Name', 0, 255], ['MouseOffFont', 256, 6], ['MouseOffBackground', 263, 6], ['MouseOnFont', 270, 6],
  ['MouseOnBackground', 277, 6], ['MenuBorderColor', 284, 6], ['FontSize', 292, 'int'], ['FontStyle', 296, 15],
  ['FontWeight', 312, 15], ['FontName', 328, 50], ['MenuItemPadding', 380, 'int'], ['SubMenuImage', 384, 255],
  ['BorderSeparatorbar', 640, 50], ['HighColor', 691, 6], ['LowColor', 698, 6], ['TopBarImage', 705, 255],
  ['MenuHeaderFontColor', 961, 6], ['MenuHeaderBackground', 968, 6],
];

function luminance(hex) {
  const c = [0, 2, 4].map((i) => parseInt(hex.slice(i, i + 2), 16) / 255)
    .map((v) => (v <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4));
  return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
}

export function contrast(a, b) {
  const [x, y] = [luminance(a), luminance(b)].sort((p, q) => q - p);
  return (x + 0.05) / (y + 0.05);
}

export function check(style) {
  const problems = [];
  if (!style.Name || style.Name.includes('-')) problems.push('name empty or with "-"');
  // The menu script names the style's array after it, spaces removed.
  if (!/^[A-Za-z_$][A-Za-z0-9_$]*$/.test(style.Name.replace(/ /g, ''))) problems.push('name is no script identifier');
  const pairs = [['MouseOffFont', 'MouseOffBackground'], ['MouseOnFont', 'MouseOnBackground'], ['MenuHeaderFontColor', 'MenuHeaderBackground']];
  for (const [fg, bg] of pairs) {
    if (!style[fg] || !style[bg]) continue;
    const ratio = contrast(style[fg], style[bg]);
    if (ratio < 4.5) problems.push(`${fg}/${bg} contrast ${ratio.toFixed(2)}`);
  }
  // Text today's readers can read without zooming.
  if (!(style.FontSize >= 14 && style.FontSize <= 16)) problems.push(`font size ${style.FontSize} outside 14..16 px`);
  for (const [field, , kind] of LAYOUT) {
    const v = style[field] ?? (kind === 'int' ? 0 : '');
    if (kind !== 'int' && Buffer.from(String(v), 'latin1').length > kind) problems.push(`${field} longer than ${kind}`);
  }
  return problems;
}

export function record(style) {
  const buf = Buffer.alloc(RECORD_SIZE);
  for (const [field, offset, kind] of LAYOUT) {
    const v = style[field] ?? (kind === 'int' ? 0 : '');
    if (kind === 'int') buf.writeInt32LE(v, offset);
    else {
      const bytes = Buffer.from(String(v), 'latin1');
      buf[offset] = bytes.length;
      bytes.copy(buf, offset + 1);
    }
  }
  return buf;
}

export function loadStyles() {
  return JSON.parse(fs.readFileSync(path.join(repo, 'tools/favorites.json'), 'utf8'));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const styles = loadStyles();
  const bad = styles.flatMap((s) => check(s).map((p) => `${s.Name}: ${p}`));
  if (bad.length) {
    console.error(bad.join('\n'));
    process.exit(1);
  }
  const count = Buffer.alloc(4);
  count.writeInt32LE(styles.length, 0);
  const out = path.join(repo, 'data/favorites.dat');
  fs.writeFileSync(out, Buffer.concat([count, ...styles.map(record)]));
  console.log(`${out}: ${styles.length} styles, ${4 + RECORD_SIZE * styles.length} bytes`);
}
