#include "simhost/mesh_shapes.h"
