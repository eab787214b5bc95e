#include "simhost/modeller/load_hints.h"

#include <cmath>
#include <cstdio>

#include "simhost/modeller/pin_ledger.h"

namespace simhost {

std::vector<std::string> LoadHints(const std::string &path, const Document &document, const std::vector<int> &added) {
    std::vector<std::string> hints;
    int vertices = 0;
    for (const int index : added) vertices += document.ObjectAt(index)->VertexCount();
    if (vertices == 0) {
        hints.push_back("note: " + path + " holds no vertices");
        return hints;
    }
    char tolerance[32];
    std::snprintf(tolerance, sizeof tolerance, "%g", static_cast<double>(kCentreLineTolerance));
    const std::string where = "X = 0 (|X| < " + std::string(tolerance) + ")";
    for (const int index : added) {
        const Object &object = *document.ObjectAt(index);
        bool onLine = false, inFace = false;
        for (int v = 0; v < object.VertexCount() && !inFace; ++v) {
            if (std::fabs(object.position(v).x) >= kCentreLineTolerance) continue;
            onLine = true;
            inFace = object.vertex(v).refCount > 0;
        }
        if (object.VertexCount() == 0 || inFace) continue;
        const std::string name = "\"" + object.name() + "\"";
        hints.push_back(onLine
                            ? "note: no vertex of " + name + " on " + where + " is in a face: slot X0 would pin nothing"
                            : "note: no vertex of " + name + " lies on " + where + ": slot X0 would pin nothing");
    }
    return hints;
}

}  // namespace simhost
