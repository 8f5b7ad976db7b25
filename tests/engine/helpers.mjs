// Shared set-up of the engine tests: menu scripts come from tarvex-cli, pages are opened
// from file:// URLs in Debian's Chromium, one browser per test file.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const here = path.dirname(fileURLToPath(import.meta.url));
export const repo = path.resolve(here, '../..');
// TARVEX_ENGINE_DIR runs the pages with another build of the engine (bench.mjs compares two).
export const engineDir = process.env.TARVEX_ENGINE_DIR || path.join(repo, 'data/help/temp');
export const projectDir = path.join(repo, 'tests/data/engine');
export const artifactDir = path.join(here, 'artifacts');

const CHROMIUM_ARGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--no-first-run'];

export function findCli() {
  if (process.env.TARVEX_CLI) return process.env.TARVEX_CLI;
  const buildRoot = path.join(repo, 'build');
  const found = fs.existsSync(buildRoot)
    ? fs.readdirSync(buildRoot).map((d) => path.join(buildRoot, d, 'bin/tarvex-cli')).filter((p) => fs.existsSync(p))
    : [];
  if (!found.length) throw new Error('tarvex-cli not found: build it or set TARVEX_CLI');
  found.sort((a, b) => fs.statSync(b).mtimeMs - fs.statSync(a).mtimeMs);
  return found[0];
}

let workRoot = null;
let cli = null;
// A copy of tarvex-cli in an application folder of its own whose help/temp holds the
// engine of the source tree: the tests judge the engine as committed, copied into each
// published folder by the program itself, whatever state the build's data copy is in.
function work() {
  if (workRoot) return workRoot;
  workRoot = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvex-engine-'));
  const app = path.join(workRoot, 'app');
  fs.mkdirSync(path.join(app, 'help/temp'), { recursive: true });
  cli = path.join(app, 'tarvex-cli');
  fs.copyFileSync(findCli(), cli);
  fs.chmodSync(cli, 0o755);
  for (const f of ['one.js', 'main.js']) fs.copyFileSync(path.join(engineDir, f), path.join(app, 'help/temp', f));
  process.on('exit', () => fs.rmSync(workRoot, { recursive: true, force: true }));
  return workRoot;
}

// Publishes a project from tests/data/engine with tarvex-cli into a folder of its own and
// returns that folder.
export function publish(project, folder = project) {
  const out = path.join(work(), folder);
  execFileSync(cli, ['build', path.join(projectDir, `${project}.xml`), '-o', out], { stdio: 'pipe' });
  // Small pages for the menus' links to land on.
  for (const name of ['index', 'products', 'documents', 'themes', 'forum', 'prices']) {
    fs.writeFileSync(path.join(out, `${name}.htm`), `<!DOCTYPE html><title>${name}</title><p>${name}</p>`);
  }
  return out;
}

// Writes a project's plain page of links (tarvex-cli html) into a published folder and returns
// its file:// URL.
export function linksPage(project, folder) {
  return linksPageOf(path.join(projectDir, `${project}.xml`), folder);
}

// The same for a project file of any folder (one written by publishEdited, say).
export function linksPageOf(source, folder) {
  work();
  const file = path.join(folder, 'links.htm');
  execFileSync(cli, ['html', source, '-o', file], { stdio: 'pipe' });
  return pathToFileURL(file).href;
}

// Publishes a project of tests/data/engine with its first style's values replaced by those
// of a favourite of tools/favorites.json (its name kept, so the menus still find it).
export function publishStyled(project, style, folder) {
  return publishEdited(project, folder, withStyle(style));
}

// An edit for publishEdited and checkEdited: the first style's values become those of `style`.
export function withStyle(style) {
  return (xml) => xml.replace(/<STYLE>([\s\S]*?)<\/STYLE>/, (whole, body) => {
    const fields = Object.entries(style).filter(([k]) => k !== 'Name').map(([k, v]) => `<${k}>${v}</${k}>`);
    return ['<STYLE>', body.match(/<Name>.*<\/Name>/)[0], ...fields, '</STYLE>'].join('\r\n');
  });
}

// What tarvex-cli check --format json says of a project of tests/data/engine after `edit` has
// rewritten its text; a design with errors (exit status 1) is an answer too.
export function checkEdited(project, folder, edit) {
  const xml = edit(fs.readFileSync(path.join(projectDir, `${project}.xml`), 'latin1'));
  const source = path.join(work(), `${folder}-check.xml`);
  fs.writeFileSync(source, Buffer.from(xml, 'latin1'));
  try {
    return JSON.parse(execFileSync(cli, ['check', source, '--format', 'json'], { stdio: 'pipe' }).toString());
  } catch (error) {
    if (error.status === 1 && error.stdout?.length) return JSON.parse(error.stdout.toString());
    throw error;
  }
}

// Publishes a project of tests/data/engine after `edit` has rewritten its text; extra
// arguments go to tarvex-cli build.
export function publishEdited(project, folder, edit, ...args) {
  const xml = edit(fs.readFileSync(path.join(projectDir, `${project}.xml`), 'latin1'));
  const source = path.join(work(), `${folder}.xml`);
  fs.writeFileSync(source, Buffer.from(xml, 'latin1'));
  const out = path.join(work(), folder);
  execFileSync(cli, ['build', source, '-o', out, ...args], { stdio: 'pipe' });
  return out;
}

// Publishes a project file of any folder into a folder of its own; extra arguments go to
// tarvex-cli build (--module for the module output).
export function publishProject(file, folder, ...args) {
  work();
  const out = path.join(workRoot, folder);
  execFileSync(cli, ['build', file, '-o', out, ...args], { stdio: 'pipe' });
  return out;
}

// Writes a file beside the edited projects of publishEdited (an icon file, say).
export function besideProjects(name, text) {
  fs.writeFileSync(path.join(work(), name), text);
}

// Publishes a project of tests/data/engine as the module output (tarvex-menu.js and .css).
export function publishModule(project, folder) {
  work();
  const out = path.join(workRoot, folder);
  execFileSync(cli, ['build', path.join(projectDir, `${project}.xml`), '-o', out, '--module'], { stdio: 'pipe' });
  return out;
}

const TYPES = { '.htm': 'text/html', '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css' };

// Serves a folder over local HTTP (modules do not load from file:// URLs), every answer with
// `headers`, scripts `scriptDelay` ms late as over a slow network; resolves to { url, close }.
export function serve(folder, headers = {}, scriptDelay = 0) {
  const server = http.createServer((req, res) => {
    const name = path.join(folder, path.normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname)));
    if (req.url === '/favicon.ico') {
      res.writeHead(204, headers).end();
      return;
    }
    if (!name.startsWith(folder) || !fs.existsSync(name) || !fs.statSync(name).isFile()) {
      res.writeHead(404, headers).end();
      return;
    }
    const send = () => {
      res.writeHead(200, { 'Content-Type': TYPES[path.extname(name)] || 'application/octet-stream', ...headers });
      fs.createReadStream(name).pipe(res);
    };
    if (path.extname(name) === '.js' && scriptDelay) setTimeout(send, scriptDelay);
    else send();
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve({
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((done) => server.close(done)),
  })));
}

export const SCRIPT_LINES = ['one.js', 'menu.js', 'main.js']
  .map((f) => `<SCRIPT language=JavaScript src="${f}"></SCRIPT>`).join('\r\n');

// Writes a page into a published folder and returns its file:// URL.
export function page(folder, name, html) {
  const file = path.join(folder, name);
  fs.writeFileSync(file, Buffer.from(html, 'latin1'));
  return pathToFileURL(file).href;
}

export function defaultPage(folder) {
  const file = path.join(folder, 'default.htm');
  fs.copyFileSync(path.join(engineDir, 'default.htm'), file);
  return pathToFileURL(file).href;
}

// A bare page: the body holds only the engine, so coordinates are easy to check.
export function plainPage(folder, { head = '', body = '', attrs = '' } = {}) {
  return page(folder, 'plain.htm', `<!DOCTYPE html>\r\n<html${attrs}><head><meta charset="windows-1252">${head}</head>` +
    `<body style="margin:0">${body}\r\n${SCRIPT_LINES}\r\n</body></html>\r\n`);
}

export async function launch() {
  return chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: CHROMIUM_ARGS });
}

// Opens a page that records every console error and uncaught exception.
export async function open(context, url) {
  const p = await context.newPage();
  p.setDefaultTimeout(5000);
  p.errors = [];
  p.on('console', (m) => { if (m.type() === 'error') p.errors.push(m.text()); });
  p.on('pageerror', (e) => p.errors.push(String(e)));
  await p.goto(url);
  return p;
}

export async function shot(p, name) {
  fs.mkdirSync(artifactDir, { recursive: true });
  await p.screenshot({ path: path.join(artifactDir, `${name}.png`) });
}

// Bounding box of the element (viewport coordinates, rounded).
export async function box(p, selector) {
  const b = await p.locator(selector).first().boundingBox();
  return b && { x: Math.round(b.x), y: Math.round(b.y), width: Math.round(b.width), height: Math.round(b.height) };
}

// The menu box (div.tvx-m) whose first entry has this caption.
export function menuOf(caption) {
  return `.tvx-m:has(> .tvx-l > .tvx-e:first-child > .tvx-i > .tvx-c:text-is("${caption}"))`;
}

export function entry(caption) {
  return `.tvx-i:has(> .tvx-c:text-is("${caption}"))`;
}

export const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

let axeSource;

// The ids of what axe-core finds wrong in the drawn menu. Run as the test's own evaluation, so a
// page's strict policy does not refuse it.
export async function menuAxeViolations(p) {
  axeSource ??= fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
  return p.evaluate(async (src) => { eval(src); return (await axe.run(document.querySelector('.tvx-nav'))).violations.map((v) => v.id); }, axeSource);
}
