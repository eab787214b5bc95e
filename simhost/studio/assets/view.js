// The 3D view: the document's objects shaded with faint edges, the selected vertices as
// small white dots, each slot's pins as points in its colour, and rings round the
// vertices the last draw moved back. Everything lives in typed arrays shared between the
// faces, the edges and the points, so that a mesh of a million vertices stays interactive
// and a change is copied in place.
//
// Sections:
//   constants      the view's colours, the marks' sizes, the limits on edges and uploads
//   shapes         the marks' textures; faces and edges from the server's lists
//   the view       renderer, camera, light and materials; frames; the mode of the mouse
//   objects        the document afresh, each object built and disposed of
//   marks          pins, selected vertices and those moved back; armed slots; visibility
//   changes        moved vertices copied in place
//   camera         framing every shown object
//   picking        the vertex under a point, the vertices in a rectangle
import {
  BufferAttribute, BufferGeometry, CanvasTexture, Color, DirectionalLight, DoubleSide, Group,
  HemisphereLight, LineBasicMaterial, LineSegments, MOUSE, Mesh, MeshStandardMaterial,
  OrbitControls, PerspectiveCamera, Points, PointsMaterial, Raycaster, Scene, Vector2, Vector3,
  WebGLRenderer,
} from './vendor-generated/three.bundle.js';
import { decodeArray } from './api.js';
import { SLOT_COLOURS } from './slot-colours.js';

// ---- constants ----

const BACKGROUND = '#1d2127';
const MOVED_COLOUR = '#ffe066';
const PIN_SIZE = 9;
const MOVED_SIZE = 17;
const SELECTED_COLOUR = '#ffffff';
const SELECTED_SIZE = 5;
// Past this many edges in one object they cover every pixel of it and only darken it,
// at the cost of drawing as much again as its faces: such an object is drawn without.
const MOST_EDGES = 600000;
// Beyond this many runs one upload of the span they cover costs less than one call each.
const MAX_UPDATE_RANGES = 64;

// ---- shapes ----

// Round marks drawn once: a filled disc for an armed slot's pins, a ring for a disarmed
// slot's and for the vertices moved back.
function markTexture(filled) {
  const canvas = document.createElement('canvas');
  canvas.width = canvas.height = 64;
  const g = canvas.getContext('2d');
  g.beginPath();
  g.arc(32, 32, filled ? 28 : 24, 0, 2 * Math.PI);
  if (filled) {
    g.fillStyle = '#fff';
    g.fill();
  } else {
    g.lineWidth = 9;
    g.strokeStyle = '#fff';
    g.stroke();
  }
  return new CanvasTexture(canvas);
}

// Faces as triangle fans and each edge once, from the server's faceStarts and corners.
// Corners that name no vertex of the object are refused before WebGL reads past its data.
function buildTopology(faceStarts, corners, vertexCount, name) {
  let triangleCount = 0;
  let sideCount = 0;
  for (let f = 0; f + 1 < faceStarts.length; ++f) {
    const size = faceStarts[f + 1] - faceStarts[f];
    if (size < 0 || faceStarts[f + 1] > corners.length) throw new Error(`object "${name}": face ${f} runs outside its corners`);
    if (size >= 3) triangleCount += size - 2;
    sideCount += size >= 2 ? size : 0;
  }
  for (let c = 0; c < corners.length; ++c) {
    if (corners[c] < 0 || corners[c] >= vertexCount) throw new Error(`object "${name}": a corner names vertex ${corners[c]} of ${vertexCount}`);
  }
  const triangles = new Uint32Array(triangleCount * 3);
  // Each side as one number, smaller index first, so that sorting brings a side shared by
  // two faces together and it is drawn once.
  const sides = new Float64Array(sideCount);
  let t = 0;
  let s = 0;
  for (let f = 0; f + 1 < faceStarts.length; ++f) {
    const first = faceStarts[f];
    const size = faceStarts[f + 1] - first;
    for (let k = 1; k + 1 < size; ++k) {
      triangles[t++] = corners[first];
      triangles[t++] = corners[first + k];
      triangles[t++] = corners[first + k + 1];
    }
    if (size < 2) continue;
    for (let k = 0; k < size; ++k) {
      const a = corners[first + k];
      const b = corners[first + ((k + 1) % size)];
      sides[s++] = a < b ? a * vertexCount + b : b * vertexCount + a;
    }
  }
  sides.sort();
  let unique = 0;
  for (let i = 0; i < sides.length; ++i) if (i === 0 || sides[i] !== sides[i - 1]) ++unique;
  const edges = new Uint32Array(unique * 2);
  let e = 0;
  for (let i = 0; i < sides.length; ++i) {
    if (i > 0 && sides[i] === sides[i - 1]) continue;
    edges[e++] = Math.floor(sides[i] / vertexCount);
    edges[e++] = sides[i] % vertexCount;
  }
  return { triangles, edges };
}

// ---- the view ----

export class View {
  constructor(canvas) {
    this.canvas = canvas;
    this.renderer = new WebGLRenderer({ canvas, antialias: true, preserveDrawingBuffer: true });
    this.renderer.setPixelRatio(window.devicePixelRatio);
    this.renderer.setClearColor(new Color(BACKGROUND));
    this.scene = new Scene();
    this.camera = new PerspectiveCamera(40, 1, 0.01, 1000);
    this.camera.position.set(0, 0, 5);
    // The light goes with the camera, so that the side looked at is always lit.
    const light = new DirectionalLight(0xffffff, 1.6);
    light.position.set(1, 2, 3);
    this.camera.add(light);
    this.scene.add(this.camera, new HemisphereLight(0xe8eefc, 0x30343c, 1.4));
    this.controls = new OrbitControls(this.camera, canvas);
    this.controls.addEventListener('change', () => this.redraw());
    this.objects = [];
    this.armed = [true, true, true, true];
    this.disc = markTexture(true);
    this.ring = markTexture(false);
    this.faceMaterial = new MeshStandardMaterial({
      color: 0xb9c0cc, roughness: 0.85, metalness: 0, flatShading: true, side: DoubleSide,
      // Faces step back a little, so that the edges and the points on them win the depth test.
      polygonOffset: true, polygonOffsetFactor: 1, polygonOffsetUnits: 1,
    });
    this.edgeMaterial = new LineBasicMaterial({ color: 0x000000, transparent: true, opacity: 0.22 });
    this.pinMaterials = SLOT_COLOURS.map((colour) => new PointsMaterial({
      color: colour, size: PIN_SIZE, sizeAttenuation: false, map: this.disc, alphaTest: 0.5, transparent: true,
    }));
    this.selectedMaterial = new PointsMaterial({
      color: SELECTED_COLOUR, size: SELECTED_SIZE, sizeAttenuation: false, map: this.disc, alphaTest: 0.5,
      transparent: true,
    });
    this.movedMaterial = new PointsMaterial({
      color: MOVED_COLOUR, size: MOVED_SIZE, sizeAttenuation: false, map: this.ring, alphaTest: 0.5, transparent: true,
    });
    new ResizeObserver(() => this.resize()).observe(canvas.parentElement);
    this.resize();
  }

  resize() {
    const { clientWidth: width, clientHeight: height } = this.canvas.parentElement;
    if (width === 0 || height === 0) return;
    this.renderer.setSize(width, height, false);
    this.camera.aspect = width / height;
    this.camera.updateProjectionMatrix();
    this.redraw();
  }

  // Draws once per frame however many changes came in it.
  redraw() {
    if (this.frameAsked) return;
    this.frameAsked = true;
    requestAnimationFrame(() => {
      this.frameAsked = false;
      this.renderer.render(this.scene, this.camera);
    });
  }

  setMode(mode) {
    // Selecting takes the left button; turning stays on the right, zoom on the wheel.
    this.controls.mouseButtons = mode === 'select'
      ? { LEFT: null, MIDDLE: MOUSE.DOLLY, RIGHT: MOUSE.ROTATE }
      : { LEFT: MOUSE.ROTATE, MIDDLE: MOUSE.DOLLY, RIGHT: MOUSE.PAN };
  }

  // ---- objects ----

  // The whole document afresh from GET /api/mesh.
  setMesh(mesh) {
    const built = mesh.objects.map((object) => this.buildObject(object));
    const names = (objects) => objects.filter(Boolean).map((object) => object.name).join('\n');
    // Other objects than before (a load, a new document) are taken in afresh; the same
    // ones keep the person's view.
    const otherObjects = names(built) !== names(this.objects);
    for (const old of this.objects) if (old) this.disposeObject(old);
    this.objects = [];
    for (const object of built) this.objects[object.index] = object;
    this.setSelected(mesh.selected ?? []);
    this.setPins(mesh.pins);
    this.setMovedBack(mesh.movedBack);
    if (otherObjects) this.frameAll();
    this.redraw();
  }

  buildObject(object) {
    const name = object.name;
    const positions = decodeArray(object.positions, Float32Array, `object "${name}" positions`);
    const vertexCount = positions.length / 3;
    if (!Number.isInteger(vertexCount) || vertexCount !== object.vertexCount) {
      throw new Error(`object "${name}": ${positions.length} position values for ${object.vertexCount} vertices`);
    }
    const { triangles, edges } = buildTopology(
      decodeArray(object.faceStarts, Int32Array, `object "${name}" faceStarts`),
      decodeArray(object.corners, Int32Array, `object "${name}" corners`), vertexCount, name);
    const deleted = new Uint8Array(vertexCount);
    for (const v of decodeArray(object.deleted, Int32Array, `object "${name}" deleted`)) {
      if (v >= 0 && v < vertexCount) deleted[v] = 1;
    }
    const position = new BufferAttribute(positions, 3);
    const faces = new BufferGeometry();
    faces.setAttribute('position', position);
    faces.setIndex(new BufferAttribute(triangles, 1));
    const lines = new BufferGeometry();
    lines.setAttribute('position', position);
    lines.setIndex(new BufferAttribute(edges, 1));
    const group = new Group();
    const faceMesh = new Mesh(faces, this.faceMaterial);
    const edgeLines = new LineSegments(lines, this.edgeMaterial);
    // Vertices move in place without their bounds being worked out again.
    faceMesh.frustumCulled = edgeLines.frustumCulled = false;
    edgeLines.visible = edges.length / 2 <= MOST_EDGES;
    group.add(faceMesh, edgeLines);
    group.visible = object.visible;
    this.scene.add(group);
    return {
      index: object.index, name, vertexCount, positions, position, deleted, group, faceMesh,
      // The points that mark some of its vertices, by kind: a slot's pins, the selected
      // vertices, those moved back.
      marks: {},
    };
  }

  disposeObject(object) {
    this.scene.remove(object.group);
    object.group.traverse((part) => part.geometry?.dispose());
  }

  // ---- marks ----

  // Points that share the object's positions and pick out some of its vertices.
  markPoints(object, indices, material, order, what) {
    const outside = indices.find((v) => v < 0 || v >= object.vertexCount);
    if (outside !== undefined) throw new Error(`${what}: vertex ${outside} is not one of the ${object.vertexCount} of "${object.name}"`);
    const geometry = new BufferGeometry();
    geometry.setAttribute('position', object.position);
    geometry.setIndex(new BufferAttribute(Uint32Array.from(indices), 1));
    const points = new Points(geometry, material);
    points.frustumCulled = false;
    points.renderOrder = order;
    object.group.add(points);
    return points;
  }

  dropPoints(object, points) {
    if (!points) return;
    object.group.remove(points);
    // Disposing a geometry frees the buffers of all its attributes: the shared positions
    // go first, so that only the points' own index is freed.
    points.geometry.deleteAttribute('position');
    points.geometry.dispose();
  }

  // Replaces every object's marks of one kind with the vertices that each entry,
  // {object, count, indices}, names in its object. Answers how many it marked.
  remark(kind, entries, material, order, what) {
    for (const object of this.objects) {
      if (!object) continue;
      this.dropPoints(object, object.marks[kind]);
      delete object.marks[kind];
    }
    let shown = 0;
    for (const entry of entries) {
      const object = this.objects[entry.object];
      if (!object) continue;
      const indices = decodeArray(entry.indices, Int32Array, what);
      object.marks[kind] = this.markPoints(object, indices, material, order, what);
      shown += indices.length;
    }
    this.redraw();
    return shown;
  }

  // Per slot, the entries of its pins.
  setPins(pins) {
    this.pinMaterials.forEach((material, slot) => {
      this.remark(`slot ${slot}`, pins[slot] ?? [], material, 3 + slot, `slot ${slot}'s pins`);
    });
  }

  // Drawn under the pins, so that a pinned vertex shows its slot whether or not it is
  // selected.
  setSelected(selected) {
    const shown = this.remark('selected', selected, this.selectedMaterial, 1, 'the selected vertices');
    // What the view shows, for whoever checks it without reading pixels.
    this.canvas.dataset.selected = String(shown);
  }

  setMovedBack(moved) {
    this.remark('moved', moved, this.movedMaterial, 2, 'the vertices moved back');
  }

  // A disarmed slot's pins are hollow, as in the pictures.
  setArmed(slots) {
    slots.forEach((slot, i) => {
      const map = slot.armed ? this.disc : this.ring;
      if (this.pinMaterials[i].map !== map) {
        this.pinMaterials[i].map = map;
        this.pinMaterials[i].needsUpdate = true;
      }
    });
    this.redraw();
  }

  setVisibility(objects) {
    for (const entry of objects) {
      const object = this.objects[entry.index];
      if (object) object.group.visible = entry.visible;
    }
    this.redraw();
  }

  // ---- changes ----

  // A change event's `changed`: per object, runs of [first, count] and their positions in
  // the same order. Returns false, having changed none of that object, when they do not
  // fit the object the page holds; the page then fetches the mesh again.
  applyChanged(changed) {
    for (const entry of changed) {
      const object = this.objects[entry.object];
      if (!object) return false;
      const values = decodeArray(entry.positions, Float32Array, 'changed positions');
      let total = 0;
      for (const [first, count] of entry.runs) {
        if (!(first >= 0 && count >= 0 && first + count <= object.vertexCount)) return false;
        total += count * 3;
      }
      if (total !== values.length) return false;
      let at = 0;
      for (const [first, count] of entry.runs) {
        object.positions.set(values.subarray(at, at + count * 3), first * 3);
        at += count * 3;
      }
      const attribute = object.position;
      attribute.clearUpdateRanges();
      if (entry.runs.length <= MAX_UPDATE_RANGES) {
        for (const [first, count] of entry.runs) attribute.addUpdateRange(first * 3, count * 3);
      } else {
        const [start] = entry.runs[0];
        const [lastFirst, lastCount] = entry.runs[entry.runs.length - 1];
        attribute.addUpdateRange(start * 3, (lastFirst + lastCount - start) * 3);
      }
      attribute.needsUpdate = true;
      object.faceMesh.geometry.boundingSphere = null;
    }
    this.redraw();
    return true;
  }

  // ---- camera ----

  // Turns the camera to take in every shown object, from a little right of the front.
  frameAll() {
    const low = new Vector3(Infinity, Infinity, Infinity);
    const high = new Vector3(-Infinity, -Infinity, -Infinity);
    for (const object of this.objects) {
      if (!object || !object.group.visible) continue;
      const p = object.positions;
      for (let v = 0; v < object.vertexCount; ++v) {
        if (object.deleted[v]) continue;
        const x = p[3 * v], y = p[3 * v + 1], z = p[3 * v + 2];
        if (x < low.x) low.x = x; if (x > high.x) high.x = x;
        if (y < low.y) low.y = y; if (y > high.y) high.y = y;
        if (z < low.z) low.z = z; if (z > high.z) high.z = z;
      }
    }
    if (low.x > high.x) return;
    const centre = low.clone().add(high).multiplyScalar(0.5);
    const radius = Math.max(high.clone().sub(low).length() / 2, 1e-3);
    const distance = radius / Math.sin((this.camera.fov * Math.PI) / 360) * 1.05;
    this.camera.near = distance / 100;
    this.camera.far = distance * 100;
    this.camera.updateProjectionMatrix();
    this.camera.position.copy(centre).add(new Vector3(0.3, 0.2, 1).normalize().multiplyScalar(distance));
    this.controls.target.copy(centre);
    this.controls.update();
    this.redraw();
  }

  // ---- picking ----

  // Where each vertex of an object falls on the canvas, in CSS pixels from its top left;
  // visit(index, x, y) is called for every vertex in use in front of the camera.
  projectVertices(object, visit) {
    this.camera.updateMatrixWorld();
    const m = this.camera.projectionMatrix.clone().multiply(this.camera.matrixWorldInverse).elements;
    const width = this.canvas.clientWidth;
    const height = this.canvas.clientHeight;
    const p = object.positions;
    for (let v = 0; v < object.vertexCount; ++v) {
      if (object.deleted[v]) continue;
      const x = p[3 * v], y = p[3 * v + 1], z = p[3 * v + 2];
      const w = m[3] * x + m[7] * y + m[11] * z + m[15];
      if (w <= 0) continue;
      const sx = ((m[0] * x + m[4] * y + m[8] * z + m[12]) / w + 1) * 0.5 * width;
      const sy = (1 - (m[1] * x + m[5] * y + m[9] * z + m[13]) / w) * 0.5 * height;
      visit(v, sx, sy);
    }
  }

  // The vertex of an object nearest a point of the canvas: a corner of the face under the
  // point when there is one, so that a vertex behind the surface is not taken; else the
  // nearest within a few pixels. -1 when none is.
  pickVertex(objectIndex, x, y) {
    const object = this.objects[objectIndex];
    if (!object || !object.group.visible) return -1;
    const width = this.canvas.clientWidth;
    const height = this.canvas.clientHeight;
    const raycaster = new Raycaster();
    raycaster.setFromCamera(new Vector2((x / width) * 2 - 1, 1 - (y / height) * 2), this.camera);
    const [hit] = raycaster.intersectObject(object.faceMesh, false);
    const screen = (v) => new Vector3().fromArray(object.positions, 3 * v).project(this.camera);
    const distance = (v) => {
      const s = screen(v);
      return Math.hypot((s.x + 1) * 0.5 * width - x, (1 - s.y) * 0.5 * height - y);
    };
    if (hit?.face) {
      return [hit.face.a, hit.face.b, hit.face.c].reduce((best, v) => (distance(v) < distance(best) ? v : best));
    }
    let best = -1;
    let bestDistance = 8;
    this.projectVertices(object, (v, sx, sy) => {
      const d = Math.hypot(sx - x, sy - y);
      if (d < bestDistance) {
        best = v;
        bestDistance = d;
      }
    });
    return best;
  }

  // The vertices of an object whose projection lies inside a rectangle of the canvas,
  // in ascending order.
  verticesInRect(objectIndex, left, top, right, bottom) {
    const object = this.objects[objectIndex];
    const inside = [];
    if (!object || !object.group.visible) return inside;
    this.projectVertices(object, (v, sx, sy) => {
      if (sx >= left && sx <= right && sy >= top && sy <= bottom) inside.push(v);
    });
    return inside;
  }
}
