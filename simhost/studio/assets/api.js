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
export const getMesh = () => request('GET', '/api/mesh');

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

// Binary arrays come as base64 of their little-endian bytes; every machine a browser runs
// WebGL on is little-endian, so the bytes are the typed array as they stand.
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
