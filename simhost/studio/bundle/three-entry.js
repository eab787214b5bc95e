// What the studio's page takes from three.js: the core it draws with and the orbit
// controls. Naming each export lets esbuild leave out the rest of the library.
export {
  BufferAttribute, BufferGeometry, CanvasTexture, Color, DirectionalLight, DoubleSide, Group,
  HemisphereLight, LineBasicMaterial, LineSegments, MOUSE, Mesh, MeshStandardMaterial,
  PerspectiveCamera, Points, PointsMaterial, Raycaster, Scene, Vector2, Vector3, WebGLRenderer,
} from 'three';
export { OrbitControls } from 'three/examples/jsm/controls/OrbitControls.js';
