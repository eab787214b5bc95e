// The 3D view: the document's objects shaded with faint edges (or as a wireframe), the
// selected vertices as white dots, each slot's pins as points in its colour, rings round
// the vertices the last draw moved back; the X = 0 plane, a ground grid and an axis gizmo
// for symmetry work; a perspective and an orthographic camera with the modellers' six
// views; the brush's ring on the surface. Everything lives in typed arrays shared between
// the faces, the edges and the points, so that a mesh of a million vertices stays
// interactive and a change is copied in place; picking goes through a bounds tree of each
// object's triangles (three-mesh-bvh), built once per mesh while the page is idle after a
// load, and after a change only what it touched is redone: the vertex normals round the
// moved vertices, the tree's boxes over their faces, the uploads of their ranges.
//
// Sections:
//   constants      the view's colours, the marks' sizes, the limits on edges and uploads
//   shapes         the marks' and labels' textures; faces and edges from the server's lists
//   the view       renderer, cameras, light and materials; frames; the mode of the mouse
//   guides         the X = 0 plane, the ground grid, the axis gizmo
//   objects        the document afresh, each object built and disposed of; wireframe
//                  and edges
//   marks          pins, selected vertices and those moved back; armed slots; visibility
//   surroundings   per object, built once: the faces round each vertex, the vertex
//                  normals, the bounds tree and which of its nodes holds each face
//   changes        moved vertices copied in place; normals and tree redone round them
//   camera         projections, the six views, framing, the state kept across a reload
//   picking        the surface and the vertex under a point, the vertices in a
//                  rectangle that the camera sees; the brush's ring
import {
  BufferAttribute, BufferGeometry, CONTAINED, CanvasTexture, Color, DirectionalLight, DoubleSide, GridHelper, Group,
  HemisphereLight, INTERSECTED, LineBasicMaterial, LineLoop, LineSegments, MOUSE, Mesh, MeshBasicMaterial, MeshBVH,
  MeshStandardMaterial, NOT_INTERSECTED, OrbitControls, OrthographicCamera, PerspectiveCamera, Plane, Points,
  PointsMaterial, Ray, Raycaster, Scene, Sprite, SpriteMaterial, Vector2, Vector3, WebGLRenderer,
} from './vendor-generated/three.bundle.js';
import { SLOT_COLOURS } from './slot-colours.js';

// ---- constants ----

const BACKGROUND = '#1d2127';
const MOVED_COLOUR = '#ffe066';
const PIN_SIZE = 11;
const MOVED_SIZE = 19;
const SELECTED_COLOUR = '#ffffff';
// Smaller than a pin's disc, and drawn over it: a pinned vertex that is selected shows
// both, the slot's colour round the selection's dot.
const SELECTED_SIZE = 7;
const WIRE_COLOUR = 0xc9d1dc;
const MIRROR_COLOUR = 0x6fa8ff;
const BRUSH_COLOUR = 0xff5fd2;
const AXIS_COLOURS = { X: '#e5484d', Y: '#4cc46b', Z: '#4d8ef0' };
const GIZMO_SIZE = 84; // CSS pixels, in the view's top right corner
const RING_SEGMENTS = 64;
// Past this many edges in one object they cover every pixel of it and only darken it,
// at the cost of drawing as much again as its faces, and sorting them out of the faces
// takes a second at a million vertices: such an object's edges are neither made nor
// drawn unless the person asks for them ("edges") or for the wireframe. Counted before
// they are made, as half the faces' sides: an edge inside a surface is a side of two.
const MOST_EDGES = 600000;
// Beyond this many runs one upload of the span they cover costs less than one call each.
const MAX_UPDATE_RANGES = 64;
// Past this share of an object's vertices moved, one pass over all its faces (normals,
// the tree's boxes) costs less than finding the faces round each moved vertex. Measured
// at a million vertices: redone round an eighth of them, a third of a whole pass; round a
// quarter, as much as one.
const MOST_MOVED_SHARE = 1 / 5;
// Faces per leaf of the bounds tree. Measured at a million vertices: twice the library's
// 10 makes the tree in about 85% of the time; a ray still meets few faces, and a pick
// takes microseconds. Past that the rays of a box select slow down more than the making
// speeds up.
const FACES_PER_LEAF = 20;
const FIELD_OF_VIEW = 40;
const TAN_HALF_FIELD = Math.tan((FIELD_OF_VIEW * Math.PI) / 360);
// Where each view puts the camera, seen from the target: +Y is up and +Z the front, as in
// the OBJ files modellers exchange. Top and bottom lean a hair towards the front so that
// the orbit keeps its bearings and the front is at the bottom (top) of the screen.
const VIEWS = {
  front: [0, 0, 1], back: [0, 0, -1], right: [1, 0, 0], left: [-1, 0, 0], top: [0, 1, 1e-5], bottom: [0, -1, 1e-5],
};
const FIRST_DIRECTION = new Vector3(0.3, 0.2, 1).normalize();

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

// A selected vertex: a disc with a dark rim, so that it shows on the light faces too.
function dotTexture() {
  const canvas = document.createElement('canvas');
  canvas.width = canvas.height = 64;
  const g = canvas.getContext('2d');
  g.beginPath();
  g.arc(32, 32, 26, 0, 2 * Math.PI);
  g.fillStyle = '#fff';
  g.fill();
  g.lineWidth = 10;
  g.strokeStyle = '#1b1f24';
  g.stroke();
  return new CanvasTexture(canvas);
}

function labelTexture(text, colour) {
  const canvas = document.createElement('canvas');
  canvas.width = canvas.height = 64;
  const g = canvas.getContext('2d');
  g.beginPath();
  g.arc(32, 32, 26, 0, 2 * Math.PI);
  g.fillStyle = colour;
  g.fill();
  g.font = 'bold 34px system-ui, sans-serif';
  g.textAlign = 'center';
  g.textBaseline = 'middle';
  g.fillStyle = '#fff';
  g.fillText(text, 32, 34);
  return new CanvasTexture(canvas);
}

// Faces as triangle fans, from the server's faceStarts and corners, and how many sides
// the faces have; the faces as given, for their edges. Corners that name no vertex of
// the object are refused before WebGL reads past its data.
function buildTriangles(faceStarts, corners, vertexCount, name) {
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
  let t = 0;
  for (let f = 0; f + 1 < faceStarts.length; ++f) {
    const first = faceStarts[f];
    const size = faceStarts[f + 1] - first;
    for (let k = 1; k + 1 < size; ++k) {
      triangles[t++] = corners[first];
      triangles[t++] = corners[first + k];
      triangles[t++] = corners[first + k + 1];
    }
  }
  return { faceStarts, corners, triangles, sideCount };
}

// Each edge of the faces once, from corners buildTriangles checked.
function buildEdges(faceStarts, corners, vertexCount, sideCount) {
  // Each side as one number, smaller index first, so that sorting brings a side shared by
  // two faces together and it is drawn once.
  const sides = new Float64Array(sideCount);
  let s = 0;
  for (let f = 0; f + 1 < faceStarts.length; ++f) {
    const first = faceStarts[f];
    const size = faceStarts[f + 1] - first;
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
  return edges;
}

// The faces round each vertex, as one list in the vertices' order (compressed rows):
// vertex v's faces are faces[starts[v]] to faces[starts[v + 1] - 1], as triangle numbers.
function facesAround(triangles, vertexCount) {
  const starts = new Uint32Array(vertexCount + 1);
  for (let i = 0; i < triangles.length; ++i) ++starts[triangles[i] + 1];
  for (let v = 0; v < vertexCount; ++v) starts[v + 1] += starts[v];
  const next = starts.slice(0, vertexCount);
  const faces = new Uint32Array(triangles.length);
  for (let i = 0; i < triangles.length; ++i) faces[next[triangles[i]]++] = (i / 3) | 0;
  return { starts, faces };
}

// Adds face t's normal, as long as it is twice its area, to each of its corners'.
function addFaceNormal(normals, p, triangles, t) {
  const a = 3 * triangles[3 * t], b = 3 * triangles[3 * t + 1], c = 3 * triangles[3 * t + 2];
  const ux = p[b] - p[a], uy = p[b + 1] - p[a + 1], uz = p[b + 2] - p[a + 2];
  const wx = p[c] - p[a], wy = p[c + 1] - p[a + 1], wz = p[c + 2] - p[a + 2];
  const nx = uy * wz - uz * wy, ny = uz * wx - ux * wz, nz = ux * wy - uy * wx;
  normals[a] += nx; normals[a + 1] += ny; normals[a + 2] += nz;
  normals[b] += nx; normals[b + 1] += ny; normals[b + 2] += nz;
  normals[c] += nx; normals[c + 1] += ny; normals[c + 2] += nz;
}

// Vertex v's normal afresh: the sum of its faces' normals, as addFaceNormal makes them.
function vertexNormal(normals, p, triangles, around, v) {
  let x = 0, y = 0, z = 0;
  for (let k = around.starts[v], end = around.starts[v + 1]; k < end; ++k) {
    const t = 3 * around.faces[k];
    const a = 3 * triangles[t], b = 3 * triangles[t + 1], c = 3 * triangles[t + 2];
    const ux = p[b] - p[a], uy = p[b + 1] - p[a + 1], uz = p[b + 2] - p[a + 2];
    const wx = p[c] - p[a], wy = p[c + 1] - p[a + 1], wz = p[c + 2] - p[a + 2];
    x += uy * wz - uz * wy;
    y += uz * wx - ux * wz;
    z += ux * wy - uy * wx;
  }
  normals[3 * v] = x;
  normals[3 * v + 1] = y;
  normals[3 * v + 2] = z;
}

// ---- the view ----

export class View {
  constructor(canvas) {
    this.canvas = canvas;
    this.renderer = new WebGLRenderer({ canvas, antialias: true, preserveDrawingBuffer: true });
    this.renderer.setPixelRatio(window.devicePixelRatio);
    this.renderer.setClearColor(new Color(BACKGROUND));
    this.scene = new Scene();
    this.perspective = new PerspectiveCamera(FIELD_OF_VIEW, 1, 0.01, 1000);
    this.orthographic = new OrthographicCamera(-1, 1, 1, -1, -1000, 1000);
    this.perspective.position.set(0, 0, 5);
    this.camera = this.perspective;
    // The light goes with the camera, so that the side looked at is always lit.
    this.light = new DirectionalLight(0xffffff, 1.6);
    this.light.position.set(1, 2, 3);
    this.camera.add(this.light);
    this.scene.add(this.perspective, this.orthographic, new HemisphereLight(0xe8eefc, 0x30343c, 1.4));
    this.controls = new OrbitControls(this.camera, canvas);
    this.controls.addEventListener('change', () => this.cameraChanged());
    this.objects = [];
    this.wireframe = false;
    this.allEdges = false;
    // What the view's work cost last, in milliseconds, for whoever measures it: picking,
    // the bounds tree, a change applied, a frame drawn; and how many frames were drawn.
    this.timings = { frames: 0 };
    this.armed = [true, true, true, true];
    this.disc = markTexture(true);
    this.ring = markTexture(false);
    this.faceMaterial = new MeshStandardMaterial({
      color: 0xb9c0cc, roughness: 0.85, metalness: 0, flatShading: true, side: DoubleSide,
      // Faces step back a little, so that the edges and the points on them win the depth test.
      polygonOffset: true, polygonOffsetFactor: 1, polygonOffsetUnits: 1,
    });
    this.edgeMaterial = new LineBasicMaterial({ color: 0x000000, transparent: true, opacity: 0.22 });
    this.wireMaterial = new LineBasicMaterial({ color: WIRE_COLOUR });
    this.pinMaterials = SLOT_COLOURS.map((colour) => new PointsMaterial({
      color: colour, size: PIN_SIZE, sizeAttenuation: false, map: this.disc, alphaTest: 0.5, transparent: true,
    }));
    this.selectedMaterial = new PointsMaterial({
      color: SELECTED_COLOUR, size: SELECTED_SIZE, sizeAttenuation: false, map: dotTexture(), alphaTest: 0.5,
      transparent: true,
    });
    this.movedMaterial = new PointsMaterial({
      color: MOVED_COLOUR, size: MOVED_SIZE, sizeAttenuation: false, map: this.ring, alphaTest: 0.5, transparent: true,
    });
    this.buildGuides();
    this.buildBrushRing();
    this.setViewName('user');
    new ResizeObserver(() => this.resize()).observe(canvas.parentElement);
    this.resize();
  }

  resize() {
    const { clientWidth: width, clientHeight: height } = this.canvas.parentElement;
    if (width === 0 || height === 0) return;
    this.renderer.setSize(width, height, false);
    const aspect = width / height;
    this.perspective.aspect = aspect;
    this.perspective.updateProjectionMatrix();
    // The orthographic camera sees a half-height of 1 / zoom.
    Object.assign(this.orthographic, { left: -aspect, right: aspect, top: 1, bottom: -1 });
    this.orthographic.updateProjectionMatrix();
    this.redraw();
  }

  // Draws once per frame however many changes came in it; the gizmo goes over the corner.
  redraw() {
    if (this.frameAsked) return;
    this.frameAsked = true;
    requestAnimationFrame(() => {
      this.frameAsked = false;
      const started = performance.now();
      this.renderer.render(this.scene, this.camera);
      this.drawGizmo();
      this.time('render', started);
      ++this.timings.frames;
    });
  }

  // What a piece of the view's work took: in timings, and as the page's latest measure of
  // that name for the browser's performance tools (one kept per name, however often).
  time(name, started) {
    const ended = performance.now();
    performance.clearMeasures(`view ${name}`);
    performance.measure(`view ${name}`, { start: started, end: ended });
    this.timings[name] = ended - started;
  }

  setMode(mode) {
    // Selecting and brushing take the left button; turning stays on the right, zoom on
    // the wheel.
    this.controls.mouseButtons = mode === 'orbit'
      ? { LEFT: MOUSE.ROTATE, MIDDLE: MOUSE.DOLLY, RIGHT: MOUSE.PAN }
      : { LEFT: null, MIDDLE: MOUSE.DOLLY, RIGHT: MOUSE.ROTATE };
    if (mode !== 'brush') this.hideBrushRing();
  }

  // ---- guides ----

  buildGuides() {
    // The X = 0 plane, a square in Y and Z sized to the shown objects: faint inside, its
    // border plain, so that the front and top views show it as a line down the middle.
    const square = new BufferGeometry();
    square.setAttribute('position', new BufferAttribute(new Float32Array([0, -1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1]), 3));
    square.setIndex([0, 1, 2, 0, 2, 3]);
    this.mirror = new Group();
    this.mirror.add(
      new Mesh(square, new MeshBasicMaterial({
        color: MIRROR_COLOUR, transparent: true, opacity: 0.07, side: DoubleSide, depthWrite: false,
      })),
      new LineLoop(square, new LineBasicMaterial({ color: MIRROR_COLOUR, transparent: true, opacity: 0.55 })),
    );
    this.mirror.name = 'x0-plane';
    this.scene.add(this.mirror);
    this.grid = null;

    this.gizmoScene = new Scene();
    this.gizmoCamera = new OrthographicCamera(-1.7, 1.7, 1.7, -1.7, 0.1, 10);
    const axes = new BufferGeometry();
    axes.setAttribute('position', new BufferAttribute(new Float32Array([0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1]), 3));
    const colours = [];
    for (const name of ['X', 'Y', 'Z']) {
      const c = new Color(AXIS_COLOURS[name]);
      colours.push(c.r, c.g, c.b, c.r, c.g, c.b);
    }
    axes.setAttribute('color', new BufferAttribute(new Float32Array(colours), 3));
    this.gizmoScene.add(new LineSegments(axes, new LineBasicMaterial({ vertexColors: true })));
    ['X', 'Y', 'Z'].forEach((name, i) => {
      const label = new Sprite(new SpriteMaterial({ map: labelTexture(name, AXIS_COLOURS[name]), depthTest: false }));
      label.position.setComponent(i, 1.25);
      label.scale.setScalar(0.7);
      this.gizmoScene.add(label);
    });
  }

  // The plane and the grid sized to what is shown: the grid on the floor under it, in
  // cells of a power of ten.
  updateGuides() {
    const bounds = this.shownBounds();
    const low = bounds ? bounds.low : new Vector3(-1, -1, -1);
    const high = bounds ? bounds.high : new Vector3(1, 1, 1);
    const size = high.clone().sub(low);
    const radius = Math.max(size.length() / 2, 1e-3);
    const margin = radius * 0.15;
    this.mirror.position.set(0, (low.y + high.y) / 2, (low.z + high.z) / 2);
    this.mirror.scale.set(1, size.y / 2 + margin, size.z / 2 + margin);

    const reach = Math.max(Math.abs(low.x), Math.abs(high.x), Math.abs(low.z), Math.abs(high.z), radius) * 1.5;
    const cell = 10 ** Math.round(Math.log10(reach / 5));
    const divisions = 2 * Math.ceil(reach / cell);
    if (this.grid) {
      this.scene.remove(this.grid);
      this.grid.geometry.dispose();
      this.grid.material.dispose();
    }
    this.grid = new GridHelper(cell * divisions, divisions, 0x59616e, 0x3a414b);
    this.grid.material.transparent = true;
    this.grid.material.opacity = 0.7;
    this.grid.position.set(0, low.y, 0);
    this.grid.name = 'ground-grid';
    this.scene.add(this.grid);
  }

  drawGizmo() {
    const width = this.canvas.clientWidth;
    const height = this.canvas.clientHeight;
    if (width < GIZMO_SIZE * 2 || height < GIZMO_SIZE * 2) return;
    const renderer = this.renderer;
    this.gizmoCamera.quaternion.copy(this.camera.quaternion);
    this.gizmoCamera.position.set(0, 0, 4).applyQuaternion(this.camera.quaternion);
    const x = width - GIZMO_SIZE - 6;
    const y = height - GIZMO_SIZE - 6;
    renderer.autoClear = false;
    renderer.setScissorTest(true);
    renderer.setScissor(x, y, GIZMO_SIZE, GIZMO_SIZE);
    renderer.setViewport(x, y, GIZMO_SIZE, GIZMO_SIZE);
    renderer.clearDepth();
    renderer.render(this.gizmoScene, this.gizmoCamera);
    renderer.setScissorTest(false);
    renderer.setViewport(0, 0, width, height);
    renderer.autoClear = true;
  }

  // ---- objects ----

  // The whole document afresh from GET /api/mesh.
  setMesh(mesh) {
    const built = mesh.objects.map((object) => this.buildObject(object));
    const names = (objects) => objects.filter(Boolean).map((object) => object.name).join('\n');
    // Other objects than before (a load, a new document) are taken in afresh; the same
    // ones keep the person's view, and so does a camera kept from before a reload.
    const otherObjects = names(built) !== names(this.objects);
    for (const old of this.objects) if (old) this.disposeObject(old);
    this.objects = [];
    for (const object of built) this.objects[object.index] = object;
    // A million vertices' tree takes about a second to make: made at the first pick, that
    // second is a stall under the person's click or brush. Made once the page is idle
    // after the mesh came, it is ready before the hand is; a pick that comes sooner makes
    // it there and then.
    for (const object of built) requestIdleCallback(() => { if (!object.disposed) this.surroundingsOf(object); });
    this.setSelected(mesh.selected ?? []);
    this.setPins(mesh.pins);
    this.setMovedBack(mesh.movedBack);
    this.updateGuides();
    if (otherObjects && !this.keepCamera) this.frameAll({ afresh: true });
    this.keepCamera = false;
    this.redraw();
  }

  buildObject(object) {
    const name = object.name;
    const { positions } = object;
    const vertexCount = positions.length / 3;
    if (!Number.isInteger(vertexCount) || vertexCount !== object.vertexCount) {
      throw new Error(`object "${name}": ${positions.length} position values for ${object.vertexCount} vertices`);
    }
    const { faceStarts, corners, triangles, sideCount } = buildTriangles(
      object.faceStarts, object.corners, vertexCount, name);
    const deleted = new Uint8Array(vertexCount);
    for (const v of object.deleted) {
      if (v >= 0 && v < vertexCount) deleted[v] = 1;
    }
    const position = new BufferAttribute(positions, 3);
    const faces = new BufferGeometry();
    faces.setAttribute('position', position);
    faces.setIndex(new BufferAttribute(triangles, 1));
    const lines = new BufferGeometry();
    lines.setAttribute('position', position);
    const group = new Group();
    const faceMesh = new Mesh(faces, this.faceMaterial);
    const edgeLines = new LineSegments(lines, this.edgeMaterial);
    // Vertices move in place without their bounds being worked out again.
    faceMesh.frustumCulled = edgeLines.frustumCulled = false;
    group.add(faceMesh, edgeLines);
    group.visible = object.visible;
    this.scene.add(group);
    const built = {
      index: object.index, name, vertexCount, positions, position, deleted, group, faceMesh, edgeLines, triangles,
      // Its edges are made when first drawn: a dense object's only when asked for.
      faceStarts, corners, sideCount, dense: sideCount / 2 > MOST_EDGES,
      // Made when first needed or once the page is idle (see surroundingsOf).
      surroundings: null,
      // The points that mark some of its vertices, by kind: a slot's pins, the selected
      // vertices, those moved back.
      marks: {},
    };
    this.applyLook(built);
    return built;
  }

  disposeObject(object) {
    object.disposed = true;
    this.scene.remove(object.group);
    object.group.traverse((part) => part.geometry?.dispose());
  }

  // The wireframe shows every edge, in a light colour, and no faces: what lies behind
  // shows through.
  setWireframe(on) {
    this.wireframe = on;
    for (const object of this.objects) if (object) this.applyLook(object);
    this.redraw();
  }

  // The faint edges of dense objects too, made the first time they are shown.
  setAllEdges(on) {
    this.allEdges = on;
    for (const object of this.objects) if (object) this.applyLook(object);
    this.redraw();
  }

  applyLook(object) {
    object.faceMesh.visible = !this.wireframe;
    object.edgeLines.material = this.wireframe ? this.wireMaterial : this.edgeMaterial;
    const shown = this.wireframe || this.allEdges || !object.dense;
    if (shown && !object.edgeLines.geometry.index) {
      const started = performance.now();
      const edges = buildEdges(object.faceStarts, object.corners, object.vertexCount, object.sideCount);
      object.edgeLines.geometry.setIndex(new BufferAttribute(edges, 1));
      object.faceStarts = object.corners = null;
      this.timings.edges = performance.now() - started;
    }
    object.edgeLines.visible = shown;
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
      const { indices } = entry;
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

  // Drawn over the pins and the rings, smaller than a pin, so that no mark covers them.
  setSelected(selected) {
    const shown = this.remark('selected', selected, this.selectedMaterial, 10, 'the selected vertices');
    // What the view shows, for whoever checks it without reading pixels.
    this.canvas.dataset.selected = String(shown);
    this.canvas.dispatchEvent(new CustomEvent('selection', { detail: shown }));
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
    let changed = false;
    for (const entry of objects) {
      const object = this.objects[entry.index];
      if (object && object.group.visible !== entry.visible) {
        object.group.visible = entry.visible;
        changed = true;
      }
    }
    if (changed) this.updateGuides();
    this.redraw();
  }

  // ---- surroundings ----

  // What picking and a change need of an object beyond what it draws, made once per mesh:
  // the faces round each vertex, the vertex normals (the sum of their faces', weighted by
  // area), the bounds tree, and the tree's leaf that holds each face with each node's
  // parent, so that a change refits only what lies over its faces. Null for an object
  // without faces. The faces are flat-shaded: the normals are the box select's, and stay
  // here, never sent to the graphics card.
  surroundingsOf(object) {
    if (object.triangles.length === 0) return null;
    if (object.surroundings) return object.surroundings;
    const started = performance.now();
    // The tree orders the faces for itself, in the index they are drawn from: a refit
    // then reads each leaf's faces side by side, twice as fast as through an order of its
    // own (indirect), and the index goes to the graphics card once more. What follows
    // names faces in that order. Split down the middle of the longest side (the library's
    // default, CENTER): the surface area heuristic makes a tree that answers a ray no
    // faster here, and takes four times as long to make.
    const bvh = new MeshBVH(object.faceMesh.geometry, { targetLeafSize: FACES_PER_LEAF, verbose: false });
    object.faceMesh.geometry.index.needsUpdate = true;
    this.time('build', started);
    const t = object.triangles;
    const faceCount = t.length / 3;
    const normals = new Float32Array(object.vertexCount * 3);
    for (let f = 0; f < faceCount; ++f) addFaceNormal(normals, object.positions, t, f);
    const leafOf = new Uint32Array(faceCount);
    // Nodes are named by the library by their place in its buffer; the root is 0, and a
    // depth-first walk meets each node's parent last at the depth above it.
    const parentOf = [0];
    const lastAt = [0];
    bvh.shapecast({
      intersectsBounds: (box, isLeaf, score, depth, node) => {
        parentOf[node] = lastAt[depth - 1];
        lastAt[depth] = node;
        return INTERSECTED;
      },
      intersectsRange: (offset, count, contained, depth, node) => {
        for (let i = offset; i < offset + count; ++i) leafOf[bvh.resolveTriangleIndex(i)] = node;
        return false;
      },
    });
    object.surroundings = {
      bvh, around: facesAround(t, object.vertexCount), normals, leafOf, parentOf,
      // Each change marks the faces and vertices it met with a number of its own, so
      // that the marks need no clearing.
      faceMarks: new Uint32Array(faceCount), vertexMarks: new Uint32Array(object.vertexCount), stamp: 0,
    };
    this.time('surroundings', started);
    return object.surroundings;
  }

  // ---- changes ----

  // A change event's `changed`: per object, runs of [first, count] and their positions in
  // the same order. Returns false, having changed none of that object, when they do not
  // fit the object the page holds; the page then fetches the mesh again.
  applyChanged(changed) {
    const began = performance.now();
    for (const entry of changed) {
      const object = this.objects[entry.object];
      if (!object) return false;
      const values = entry.positions;
      const started = performance.now();
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
      this.uploadRuns(object.position, entry.runs);
      object.faceMesh.geometry.boundingSphere = null;
      this.time('copy', started);
      if (total > 0 && object.surroundings) this.redoAround(object, entry.runs, total / 3);
    }
    this.time('change', began);
    this.timings.changedAt = this.timings.frames;
    this.redraw();
    return true;
  }

  // Only the moved runs go to the graphics card, with those of changes not yet drawn:
  // the renderer sends the ranges when it next draws and then forgets them.
  uploadRuns(attribute, runs) {
    for (const [first, count] of runs) if (count > 0) attribute.addUpdateRange(first * 3, count * 3);
    if (attribute.updateRanges.length > MAX_UPDATE_RANGES) {
      let start = Infinity;
      let end = 0;
      for (const range of attribute.updateRanges) {
        start = Math.min(start, range.start);
        end = Math.max(end, range.start + range.count);
      }
      attribute.clearUpdateRanges();
      attribute.addUpdateRange(start, end - start);
    }
    attribute.needsUpdate = true;
  }

  // After `moved` vertices of an object moved: the normals of the vertices of their faces,
  // and the tree's boxes over those faces. Past a share of the object one pass over every
  // face costs less than finding them.
  redoAround(object, runs, moved) {
    const surroundings = object.surroundings;
    const { bvh, around, normals, leafOf, parentOf, faceMarks, vertexMarks } = surroundings;
    const p = object.positions;
    const t = object.triangles;
    let started = performance.now();
    if (moved > object.vertexCount * MOST_MOVED_SHARE) {
      normals.fill(0);
      for (let f = 0, count = t.length / 3; f < count; ++f) addFaceNormal(normals, p, t, f);
      this.time('normals', started);
      started = performance.now();
      bvh.refit();
      this.time('refit', started);
      return;
    }
    const stamp = ++surroundings.stamp;
    const faces = [];
    for (const [first, count] of runs) {
      for (let v = first; v < first + count; ++v) {
        for (let k = around.starts[v], end = around.starts[v + 1]; k < end; ++k) {
          const f = around.faces[k];
          if (faceMarks[f] === stamp) continue;
          faceMarks[f] = stamp;
          faces.push(f);
        }
      }
    }
    for (const f of faces) {
      for (let c = 3 * f; c < 3 * f + 3; ++c) {
        const v = t[c];
        if (vertexMarks[v] === stamp) continue;
        vertexMarks[v] = stamp;
        vertexNormal(normals, p, t, around, v);
      }
    }
    this.time('normals', started);
    started = performance.now();
    // The leaves that hold the faces and every node above them; the library refits those
    // and leaves the rest of the tree alone.
    const nodes = new Set();
    for (const f of faces) {
      for (let node = leafOf[f]; node !== 0 && !nodes.has(node); node = parentOf[node]) nodes.add(node);
    }
    if (nodes.size > 0) bvh.refit(nodes);
    this.time('refit', started);
  }

  // ---- camera ----

  // The low and high corners of every shown vertex in use; null when none is.
  shownBounds(only) {
    const low = new Vector3(Infinity, Infinity, Infinity);
    const high = new Vector3(-Infinity, -Infinity, -Infinity);
    const take = (p, v) => {
      const x = p[3 * v], y = p[3 * v + 1], z = p[3 * v + 2];
      if (x < low.x) low.x = x; if (x > high.x) high.x = x;
      if (y < low.y) low.y = y; if (y > high.y) high.y = y;
      if (z < low.z) low.z = z; if (z > high.z) high.z = z;
    };
    for (const object of this.objects) {
      if (!object || !object.group.visible) continue;
      if (only) {
        for (const v of only(object)) take(object.positions, v);
      } else {
        for (let v = 0; v < object.vertexCount; ++v) if (!object.deleted[v]) take(object.positions, v);
      }
    }
    return low.x > high.x ? null : { low, high };
  }

  // Home: every shown object. A new document is seen from a little right of the front;
  // else the camera keeps its direction, as modellers' views do.
  frameAll({ afresh = false } = {}) {
    this.frameBounds(this.shownBounds(), afresh);
  }

  // F: the selected vertices, or everything when none is.
  frameSelected() {
    const bounds = this.shownBounds((object) => object.marks.selected?.geometry.index.array ?? []);
    this.frameBounds(bounds ?? this.shownBounds(), false);
  }

  frameBounds(bounds, afresh) {
    if (!bounds) return;
    const centre = bounds.low.clone().add(bounds.high).multiplyScalar(0.5);
    const radius = Math.max(bounds.high.clone().sub(bounds.low).length() / 2, 1e-3) * 1.05;
    const direction = afresh ? FIRST_DIRECTION.clone() : this.camera.position.clone().sub(this.controls.target).normalize();
    if (direction.lengthSq() === 0) direction.copy(FIRST_DIRECTION);
    const aspect = this.perspective.aspect;
    const halfField = Math.min(Math.atan(TAN_HALF_FIELD), Math.atan(TAN_HALF_FIELD * aspect));
    const distance = radius / Math.sin(halfField);
    this.setClipping(distance);
    this.orthographic.zoom = Math.min(1, aspect) / radius;
    this.orthographic.updateProjectionMatrix();
    this.camera.position.copy(centre).addScaledVector(direction, distance);
    this.controls.target.copy(centre);
    if (afresh) this.setViewName('user');
    this.controls.update();
    this.cameraChanged();
  }

  // The depth the cameras see, from the distance the camera keeps from what it looks at.
  setClipping(distance) {
    this.perspective.near = distance / 100;
    this.perspective.far = distance * 100;
    this.orthographic.near = -distance * 100;
    this.orthographic.far = distance * 100;
    this.perspective.updateProjectionMatrix();
    this.orthographic.updateProjectionMatrix();
  }

  get projection() {
    return this.camera.isOrthographicCamera ? 'orthographic' : 'perspective';
  }

  // The other camera takes over, seeing at the target what this one saw there.
  setProjection(projection) {
    if (projection === this.projection) return;
    const target = this.controls.target;
    const offset = this.camera.position.clone().sub(target);
    const distance = offset.length();
    if (projection === 'orthographic') {
      this.orthographic.position.copy(this.camera.position);
      this.orthographic.quaternion.copy(this.camera.quaternion);
      this.orthographic.zoom = 1 / (distance * TAN_HALF_FIELD);
      this.useCamera(this.orthographic);
    } else {
      const seen = 1 / (this.orthographic.zoom * TAN_HALF_FIELD);
      this.perspective.position.copy(target).addScaledVector(offset.normalize(), seen);
      this.setClipping(seen);
      this.useCamera(this.perspective);
    }
  }

  useCamera(camera) {
    camera.add(this.light);
    camera.updateProjectionMatrix();
    this.camera = camera;
    this.controls.object = camera;
    this.controls.update();
    this.setViewName(this.viewName);
    this.cameraChanged();
  }

  // Front, back, right, left, top or bottom, orthographic, at the distance and the zoom
  // the camera had.
  setView(name) {
    const direction = VIEWS[name];
    if (!direction) throw new Error(`no view named ${name}`);
    const target = this.controls.target;
    const distance = this.camera.position.distanceTo(target);
    this.camera.position.copy(target).addScaledVector(new Vector3(...direction).normalize(), distance);
    this.controls.update();
    this.setProjection('orthographic');
    this.setViewName(name);
    this.cameraChanged();
  }

  // Which of the six views the camera is in, 'user' once the person turned it: on the
  // canvas, for the toolbar and for whoever checks.
  setViewName(name) {
    this.viewName = name;
    this.canvas.dataset.view = name;
    this.canvas.dataset.projection = this.projection;
  }

  // A view turned away from stops being that view; zooming and panning keep it.
  cameraChanged() {
    const direction = VIEWS[this.viewName];
    if (direction) {
      const looking = this.camera.position.clone().sub(this.controls.target).normalize();
      if (looking.distanceTo(new Vector3(...direction).normalize()) > 1e-4) this.setViewName('user');
    }
    this.redraw();
    this.canvas.dispatchEvent(new CustomEvent('camera'));
  }

  // What a reload takes back: plain numbers.
  cameraState() {
    return {
      projection: this.projection,
      view: this.viewName,
      position: this.camera.position.toArray(),
      target: this.controls.target.toArray(),
      zoom: this.orthographic.zoom,
    };
  }

  // Takes a state cameraState() gave; false, changing nothing, for one it cannot use.
  setCameraState(state) {
    const vector = (value) => Array.isArray(value) && value.length === 3 && value.every(Number.isFinite);
    if (!state || !vector(state.position) || !vector(state.target) || !(state.zoom > 0 && Number.isFinite(state.zoom))
      || !['perspective', 'orthographic'].includes(state.projection)) return false;
    const distance = new Vector3(...state.position).distanceTo(new Vector3(...state.target));
    if (!(distance > 0)) return false;
    const camera = state.projection === 'orthographic' ? this.orthographic : this.perspective;
    camera.position.fromArray(state.position);
    this.orthographic.zoom = state.zoom;
    this.controls.target.fromArray(state.target);
    this.setClipping(distance);
    this.viewName = typeof state.view === 'string' && (state.view in VIEWS) ? state.view : 'user';
    this.useCamera(camera);
    this.keepCamera = true;
    return true;
  }

  // ---- picking ----

  // The ray from the camera through a point of the canvas, in CSS pixels from its top left.
  rayAt(x, y) {
    const raycaster = new Raycaster();
    raycaster.setFromCamera(new Vector2((x / this.canvas.clientWidth) * 2 - 1, 1 - (y / this.canvas.clientHeight) * 2), this.camera);
    return raycaster.ray;
  }

  // The nearest point of a shown object's faces under a point of the canvas, of the one
  // object `only` when given: {object, point, normal}, the normal turned to the camera;
  // null over nothing.
  pickSurface(x, y, only) {
    const started = performance.now();
    const ray = this.rayAt(x, y);
    let best = null;
    for (const object of this.objects) {
      if (!object || !object.group.visible || (only !== undefined && object.index !== only)) continue;
      const hit = this.surroundingsOf(object)?.bvh.raycastFirst(ray, DoubleSide);
      if (hit && (!best || hit.distance < best.hit.distance)) best = { object, hit };
    }
    this.time('pick', started);
    if (!best) return null;
    const normal = best.hit.face.normal.clone();
    if (normal.dot(ray.direction) > 0) normal.negate();
    return { object: best.object.index, point: best.hit.point.clone(), normal };
  }

  // Where a point of the canvas falls on a plane; null when the plane is seen edge on.
  pointOnPlane(x, y, point, normal) {
    return this.rayAt(x, y).intersectPlane(new Plane().setFromNormalAndCoplanarPoint(normal, point), new Vector3());
  }

  // The way the camera looks, as a unit vector.
  forward() {
    return this.camera.getWorldDirection(new Vector3());
  }

  // Where each vertex of an object falls on the canvas, in CSS pixels from its top left;
  // visit(index, x, y) is called for every vertex in use in front of the camera, of
  // those marked in `wanted` when given.
  projectVertices(object, visit, wanted) {
    this.camera.updateMatrixWorld();
    const m = this.camera.projectionMatrix.clone().multiply(this.camera.matrixWorldInverse).elements;
    const width = this.canvas.clientWidth;
    const height = this.canvas.clientHeight;
    const p = object.positions;
    for (let v = 0; v < object.vertexCount; ++v) {
      if (object.deleted[v] || (wanted && !wanted[v])) continue;
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
    const started = performance.now();
    const hit = this.surroundingsOf(object)?.bvh.raycastFirst(this.rayAt(x, y), DoubleSide);
    this.time('pick', started);
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

  // The vertices of an object whose projection lies inside a rectangle of the canvas, in
  // ascending order: with `through`, all of them, the far side's too; else only those
  // that face the camera and that no shown face hides.
  verticesInRect(objectIndex, left, top, right, bottom, { through = false } = {}) {
    const object = this.objects[objectIndex];
    const inside = [];
    if (!object || !object.group.visible) return inside;
    const started = performance.now();
    this.projectVertices(object, (v, sx, sy) => {
      if (sx >= left && sx <= right && sy >= top && sy <= bottom) inside.push(v);
    }, this.cornersInRect(object, left, top, right, bottom));
    const seen = through ? inside : this.seenFromCamera(object, inside);
    this.time('boxSelect', started);
    return seen;
  }

  // The vertices an object's tree puts in or near a rectangle of the canvas, marked: the
  // corners of the faces in the leaves whose boxes reach into the part of the world the
  // rectangle sees, and the vertices of no face. Null, for every vertex, for an object
  // without faces.
  cornersInRect(object, left, top, right, bottom) {
    const surroundings = this.surroundingsOf(object);
    if (!surroundings) return null;
    const { bvh, around } = surroundings;
    this.camera.updateMatrixWorld();
    const m = this.camera.projectionMatrix.clone().multiply(this.camera.matrixWorldInverse).elements;
    const row = (i) => [m[i], m[4 + i], m[8 + i], m[12 + i]];
    const rx = row(0), ry = row(1), rw = row(3);
    // The rectangle in the camera's clip space, as planes in the world: a point is inside
    // where each is not negative, in front of the camera too.
    const xLeft = (2 * left) / this.canvas.clientWidth - 1;
    const xRight = (2 * right) / this.canvas.clientWidth - 1;
    const yBottom = 1 - (2 * bottom) / this.canvas.clientHeight;
    const yTop = 1 - (2 * top) / this.canvas.clientHeight;
    const planes = [
      rx.map((a, i) => a - xLeft * rw[i]), rx.map((a, i) => xRight * rw[i] - a),
      ry.map((a, i) => a - yBottom * rw[i]), ry.map((a, i) => yTop * rw[i] - a), rw,
    ];
    // Of a box, the largest and smallest a plane takes, at the corners the plane leans to.
    const reach = (plane, box, most) => {
      const pick = (axis, i) => ((plane[i] > 0) === most ? box.max[axis] : box.min[axis]);
      return plane[0] * pick('x', 0) + plane[1] * pick('y', 1) + plane[2] * pick('z', 2) + plane[3];
    };
    const wanted = new Uint8Array(object.vertexCount);
    const t = object.triangles;
    bvh.shapecast({
      intersectsBounds: (box) => {
        if (planes.some((plane) => reach(plane, box, true) < 0)) return NOT_INTERSECTED;
        return planes.every((plane) => reach(plane, box, false) >= 0) ? CONTAINED : INTERSECTED;
      },
      intersectsRange: (offset, count) => {
        for (let i = offset; i < offset + count; ++i) {
          const f = 3 * bvh.resolveTriangleIndex(i);
          wanted[t[f]] = wanted[t[f + 1]] = wanted[t[f + 2]] = 1;
        }
        return false;
      },
    });
    for (let v = 0; v < object.vertexCount; ++v) if (around.starts[v] === around.starts[v + 1]) wanted[v] = 1;
    return wanted;
  }

  // Of some vertices of an object, those whose normal (the sum of their faces' normals,
  // weighted by area) turns to the camera, and from which the way to the camera crosses
  // no face of a shown object.
  seenFromCamera(object, vertices) {
    if (vertices.length === 0 || object.triangles.length === 0) return vertices;
    const p = object.positions;
    const { normals } = this.surroundingsOf(object);
    const occluders = this.objects.filter((o) => o && o.group.visible).map((o) => this.surroundingsOf(o)?.bvh).filter(Boolean);
    const bounds = this.shownBounds();
    const centre = bounds.low.clone().add(bounds.high).multiplyScalar(0.5);
    const radius = bounds.high.distanceTo(bounds.low) / 2;
    // A face that passes this close to the vertex is its own, met where the way starts.
    const slack = Math.max(radius, 1e-6) * 1e-4;
    this.camera.updateMatrixWorld();
    const eye = this.camera.position;
    const forward = this.forward();
    const orthographic = this.camera.isOrthographicCamera;
    const ray = new Ray();
    const seen = [];
    for (const v of vertices) {
      const x = p[3 * v], y = p[3 * v + 1], z = p[3 * v + 2];
      let length;
      if (orthographic) {
        ray.direction.copy(forward);
        // From outside everything shown, along the view.
        length = Math.hypot(x - centre.x, y - centre.y, z - centre.z) + radius + 1;
        ray.origin.set(x, y, z).addScaledVector(forward, -length);
      } else {
        ray.origin.copy(eye);
        ray.direction.set(x - eye.x, y - eye.y, z - eye.z);
        length = ray.direction.length();
        if (length === 0) continue;
        ray.direction.multiplyScalar(1 / length);
      }
      const n = 3 * v;
      if (normals[n] * ray.direction.x + normals[n + 1] * ray.direction.y + normals[n + 2] * ray.direction.z > 0) continue;
      let hidden = false;
      for (let o = 0; o < occluders.length && !hidden; ++o) hidden = occluders[o].raycastFirst(ray, DoubleSide, 0, length - slack) !== null;
      if (!hidden) seen.push(v);
    }
    return seen;
  }

  buildBrushRing() {
    const circle = new Float32Array(RING_SEGMENTS * 3);
    for (let i = 0; i < RING_SEGMENTS; ++i) {
      const angle = (i / RING_SEGMENTS) * 2 * Math.PI;
      circle[3 * i] = Math.cos(angle);
      circle[3 * i + 1] = Math.sin(angle);
    }
    const geometry = new BufferGeometry();
    geometry.setAttribute('position', new BufferAttribute(circle, 3));
    // Over everything, so that the part of it that dips into the surface shows too.
    this.brushRing = new LineLoop(geometry, new LineBasicMaterial({
      color: BRUSH_COLOUR, transparent: true, opacity: 0.9, depthTest: false,
    }));
    this.brushRing.renderOrder = 30;
    this.brushRing.frustumCulled = false;
    this.brushRing.visible = false;
    this.scene.add(this.brushRing);
  }

  // The brush's radius drawn round a point of the surface, in the plane its normal makes.
  showBrushRing(point, normal, radius) {
    this.brushRing.position.copy(point);
    this.brushRing.quaternion.setFromUnitVectors(new Vector3(0, 0, 1), normal.clone().normalize());
    this.brushRing.scale.setScalar(radius);
    this.brushRing.visible = true;
    this.redraw();
  }

  hideBrushRing() {
    if (!this.brushRing.visible) return;
    this.brushRing.visible = false;
    this.redraw();
  }
}
