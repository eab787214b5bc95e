// The modeller's tools on the selected (or all) vertices of the current object: move,
// scale, jitter, smooth. "move window" is the user dragging the plug-in's window.
#include <limits>

#include "simhost/language/commands.h"

namespace simhost {

Action ParseMove(Args &a) {
    if (a.Optional("window")) return ParseMoveWindow(a);
    const MQPoint delta = a.Point("offset");
    const Scope scope = ScopeOf(a);
    a.End();
    return Affecting(DocumentEffect::Changes, [=](ScriptRunner &r) { Move(Current(r), delta, scope); });
}

Action ParseScale(Args &a) {
    const MQPoint factor = a.Point("factor");
    MQPoint centre{0, 0, 0};
    if (a.Optional("about")) centre = a.Point("centre");
    const Scope scope = ScopeOf(a);
    a.End();
    return Affecting(DocumentEffect::Changes, [=](ScriptRunner &r) { Scale(Current(r), factor, centre, scope); });
}

Action ParseJitter(Args &a) {
    // Offsets are drawn from -amplitude to +amplitude: the span must be a finite float.
    const float amplitude = a.Float("amplitude", 0.0f, std::numeric_limits<float>::max() / 2);
    const int seed = a.Int("seed", 0, 0x7FFFFFFF);
    const Scope scope = ScopeOf(a);
    a.End();
    return Affecting(DocumentEffect::Changes,
                     [=](ScriptRunner &r) { Jitter(Current(r), amplitude, static_cast<uint32_t>(seed), scope); });
}

Action ParseSmooth(Args &a) {
    const int iterations = a.Int("iterations", 1, 10000);
    const Scope scope = ScopeOf(a);
    a.End();
    return Affecting(DocumentEffect::Changes, [=](ScriptRunner &r) { Smooth(Current(r), iterations, scope); });
}

}  // namespace simhost
