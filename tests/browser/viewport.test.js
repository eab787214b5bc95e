// The studio's 3D view as a modeller uses it: the six views and the X = 0 plane, the
// keypad's keys (and not while typing), the camera kept across a reload; box select of
// what the camera sees or of everything "through"; a grab stroke across the head's pinned
// seam, sent one paced sample at a time, undone and redone from the keys; and the bounds
// tree's cost at a million vertices.
import assert from 'node:assert/strict';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { api, launchBrowser, runLine, screenshot, settled, studioSession } from './harness.js';

let chromium;
before(async () => { chromium = await launchBrowser(); });
after(async () => { await chromium?.close(); });

const session = (t) => studioSession(chromium.browser, t);

const waitFor = (page, fn, ...args) => page.waitForFunction(fn, { timeout: 20000, polling: 50 }, ...args);
const log = (page) => page.$eval('#log', (e) => e.textContent);
const camera = (page) => page.$eval('#view-canvas', (c) => ({ view: c.dataset.view, projection: c.dataset.projection }));

async function load(page, file) {
  await runLine(page, `load ${file}`);
  await page.waitForSelector(`#objects tr[data-object="${path.basename(file, '.obj')}"]`);
}

async function chooseMode(page, mode) {
  await page.click(`input[name="view-mode"][value="${mode}"]`);
  await waitFor(page, (m) => document.querySelector('#view-canvas').dataset.mode === m, mode);
}

// Where a point of the world is drawn, in the page's pixels.
const onScreen = (page, point) => page.evaluate(([x, y, z]) => {
  const view = window.studioView;
  const at = view.controls.target.clone().set(x, y, z).project(view.camera);
  const box = view.canvas.getBoundingClientRect();
  return { x: box.left + ((at.x + 1) / 2) * box.width, y: box.top + ((1 - at.y) / 2) * box.height };
}, point);

// The colours of the view's pixels in a row of page pixels, read back once drawn.
const pixelRow = (page, { x, y }, half) => page.evaluate(async (px, py, h) => {
  await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
  const canvas = document.querySelector('#view-canvas');
  const box = canvas.getBoundingClientRect();
  const scale = canvas.width / box.width;
  const copy = document.createElement('canvas');
  copy.width = canvas.width;
  copy.height = canvas.height;
  const g = copy.getContext('2d');
  g.drawImage(canvas, 0, 0);
  const cx = Math.round((px - box.left) * scale);
  const data = g.getImageData(cx - h, Math.round((py - box.top) * scale), 2 * h + 1, 1).data;
  const row = [];
  for (let i = 0; i < data.length; i += 4) row.push([data[i], data[i + 1], data[i + 2]]);
  return row;
}, x, y, half);
const BACKGROUND = [0x1d, 0x21, 0x27];

async function dragBox(page, from, to) {
  const before = await page.evaluate(() => window.studio.applied);
  await page.mouse.move(from.x, from.y);
  await page.mouse.down();
  await page.mouse.move((from.x + to.x) / 2, (from.y + to.y) / 2, { steps: 3 });
  await page.mouse.move(to.x, to.y, { steps: 3 });
  await page.mouse.up();
  await settled(page, before);
  return Number(await page.$eval('#view-canvas', (e) => e.dataset.selected));
}

test('views, the X = 0 plane, keys that wait while typing, the camera across a reload, box select', async (t) => {
  const { studio, page, problems } = await session(t);
  await load(page, 'head.obj');

  await page.click('#view-toolbar [data-view="front"]');
  assert.deepEqual(await camera(page), { view: 'front', projection: 'orthographic' });
  assert.equal(await page.$eval('[data-view="front"]', (b) => b.getAttribute('aria-pressed')), 'true');
  // Seen edge on, the plane is a line down the middle: above the head, where only it is.
  const top = await page.evaluate(() => {
    const { mirror } = window.studioView;
    return [0, mirror.position.y + mirror.scale.y * 0.97, 0];
  });
  const row = await pixelRow(page, await onScreen(page, top), 3);
  assert.ok(row.some((pixel) => pixel.join() !== BACKGROUND.join()), `the X = 0 plane shows above the head: ${JSON.stringify(row)}`);
  const beside = await onScreen(page, [0.5, top[1], 0]);
  assert.ok((await pixelRow(page, beside, 3)).every((pixel) => pixel.join() === BACKGROUND.join()), 'and nothing beside it');
  await screenshot(page, 'front-view.png');

  // Box select from the front takes the front's vertices; through, every one.
  await chooseMode(page, 'select');
  const view = await (await page.$('#view-canvas')).boundingBox();
  const corner = { x: view.x + 4, y: view.y + 4 };
  const far = { x: view.x + view.width - 4, y: view.y + view.height - 4 };
  const seen = await dragBox(page, corner, far);
  const timings = await page.evaluate(() => window.studioView.timings);
  t.diagnostic(`the head: bounds tree built in ${timings.build.toFixed(1)} ms, a box round all of it, each vertex's view tested, in ${timings.boxSelect.toFixed(1)} ms`);
  assert.ok(seen > 500 && seen < 4514 * 0.75, `${seen} of 4514 vertices face the camera and are not hidden`);
  assert.equal(await page.$eval('#selected-count', (e) => e.textContent), seen.toLocaleString('en'));
  const [{ selected }] = (await api(studio, 'GET', '/api/state')).json.objects;
  assert.equal(selected, seen);
  await page.click('#select-through');
  assert.equal(await dragBox(page, corner, far), 4514);
  assert.match(await page.$eval('#last-line', (e) => e.textContent), /^select 0-4513$/);
  await page.click('#select-through');
  // Through off again, the same box takes the same vertices.
  assert.equal(await dragBox(page, corner, far), seen);

  // The keypad's keys, and the digit row's; Ctrl for the opposite side; 5 toggles.
  await page.keyboard.press('Numpad3');
  assert.deepEqual(await camera(page), { view: 'right', projection: 'orthographic' });
  await page.keyboard.down('Control');
  await page.keyboard.press('Digit7');
  await page.keyboard.up('Control');
  assert.deepEqual(await camera(page), { view: 'bottom', projection: 'orthographic' });
  await page.keyboard.press('Numpad5');
  assert.deepEqual(await camera(page), { view: 'bottom', projection: 'perspective' });
  await page.keyboard.press('Digit1');
  assert.deepEqual(await camera(page), { view: 'front', projection: 'orthographic' });

  // Typed into the command line, the keys are the line's: Ctrl-Z undoes the typing.
  await page.click('#command-line');
  await page.keyboard.type('3 7');
  await page.keyboard.press('Home');
  assert.equal(await page.$eval('#command-line', (e) => e.value), '3 7');
  await page.keyboard.down('Control');
  await page.keyboard.press('z');
  await page.keyboard.up('Control');
  assert.equal(await page.evaluate(() => window.studio.pending), 0, 'no undo sent');
  assert.deepEqual(await camera(page), { view: 'front', projection: 'orthographic' });
  await page.$eval('#command-line', (e) => { e.value = ''; e.blur(); });

  // Framing keeps the view's direction; zooming keeps the view.
  await page.mouse.move(view.x + view.width / 2, view.y + view.height / 2);
  await page.mouse.wheel({ deltaY: -300 });
  await waitFor(page, () => window.studioView.orthographic.zoom > 0);
  await page.keyboard.press('Home');
  assert.deepEqual(await camera(page), { view: 'front', projection: 'orthographic' });
  await page.keyboard.press('Numpad7');
  const kept = await page.evaluate(() => window.studioView.cameraState());
  await page.reload();
  await page.waitForFunction(() => window.studioReady === true, { timeout: 20000 });
  const back = await page.evaluate(() => window.studioView.cameraState());
  assert.equal(back.view, 'top');
  assert.equal(back.projection, kept.projection);
  for (const key of ['position', 'target']) back[key].forEach((value, i) => assert.ok(Math.abs(value - kept[key][i]) < 1e-9, key));
  assert.ok(Math.abs(back.zoom - kept.zoom) < 1e-9);
  assert.equal(await page.$eval('input[name="view-mode"]:checked', (e) => e.value), 'select', 'the mode is kept too');

  assert.deepEqual(problems, []);
});

test('a grab stroke across the pinned seam: paced samples between stroke begin and end, the seam held, Ctrl-Z and Ctrl-Shift-Z', async (t) => {
  const { page, problems } = await session(t);
  await runLine(page, 'init');
  await runLine(page, 'activate');
  await load(page, 'head.obj');
  await page.waitForSelector('.plugin-window #slot-button-X0', { timeout: 20000 });
  const clicked = await page.evaluate(() => window.studio.applied);
  await page.click('#slot-button-X0');
  await settled(page, clicked);
  await waitFor(page, () => document.querySelector('#slot-X0')?.dataset.pins === '96');
  await page.click('#view-toolbar [data-view="front"]');
  await chooseMode(page, 'brush');
  await page.select('#brush-kind', 'grab');
  await page.$eval('#brush-radius', (e) => { e.value = '0.3'; e.dispatchEvent(new Event('change')); });

  // Counts the commands on their way at once, as the server sees them come; each sample's
  // answer is held back a while, as from a busy server, so that the hand outruns it.
  await page.evaluate(() => {
    const fetched = window.fetch;
    window.inFlight = { now: 0, most: 0 };
    window.fetch = async (...args) => {
      const counted = String(args[0]).startsWith('/api/command');
      if (counted) window.inFlight.most = Math.max(window.inFlight.most, ++window.inFlight.now);
      try {
        const response = await fetched(...args);
        await response.clone().text();
        if (String(args[1]?.body).includes('"brush ')) await new Promise((resolve) => setTimeout(resolve, 400));
        return response;
      } finally {
        if (counted) --window.inFlight.now;
      }
    };
  });
  const seamBefore = await page.evaluate(() => {
    const object = window.studioView.objects[0];
    return [...object.marks['slot 0'].geometry.index.array].map((v) => object.positions[3 * v]);
  });
  const positionsBefore = await page.evaluate(() => [...window.studioView.objects[0].positions]);
  const start = await onScreen(page, [-0.12, 0.2, 0.9]);
  const end = { x: start.x + 160, y: start.y };
  await page.mouse.move(start.x, start.y);
  await page.mouse.down();
  await page.mouse.move(end.x, end.y, { steps: 40 });
  await page.mouse.up();
  await waitFor(page, () => window.studioSculpting.stroke === null && window.studio.pending === 0);

  const lines = (await log(page)).split('\n');
  const begin = lines.lastIndexOf('stroke begin');
  const finish = lines.lastIndexOf('stroke end');
  assert.ok(begin >= 0 && finish > begin, 'the stroke is bounded in the log');
  const samples = lines.slice(begin + 1, finish).filter((line) => line.startsWith('brush '));
  assert.ok(samples.length >= 2, `${samples.length} samples`);
  for (const sample of samples) assert.match(sample, /^brush grab( -?\d+(\.\d+)?){6} 0\.3 1$/);
  // Folded or not, the samples carry the whole drag: 160 pixels of the front view.
  const perPixel = await page.evaluate(() => 2 / window.studioView.orthographic.zoom / window.studioView.canvas.clientHeight);
  const dragged = samples.reduce((sum, line) => sum + Number(line.split(' ')[5]), 0);
  assert.ok(Math.abs(dragged - 160 * perPixel) < 2 * perPixel, `dragged ${dragged}, the hand ${160 * perPixel}`);
  const { most } = await page.evaluate(() => window.inFlight);
  assert.equal(most, 1, 'never more than one line of the stroke on its way');
  const counts = await page.evaluate(() => window.studioSculpting.counts);
  t.diagnostic(`a 40-move grab: ${counts.samples} samples sent, ${counts.folded} moves folded into waiting samples`);
  // However slowly the hand moves on a busy machine, an answer held this long is outrun.
  assert.ok(counts.folded > 0 && counts.samples === samples.length, `${counts.samples} samples, ${counts.folded} folded`);

  const stroked = await page.evaluate(() => {
    const object = window.studioView.objects[0];
    return {
      seam: [...object.marks['slot 0'].geometry.index.array].map((v) => object.positions[3 * v]),
      positions: [...object.positions],
    };
  });
  const moved = stroked.positions.reduce((most, value, i) => Math.max(most, Math.abs(value - positionsBefore[i])), 0);
  assert.ok(moved > 0.05, `the grab moved the head by ${moved}`);
  assert.ok(Math.max(...stroked.seam.map(Math.abs)) < 1e-5, `the seam stays on X = 0: ${Math.max(...stroked.seam.map(Math.abs))}`);
  assert.ok(Math.max(...seamBefore.map(Math.abs)) < 1e-5);
  await page.mouse.move(start.x, start.y);
  await screenshot(page, 'brush-stroke.png');
  const refit = await page.evaluate(() => window.studioView.timings.refit);
  t.diagnostic(`the head's bounds tree refitted after a sample in ${refit?.toFixed(2)} ms`);

  // Ctrl-Z takes back the whole stroke, and the redo keys make it again.
  const positions = () => page.evaluate(() => [...window.studioView.objects[0].positions]);
  const farthest = (a, b) => a.reduce((most, value, i) => Math.max(most, Math.abs(value - b[i])), 0);
  for (const [keys, line, expected] of [[['Control', 'z'], 'undo', positionsBefore], [['Control', 'Shift', 'Z'], 'redo', stroked.positions],
    [['Control', 'z'], 'undo', positionsBefore], [['Control', 'y'], 'redo', stroked.positions]]) {
    const mark = await page.evaluate(() => window.studio.applied);
    for (const key of keys) await page.keyboard.down(key);
    for (const key of [...keys].reverse()) await page.keyboard.up(key);
    await settled(page, mark);
    assert.equal((await log(page)).trimEnd().split('\n').filter((l) => l !== 'draw').at(-1), line, keys.join('+'));
    assert.ok(farthest(await positions(), expected) < 1e-6, `${keys.join('+')} sends ${line}`);
  }
  assert.deepEqual(problems, []);
});

test('a million vertices: the bounds tree built once, refitted after a change, box select timed', async (t) => {
  const { page, problems } = await session(t);
  await runLine(page, 'make grid "big" 1000 1000 0.01');
  await chooseMode(page, 'select');
  const view = await (await page.$('#view-canvas')).boundingBox();
  const middle = { x: view.x + view.width / 2, y: view.y + view.height / 2 };
  let mark = await page.evaluate(() => window.studio.applied);
  await page.mouse.click(middle.x, middle.y);
  await settled(page, mark);
  const built = await page.evaluate(() => window.studioView.timings);
  assert.match(await page.$eval('#last-line', (e) => e.textContent), /^select \d+$/);
  // The edges of a dense object are made only when asked for.
  assert.equal(await page.evaluate(() => window.studioView.objects[0].edgeLines.geometry.index), null);

  await runLine(page, 'jitter 0.002 5 all');
  const timings = await page.evaluate(() => window.studioView.timings);
  assert.equal(timings.build, built.build, 'the tree is refitted, not built again, after the vertices moved');
  assert.ok(timings.refit > 0);

  // A square in the middle lifted: only the tree's nodes over its faces are refitted, and
  // seen from the side, where the boxes of before would miss it, it is picked.
  const [x, y, z] = await page.evaluate(() => [...window.studioView.objects[0].positions.subarray(3 * 500500, 3 * 500500 + 3)]);
  await runLine(page, `select box ${x - 0.5} ${y - 0.5} -1 ${x + 0.5} ${y + 0.5} 1`);
  await runLine(page, 'move 0 0 0.5');
  const lifted = await page.evaluate(() => window.studioView.timings.refit);
  await page.click('#view-toolbar [data-view="right"]');
  const side = await onScreen(page, [x, y, z + 0.25]);
  const hit = await page.evaluate((px, py) => {
    const box = window.studioView.canvas.getBoundingClientRect();
    return window.studioView.pickSurface(px - box.left, py - box.top)?.point.toArray();
  }, side.x, side.y);
  assert.ok(hit && Math.abs(hit[2] - z - 0.25) < 0.05, `the lifted square is picked from the side: ${hit}`);

  await page.click('#view-toolbar [data-view="front"]');
  await page.keyboard.press('Home');
  const seen = await dragBox(page, { x: view.x + 4, y: view.y + 4 }, { x: view.x + view.width - 4, y: view.y + view.height - 4 });
  const boxed = await page.evaluate(() => window.studioView.timings.boxSelect);
  t.diagnostic(`a million vertices: bounds tree built in ${built.build.toFixed(0)} ms (with the faces round each vertex, `
    + `their normals and the tree's leaves, ${built.surroundings.toFixed(0)} ms), refitted after all moved in ${timings.refit.toFixed(0)} ms, `
    + `after a square of 10,000 moved in ${lifted.toFixed(2)} ms; a box round all of it, each vertex's view tested, in ${boxed.toFixed(0)} ms`);
  assert.equal(seen, 1002001, 'the whole grid faces the camera, nothing hides it');
  assert.ok(built.build < 4000 && timings.refit < 400 && lifted < timings.refit && boxed < 60000);

  // Asked for, the dense grid's edges are made and drawn: each of its 1000 by 1001 both ways once.
  await page.click('#view-edges');
  const edges = await page.evaluate(() => {
    const { edgeLines } = window.studioView.objects[0];
    return { count: edgeLines.geometry.index?.count, visible: edgeLines.visible, took: window.studioView.timings.edges };
  });
  t.diagnostic(`a million vertices: its edges made when asked for in ${edges.took?.toFixed(0)} ms`);
  assert.deepEqual([edges.count, edges.visible], [2 * 2 * 1000 * 1001, true]);
  assert.deepEqual(problems, []);
});
