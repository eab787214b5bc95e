// Shapes the stand-in host can make by itself, so that examples and tests need no mesh
// from elsewhere.
#pragma once

#include <string>

#include "simhost/host/document_model.h"

namespace simhost {

// A closed, head-like shape, mirror-symmetric about the plane X = 0: its seam vertices
// have X exactly 0 and every other vertex has an exact mirror partner. `detail` sets the
// resolution (rings and segments grow with it); detail 24 gives a few thousand vertices.
// Added at the end of the document and made current.
Object &AddHead(Document &document, const std::string &name, int detail = 24);

}  // namespace simhost
