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

export function renderStatus(state) {
  $('#slots tbody').replaceChildren(...state.slots.map((slot, i) => {
    const row = document.createElement('tr');
    row.id = `slot-${slot.label}`;
    row.dataset.armed = String(slot.armed);
    row.dataset.pins = String(slot.pins);
    row.dataset.axes = slot.axes;
    const label = document.createElement('span');
    label.append(swatch(i, slot.armed), slot.label);
    row.append(cell(label), cell(slot.armed ? 'armed' : 'disarmed'), cell(slot.axes || 'none'), cell(slot.pins), cell(slot.objects));
    return row;
  }));

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
      detail.textContent = typeof value === 'number' && !Number.isInteger(value) ? value.toPrecision(6) : String(value);
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
  const verdict = $('#verdict');
  verdict.className = count ? 'bad' : 'good';
  verdict.dataset.verdict = count ? 'bad' : 'good';
  verdict.textContent = count
    ? `${count} problem${count === 1 ? '' : 's'}: the draws or the plug-in broke the rules`
    : draw ? 'every draw agrees with the pins' : 'nothing drawn yet; no problems';
  $('#violations').replaceChildren(...problems.map((text) => Object.assign(document.createElement('li'), { textContent: text })));
}

// What the last command answered: its transcript, and its errors in red.
export function renderOutcome(line, { transcript = [], errors = [] }) {
  $('#last-line').textContent = line;
  $('#transcript').textContent = transcript.join('\n');
  $('#command-errors').replaceChildren(...errors.map((text) => Object.assign(document.createElement('li'), { textContent: text })));
}

// The session log: whole, or the lines an event added. A reader at its end stays there.
function writeLog(write) {
  const log = $('#log');
  const atEnd = log.scrollTop + log.clientHeight >= log.scrollHeight - 4;
  write(log);
  if (atEnd) log.scrollTop = log.scrollHeight;
}

export const renderLog = (text) => writeLog((log) => { log.textContent = text; });
export const appendLog = (lines) => writeLog((log) => { if (lines.length) log.append(lines.map((line) => `${line}\n`).join('')); });
