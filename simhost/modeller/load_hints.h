// What a user may not expect of a mesh just loaded, said at once rather than found out
// from a blank picture or an empty slot.
#pragma once

#include <string>
#include <vector>

#include "simhost/host/document_model.h"

namespace simhost {

// A line for a file that holds no vertices at all, and one for each object loaded from it
// of which no vertex is one slot X0 would pin (in a face, on the centre line):
//   note: empty.obj holds no vertices
//   note: no vertex of "body" lies on X = 0 (|X| < 0.001): slot X0 would pin nothing
std::vector<std::string> LoadHints(const std::string &path, const Document &document, const std::vector<int> &added);

}  // namespace simhost
