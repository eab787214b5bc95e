// What the studio's page takes from three.js: the core it draws with and the orbit
// controls; and from three-mesh-bvh the bounds tree it picks with and the answers a walk
// of the tree takes. Naming each export lets esbuild leave out the rest of both libraries.
export {
  BufferAttribute, BufferGeometry, CanvasTexture, Color, DirectionalLight, DoubleSide, GridHelper, Group,
  HemisphereLight, LineBasicMaterial, LineLoop, LineSegments, MOUSE, Mesh, MeshBasicMaterial, MeshStandardMaterial,
  OrthographicCamera, PerspectiveCamera, Plane, Points, PointsMaterial, Ray, Raycaster, Scene, Sprite,
  SpriteMaterial, Vector2, Vector3, WebGLRenderer,
} from 'three';
export { OrbitControls } from 'three/examples/jsm/controls/OrbitControls.js';
export { CONTAINED, INTERSECTED, MeshBVH, NOT_INTERSECTED } from 'three-mesh-bvh';
