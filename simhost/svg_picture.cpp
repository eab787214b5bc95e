#include "simhost/svg_picture.h"
