// The plug-in's life, as the modeller drives it: init, activate, deactivate, exit, new,
// nest, draw.
#include <algorithm>
#include <iterator>

#include "host/host_function_list.h"
#include "simhost/language/commands.h"

namespace simhost {

Action ParseInit(Args &a) {
    a.End();
    return [](ScriptRunner &r) {
        r.bench().Initialize();
        r.pending().initialized = true;
    };
}

Action ParseActivate(Args &a) {
    a.End();
    return [](ScriptRunner &r) { r.bench().Activate(true); };
}

Action ParseDeactivate(Args &a) {
    a.End();
    return [](ScriptRunner &r) { r.bench().Activate(false); };
}

Action ParseExit(Args &a) {
    a.End();
    return [](ScriptRunner &r) {
        r.bench().Exit();
        r.pending().initialized = false;
    };
}

Action ParseNew(Args &a) {
    a.End();
    return Affecting(DocumentEffect::Changes, [](ScriptRunner &r) { r.bench().NewDocument(); });
}

Action ParseNest(Args &a) {
    using Kind = NestedAction::Kind;
    NestedAction action;
    action.kind = a.OneOf<Kind>("event", {{"init", Kind::Initialize},
                                          {"exit", Kind::Exit},
                                          {"activate", Kind::Activate},
                                          {"deactivate", Kind::Deactivate},
                                          {"new", Kind::NewDocument},
                                          {"draw", Kind::Draw},
                                          {"click", Kind::Click}});
    if (action.kind == Kind::Click) {
        action.label = a.Word("button");
        while (!a.AtEnd() && Lower(a.Peek()) != "inside") {
            (HeldKey(a) == Held::Ctrl ? action.ctrl : action.shift) = true;
        }
    }
    a.Keyword("word", "inside");
    const std::string function = a.Word("host function");
    const auto &known = stelmarin::host::kHostFunctions;
    if (std::none_of(std::begin(known), std::end(known), [&](const auto &info) { return function == info.name; })) {
        a.Fail("\"" + function + "\" is not a host function");
    }
    long long call = 1;
    if (a.Optional("call")) call = a.Int("call", 1, 1 << 30);
    a.End();
    return [=](ScriptRunner &r) {
        if (action.kind == Kind::Click) r.bench().SlotOf(action.label);
        r.bench().NestInside(function, call, action);
    };
}

Action ParseDraw(Args &a) {
    a.End();
    return Affecting(DocumentEffect::Draws, [](ScriptRunner &r) {
        const DrawOutcome outcome = r.bench().Draw();
        Said(r, std::to_string(outcome.written) + " vertices written, " + std::to_string(outcome.movedBack) +
                    " moved back, farthest by " + Format(outcome.largestMove));
    });
}

}  // namespace simhost
