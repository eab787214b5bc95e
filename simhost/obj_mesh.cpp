#include "simhost/obj_mesh.h"
