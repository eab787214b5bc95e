// Brushes in the view. A drag that starts on the surface is one stroke: `stroke begin`,
// then its samples as `brush KIND X Y Z DX DY DZ RADIUS STRENGTH` in world units, then
// `stroke end`, so that the log replays it and one undo takes it back. One line of a
// stroke is on its way at a time: the next sample goes once the last one is done, and the
// pointer's moves meanwhile are folded into it (their drags summed, the latest centre), so
// that a fast hand never fills the server's queue and the drag is never lost.
//
// Sections:
//   numbers     compact decimal text of world units
//   settings    kind, radius and strength per kind, kept across a reload
//   strokes     the pointer's drag as paced samples; the ring under the pointer

// ---- numbers ----

// Six significant digits, never an exponent: the session language reads plain decimals.
export function compact(value) {
  if (!Number.isFinite(value)) throw new Error(`the brush met a number that is not finite (${value})`);
  if (Math.abs(value) < 1e-9) return '0';
  const text = String(Number(value.toPrecision(6)));
  return text.includes('e') ? value.toFixed(12).replace(/\.?0+$/, '') : text;
}

// ---- settings ----

const KINDS = ['grab', 'smooth', 'inflate'];
// Grab follows the hand by default; smoothing and inflating work a little at each sample.
const DEFAULTS = {
  grab: { radius: 0.25, strength: 1 },
  smooth: { radius: 0.2, strength: 0.5 },
  inflate: { radius: 0.2, strength: 0.2 },
};
const STORED = 'studio-brush';

function readSettings() {
  const settings = { kind: 'grab', ...structuredClone(DEFAULTS) };
  try {
    const stored = JSON.parse(localStorage.getItem(STORED) ?? 'null');
    if (KINDS.includes(stored?.kind)) settings.kind = stored.kind;
    for (const kind of KINDS) {
      const { radius, strength } = stored?.[kind] ?? {};
      if (radius > 0 && Number.isFinite(radius)) settings[kind].radius = radius;
      if (strength >= 0 && strength <= 1) settings[kind].strength = strength;
    }
  } catch {
    // A stored value this page cannot read is replaced by the defaults.
  }
  return settings;
}

// ---- strokes ----

export class Sculpting {
  // `send(line)` resolves to the server's answer once the line is done, null when it was
  // refused; `report(message)` shows what went wrong; `current()` is the index of the
  // object the brush works on (the document's current one), undefined when there is none.
  constructor({ view, canvas, send, report, current, kind, radius, strength }) {
    Object.assign(this, { view, canvas, send, report, current });
    this.inputs = { kind, radius, strength };
    this.settings = readSettings();
    this.active = false;
    this.stroke = null;
    this.hoverAt = null;
    // What the pacing did, for whoever checks it: samples sent, pointer moves folded into
    // a sample already waiting, strokes done.
    this.counts = { samples: 0, folded: 0, strokes: 0 };
    this.showSettings();
    kind.addEventListener('change', () => {
      this.settings.kind = kind.value;
      this.showSettings();
      this.keepSettings();
    });
    for (const input of [radius, strength]) input.addEventListener('change', () => this.readInputs() && this.keepSettings());
    canvas.addEventListener('pointerdown', (event) => this.press(event));
    canvas.addEventListener('pointermove', (event) => this.move(event));
    canvas.addEventListener('pointerup', () => this.release());
    canvas.addEventListener('pointercancel', () => this.release());
    canvas.addEventListener('pointerleave', () => { if (!this.stroke) this.view.hideBrushRing(); });
  }

  setActive(active) {
    this.active = active;
    if (!active) this.view.hideBrushRing();
  }

  showSettings() {
    const { kind } = this.settings;
    this.inputs.kind.value = kind;
    this.inputs.radius.value = String(this.settings[kind].radius);
    this.inputs.strength.value = String(this.settings[kind].strength);
  }

  keepSettings() {
    try {
      localStorage.setItem(STORED, JSON.stringify(this.settings));
    } catch {
      // Storage full or refused: the settings hold for this page only.
    }
  }

  // The radius and strength typed, checked; null after saying what is wrong.
  readInputs() {
    const radius = Number(this.inputs.radius.value);
    const strength = Number(this.inputs.strength.value);
    if (!(radius > 0 && Number.isFinite(radius))) {
      this.report(`the brush radius must be a number above 0, not "${this.inputs.radius.value}"`);
      return null;
    }
    if (!(strength >= 0 && strength <= 1) || this.inputs.strength.value.trim() === '') {
      this.report(`the brush strength must be a number from 0 to 1, not "${this.inputs.strength.value}"`);
      return null;
    }
    Object.assign(this.settings[this.settings.kind], { radius, strength });
    return { kind: this.settings.kind, radius, strength };
  }

  local(event) {
    const bounds = this.canvas.getBoundingClientRect();
    return { x: event.clientX - bounds.left, y: event.clientY - bounds.top };
  }

  press(event) {
    if (!this.active || event.button !== 0 || this.stroke) return;
    const { x, y } = this.local(event);
    const hit = this.surface(x, y);
    if (!hit) return;
    const brush = this.readInputs();
    if (!brush) return;
    this.canvas.setPointerCapture(event.pointerId);
    // The drag is measured on the plane through the point first touched that faces the
    // camera, as the hand moves it across the screen.
    const stroke = {
      ...brush,
      plane: { point: hit.point.clone(), normal: this.view.forward().negate() },
      last: hit.point.clone(),
      centre: hit.point.clone(),
      normal: hit.normal,
      // The drag not yet sent: for smoothing and inflating, the hand may cross empty space
      // between two samples on the surface.
      drag: hit.point.clone().setScalar(0),
      pending: true,
      released: false,
      wake: null,
    };
    this.stroke = stroke;
    this.view.showBrushRing(stroke.centre, stroke.normal, stroke.radius);
    this.run(stroke);
  }

  move(event) {
    if (!this.active) return;
    const { x, y } = this.local(event);
    const stroke = this.stroke;
    if (!stroke) {
      this.hover(x, y);
      return;
    }
    const on = this.view.pointOnPlane(x, y, stroke.plane.point, stroke.plane.normal);
    if (!on) return;
    stroke.drag.add(on.clone().sub(stroke.last));
    stroke.last.copy(on);
    if (stroke.kind === 'grab') {
      // Grab holds what it took at the start: its centre follows the hand.
      stroke.centre.copy(on);
    } else {
      const hit = this.surface(x, y);
      if (!hit) return;
      stroke.centre.copy(hit.point);
      stroke.normal = hit.normal;
    }
    if (stroke.pending) ++this.counts.folded;
    stroke.pending = true;
    this.view.showBrushRing(stroke.centre, stroke.normal, stroke.radius);
    stroke.wake?.();
  }

  release() {
    const stroke = this.stroke;
    if (!stroke) return;
    stroke.released = true;
    stroke.wake?.();
  }

  // The brush works on the current object only: the surface under the pointer is its.
  surface(x, y) {
    const object = this.current();
    return object === undefined ? null : this.view.pickSurface(x, y, object);
  }

  // The ring follows the pointer once a frame, however often it moves.
  hover(x, y) {
    const waiting = this.hoverAt !== null;
    this.hoverAt = { x, y };
    if (waiting) return;
    requestAnimationFrame(() => {
      const at = this.hoverAt;
      this.hoverAt = null;
      if (!this.active || this.stroke) return;
      const hit = this.surface(at.x, at.y);
      const radius = Number(this.inputs.radius.value);
      if (hit && radius > 0) this.view.showBrushRing(hit.point, hit.normal, radius);
      else this.view.hideBrushRing();
    });
  }

  line(stroke) {
    const numbers = [...stroke.centre.toArray(), ...stroke.drag.toArray(), stroke.radius, stroke.strength];
    return `brush ${stroke.kind} ${numbers.map(compact).join(' ')}`;
  }

  // One line on its way at a time, from `stroke begin` to `stroke end`. A sample refused
  // or failed ends the sampling (the server said why); the stroke is still closed.
  async run(stroke) {
    const begun = await this.send('stroke begin');
    if (begun?.result === 'ok') {
      for (;;) {
        if (stroke.pending) {
          let line;
          try {
            line = this.line(stroke);
          } catch (error) {
            this.report(error.message);
            break;
          }
          stroke.pending = false;
          stroke.drag.setScalar(0);
          ++this.counts.samples;
          const answer = await this.send(line);
          if (answer?.result !== 'ok') break;
        } else if (stroke.released) {
          break;
        } else {
          await new Promise((resolve) => { stroke.wake = resolve; });
          stroke.wake = null;
        }
      }
      await this.send('stroke end');
      ++this.counts.strokes;
    }
    // Samples the server stopped are dropped with the rest of the drag.
    while (!stroke.released) await new Promise((resolve) => { stroke.wake = resolve; });
    this.stroke = null;
    this.view.hideBrushRing();
  }
}
