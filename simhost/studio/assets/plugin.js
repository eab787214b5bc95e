// The plug-in's own window, its questions and its fix-mode dialog, drawn from the widget
// tree in the state as the host holds it: the same widgets, labels and pressed states the
// modeller would show. What the person does to them goes back as the session language's
// own lines, or, while the host waits on a question or the dialog, as its answer.

const SLOT_LABELS = ['X0', '1', '2', '3'];

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
    this.missing.hidden = windows.length > 0;
    this.missing.querySelector('#plugin-init').hidden = state.initialized;
    this.missing.querySelector('#plugin-activate').hidden = !state.initialized || state.activated;
  }

  windowElement(window) {
    const properties = window.properties ?? {};
    const frame = document.createElement('div');
    frame.className = 'plugin-window';
    frame.dataset.widget = window.id;
    frame.style.left = `${properties.pos_x ?? 0}px`;
    frame.style.top = `${properties.pos_y ?? 0}px`;
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
      frame.style.left = `${Math.max(0, Math.round(e.clientX - startX))}px`;
      frame.style.top = `${Math.max(0, Math.round(e.clientY - startY))}px`;
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

  render(waiting) {
    const asking = waiting?.kind === 'question';
    if (asking) {
      this.element.querySelector('#question-title').textContent = waiting.title ?? '';
      this.element.querySelector('#question-message').textContent = waiting.message ?? '';
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
    const body = this.element.querySelector('#fix-dialog-body');
    body.replaceChildren(...(dialog.children ?? []).filter(inside).map((child) => widgetElement(child, (button, label) => {
      button.id = `fix-toggle-${label}`;
      button.addEventListener('click', () => this.send(`click ${label}`));
    })));
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
