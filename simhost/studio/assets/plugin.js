// The plug-in's own window, its questions and its fix-mode dialog, drawn from the widget
// tree in the state as the host holds it: the same widgets, labels and pressed states the
// modeller would show. What the person does to them goes back as the session language's
// own lines, or, while the host waits on a question or the dialog, as its answer.

const SLOT_LABELS = ['X0', '1', '2', '3'];

// What each gesture does on a slot button, in the README's words ("Using the window"):
// the buttons' tooltips and the help panel are drawn from here.
export const GESTURES = [
  ['click', 'record the centre line afresh, arm it (or disarm)', 'arm or disarm what the slot holds'],
  ['Ctrl-click', 'fix all three axes',
    'record the selection of the current object (asks "Overwrite?" when the slot holds pins)'],
  ['Shift-click', 'fix X only', 'clear the slot (asks "Clear?" when it holds pins)'],
  ['right-click', 'open "SetFixMode"', 'open "SetFixMode"'],
];

export function slotTooltip(label) {
  const column = label === 'X0' ? 1 : 2;
  return [`slot ${label}`, ...GESTURES.map((gesture) => `${gesture[0]}: ${gesture[column]}`)].join('\n');
}

// The slot a running line works on: "click 1 ctrl", "rightclick X0 at 10 20".
export function slotOfLine(line) {
  const found = /^\s*(?:click|rightclick)\s+(\S+)/i.exec(line ?? '');
  return found && SLOT_LABELS.includes(found[1].toUpperCase()) ? found[1].toUpperCase() : null;
}

// What a slot holds, as the status says it.
function pinsOf(state, label) {
  const slot = state?.slots?.find((s) => s.label === label);
  return slot ? `${slot.pins} pin${slot.pins === 1 ? '' : 's'}` : 'pins the page does not know of';
}

// Keeps a window that the view is too small for, or was dragged to its edge, inside the
// view: the panels beside it would otherwise cover it.
function clampInto(layer, frame, left, top) {
  const width = Math.max(0, layer.clientWidth - frame.offsetWidth);
  const height = Math.max(0, layer.clientHeight - frame.offsetHeight);
  return [Math.round(Math.max(0, Math.min(width, left))), Math.round(Math.max(0, Math.min(height, top)))];
}

// A dialog the plug-in attached to its window is a window of its own, not part of it.
const inside = (widget) => widget.shown !== false && widget.type !== 'dialog' && widget.type !== 'window';

// Builds the DOM of a widget and what it holds. Buttons get `onButton`.
function widgetElement(widget, onButton) {
  const properties = widget.properties ?? {};
  if (widget.type === 'button') {
    const button = document.createElement('button');
    button.type = 'button';
    button.className = 'widget-button';
    button.textContent = properties.text ?? '';
    button.dataset.label = properties.text ?? '';
    button.dataset.widget = widget.id;
    const down = properties.down === true;
    button.classList.toggle('pressed', down);
    button.setAttribute('aria-pressed', String(down));
    onButton(button, properties.text ?? '');
    return button;
  }
  const box = document.createElement('div');
  box.className = `widget-${widget.type}`;
  box.dataset.widget = widget.id;
  if (properties.alignment === 'horz') box.classList.add('horizontal');
  for (const child of (widget.children ?? []).filter(inside)) box.append(widgetElement(child, onButton));
  return box;
}

// The words the session language takes for the keys held with a click.
function modifierWords(event) {
  return `${event.ctrlKey || event.metaKey ? ' ctrl' : ''}${event.shiftKey ? ' shift' : ''}`;
}

export class PluginWindows {
  // `send(line)` runs a line of the session language without waiting on it.
  constructor({ layer, missing, send }) {
    this.layer = layer;
    this.missing = missing;
    this.send = send;
    this.dragging = null;
    this.pending = null;
    // A narrower view (a window made smaller, a panel opened) moves the window inside it.
    new ResizeObserver(() => this.keepInside()).observe(layer);
  }

  keepInside() {
    if (this.dragging) return;
    for (const frame of this.layer.querySelectorAll('.plugin-window')) {
      const [left, top] = clampInto(this.layer, frame, Number(frame.dataset.posX), Number(frame.dataset.posY));
      frame.style.left = `${left}px`;
      frame.style.top = `${top}px`;
    }
  }

  render(state) {
    // A drag in progress keeps the window it moves; the state after it is drawn at the drop.
    if (this.dragging) {
      this.pending = state;
      return;
    }
    this.layer.replaceChildren();
    const windows = state.windows.filter((w) => w.type === 'window' && w.shown);
    for (const window of windows) this.layer.append(this.windowElement(window));
    this.keepInside();
    this.missing.hidden = windows.length > 0;
    this.missing.querySelector('#plugin-init').hidden = state.initialized;
    this.missing.querySelector('#plugin-activate').hidden = !state.initialized || state.activated;
  }

  windowElement(window) {
    const properties = window.properties ?? {};
    const frame = document.createElement('div');
    frame.className = 'plugin-window';
    frame.dataset.widget = window.id;
    // Where the host holds it; shown there when the view has room.
    frame.dataset.posX = String(properties.pos_x ?? 0);
    frame.dataset.posY = String(properties.pos_y ?? 0);
    const title = document.createElement('div');
    title.className = 'plugin-title';
    const text = document.createElement('span');
    text.textContent = properties.title ?? '';
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'plugin-close';
    close.title = 'close the window';
    close.textContent = '\u00d7';
    close.addEventListener('click', () => this.send('close window'));
    title.append(text, close);
    title.addEventListener('pointerdown', (event) => this.startDrag(event, frame));
    const body = document.createElement('div');
    body.className = 'plugin-body';
    for (const child of (window.children ?? []).filter(inside)) {
      body.append(widgetElement(child, (button, label) => this.slotButton(button, label)));
    }
    frame.append(title, body);
    return frame;
  }

  slotButton(button, label) {
    if (!SLOT_LABELS.includes(label)) return;
    button.id = `slot-button-${label}`;
    button.title = slotTooltip(label);
    button.addEventListener('click', (event) => this.send(`click ${label}${modifierWords(event)}`));
    button.addEventListener('contextmenu', (event) => {
      // The dialog opens where the click was, as the modeller places it.
      event.preventDefault();
      const view = this.layer.getBoundingClientRect();
      const x = Math.max(0, Math.round(event.clientX - view.left));
      const y = Math.max(0, Math.round(event.clientY - view.top));
      this.send(`rightclick ${label} at ${x} ${y}`);
    });
  }

  startDrag(event, frame) {
    if (event.button !== 0 || event.target.closest('button')) return;
    event.preventDefault();
    const title = event.currentTarget;
    title.setPointerCapture(event.pointerId);
    const startX = event.clientX - frame.offsetLeft;
    const startY = event.clientY - frame.offsetTop;
    this.dragging = { moved: false };
    const move = (e) => {
      this.dragging.moved = true;
      const [left, top] = clampInto(this.layer, frame, e.clientX - startX, e.clientY - startY);
      frame.style.left = `${left}px`;
      frame.style.top = `${top}px`;
    };
    const drop = () => {
      title.removeEventListener('pointermove', move);
      const moved = this.dragging.moved;
      this.dragging = null;
      if (moved) this.send(`move window ${parseInt(frame.style.left, 10)} ${parseInt(frame.style.top, 10)}`);
      if (this.pending) {
        const state = this.pending;
        this.pending = null;
        this.render(state);
      }
    };
    title.addEventListener('pointermove', move);
    title.addEventListener('pointerup', drop, { once: true });
    title.addEventListener('pointercancel', drop, { once: true });
  }
}

// "Overwrite?" and "Clear?": shown while the host waits for the person's answer.
export class QuestionBox {
  constructor({ element, answer, report }) {
    this.element = element;
    this.answer = answer;
    this.report = report;
    element.querySelector('#question-ok').addEventListener('click', () => this.reply('ok'));
    element.querySelector('#question-cancel').addEventListener('click', () => this.reply('cancel'));
    // Taken before anything else on the page sees the key: Enter must not also run the
    // command line.
    window.addEventListener('keydown', (event) => {
      if (this.element.hidden) return;
      if (event.key === 'Enter' || event.key === 'Escape') {
        event.preventDefault();
        event.stopPropagation();
        this.reply(event.key === 'Enter' ? 'ok' : 'cancel');
      }
    }, true);
  }

  render(state) {
    const waiting = state.waiting;
    const asking = waiting?.kind === 'question';
    if (asking) {
      this.element.querySelector('#question-title').textContent = waiting.title ?? '';
      this.element.querySelector('#question-message').textContent = waiting.message ?? '';
      // The plug-in's own words stay as they are; the page says beside them who asks.
      const slot = slotOfLine(waiting.line);
      this.element.querySelector('#question-context').textContent = slot
        ? `Slot ${slot} asks; it holds ${pinsOf(state, slot)}. (${waiting.line})`
        : waiting.line ? `Asked while running: ${waiting.line}` : '';
      if (this.element.hidden) {
        this.element.hidden = false;
        this.element.querySelector('#question-ok').focus();
      }
    } else {
      this.element.hidden = true;
    }
  }

  reply(answer) {
    // The box goes at once; a 409 says the question was already over (answered elsewhere,
    // or timed out), which the next state shows.
    this.element.hidden = true;
    this.answer(answer).catch((error) => {
      if (error.status !== 409) this.report(error.message);
    });
  }
}

// "SetFixMode": a modal panel drawn from the dialog's widgets while the host runs it.
export class FixDialog {
  constructor({ element, act, report }) {
    this.element = element;
    this.act = act;
    this.report = report;
    this.sending = Promise.resolve();
    element.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      this.send('rightclick');
    });
    window.addEventListener('keydown', (event) => {
      if (this.element.hidden) return;
      const key = event.key.toLowerCase();
      if (['x', 'y', 'z'].includes(key) || key === 'escape') {
        event.preventDefault();
        event.stopPropagation();
        this.send(`key ${key === 'escape' ? 'esc' : key}`);
      }
    }, true);
  }

  render(state) {
    // Shown only while the host waits on the person in it: a dialog that a queued
    // `dialog` line works is over before the page could draw it.
    const id = state.waiting?.kind === 'dialog' && state.openDialog ? state.waiting.dialog : 0;
    const dialog = id ? state.windows.find((w) => w.id === id && w.type === 'dialog') : null;
    if (!dialog) {
      this.element.hidden = true;
      return;
    }
    this.element.querySelector('#fix-dialog-title').textContent = dialog.properties?.title ?? '';
    const slot = slotOfLine(state.waiting.line);
    this.element.querySelector('#fix-dialog-slot').textContent = slot
      ? `The axes of slot ${slot}, which holds ${pinsOf(state, slot)}.` : '';
    const body = this.element.querySelector('#fix-dialog-body');
    const axes = [];
    body.replaceChildren(...(dialog.children ?? []).filter(inside).map((child) => widgetElement(child, (button, label) => {
      button.id = `fix-toggle-${label}`;
      button.addEventListener('click', () => this.send(`click ${label}`));
      // Pressed frees the axis: the words are the Pins table's.
      const word = button.getAttribute('aria-pressed') === 'true' ? 'free' : 'held';
      button.title = `${label} is ${word}; a click makes it ${word === 'held' ? 'free' : 'held'}`;
      const item = document.createElement('li');
      item.dataset.axis = label;
      item.dataset.word = word;
      item.textContent = `${label}: ${word}`;
      axes.push(item);
    })));
    this.element.querySelector('#fix-dialog-axes').replaceChildren(...axes);
    this.element.hidden = false;
  }

  // One after another, so that the actions reach the dialog in the order the person gave
  // them: two requests on their way at once may arrive either way round.
  send(action) {
    this.sending = this.sending.then(() => this.act(action)).catch((error) => {
      // 409: the dialog has closed, and the action has nothing left to act on.
      if (error.status !== 409) this.report(error.message);
    });
  }
}
