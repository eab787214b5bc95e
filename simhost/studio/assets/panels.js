// The panels beside the view: the objects, the slots and the last draw, what the last
// command said, and the session log. Each is drawn whole from the state it is given.
import { SLOT_COLOURS } from './slot-colours.js';

const $ = (selector) => document.querySelector(selector);

function cell(content) {
  const td = document.createElement('td');
  if (content instanceof Node) td.append(content);
  else td.textContent = String(content);
  return td;
}

// The session language takes names in double quotes and has no way to write one inside.
export function quoted(name) {
  if (name.includes('"')) throw new Error(`the session language cannot name "${name}": it holds a double quote`);
  return `"${name}"`;
}

export function renderObjects(state, send) {
  const body = $('#objects tbody');
  body.replaceChildren(...state.objects.map((object) => {
    const row = document.createElement('tr');
    row.dataset.object = object.name;
    row.classList.toggle('current', object.current);
    const current = document.createElement('input');
    current.type = 'radio';
    current.name = 'current-object';
    current.checked = object.current;
    current.className = 'object-current';
    current.addEventListener('change', () => send(() => `object ${quoted(object.name)}`));
    const shown = document.createElement('input');
    shown.type = 'checkbox';
    shown.checked = object.visible;
    shown.className = 'object-shown';
    shown.addEventListener('change', () => send(() => `${shown.checked ? 'show' : 'hide'} ${quoted(object.name)}`));
    const exempt = document.createElement('input');
    exempt.type = 'checkbox';
    exempt.checked = object.exempt;
    exempt.className = 'object-exempt';
    exempt.addEventListener('change', () => send(() => `exempt ${quoted(object.name)} ${exempt.checked ? 'on' : 'off'}`));
    const counts = `${object.vertices}${object.selected ? ` (${object.selected} sel.)` : ''}`;
    row.append(cell(current), cell(object.name), cell(counts), cell(shown), cell(exempt));
    return row;
  }));
}

function swatch(slot, armed) {
  const mark = document.createElement('span');
  mark.className = `pin-swatch slot-${slot}${armed ? '' : ' hollow'}`;
  mark.style.setProperty('--colour', SLOT_COLOURS[slot]);
  return mark;
}

// A figure as the panels show it: six significant digits at most, no trailing noise.
const figure = (value) => (typeof value === 'number' && !Number.isInteger(value) ? String(Number(value.toPrecision(6))) : String(value));

// "Pins not held: ..." over the status and over the view, whenever a pin of an armed slot
// is not being held; the reasons are the server's, said once for the text report and
// the page alike.
function renderPinsHeld(pinsHeld) {
  const notHeld = pinsHeld && pinsHeld.held === false;
  const text = notHeld
    ? `Pins not held: ${(pinsHeld.reasons ?? []).map((reason) => reason.text).join('; ')}` : '';
  for (const banner of [$('#pins-banner'), $('#view-banner')]) {
    banner.hidden = !notHeld;
    banner.textContent = text;
    banner.dataset.reasons = notHeld ? (pinsHeld.reasons ?? []).map((reason) => reason.id).join(' ') : '';
  }
  return notHeld;
}

function renderCentreLine(centreLine) {
  const line = $('#centre-line');
  line.hidden = !centreLine;
  if (!centreLine) return;
  line.textContent = centreLine.vertices > 0
    ? `centre line: largest |X| ${figure(centreLine.largestX)} over ${centreLine.vertices} X0 pin${centreLine.vertices === 1 ? '' : 's'}`
    : 'centre line: X0 pins no vertex';
}

export function renderStatus(state) {
  $('#slots tbody').replaceChildren(...state.slots.map((slot, i) => {
    const row = document.createElement('tr');
    row.id = `slot-${slot.label}`;
    row.dataset.armed = String(slot.armed);
    row.dataset.pins = String(slot.pins);
    row.dataset.axes = slot.axes;
    const label = document.createElement('span');
    label.append(swatch(i, slot.armed), slot.label);
    // A held axis is put back to its pinned value on every draw; a free one is left.
    const axes = ['X', 'Y', 'Z'].map((axis) => {
      const word = slot.axes.includes(axis) ? 'held' : 'free';
      const td = cell(word);
      td.className = `axis ${word}`;
      td.dataset.axis = axis;
      return td;
    });
    row.append(cell(label), cell(slot.armed ? 'armed' : 'disarmed'), ...axes, cell(slot.pins), cell(slot.objects));
    return row;
  }));
  const notHeld = renderPinsHeld(state.pinsHeld);
  renderCentreLine(state.centreLine);

  const draw = state.lastDraw;
  const lastDraw = $('#last-draw');
  if (draw) {
    const facts = [['written', draw.written], ['movedBack', draw.movedBack], ['farthest', draw.farthest],
      ['disagreements', draw.disagreements.length]];
    lastDraw.replaceChildren(...facts.flatMap(([name, value]) => {
      const term = document.createElement('dt');
      term.textContent = name === 'movedBack' ? 'moved back' : name;
      const detail = document.createElement('dd');
      detail.id = `draw-${name}`;
      detail.textContent = figure(value);
      return [term, detail];
    }));
  } else {
    lastDraw.replaceChildren(Object.assign(document.createElement('dd'), { textContent: 'no draw yet' }));
  }

  // The host's ledger checks every draw against what the person pinned; anything it or
  // the host's own checks found is shown in red.
  // The state carries only the latest violations, and how many there were in all.
  // Each names the check it failed, as the host prints it.
  const problems = [...(draw?.disagreements ?? []), ...state.violations].map(({ id, text }) => `[${id}] ${text}`);
  const count = problems.length + state.violationsFound - state.violations.length;
  if (count > problems.length) problems.push(`and ${count - problems.length} earlier, not shown`);
  // The verdict speaks of what the plug-in did on the draws, not of the model: pins that
  // are not held keep it from green however well the draws went.
  const verdict = $('#verdict');
  const kind = count ? 'bad' : notHeld ? 'warn' : 'good';
  verdict.className = kind;
  verdict.dataset.verdict = kind;
  if (count) {
    verdict.textContent = `${count} problem${count === 1 ? '' : 's'}: the draws or the plug-in broke the rules`;
  } else if (notHeld) {
    verdict.textContent = draw
      ? 'the plug-in did what the pins ask on every draw it made, but pins are not held now (see above)'
      : 'nothing drawn yet, and pins are not held (see above)';
  } else {
    verdict.textContent = draw ? 'the plug-in did what the pins ask on every draw' : 'nothing drawn yet; no problems';
  }
  $('#violations').replaceChildren(...problems.map((text) => Object.assign(document.createElement('li'), { textContent: text })));
}

// A line longer than this is shown on one line, cut short, with a button that shows it
// whole: a box selection may be tens of thousands of characters.
const LONG_LINE = 200;

// The nodes of `lines` one a line, ending with a line break when `closed`: short ones as
// text, long ones shortened. The text of the nodes is the lines' own, so what the panel
// holds reads as the lines.
function lineNodes(lines, closed) {
  const nodes = [];
  let plain = '';
  lines.forEach((line, i) => {
    const end = closed || i + 1 < lines.length ? '\n' : '';
    if (line.length <= LONG_LINE) {
      plain += line + end;
      return;
    }
    if (plain) nodes.push(document.createTextNode(plain));
    plain = '';
    const long = document.createElement('span');
    long.className = 'long-line';
    // The button's words are drawn by the style sheet, so that they are no part of the text.
    const whole = document.createElement('button');
    whole.type = 'button';
    whole.className = 'show-whole';
    whole.setAttribute('aria-label', `show the whole line: ${line.length} characters`);
    whole.title = `${line.length} characters`;
    whole.addEventListener('click', () => long.classList.toggle('whole'));
    const text = document.createElement('span');
    text.className = 'line-text';
    // The line's break is inside its block, which ends the line by itself in the panel.
    text.textContent = line + end;
    long.append(whole, text);
    nodes.push(long);
  });
  if (plain) nodes.push(document.createTextNode(plain));
  return nodes;
}

// What the last command answered: its transcript, and its errors in red. A line that
// failed stays in the log behind a comment, and a replay stops there: the page says so.
export function renderOutcome(line, { transcript = [], errors = [], result }) {
  $('#last-line').replaceChildren(...lineNodes([line], false));
  $('#replay-stops').hidden = !result || result === 'ok';
  $('#transcript').replaceChildren(...lineNodes(transcript, false));
  $('#command-errors').replaceChildren(...errors.map((text) => Object.assign(document.createElement('li'), { textContent: text })));
}

// The session log: whole, or the lines an event added. A reader at its end stays there.
function writeLog(write) {
  const log = $('#log');
  const atEnd = log.scrollTop + log.clientHeight >= log.scrollHeight - 4;
  write(log);
  if (atEnd) log.scrollTop = log.scrollHeight;
}

const logLines = (text) => (text.endsWith('\n') ? text.slice(0, -1) : text).split('\n');
export const renderLog = (text) => writeLog((log) => { log.replaceChildren(...(text ? lineNodes(logLines(text), true) : [])); });
export const appendLog = (lines) => writeLog((log) => { log.append(...lineNodes(lines, true)); });
