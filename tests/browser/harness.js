// What every browser test stands on: a `simhost serve` of its own in a fresh folder, and
// a headless Chromium from Debian (puppeteer-core downloads none) with the studio's page
// open and ready. Nothing here waits for the network to go idle: the event stream never
// does. Tests wait on what the page says it has applied.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { copyFile, mkdir, mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

export const repo = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const simhostPath = path.resolve(repo, process.env.SIMHOST ?? 'build/dev/bin/simhost');
const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';

// A studio in a folder of its own: `work` is where it starts (head.obj is there), `out`
// its output folder inside it, so that uploads are named from `work` as its log replays. `stop()` ends it with Ctrl-C, as a person would, and gives its
// exit status and what it printed.
export async function startStudio({ args = [] } = {}) {
  const dir = await mkdtemp(path.join(tmpdir(), 'studio-test-'));
  const work = path.join(dir, 'work');
  const out = path.join(work, 'out');
  await mkdir(work);
  await copyFile(path.join(repo, 'examples/head.obj'), path.join(work, 'head.obj'));
  const child = spawn(simhostPath, ['--settings', path.join(dir, 'settings.xml'), '--out', out, 'serve', '--port', '0', ...args],
    { cwd: work, stdio: ['ignore', 'pipe', 'pipe'] });
  let stdout = '';
  let stderr = '';
  child.stdout.on('data', (chunk) => { stdout += chunk; });
  child.stderr.on('data', (chunk) => { stderr += chunk; });
  const exited = new Promise((resolve) => child.on('exit', (code, signal) => resolve({ code, signal })));
  const url = await new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error(`simhost serve printed no address in 20 s:\n${stdout}\n${stderr}`)), 20000);
    const look = () => {
      const found = stdout.match(/simhost: the studio is at (http:\/\/\S+)/);
      if (found) {
        clearTimeout(timer);
        resolve(found[1]);
      }
    };
    child.stdout.on('data', look);
    exited.then(({ code }) => reject(new Error(`simhost serve ended (${code}) before serving:\n${stdout}\n${stderr}`)));
  });
  const address = new URL(url);
  return {
    url, dir, work, out,
    origin: address.origin,
    host: address.host,
    token: address.searchParams.get('token'),
    async stop() {
      if (child.exitCode === null && child.signalCode === null) child.kill('SIGINT');
      const timer = setTimeout(() => child.kill('SIGKILL'), 15000);
      const { code, signal } = await exited;
      clearTimeout(timer);
      return { code, signal, stdout, stderr };
    },
    async remove() {
      await rm(dir, { recursive: true, force: true });
    },
  };
}

// The network is closed here: Chromium is told to fetch nothing of its own.
export async function launchBrowser() {
  const profile = await mkdtemp(path.join(tmpdir(), 'studio-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    userDataDir: profile,
    args: ['--headless=new', '--no-sandbox', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
      '--disable-background-networking', '--disable-component-update', '--disable-sync', '--no-first-run',
      '--disable-quic', '--window-size=1400,860'],
  });
  return {
    browser,
    async close() {
      await browser.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}

// Opens the studio's page and waits until it holds the state and the mesh and listens
// to the event stream. What the page logs as an error or throws is kept in `problems`.
export async function openStudio(browser, studio) {
  const page = await browser.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(`page error: ${error.message}`));
  page.on('console', (message) => {
    // The browser notes every refused request; the page shows a refused line (400) or a
    // question already over (409) itself.
    if (/^Failed to load resource: the server responded with a status of 40[09]/.test(message.text())) return;
    if (message.type() === 'error' || message.type() === 'warn') problems.push(`console ${message.type()}: ${message.text()}`);
  });
  await page.setViewport({ width: 1400, height: 860 });
  await page.goto(studio.url, { waitUntil: 'domcontentloaded' });
  await page.waitForFunction(() => window.studioReady === true && document.body.dataset.ready === '1', { timeout: 20000 });
  return { page, problems };
}

// Types a line into the page's command line and waits until the server answered it and
// the page applied what it changed.
export async function runLine(page, line) {
  const before = await page.evaluate(() => window.studio.applied);
  await page.$eval('#command-line', (input, text) => {
    input.value = text;
    input.form.requestSubmit();
  }, line);
  await settled(page, before);
}

// Waits until no command is on its way and the page applied an event after `before`;
// a line that changes nothing (refused) gets no event, so its answer is enough.
export async function settled(page, before) {
  // Polled on a timer, not on frames: a software renderer may take a while to draw one.
  await page.waitForFunction((mark) => window.studio.pending === 0
    && (window.studio.applied > mark || document.querySelector('#command-errors').children.length > 0),
  { timeout: 60000, polling: 50 }, before);
}

// Sends a request as a page elsewhere, or a program, might.
export async function api(studio, method, apiPath, { body, token = studio.token, headers = {} } = {}) {
  const response = await fetch(`${studio.origin}${apiPath}`, {
    method,
    headers: { ...(token ? { 'X-Simhost-Token': token } : {}), ...headers },
    body,
  });
  const text = await response.text();
  let json = null;
  try {
    json = JSON.parse(text);
  } catch {
    // Not every answer is JSON: the log is text.
  }
  return { status: response.status, text, json };
}

// A picture of the page for the README: in build/browser/NAME, and with
// STELMARIN_UPDATE_SCREENSHOT=1 in docs/NAME too, where the README shows it.
export async function screenshot(page, name) {
  const shots = path.join(repo, 'build/browser');
  await mkdir(shots, { recursive: true });
  await page.screenshot({ path: path.join(shots, name) });
  if (process.env.STELMARIN_UPDATE_SCREENSHOT === '1') await copyFile(path.join(shots, name), path.join(repo, 'docs', name));
}

// A studio and its page for one test, both gone at its end; the page must have logged
// no error and the server must stop cleanly.
export async function studioSession(browser, t, options) {
  const studio = await startStudio(options);
  const { page, problems } = await openStudio(browser, studio);
  t.after(async () => {
    await page.close();
    const end = await studio.stop();
    await studio.remove();
    assert.equal(end.code, 0, `simhost serve ended with ${end.code}:\n${end.stderr}`);
  });
  return { studio, page, problems };
}
