// A studio whose socket is bound elsewhere than the address its pages use (--bind, as
// where a virtual machine's port forward carries 127.0.0.1 here to it) still answers only
// pages that name 127.0.0.1, and listens only where it was bound.
import assert from 'node:assert/strict';
import http from 'node:http';
import net from 'node:net';
import os from 'node:os';
import { test } from 'node:test';
import { startStudio } from './harness.js';

// An address of this machine other than its loopback, if it has one.
const elsewhere = Object.values(os.networkInterfaces()).flat()
  .find((address) => address && address.family === 'IPv4' && !address.internal)?.address;

test('a studio bound elsewhere answers only pages that name 127.0.0.1', async (t) => {
  if (!elsewhere) {
    t.skip('this machine has no address but its loopback to bind the studio to');
    return;
  }
  const studio = await startStudio({ args: ['--bind', elsewhere] });
  t.after(async () => {
    const end = await studio.stop();
    await studio.remove();
    assert.equal(end.code, 0, `simhost serve ended with ${end.code}:\n${end.stderr}`);
  });
  assert.equal(studio.host, `127.0.0.1:${new URL(studio.url).port}`, 'the page is still reached as 127.0.0.1');
  const ask = (host) => new Promise((resolve, reject) => {
    http.get({ host: elsewhere, port: new URL(studio.url).port, path: '/', headers: { Host: host } }, (response) => {
      response.resume();
      resolve(response.statusCode);
    }).on('error', reject);
  });
  assert.equal(await ask(studio.host), 200);
  assert.equal(await ask(`${elsewhere}:${new URL(studio.url).port}`), 403);
  assert.equal(await ask(`evil.example:${new URL(studio.url).port}`), 403);
  const refused = await new Promise((resolve) => {
    net.connect(Number(new URL(studio.url).port), '127.0.0.1').on('connect', function connected() {
      this.destroy();
      resolve(false);
    }).on('error', () => resolve(true));
  });
  assert.ok(refused, 'nothing listens on the loopback: the socket is where --bind put it');
});
