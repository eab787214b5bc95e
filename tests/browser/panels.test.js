// The studio's page explains itself: a banner when pins are not held and a verdict that
// is then not green, the window's gestures in tooltips and in the help panel, who asks a
// question, the fix-mode dialog's axes as held or free, buttons in plain words, files
// handled as a web page handles them, a page without its token, a small screen, long
// lines shortened, and the tools' settings kept across a reload.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { api, launchBrowser, runLine, screenshot, settled, startStudio, studioSession } from './harness.js';

let chromium;
before(async () => { chromium = await launchBrowser(); });
after(async () => { await chromium?.close(); });

const session = (t) => studioSession(chromium.browser, t);

const waitFor = (page, fn, ...args) => page.waitForFunction(fn, { timeout: 20000, polling: 50 }, ...args);
const text = (page, selector) => page.$eval(selector, (e) => e.textContent);
const shown = (page, selector) => page.$eval(selector, (e) => !e.hidden && e.getBoundingClientRect().height > 0);

async function startPlugin(page) {
  await page.click('#plugin-init');
  await waitFor(page, () => !document.querySelector('#plugin-activate').hidden);
  await page.click('#plugin-activate');
  await page.waitForSelector('.plugin-window #slot-button-X0', { timeout: 20000 });
}

async function clickAndSettle(page, selector, options) {
  const mark = await page.evaluate(() => window.studio.applied);
  await page.click(selector, options);
  await settled(page, mark);
}

// A click on a slot button that the plug-in answers with a question or its dialog: the
// click is over only once `meanwhile` dealt with it.
async function clickAsking(page, label, { keys = [], button = 'left', meanwhile }) {
  const mark = await page.evaluate(() => window.studio.applied);
  for (const key of keys) await page.keyboard.down(key);
  await page.click(`#slot-button-${label}`, { button });
  for (const key of keys) await page.keyboard.up(key);
  await meanwhile();
  await settled(page, mark);
}

test('closing the window after X0 and smoothing: "Pins not held:", a verdict not green, the centre line off the plane', async (t) => {
  const { page, problems } = await session(t);
  assert.equal(await text(page, '#plugin-init'), 'Start the plug-ininit');
  assert.equal(await page.$eval('#plugin-init', (e) => e.title), 'sends: init');
  await startPlugin(page);
  await runLine(page, 'load head.obj');
  await clickAndSettle(page, '#slot-button-X0');
  await waitFor(page, () => document.querySelector('#slot-X0')?.dataset.pins === '96');
  assert.equal(await page.$eval('#verdict', (e) => e.dataset.verdict), 'good');
  assert.equal(await text(page, '#verdict'), 'the plug-in did what the pins ask on every draw');
  assert.match(await text(page, '#centre-line'), /^centre line: largest \|X\| \S+ over 96 X0 pins$/);
  assert.equal(await shown(page, '#pins-banner'), false);

  await clickAndSettle(page, '.plugin-window .plugin-close');
  await runLine(page, 'jitter 0.02 7 all');
  await runLine(page, 'smooth 3 all');
  for (const banner of ['#pins-banner', '#view-banner']) {
    assert.equal(await shown(page, banner), true, `${banner} is shown`);
    assert.match(await text(page, banner), /^Pins not held: .*off/);
  }
  assert.equal(await page.$eval('#verdict', (e) => e.dataset.verdict), 'warn');
  assert.notEqual(await page.$eval('#verdict', (e) => getComputedStyle(e).color), 'rgb(46, 125, 50)', 'the verdict is not green');
  const largest = Number((await text(page, '#centre-line')).match(/largest \|X\| (\S+)/)[1]);
  assert.ok(largest > 0.001, `the seam left the plane: ${largest}`);
  // The plug-in's window is gone; the bar that brings it back says so in plain words.
  assert.equal(await text(page, '#plugin-activate'), 'Switch the plug-in onactivate');
  await screenshot(page, 'pins-not-held.png');

  // A line that fails stays in the log, behind a comment; the page says a replay stops there.
  await runLine(page, 'expect pins 1 5');
  assert.equal(await shown(page, '#replay-stops'), true);
  assert.match(await text(page, '#log'), /# the next line failed in the studio; a replay stops there\nexpect pins 1 5\n$/);
  await runLine(page, 'select none');
  assert.equal(await shown(page, '#replay-stops'), false);
  assert.deepEqual(problems, []);
});

test("the window's gestures are learnt from the page: tooltips, the help panel, who asks, the axes held or free", async (t) => {
  const { page, problems } = await session(t);
  await startPlugin(page);
  assert.match(await page.$eval('#slot-button-X0', (e) => e.title), /^slot X0\nclick: record the centre line afresh.*\nCtrl-click: fix all three axes\nShift-click: fix X only\nright-click: open "SetFixMode"$/);
  assert.match(await page.$eval('#slot-button-2', (e) => e.title), /Ctrl-click: record the selection of the current object .*\nShift-click: clear the slot/);

  await page.click('#help-open');
  assert.equal(await shown(page, '#help'), true);
  const help = await text(page, '#help');
  for (const words of ['Ctrl-click', 'fix X only', 'front view', 'frame the selection', 'undo', 'redo', 'Escape']) {
    assert.ok(help.includes(words), `the help panel says "${words}"`);
  }
  await page.keyboard.press('Escape');
  assert.equal(await page.$eval('#help', (e) => e.hidden), true);

  await runLine(page, 'load head.obj');
  await runLine(page, 'select 0-2');
  await runLine(page, 'click 1 ctrl');
  await runLine(page, 'select 9');
  await clickAsking(page, '1', {
    keys: ['Control'],
    meanwhile: async () => {
      await page.waitForSelector('#question:not([hidden])', { timeout: 20000 });
      assert.equal(await text(page, '#question-message'), 'Overwrite?');
      assert.equal(await text(page, '#question-context'), 'Slot 1 asks; it holds 3 pins. (click 1 ctrl)');
      await page.click('#question-cancel');
    },
  });

  const axes = () => page.$$eval('#fix-dialog-axes li', (items) => items.map((item) => item.textContent));
  await clickAsking(page, '1', {
    button: 'right',
    meanwhile: async () => {
      await page.waitForSelector('#fix-dialog:not([hidden]) #fix-toggle-Z', { timeout: 20000 });
      assert.equal(await text(page, '#fix-dialog-title'), 'SetFixMode');
      assert.match(await text(page, '#fix-dialog-slot'), /slot 1, which holds 3 pins/);
      assert.deepEqual(await axes(), ['X: held', 'Y: held', 'Z: held']);
      await page.click('#fix-toggle-Z');
      await waitFor(page, () => document.querySelector('#fix-dialog-axes li[data-axis="Z"]')?.textContent === 'Z: free');
      assert.deepEqual(await axes(), ['X: held', 'Y: held', 'Z: free']);
      await page.keyboard.press('Escape');
    },
  });
  assert.deepEqual(await page.$$eval('#slot-1 td.axis', (cells) => cells.map((c) => c.textContent)), ['held', 'held', 'free']);
  assert.deepEqual(problems, []);
});

test('files as a web page handles them: names asked for, New asks first, the OBJ downloaded, settings kept', async (t) => {
  const { studio, page, problems } = await session(t);
  await page.click('#load-form button');
  assert.match(await text(page, '#command-errors'), /type a file name to load, e\.g\. examples\/head\.obj/);
  await page.click('#save-form button');
  assert.match(await text(page, '#command-errors'), /type a file name to save/);

  await runLine(page, 'load head.obj');
  assert.equal(await page.$eval('#document-changed', (e) => e.hidden), true, 'a document just loaded has no changes');
  await runLine(page, 'jitter 0.01 3 all');
  assert.equal(await page.$eval('#document-changed', (e) => e.hidden), false);
  const asked = [];
  const answer = { value: false };
  page.on('dialog', async (dialog) => {
    asked.push(dialog.message());
    await (answer.value ? dialog.accept() : dialog.dismiss());
  });
  const event = (await api(studio, 'GET', '/api/state')).json.event;
  await page.click('#new-document');
  assert.equal(asked.length, 1);
  assert.match(asked[0], /changed since it was last loaded, saved or made new/);
  assert.equal((await api(studio, 'GET', '/api/state')).json.event, event, 'dismissed: nothing was sent');

  // Saved under a name typed: the page knows the document is kept, and New asks nothing.
  await page.type('#save-path', 'kept.obj');
  assert.equal(await page.$eval('#save-form button', (e) => e.title), 'sends: save kept.obj');
  await clickAndSettle(page, '#save-form button');
  assert.equal(await page.$eval('#document-changed', (e) => e.hidden), true);
  const obj = await page.$eval('#document-download', (a) => a.href);
  assert.match(obj, /\/api\/document\.obj\?token=/);
  const download = await fetch(obj);
  assert.equal(download.status, 200);
  assert.match(await download.text(), /^v /m);
  await runLine(page, 'jitter 0.01 4 all');
  answer.value = true;
  await clickAndSettle(page, '#new-document');
  assert.equal(asked.length, 2);
  assert.equal((await api(studio, 'GET', '/api/state')).json.objects.length, 0);

  // The tools' numbers and the names typed come back after a reload.
  await page.$eval('form[data-tool="smooth"] input', (input) => { input.value = ''; });
  await page.type('form[data-tool="smooth"] input', '4');
  await page.click('#tool-all');
  await page.select('#plane-axis', 'z');
  await page.type('#load-path', 'head.obj');
  assert.equal(await page.$eval('form[data-tool="smooth"] button', (e) => e.title), 'sends: smooth 4 all');
  await page.reload();
  await page.waitForFunction(() => window.studioReady === true, { timeout: 20000 });
  assert.deepEqual(await page.evaluate(() => [document.querySelector('form[data-tool="smooth"] input').value,
    document.querySelector('#tool-all').checked, document.querySelector('#plane-axis').value,
    document.querySelector('#load-path').value, document.querySelector('#save-path').value]), ['4', true, 'z', 'head.obj', 'kept.obj']);
  assert.deepEqual(problems, []);
});

test('a small screen keeps the window in the view; long lines are shortened and shown whole on demand', async (t) => {
  const { studio, page, problems } = await session(t);
  await page.setViewport({ width: 1024, height: 700 });
  await startPlugin(page);
  const inside = async () => {
    const view = await (await page.$('#view')).boundingBox();
    const window = await (await page.$('.plugin-window')).boundingBox();
    return window.x >= view.x - 1 && window.x + window.width <= view.x + view.width + 1
      && window.y >= view.y - 1 && window.y + window.height <= view.y + view.height + 1;
  };
  assert.ok(await inside());
  // Dragged toward the right panel, and far beyond it.
  const title = await (await page.$('.plugin-window .plugin-title')).boundingBox();
  const mark = await page.evaluate(() => window.studio.applied);
  await page.mouse.move(title.x + 10, title.y + title.height / 2);
  await page.mouse.down();
  await page.mouse.move(1010, 690, { steps: 6 });
  await page.mouse.up();
  await settled(page, mark);
  assert.ok(await inside(), 'the dropped window stays inside the view');
  // Placed by the host where this view has no room for it.
  await runLine(page, 'move window 3000 2000');
  assert.ok(await inside(), 'a window placed beyond the view is shown inside it');
  assert.ok(await shown(page, '#slot-button-3'));

  await runLine(page, 'load head.obj');
  const line = `select ${Array.from({ length: 2257 }, (_, i) => 2 * i).join(' ')}`;
  assert.ok(line.length > 10000);
  await runLine(page, line);
  const height = (selector) => page.$eval(selector, (e) => e.getBoundingClientRect().height);
  assert.ok(await height('#last-line') < 40, 'the last command takes one line');
  assert.ok(await height('#log .long-line') < 40, 'the log shows it on one line');
  assert.equal(await text(page, '#last-line'), line);
  await page.click('#last-line .show-whole');
  assert.ok(await height('#last-line') > 200, 'shown whole on demand');
  await page.click('#last-line .show-whole');
  assert.ok(await height('#last-line') < 40);
  assert.equal(await text(page, '#log'), (await api(studio, 'GET', '/api/log')).text, 'the log panel holds the log as it is');
  assert.deepEqual(problems, []);
});

test('a page opened without the token, or with a wrong one, says so and how to get the address', async (t) => {
  const studio = await startStudio();
  t.after(async () => {
    await studio.stop();
    await studio.remove();
  });
  const page = await chromium.browser.newPage();
  t.after(() => page.close());
  await page.goto(`${studio.origin}/`, { waitUntil: 'domcontentloaded' });
  await page.waitForSelector('#no-token:not([hidden])', { timeout: 20000 });
  assert.match(await text(page, '#no-token'), /lacks the studio's token[^]*simhost serve[^]*simhost: the studio is at http/);
  assert.equal(await text(page, '#connection'), 'no token');

  await page.goto(`${studio.origin}/?token=${'0'.repeat(32)}`, { waitUntil: 'domcontentloaded' });
  await page.waitForSelector('#no-token:not([hidden])', { timeout: 20000 });
  assert.match(await text(page, '#no-token'), /not this run's/);
  assert.equal(await text(page, '#connection'), 'wrong token');
});
