// The studio page: the state, the mesh and the log fetched once, then kept up to date
// from the event stream; what the person does sent as lines of the session language.
// Only the server changes the document: the page draws what the events say happened.
// Sections:
//   sending: a line to the server, done once its answer and its event have come
//   the state, the mesh and the events: fetched at the start, then applied one by one
//   selecting in the view: a click or a box in the 3D view as a `select` line; the view's
//                          toolbar and keys (view_controls.js), brushes (sculpting.js)
//   the tools and the rest of the controls: forms, buttons, uploads, the command line
//   what the page keeps and explains: changes not saved, settings, the help panel, the token
import * as api from './api.js';
import { View } from './view.js';
import { Sculpting } from './sculpting.js';
import { setUpViewControls } from './view_controls.js';
import { FixDialog, GESTURES, PluginWindows, QuestionBox } from './plugin.js';
import { appendLog, quoted, renderLog, renderObjects, renderOutcome, renderStatus } from './panels.js';

const $ = (selector) => document.querySelector(selector);

// What tests and the person can watch: whether the page is live, and how far it has
// applied the server's events.
const progress = {
  ready: false,
  applied: 0, // the number of the latest event applied
  events: 0, // how many events were applied, numbered or not
  pending: 0, // commands sent and not yet done: answered, and their event applied
  meshFetches: 0, // how often the whole mesh was fetched
};
window.studio = progress;
window.studioApplied = 0;

function publish() {
  window.studioApplied = progress.applied;
  document.body.dataset.applied = String(progress.applied);
  document.body.dataset.events = String(progress.events);
  document.body.dataset.pending = String(progress.pending);
}

function report(message) {
  const item = document.createElement('li');
  item.textContent = message;
  $('#command-errors').append(item);
}

// ---- sending ----

// The lines this page sent and had answered, their events not yet applied: a line is
// done once its answer came and the page applied the event the answer names. The two
// come by different roads and either may be first.
const awaited = []; // {event, done}

function settle() {
  for (let i = awaited.length - 1; i >= 0; --i) {
    if (awaited[i].event <= progress.applied) {
      const [{ done }] = awaited.splice(i, 1);
      --progress.pending;
      done();
    }
  }
  publish();
}

// Runs a line. What it returns resolves, once the line is done, to the server's answer,
// or to null when the line was refused or never sent; a click that asks a question is
// done only once the person has answered, so most callers do not wait on it. `make` may
// be a function, whose error (a name the language cannot write) is shown instead of
// sending.
function send(make) {
  let line;
  try {
    line = typeof make === 'function' ? make() : make;
  } catch (error) {
    renderOutcome('', { errors: [error.message] });
    return Promise.resolve(null);
  }
  ++progress.pending;
  publish();
  renderOutcome(line, { transcript: ['running...'] });
  return api.runCommand(line)
    .then((answer) => { renderOutcome(line, answer); return answer; },
      // Refused: nothing ran, and no event comes.
      (error) => { renderOutcome(line, { errors: [error.message] }); return null; })
    .then((answer) => new Promise((resolve) => {
      awaited.push({ event: answer?.event ?? 0, done: () => resolve(answer) });
      settle();
    }));
}

// ---- the state, the mesh and the events ----

const view = new View($('#view-canvas'));
window.studioView = view;
const windows = new PluginWindows({ layer: $('#plugin-windows'), missing: $('#plugin-missing'), send });
const question = new QuestionBox({ element: $('#question'), answer: api.answerQuestion, report });
const fixDialog = new FixDialog({ element: $('#fix-dialog'), act: api.dialogAction, report });

let state = null;
let meshEvent = -1; // the event the mesh the page holds was fetched at
let stateEvent = -1;
let logEvent = -1;

function showState(next) {
  state = next;
  renderStatus(state);
  renderObjects(state, send);
  windows.render(state);
  question.render(state);
  fixDialog.render(state);
  view.setArmed(state.slots);
  view.setVisibility(state.objects);
}

async function fetchMesh() {
  const mesh = await api.getMesh();
  ++progress.meshFetches;
  view.setMesh(mesh);
  meshEvent = mesh.event;
}

// The state first: it is answered at once even while the plug-in waits on the person, so
// that a page opened during a question or the dialog shows it and can answer; the mesh
// comes from the host thread, once that is free.
async function fetchAll() {
  const freshState = await api.getState();
  stateEvent = freshState.event;
  showState(freshState);
  await fetchMesh();
}

// The whole log, once at the start and after a resync; every event after it brings the
// lines it added.
async function fetchLog() {
  try {
    const { text, event } = await api.getLog();
    renderLog(text);
    changes.read(text.split('\n'), true);
    logEvent = event;
  } catch (error) {
    report(error.message);
  }
}

// How long the page took over the latest change event's arrays, in ms: fetching its
// binary data, and making typed arrays of it.
const timings = { event: 0, eventFetch: 0, eventResolve: 0 };
window.studioTimings = timings;

// The change's arrays as typed arrays, its binary data fetched first. False when the server
// no longer keeps the data: the page missed the event, and has fetched everything again as
// on a resync.
async function resolveChange(id, change) {
  const began = performance.now();
  let data = null;
  if (change.data?.bytes > 0) {
    try {
      data = await api.getEventData(id);
    } catch (error) {
      if (error.status !== 410) throw error;
      await fetchAll();
      await fetchLog();
      return false;
    }
  }
  const fetched = performance.now();
  api.resolveEvent(change, data);
  Object.assign(timings, { event: id, eventFetch: fetched - began, eventResolve: performance.now() - fetched });
  return true;
}

async function applyChange(id, change) {
  // The mesh and the state fetched at start may already hold what an early event says. The
  // mesh is fetched again when its topology changed: the event's arrays are not needed.
  if (id > meshEvent && (change.topology || await resolveChange(id, change))) {
    if (change.topology || !view.applyChanged(change.changed ?? [])) {
      await fetchMesh();
    } else {
      if (change.selected) view.setSelected(change.selected);
      if (change.pins) view.setPins(change.pins);
      if (change.movedBack) view.setMovedBack(change.movedBack);
      meshEvent = id;
    }
  }
  if (id > stateEvent) {
    stateEvent = id;
    showState(change.state);
  }
  if (id > logEvent) {
    appendLog(change.log ?? []);
    changes.read(change.log ?? [], false);
    logEvent = id;
  }
}

// Events are applied one after the other, a mesh fetch among them, in the order they came.
let applying = Promise.resolve();
function enqueue(event, apply) {
  const id = Number(event.lastEventId) || progress.applied;
  applying = applying.then(async () => {
    try {
      await apply(id, JSON.parse(event.data));
    } catch (error) {
      report(`the page could not apply event ${id}: ${error.message}`);
    }
    progress.applied = Math.max(progress.applied, id);
    ++progress.events;
    settle();
  });
}

function listen() {
  const events = api.openEvents();
  const connection = $('#connection');
  let started = false;
  events.addEventListener('open', () => {
    connection.dataset.state = 'live';
    connection.textContent = 'live';
    if (started) return;
    started = true;
    // The stream is open before the fetch, so that nothing that happens between the two
    // is missed; what both hold is skipped by number.
    applying = applying.then(fetchAll).then(fetchLog).then(() => {
      progress.ready = true;
      window.studioReady = true;
      document.body.dataset.ready = '1';
      publish();
    }).catch((error) => report(`the studio could not be loaded: ${error.message}`));
  });
  events.addEventListener('error', () => {
    // The browser reconnects by itself and the server sends what was missed; but an event
    // stream says nothing of why it failed, and a refused token would be retried forever.
    connection.dataset.state = 'lost';
    connection.textContent = 'connection lost; retrying';
    api.getState().catch((error) => {
      if (error.status !== 403) return;
      events.close();
      showRefused();
    });
  });
  events.addEventListener('change', (event) => enqueue(event, applyChange));
  // While the host waits on the person, a question or the fix-mode dialog is up: only the
  // state changed, and it is the newest there is.
  events.addEventListener('waiting', (event) => enqueue(event, async (id, data) => {
    stateEvent = Math.max(stateEvent, id);
    showState(data.state);
  }));
  // Events the server no longer keeps were missed, and the lines they added with them.
  events.addEventListener('resync', (event) => enqueue(event, async () => {
    await fetchAll();
    await fetchLog();
  }));
}

// ---- selecting in the view ----

// Indices in ascending order as the language's index list: "0 4 10-20".
function indexList(indices) {
  const words = [];
  for (let i = 0; i < indices.length;) {
    let j = i;
    while (j + 1 < indices.length && indices[j + 1] === indices[j] + 1) ++j;
    words.push(j === i ? String(indices[i]) : `${indices[i]}-${indices[j]}`);
    i = j + 1;
  }
  return words.join(' ');
}

// The server takes a command of at most 64 KiB.
const LONGEST_LINE = 60000;

function currentObject() {
  const current = state?.objects.find((object) => object.current);
  if (!current) throw new Error('there is no current object to select in');
  return current.index;
}

function setUpSelecting() {
  const canvas = $('#view-canvas');
  const box = $('#select-box');
  let mode = 'orbit';
  let start = null;
  const sculpting = new Sculpting({
    view, canvas, send, report,
    current: () => state?.objects.find((object) => object.current)?.index,
    kind: $('#brush-kind'), radius: $('#brush-radius'), strength: $('#brush-strength'),
  });
  window.studioSculpting = sculpting;
  setUpViewControls({
    view,
    send,
    setMode: (chosen) => {
      mode = chosen;
      view.setMode(mode);
      sculpting.setActive(mode === 'brush');
      canvas.dataset.mode = mode;
    },
  });
  const local = (event) => {
    const bounds = canvas.getBoundingClientRect();
    return { x: event.clientX - bounds.left, y: event.clientY - bounds.top };
  };
  canvas.addEventListener('pointerdown', (event) => {
    if (mode !== 'select' || event.button !== 0) return;
    canvas.setPointerCapture(event.pointerId);
    start = local(event);
  });
  const rect = (at) => ({
    left: Math.min(start.x, at.x), top: Math.min(start.y, at.y),
    right: Math.max(start.x, at.x), bottom: Math.max(start.y, at.y),
  });
  canvas.addEventListener('pointermove', (event) => {
    if (!start) return;
    const r = rect(local(event));
    if (r.right - r.left < 4 && r.bottom - r.top < 4) return;
    Object.assign(box.style, { left: `${r.left}px`, top: `${r.top}px`, width: `${r.right - r.left}px`, height: `${r.bottom - r.top}px` });
    box.hidden = false;
  });
  canvas.addEventListener('pointerup', (event) => {
    if (!start) return;
    const r = rect(local(event));
    const dragged = !box.hidden;
    start = null;
    box.hidden = true;
    send(() => {
      const object = currentObject();
      if (!dragged) {
        const vertex = view.pickVertex(object, r.left, r.top);
        if (vertex < 0) throw new Error('no vertex of the current object there');
        return `select ${vertex}`;
      }
      const inside = view.verticesInRect(object, r.left, r.top, r.right, r.bottom, { through: $('#select-through').checked });
      if (inside.length === 0) return 'select none';
      const line = `select ${indexList(inside)}`;
      if (line.length > LONGEST_LINE) {
        throw new Error(`the box holds ${inside.length} vertices in too many separate runs for one command; ` +
          'drag a smaller box, or use select plane');
      }
      return line;
    });
  });
}

// ---- the tools and the rest of the controls ----

function numbers(form) {
  return [...form.querySelectorAll('input[type="number"]')].map((input) => {
    const value = Number(input.value);
    if (input.value.trim() === '' || !Number.isFinite(value)) throw new Error(`${input.getAttribute('aria-label')} must be a number`);
    if (input.step === '1' && !Number.isInteger(value)) throw new Error(`${input.getAttribute('aria-label')} must be a whole number`);
    return value;
  });
}

// A path as one word of the language.
const pathWord = (path) => (/\s/.test(path) ? quoted(path) : path);

function setUpControls() {
  for (const button of document.querySelectorAll('button[data-line]')) {
    hint(button, button.dataset.line);
    button.addEventListener('click', () => {
      if (button.dataset.line !== 'new' || changes.keep('new')) send(button.dataset.line);
    });
  }
  const toolLine = (form) => `${form.dataset.tool} ${numbers(form).join(' ')}${$('#tool-all').checked ? ' all' : ''}`;
  const planeLine = () => `select plane ${$('#plane-axis').value} ${numbers($('#plane-form')).join(' ')}`;
  const lines = [
    ...[...document.querySelectorAll('form.tool')].map((form) => [form.querySelector('button'), () => toolLine(form)]),
    [$('#plane-form button'), planeLine],
    [$('#load-form button'), () => `load ${pathWord($('#load-path').value.trim() || 'PATH')}`],
    [$('#save-form button'), () => `save ${pathWord($('#save-path').value.trim() || 'PATH')}`],
  ];
  // The hints follow what is typed: each button says the line it would send now.
  const showLines = () => {
    for (const [button, line] of lines) {
      try {
        hint(button, line());
      } catch (error) {
        button.title = error.message;
      }
    }
  };
  for (const form of document.querySelectorAll('form.tool')) {
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      send(() => toolLine(form));
    });
  }
  $('#plane-form').addEventListener('submit', (event) => {
    event.preventDefault();
    send(planeLine);
  });
  keepSettings(showLines);
  $('#load-form').addEventListener('submit', (event) => {
    event.preventDefault();
    const path = $('#load-path').value.trim();
    if (!path) {
      renderOutcome('', { errors: ['type a file name to load, e.g. examples/head.obj (from the folder simhost serve started in), or open a file'] });
      return;
    }
    if (changes.keep('load')) send(() => `load ${pathWord(path)}`);
  });
  $('#save-form').addEventListener('submit', (event) => {
    event.preventDefault();
    const path = $('#save-path').value.trim();
    if (!path) {
      renderOutcome('', { errors: ['type a file name to save under the output folder, e.g. studio.obj, or download the OBJ'] });
      return;
    }
    send(() => `save ${pathWord(path)}`);
  });
  $('#upload-file').addEventListener('change', async (event) => {
    const file = event.target.files[0];
    event.target.value = '';
    if (!file) return;
    try {
      // The server keeps only plain names: letters, digits, dot, dash and underscore.
      const name = file.name.replace(/[^A-Za-z0-9._-]/g, '_').replace(/^\./, '_');
      if (!changes.keep('load')) return;
      const { path } = await api.uploadObj(name, await file.text());
      send(() => `load ${pathWord(path)}`);
    } catch (error) {
      renderOutcome(`upload ${file.name}`, { errors: [error.message] });
    }
  });

  // The command line keeps what was typed, up and down bring it back.
  const history = [];
  let back = 0;
  const input = $('#command-line');
  $('#command-form').addEventListener('submit', (event) => {
    event.preventDefault();
    const line = input.value.trim();
    if (!line) return;
    history.push(line);
    back = 0;
    input.value = '';
    send(line);
  });
  input.addEventListener('keydown', (event) => {
    if (event.key !== 'ArrowUp' && event.key !== 'ArrowDown') return;
    event.preventDefault();
    back = Math.max(0, Math.min(history.length, back + (event.key === 'ArrowUp' ? 1 : -1)));
    input.value = back === 0 ? '' : history[history.length - back];
  });
  $('#log-download').href = api.logDownloadUrl();
  $('#document-download').href = api.documentDownloadUrl();
  // A download is the document kept, as a save is, until the next change.
  $('#document-download').addEventListener('click', () => changes.saved());
  $('#fit-view').addEventListener('click', () => view.frameAll());
}

// ---- what the page keeps and explains ----

// The line a button sends, as its tooltip and, where the button has room for it, beside
// its words.
function hint(button, line) {
  button.title = `sends: ${line}`;
  const code = button.querySelector('.sends');
  if (code) code.textContent = line;
}

// Whether the document changed since it was last loaded, saved or made new, read from
// the log: the studio draws after every line that changed the document, and after no
// other, so a line followed by `draw` is a change.
const changes = {
  changed: false,
  previous: '',
  failing: false,
  read(lines, whole) {
    if (whole) {
      this.changed = false;
      this.previous = '';
    }
    for (const raw of lines) {
      const line = raw.trim();
      if (line === '' || line.startsWith('#')) {
        this.failing ||= line.startsWith('# the next line failed');
        continue;
      }
      const word = line.split(/\s+/)[0];
      if (word === 'draw' && this.previous !== '') {
        const before = this.previous.split(/\s+/)[0];
        if (before === 'load' || before === 'new') this.changed = false;
        else if (before !== 'draw' && before !== 'save') this.changed = true;
      } else if (word === 'save' && !this.failing) {
        this.changed = false;
      }
      this.failing = false;
      this.previous = line;
    }
    $('#document-changed').hidden = !this.changed;
  },
  saved() {
    this.changed = false;
    $('#document-changed').hidden = true;
  },
  // Asks before a line that throws the document away, when there is something to lose.
  keep(word) {
    if (!this.changed) return true;
    return window.confirm(`The document has changed since it was last loaded, saved or made new. ` +
      `${word === 'new' ? 'Make a new one' : 'Load another'} and lose those changes?`);
  },
};

// The tools' numbers and the names typed are kept across a reload, in this browser.
const SETTINGS = 'simhost-studio-settings';
function keepSettings(changed) {
  const fields = [...document.querySelectorAll('[data-keep]')];
  let kept = {};
  try {
    kept = JSON.parse(localStorage.getItem(SETTINGS) ?? '{}') ?? {};
  } catch {
    // Settings from elsewhere that do not read are left for the defaults.
  }
  for (const field of fields) {
    const value = kept[field.dataset.keep];
    if (value === undefined) continue;
    if (field.type === 'checkbox') field.checked = value === true;
    else field.value = String(value);
  }
  const store = () => {
    const now = Object.fromEntries(fields.map((field) =>
      [field.dataset.keep, field.type === 'checkbox' ? field.checked : field.value]));
    try {
      localStorage.setItem(SETTINGS, JSON.stringify(now));
    } catch {
      // A browser that keeps nothing for the page still runs it.
    }
    changed();
  };
  for (const field of fields) {
    field.addEventListener('input', store);
    field.addEventListener('change', store);
  }
  changed();
}

function setUpHelp() {
  const help = $('#help');
  $('#help-gestures tbody').replaceChildren(...GESTURES.map((gesture) => {
    const row = document.createElement('tr');
    for (const text of gesture) row.append(Object.assign(document.createElement('td'), { textContent: text }));
    return row;
  }));
  const close = () => {
    help.hidden = true;
    $('#help-open').focus();
  };
  $('#help-open').addEventListener('click', () => {
    help.hidden = false;
    $('#help-close').focus();
  });
  $('#help-close').addEventListener('click', close);
  help.addEventListener('click', (event) => { if (event.target === help) close(); });
  // Taken first: the view's keys do nothing while the panel is up.
  window.addEventListener('keydown', (event) => {
    if (help.hidden) return;
    event.stopPropagation();
    if (event.key === 'Escape') {
      event.preventDefault();
      close();
    }
  }, true);
}

// The server refused the page's token: retrying would not help; the address would.
function showRefused() {
  const connection = $('#connection');
  connection.dataset.state = 'refused';
  connection.textContent = 'no token';
  if (new URLSearchParams(location.search).get('token')) {
    connection.textContent = 'wrong token';
    $('#no-token-title').textContent = "The token in this page's address is not this run's: the studio refused it.";
  }
  $('#no-token').hidden = false;
}

setUpControls();
setUpSelecting();
setUpHelp();
listen();
