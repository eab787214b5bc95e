// What the commands of the session language share: the shape of a parsed command, the
// runner's queue of what the user will do next, and the lookups and wording every step
// uses when it runs.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "simhost/language/command_args.h"
#include "simhost/modeller/modelling_tools.h"
#include "simhost/language/session_script.h"
#include "simhost/modeller/workbench.h"

namespace simhost {

// A step, ready to run, with what it does to the document; and what makes one from a
// command's arguments (or says what is wrong with them). A step is None unless its form
// says otherwise.
struct Action {
    template <class Run, class = std::enable_if_t<std::is_invocable_v<Run &, ScriptRunner &>>>
    Action(Run step, DocumentEffect what = DocumentEffect::None) : run(std::move(step)), effect(what) {}

    std::function<void(ScriptRunner &)> run;
    DocumentEffect effect;
};
using ParseFunction = Action (*)(Args &);

// A step that does `effect` to the document.
inline Action Affecting(DocumentEffect effect, Action step) {
    step.effect = effect;
    return step;
}

struct ScriptRunner::Pending {
    std::vector<DialogAction> dialog;
    bool initialized = false;  // the plug-in has had kEventInitialize and no kEventExit since
};

std::string Format(double value);
std::string Format(MQPoint p);

// The current object, one by name, and a vertex index checked against an object: each
// fails the step when there is no such thing.
Object &Current(ScriptRunner &runner);
Object &Named(ScriptRunner &runner, const std::string &name);
void CheckIndex(const Object &object, int index);

// A line of what a step did, indented under the command in the transcript.
void Said(ScriptRunner &runner, const std::string &what);
// A line the user asked a step to show (a report), printed the same way, quiet or not.
void Shown(ScriptRunner &runner, const std::string &what);

// The extension of a file's name, with its dot and in lower case (".svg"); "" when the
// name has none.
std::string ExtensionOf(const std::string &file);
// Reads the name of a file to write. Its extension, in any case, must be one of
// `extensions` ("" standing for a name without one): the kind of a file is read from its
// name, so a session asking for another kind is refused before anything of it runs. A
// name that Windows takes for a device (CON, NUL.obj, out/com1.svg) is refused the same
// way, on every system. `writes` completes the complaint "COMMAND writes ...".
std::string FileToWrite(Args &args, const char *command, std::initializer_list<const char *> extensions,
                        const char *writes);

// A tool's trailing "all": every vertex rather than the selected ones.
Scope ScopeOf(Args &args);

// A key held during a click: ctrl or shift, in any case.
enum class Held { Ctrl, Shift };
Held HeldKey(Args &args);

// An axis written x, y or z (in any case), and a point's coordinate on it.
size_t AxisWord(Args &args);
float Axis(MQPoint p, size_t axis);
extern const char *const kAxisNames[3];

}  // namespace simhost
