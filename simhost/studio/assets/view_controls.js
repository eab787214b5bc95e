// The view's toolbar and keys, as modellers know them: the six views on buttons and on
// the keypad (1 front, 3 right, 7 top, with Ctrl the opposite side; 5 perspective or
// orthographic), F frames the selection, Home everything, Ctrl-Z undoes and Ctrl-Shift-Z
// or Ctrl-Y redoes. The camera and the view's settings are kept across a reload.
//
// Sections:
//   kept across a reload   the camera and the toolbar's settings in the browser's storage
//   the toolbar            views, projection, wireframe and edges, framing, the
//                          selection's count
//   keys                   when the page's keys are the view's, and what each does

// ---- kept across a reload ----

// The browser keeps storage per origin: each studio address has its own.
const CAMERA = 'studio-camera';
const SETTINGS = 'studio-view';

function stored(key) {
  try {
    return JSON.parse(localStorage.getItem(key) ?? 'null');
  } catch {
    return null;
  }
}

function store(key, value) {
  try {
    localStorage.setItem(key, JSON.stringify(value));
  } catch {
    // Storage full or refused: it holds for this page only.
  }
}

// ---- the toolbar ----

const $ = (selector) => document.querySelector(selector);

// `send(line)` runs a line and resolves once it is done; `setMode(mode)` switches the
// mouse between orbit, select and brush.
export function setUpViewControls({ view, send, setMode }) {
  view.setCameraState(stored(CAMERA));
  let saving = null;
  const saveCamera = () => {
    clearTimeout(saving);
    saving = null;
    store(CAMERA, view.cameraState());
  };
  const projection = $('#view-projection');
  const showCamera = () => {
    for (const button of document.querySelectorAll('#view-toolbar [data-view]')) {
      button.setAttribute('aria-pressed', String(button.dataset.view === view.viewName));
    }
    const orthographic = view.projection === 'orthographic';
    projection.setAttribute('aria-pressed', String(orthographic));
    projection.textContent = orthographic ? 'Orthographic' : 'Perspective';
  };
  view.canvas.addEventListener('camera', () => {
    showCamera();
    saving ??= setTimeout(saveCamera, 250);
  });
  window.addEventListener('pagehide', saveCamera);
  showCamera();

  for (const button of document.querySelectorAll('#view-toolbar [data-view]')) {
    button.addEventListener('click', () => view.setView(button.dataset.view));
  }
  const toggleProjection = () => view.setProjection(view.projection === 'orthographic' ? 'perspective' : 'orthographic');
  projection.addEventListener('click', toggleProjection);
  $('#frame-selected').addEventListener('click', () => view.frameSelected());

  const settings = { mode: 'orbit', wireframe: false, edges: false, through: false, ...stored(SETTINGS) };
  const wireframe = $('#view-wireframe');
  const edges = $('#view-edges');
  const through = $('#select-through');
  const keepSettings = () => store(SETTINGS, settings);
  wireframe.checked = settings.wireframe === true;
  edges.checked = settings.edges === true;
  through.checked = settings.through === true;
  view.setWireframe(wireframe.checked);
  view.setAllEdges(edges.checked);
  wireframe.addEventListener('change', () => {
    settings.wireframe = wireframe.checked;
    view.setWireframe(wireframe.checked);
    keepSettings();
  });
  edges.addEventListener('change', () => {
    settings.edges = edges.checked;
    view.setAllEdges(edges.checked);
    keepSettings();
  });
  through.addEventListener('change', () => {
    settings.through = through.checked;
    keepSettings();
  });
  const modes = [...document.querySelectorAll('input[name="view-mode"]')];
  const choose = (mode) => {
    settings.mode = mode;
    setMode(mode);
    $('#view').dataset.mode = mode;
    keepSettings();
  };
  for (const radio of modes) radio.addEventListener('change', () => choose(radio.value));
  const kept = modes.find((radio) => radio.value === settings.mode) ?? modes[0];
  kept.checked = true;
  choose(kept.value);

  view.canvas.addEventListener('selection', (event) => {
    $('#selected-count').textContent = event.detail.toLocaleString('en');
  });

  setUpKeys({ view, send, toggleProjection });
}

// ---- keys ----

// Keys typed into a field are the field's: digits, F, Home, Ctrl-Z all mean something
// there. Checkboxes, radios and buttons take no typing.
function typing(target) {
  if (!(target instanceof HTMLElement)) return false;
  if (target.isContentEditable || target.closest('textarea, select, [contenteditable=""], [contenteditable="true"]')) return true;
  return target.matches('input') && !['checkbox', 'radio', 'button', 'submit', 'reset'].includes(target.type);
}

// While a question or the fix-mode dialog waits on the person, the keys are theirs:
// the dialog's X, Y and Z, a question's Enter and Escape.
const held = () => document.querySelector('#fix-dialog:not([hidden]), #question:not([hidden]), .modal:not([hidden])') !== null;

const VIEW_KEYS = { 1: ['front', 'back'], 3: ['right', 'left'], 7: ['top', 'bottom'] };

function setUpKeys({ view, send, toggleProjection }) {
  // Undo and redo go one after the other, each once the last is done, however fast the
  // keys come.
  let history = Promise.resolve();
  const step = (line) => {
    history = history.then(() => send(line));
  };
  window.addEventListener('keydown', (event) => {
    if (event.defaultPrevented || event.altKey || typing(event.target) || held()) return;
    const control = event.ctrlKey || event.metaKey;
    const key = event.key.toLowerCase();
    let act = null;
    if (control && key === 'z' && !event.shiftKey) act = () => step('undo');
    else if (control && ((key === 'z' && event.shiftKey) || (key === 'y' && !event.shiftKey))) act = () => step('redo');
    // The keypad's keys and the row of digits alike, whatever Num Lock says.
    const digit = /^(?:Digit|Numpad)(\d)$/.exec(event.code)?.[1];
    if (digit && !event.shiftKey && !event.metaKey) {
      if (VIEW_KEYS[digit]) act = () => view.setView(VIEW_KEYS[digit][event.ctrlKey ? 1 : 0]);
      else if (digit === '5' && !control) act = toggleProjection;
    }
    // By the key's place: the keypad's 7 without Num Lock is also called Home.
    if (!control && !event.shiftKey) {
      if (key === 'f' || event.code === 'NumpadDecimal') act = () => view.frameSelected();
      else if (event.code === 'Home') act = () => view.frameAll();
    }
    if (!act) return;
    event.preventDefault();
    // Held down, a view key repeats harmlessly; undo steps only once per press.
    if (event.repeat && control) return;
    act();
  });
}
