// The studio's server as the page meets it. Every /api/ request carries the token the
// server put in this page's own address: as a header where the page can set one, in the
// address for the event stream and the log's download link, which cannot.

const token = new URLSearchParams(location.search).get('token') ?? '';
const withToken = (path) => `${path}${path.includes('?') ? '&' : '?'}token=${encodeURIComponent(token)}`;

// A refusal or a failure the server explained: the message is its own.
export class ApiError extends Error {
  constructor(status, message) {
    super(message);
    this.status = status;
  }
}

async function request(method, path, body, contentType) {
  const headers = { 'X-Simhost-Token': token };
  if (contentType) headers['Content-Type'] = contentType;
  const response = await fetch(path, { method, headers, body, cache: 'no-store' });
  const text = await response.text();
  let answer = null;
  try {
    answer = text === '' ? null : JSON.parse(text);
  } catch {
    throw new ApiError(response.status, `${method} ${path}: the server answered ${response.status} with no JSON`);
  }
  if (!response.ok) {
    throw new ApiError(response.status, answer?.error ?? `${method} ${path}: the server answered ${response.status}`);
  }
  return answer;
}

export const getState = () => request('GET', '/api/state');

// A binary answer's bytes; a refusal as an ApiError with the server's message.
async function bytes(path) {
  const response = await fetch(path, { headers: { 'X-Simhost-Token': token }, cache: 'no-store' });
  if (!response.ok) {
    let message = `GET ${path}: the server answered ${response.status}`;
    try {
      message = (await response.json()).error ?? message;
    } catch {
      // No JSON to explain it: the status says what there is.
    }
    throw new ApiError(response.status, message);
  }
  return response.arrayBuffer();
}

// The meshes as a frame: a uint32 length H, H bytes of JSON padded to a multiple of 4, then
// the binary body its references point into. Every array comes back a typed array, a view
// on the buffer where it lies in the body.
export async function getMesh() {
  const buffer = await bytes('/api/mesh');
  const length = buffer.byteLength >= 4 ? new DataView(buffer).getUint32(0, true) : -1;
  if (length < 0 || 4 + length > buffer.byteLength || length % 4 !== 0) {
    throw new Error(`the mesh: ${buffer.byteLength} bytes that are not a frame`);
  }
  const mesh = JSON.parse(new TextDecoder().decode(new Uint8Array(buffer, 4, length)));
  const body = { buffer, offset: 4 + length };
  for (const object of mesh.objects) {
    const name = `object "${object.name}"`;
    object.positions = resolveArray(object.positions, Float32Array, body, `${name} positions`);
    for (const key of ['faceStarts', 'corners', 'deleted']) {
      object[key] = resolveArray(object[key], Int32Array, body, `${name} ${key}`);
    }
  }
  resolveMarks(mesh, body);
  return mesh;
}

// The binary body of event `n`; an ApiError with status 410 once the server no longer keeps
// it, which means the page missed the event.
export const getEventData = (n) => bytes(`/api/event-data?event=${encodeURIComponent(n)}`);

// A change event's arrays as typed arrays, in place: its changed positions, and its pins,
// selected and moved-back indices. `buffer` is its binary body, null when it has none.
export function resolveEvent(event, buffer) {
  const body = buffer ? { buffer, offset: 0 } : null;
  for (const entry of event.changed ?? []) {
    entry.positions = resolveArray(entry.positions, Float32Array, body, `object ${entry.object}'s changed positions`);
  }
  resolveMarks(event, body);
  return event;
}

function resolveMarks(holder, body) {
  const resolveEntries = (entries, what) => {
    for (const entry of entries ?? []) entry.indices = resolveArray(entry.indices, Int32Array, body, what);
  };
  resolveEntries(holder.selected, 'the selected vertices');
  for (const [slot, entries] of (holder.pins ?? []).entries()) resolveEntries(entries, `slot ${slot}'s pins`);
  resolveEntries(holder.movedBack, 'the vertices moved back');
}

// An array as it travels: inline base64, or a reference {at, length} into the body, whose
// 4-byte values are viewed where they lie.
function resolveArray(value, Type, body, what) {
  if (typeof value === 'string') return decodeArray(value, Type, what);
  const at = value?.at;
  const length = value?.length;
  if (!Number.isInteger(at) || !Number.isInteger(length) || at < 0 || length < 0 || at % 4 !== 0) {
    throw new Error(`${what}: neither base64 nor a reference to the binary body`);
  }
  if (!body || at + length * Type.BYTES_PER_ELEMENT > body.buffer.byteLength - body.offset) {
    throw new Error(`${what}: ${length} values at byte ${at} lie outside the binary body`);
  }
  return new Type(body.buffer, body.offset + at, length);
}

// The log as it stood after the event numbered `event`.
export async function getLog() {
  const response = await fetch('/api/log', { headers: { 'X-Simhost-Token': token }, cache: 'no-store' });
  if (!response.ok) throw new ApiError(response.status, `the session log could not be read (${response.status})`);
  return { text: await response.text(), event: Number(response.headers.get('X-Simhost-Event')) };
}

export const logDownloadUrl = () => withToken('/api/log');
export const documentDownloadUrl = () => withToken('/api/document.obj');

// The answer names the event the line caused. It comes only once the line has run, which
// for a click that asks a question or opens the fix-mode dialog is after the person has
// dealt with it: callers must not wait on it.
export const runCommand = (line) => request('POST', '/api/command', JSON.stringify({ line }), 'application/json');
export const answerQuestion = (answer) => request('POST', '/api/answer', JSON.stringify({ answer }), 'application/json');
export const dialogAction = (action) => request('POST', '/api/dialog', JSON.stringify({ action }), 'application/json');

// The server keeps the file in its own folders and names where, for a `load` line.
export const uploadObj = (name, text) =>
  request('POST', `/api/upload?name=${encodeURIComponent(name)}`, text, 'text/plain; charset=utf-8');

export function openEvents() {
  return new EventSource(withToken('/api/events'));
}

// Short index lists come inline as base64 of their little-endian bytes, and the rest in a
// binary body; every machine a browser runs WebGL on is little-endian, so the bytes are the
// typed array as they stand.
export function decodeArray(base64, Type, what) {
  const bytes = typeof Uint8Array.fromBase64 === 'function' ? Uint8Array.fromBase64(base64) : bytesOf(base64);
  if (bytes.byteLength % Type.BYTES_PER_ELEMENT !== 0) {
    throw new Error(`${what}: ${bytes.byteLength} bytes is not a whole number of ${Type.name} values`);
  }
  return new Type(bytes.buffer, bytes.byteOffset, bytes.byteLength / Type.BYTES_PER_ELEMENT);
}

function bytesOf(base64) {
  const text = atob(base64);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  return bytes;
}
