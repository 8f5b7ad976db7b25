// Builds the shipped engine files (data/help/temp/one.js and main.js) from the readable ones
// beside this script, with the minifier pinned by tests/engine's lock file. Run by the build
// when node and the minifier are there; the engine tests check that the shipped files are what
// this script makes of the sources.
//
// one.js is bundled from the ES modules listed in MODULES: each module's imports are dropped
// and its exports made plain declarations, and the modules follow one another inside one
// function, so they share its scope exactly as they share bindings as modules. Two modules
// declaring the same top-level name, or a module assigning a binding it imports (which a real
// module may not do), stop the build. The style sheet (menu.css, imported as text) becomes a
// string constant. The module output (tarvex-menu.js) is one.js wrapped by the generator.
import fs from 'node:fs';
import path from 'node:path';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
const repo = path.resolve(here, '..');
const require = createRequire(path.join(repo, 'tests/engine/package.json'));

export const ENGINE_FILES = ['one.js', 'main.js'];
export const shippedDir = path.join(repo, 'data/help/temp');

// In the order their top-level statements run: browser built-ins first, the entry last.
export const MODULES = ['env.js', 'read.js', 'current.js', 'theme.js', 'icons.js', 'rich.js', 'panel.js', 'draw.js', 'place.js', 'small.js',
  'room.js', 'drawer.js', 'open.js', 'hover.js', 'keys.js', 'events.js', 'listen.js', 'index.js'];
export const STYLE_SHEET = 'menu.css';

const PREAMBLE = {
  'one.js': '/* Tarvex menu engine, file 1 of 2: pages load one.js, then menu.js, then main.js. */',
  'main.js': '/* Tarvex menu engine, file 2 of 2, loaded after menu.js. */',
};

const IMPORT = /^import\s+(?:\{([^}]*)\}|([A-Za-z_$][\w$]*))\s+from\s+'\.\/([\w.-]+)';[ \t]*$/gm;

// The style sheet without comments and line breaks; its rules hold no strings to protect.
export function cssText() {
  return fs.readFileSync(path.join(here, STYLE_SHEET), 'utf8')
    .replace(/\/\*[\s\S]*?\*\//g, '')
    .replace(/\s*\n\s*/g, ' ')
    .replace(/\s*([{};])\s*/g, '$1')
    .trim();
}

function declared(source) {
  return [...source.matchAll(/^(?:export\s+)?(?:function|var|let|const)\s+([A-Za-z_$][\w$]*)/gm)].map((m) => m[1]);
}

// One module as a part of the bundle's single scope.
function unwrapped(name, owners) {
  const source = fs.readFileSync(path.join(here, name), 'utf8');
  const body = source.replace(IMPORT, (whole, names, single, from) => {
    if (from === STYLE_SHEET) return `var ${single} = ${JSON.stringify(cssText())};`;
    for (const id of (names || '').split(',').map((s) => s.trim()).filter(Boolean)) {
      if (owners.get(id) !== from) throw new Error(`${name}: ${id} is not declared in ${from}`);
      const assigned = new RegExp(`(^|[^\\w$.])${id.replace(/\$/g, '\\$')}\\s*(=(?!=)|\\+\\+|--|[-+*/|&]=)`, 'm');
      if (assigned.test(source.replace(/^\s*(var|let|const)\s.*$/gm, ''))) {
        throw new Error(`${name} assigns ${id}, which belongs to ${from}`);
      }
    }
    return '';
  });
  return `// ${name}\n` + body.replace(/^export\s+(function|var|let|const)\b/gm, '$1');
}

export function bundle() {
  const owners = new Map();
  for (const name of MODULES) {
    for (const id of declared(fs.readFileSync(path.join(here, name), 'utf8'))) {
      if (owners.has(id)) throw new Error(`${id} is declared in both ${owners.get(id)} and ${name}`);
      owners.set(id, name);
    }
  }
  const parts = MODULES.map((name) => unwrapped(name, owners));
  return `(function (host) {\n'use strict';\n${parts.join('\n')}\nstart(host);\n})(this);\n`;
}

// The shipped text of one engine file: minified, pure ASCII, and safe inside an inline script
// block (no "</script", "<!--" or "<script": the build stops on one rather than ship it).
export async function minified(name) {
  const { minify } = require('terser');
  const source = name === 'one.js' ? bundle() : fs.readFileSync(path.join(here, name), 'utf8');
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
