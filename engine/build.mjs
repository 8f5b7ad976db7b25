// Builds the shipped engine files (data/help/temp/one.js and main.js) from the readable ones
// beside this script, with the minifier pinned by tests/engine's lock file. Run by the build
// when node and the minifier are there; the engine tests check that the shipped files are what
// this script makes of the sources.
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const repo = path.resolve(here, '..');
const require = createRequire(path.join(repo, 'tests/engine/package.json'));

export const ENGINE_FILES = ['one.js', 'main.js'];
export const shippedDir = path.join(repo, 'data/help/temp');

const PREAMBLE = {
  'one.js': '/* Tarvex menu engine, file 1 of 2: pages load one.js, then menu.js, then main.js. */',
  'main.js': '/* Tarvex menu engine, file 2 of 2, loaded after menu.js. */',
};

// The shipped text of one engine file: minified, pure ASCII, and safe inside an inline script
// block (no "</script", "<!--" or "<script": the build stops on one rather than ship it).
export async function minified(name) {
  const { minify } = require('terser');
  const source = fs.readFileSync(path.join(here, name), 'utf8');
  const result = await minify(source, {
    ecma: 5,
    compress: { passes: 2 },
    mangle: true,
    format: { ascii_only: true, inline_script: true, comments: false, preamble: PREAMBLE[name] },
  });
  if (/<!--|<script|<\/script/i.test(result.code)) throw new Error(`${name} would break an inline script block`);
  return result.code + '\n';
}

if (process.argv[1] && path.resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const out = process.argv[2] ? path.resolve(process.argv[2]) : shippedDir;
  fs.mkdirSync(out, { recursive: true });
  for (const name of ENGINE_FILES) {
    fs.writeFileSync(path.join(out, name), await minified(name));
  }
}
