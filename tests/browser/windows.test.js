// The studio served by the 32-bit Windows simhost.exe under Wine, with the DLL a modeller
// installs: the page answers the plug-in's questions and works its fix-mode dialog there
// as it does against the Linux module. Wine may run only in the project's virtual
// machine, which takes minutes to start, so this runs when asked:
//   STELMARIN_WINDOWS_STUDIO=1            starts `scripts/studio --windows` itself
//   STELMARIN_WINDOWS_STUDIO_URL=ADDRESS  drives a studio already served so (scripts/test
//                                         serves one from the machine that ran the
//                                         Windows suite), which must have started in the
//                                         project's folder with nothing loaded
// Otherwise it skips, saying so.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { mkdir, rm } from 'node:fs/promises';
import net from 'node:net';
import path from 'node:path';
import { test } from 'node:test';
import { launchBrowser, openStudio, repo, runLine, settled } from './harness.js';

const given = process.env.STELMARIN_WINDOWS_STUDIO_URL;
const asked = given || process.env.STELMARIN_WINDOWS_STUDIO === '1';

// A port of this machine that nothing listens on now.
const freePort = () => new Promise((resolve, reject) => {
  const probe = net.createServer();
  probe.once('error', reject);
  probe.listen(0, '127.0.0.1', () => {
    const { port } = probe.address();
    probe.close(() => resolve(port));
  });
});

// `scripts/studio --windows`, its output passed on as it comes (the person running the
// test sees Wine start), until it prints the page's address. Stopped as a person stops it:
// Ctrl-C at its terminal, which the virtual machine takes as a byte on its console and
// Wine run here as an interrupt.
async function startWindowsStudio(folder) {
  const port = await freePort();
  const child = spawn(path.join(repo, 'scripts/studio'),
    ['--windows', '--port', String(port), '--settings', path.join(folder, 'settings.xml'), '--out', path.join(folder, 'out')],
    { cwd: repo, stdio: ['pipe', 'pipe', 'pipe'], detached: true });
  let printed = '';
  const take = (chunk) => {
    printed += chunk;
    process.stderr.write(chunk);
  };
  child.stdout.on('data', take);
  child.stderr.on('data', take);
  const exited = new Promise((resolve) => child.on('exit', (code, signal) => resolve({ code, signal })));
  const url = await new Promise((resolve, reject) => {
    // Building, installing, booting the machine and making a Wine prefix under emulation:
    // two to five minutes on a quiet machine, over a quarter of an hour on a busy one.
    const timer = setTimeout(() => {
      process.kill(-child.pid, 'SIGKILL');
      reject(new Error(`scripts/studio --windows printed no address in 30 minutes:\n${printed}`));
    }, 30 * 60000);
    child.stdout.on('data', () => {
      const found = printed.match(/simhost: the studio is at (http:\/\/\S+)/);
      if (found) {
        clearTimeout(timer);
        resolve(found[1]);
      }
    });
    exited.then(({ code }) => {
      clearTimeout(timer);
      reject(new Error(`scripts/studio --windows ended (${code}) before serving:\n${printed}`));
    });
  });
  return {
    url,
    // Stopped as a person would: Ctrl-C, and a second one a minute later if need be, which
    // ends it at once; the last resort, three minutes on, kills it and the machine.
    async stop() {
      const inMachine = /Wine runs in a virtual machine/.test(printed);
      const interrupt = () => (inMachine ? child.stdin.write('\x03') : process.kill(-child.pid, 'SIGINT'));
      interrupt();
      const again = setTimeout(interrupt, 60000);
      const timer = setTimeout(() => process.kill(-child.pid, 'SIGKILL'), 3 * 60000);
      const end = await exited;
      clearTimeout(again);
      clearTimeout(timer);
      return { ...end, printed };
    },
  };
}

test('the Windows DLL under Wine: its questions answered and its fix-mode dialog worked at the page', {
  timeout: 40 * 60000,
}, async (t) => {
  if (!asked) {
    t.skip('the studio of the 32-bit Windows build runs only when asked: STELMARIN_WINDOWS_STUDIO=1 '
      + '(it starts Wine, in a virtual machine where this kernel runs no 32-bit programs: minutes); '
      + 'scripts/test asks, after the Windows suite');
    return;
  }
  // The machine sees this machine's files read-only, and the project's folder writable:
  // what the studio writes goes inside it. A studio already serving owns its folder,
  // with the log its caller reads once it stops.
  const folder = path.join(repo, 'build/browser/windows-studio');
  if (!given) {
    await rm(folder, { recursive: true, force: true });
    await mkdir(folder, { recursive: true });
  }
  const served = given ? { url: given } : await startWindowsStudio(folder);
  const chromium = await launchBrowser();
  t.after(() => chromium.close());
  const { page, problems } = await openStudio(chromium.browser, { url: served.url });

  const waitFor = (fn, ...args) => page.waitForFunction(fn, { timeout: 60000, polling: 100 }, ...args);
  const pins = (label) => page.$eval(`#slot-${label}`, (row) => ({ ...row.dataset }));
  const question = async () => {
    await page.waitForSelector('#question:not([hidden])', { timeout: 60000 });
    return page.$eval('#question-message', (e) => e.textContent);
  };
  const clickSlot = async (label, { keys = [], button = 'left', answer } = {}) => {
    const before = await page.evaluate(() => window.studio.applied);
    for (const key of keys) await page.keyboard.down(key);
    await page.click(`#slot-button-${label}`, { button });
    for (const key of keys) await page.keyboard.up(key);
    if (answer) await answer();
    await settled(page, before);
  };

  await runLine(page, 'init');
  await runLine(page, 'activate');
  await page.waitForSelector('.plugin-window #slot-button-1', { timeout: 60000 });
  await runLine(page, 'load examples/head.obj');
  await runLine(page, 'select 0-2');
  await clickSlot('1', { keys: ['Control'] });
  await waitFor(() => document.querySelector('#slot-1')?.dataset.pins === '3');

  await runLine(page, 'select 9 10');
  await clickSlot('1', {
    keys: ['Control'],
    answer: async () => {
      assert.equal(await question(), 'Overwrite?');
      await page.click('#question-ok');
    },
  });
  await waitFor(() => document.querySelector('#slot-1')?.dataset.pins === '5');

  await clickSlot('1', {
    button: 'right',
    answer: async () => {
      await page.waitForSelector('#fix-dialog:not([hidden]) #fix-toggle-Z', { timeout: 60000 });
      assert.equal(await page.$eval('#fix-dialog-title', (e) => e.textContent), 'SetFixMode');
      await page.click('#fix-toggle-Z');
      await waitFor(() => document.querySelector('#fix-toggle-Z')?.getAttribute('aria-pressed') === 'true');
      await page.keyboard.press('Escape');
    },
  });
  assert.deepEqual(await pins('1'), { armed: 'true', pins: '5', axes: 'XY' });

  await clickSlot('1', {
    keys: ['Shift'],
    answer: async () => {
      assert.equal(await question(), 'Clear?');
      await page.keyboard.press('Enter');
    },
  });
  await waitFor(() => document.querySelector('#slot-1')?.dataset.pins === '0');
  const log = await page.$eval('#log', (e) => e.textContent);
  assert.match(log, /answer ok\nclick 1 ctrl\n[^]*dialog click Z\ndialog key esc\nrightclick 1 at [^]*answer ok\nclick 1 shift/);
  assert.deepEqual(problems, []);
  await page.close();

  if (!given) {
    const end = await served.stop();
    if (!/simhost: the studio stopped/.test(end.printed)) {
      t.diagnostic(`WARNING: the studio under Wine did not stop on the first Ctrl-C (it ended with ${end.code ?? end.signal})`);
    }
  }
});
