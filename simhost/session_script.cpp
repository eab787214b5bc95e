#include "simhost/session_script.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <system_error>

#include "host/host_function_list.h"
#include "simhost/mesh_shapes.h"
#include "simhost/modelling_tools.h"
#include "simhost/obj_mesh.h"
#include "simhost/safe_write.h"
#include "simhost/settings_tree.h"
#include "simhost/widget_host.h"
#include "simhost/workbench.h"

namespace simhost {

struct ScriptRunner::Pending {
    std::vector<DialogAction> dialog;
    bool initialized = false;  // the plug-in has had event 1 and no event 2 since
};

namespace {

namespace fs = std::filesystem;
using Action = std::function<void(ScriptRunner &)>;

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Words separated by blanks; a word in double quotes may hold blanks.
std::vector<std::string> Tokens(const std::string &line) {
    std::vector<std::string> tokens;
    size_t i = 0;
    while (true) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        if (i == line.size() || line[i] == '#') break;
        if (line[i] == '"') {
            const size_t close = line.find('"', i + 1);
            if (close == std::string::npos) throw ScriptSyntaxError("a quoted word has no closing quote");
            tokens.push_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
            if (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) {
                throw ScriptSyntaxError("a quoted word must be followed by a blank");
            }
            continue;
        }
        const size_t start = i;
        while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

// The arguments of one command, read left to right with checks.
class Args {
public:
    Args(std::vector<std::string> tokens, std::string usage) : tokens_(std::move(tokens)), usage_(std::move(usage)) {}

    bool AtEnd() const { return next_ == tokens_.size(); }
    const std::string &Peek() const { return tokens_[next_]; }

    std::string Word(const char *what) {
        if (AtEnd()) Fail(std::string("missing ") + what);
        return tokens_[next_++];
    }

    float Float(const char *what) {
        const std::string word = Word(what);
        float value = 0.0f;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) {
            Fail(std::string(what) + " must be a number, not \"" + word + "\"");
        }
        return value;
    }

    MQPoint Point(const char *what) {
        const std::string name(what);
        const float x = Float((name + " x").c_str());
        const float y = Float((name + " y").c_str());
        const float z = Float((name + " z").c_str());
        return {x, y, z};
    }

    int Int(const char *what, long long low, long long high) {
        const std::string word = Word(what);
        long long value = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc() || end != word.data() + word.size()) {
            Fail(std::string(what) + " must be a whole number, not \"" + word + "\"");
        }
        if (value < low || value > high) {
            Fail(std::string(what) + " must be from " + std::to_string(low) + " to " + std::to_string(high));
        }
        return static_cast<int>(value);
    }

    // One of the given words, in any case; returns its position in the list.
    size_t OneOf(const char *what, std::initializer_list<const char *> words) {
        const std::string word = Lower(Word(what));
        size_t index = 0;
        for (const char *candidate : words) {
            if (word == candidate) return index;
            ++index;
        }
        std::string list;
        for (const char *candidate : words) list += std::string(list.empty() ? "" : ", ") + candidate;
        Fail(std::string(what) + " must be one of " + list + ", not \"" + word + "\"");
    }

    // Takes the word if it comes next.
    bool Optional(const char *word) {
        if (AtEnd() || Lower(Peek()) != word) return false;
        ++next_;
        return true;
    }

    void End() {
        if (!AtEnd()) Fail("unexpected \"" + tokens_[next_] + "\"");
    }

    [[noreturn]] void Fail(const std::string &what) const {
        throw ScriptSyntaxError(what + " (usage: " + usage_ + ")");
    }

private:
    std::vector<std::string> tokens_;
    std::string usage_;
    size_t next_ = 0;
};

std::string Format(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

std::string Format(MQPoint p) { return "(" + Format(p.x) + ", " + Format(p.y) + ", " + Format(p.z) + ")"; }

Object &Current(ScriptRunner &runner) {
    Document &document = runner.bench().document();
    Object *object = document.ObjectAt(document.currentObject);
    if (object == nullptr)
        throw StepFailure("there is no current object (load or make one, or choose one with object)");
    return *object;
}

Object &Named(ScriptRunner &runner, const std::string &name) {
    Object *object = runner.bench().document().FindByName(name);
    if (object == nullptr) throw StepFailure("there is no object named \"" + name + "\"");
    return *object;
}

void CheckIndex(const Object &object, int index) {
    if (!object.ValidIndex(index) || object.vertex(index).deleted) {
        throw StepFailure("\"" + object.name() + "\" has no vertex " + std::to_string(index) + " (it has " +
                          std::to_string(object.VertexCount()) + " places)");
    }
}

Scope ScopeOf(Args &args) { return args.Optional("all") ? Scope::All : Scope::Selected; }

float Axis(MQPoint p, size_t axis) { return axis == 0 ? p.x : axis == 1 ? p.y : p.z; }
const char *const kAxisNames[] = {"x", "y", "z"};

// Selects the vertices for which `keep` holds, and no others.
template <class Keep>
int SelectWhere(Object &object, Keep keep) {
    int count = 0;
    for (int i = 0; i < object.VertexCount(); ++i) {
        Vertex &vertex = object.vertex(i);
        vertex.selected = !vertex.deleted && keep(object.position(i));
        count += vertex.selected ? 1 : 0;
    }
    return count;
}

void Said(ScriptRunner &runner, const std::string &what) { runner.out() << "  " << what << "\n"; }

struct CommandSpec {
    const char *verb;
    const char *usage;
    const char *meaning;
    const char *example;
    std::function<Action(Args &)> parse;
};

// Index lists: "3", "10-20", in any number.
std::vector<std::pair<int, int>> Ranges(Args &args) {
    std::vector<std::pair<int, int>> ranges;
    while (!args.AtEnd()) {
        const std::string word = args.Word("index");
        const size_t dash = word.find('-', 1);
        Args part(dash == std::string::npos ? std::vector<std::string>{word, word}
                                            : std::vector<std::string>{word.substr(0, dash), word.substr(dash + 1)},
                  "select INDEX|FIRST-LAST ...");
        const int first = part.Int("vertex index", 0, 1 << 30);
        const int last = part.Int("vertex index", 0, 1 << 30);
        if (last < first) args.Fail("the range " + word + " runs backwards");
        ranges.emplace_back(first, last);
    }
    if (ranges.empty()) args.Fail("missing vertex index");
    return ranges;
}

const std::vector<CommandSpec> &Commands() {
    static const std::vector<CommandSpec> commands = {
        // Meshes and objects.
        {"load", "load FILE.obj",
         "adds the objects of an OBJ file; the path is relative to the script's folder, or else to the output folder",
         "load head.obj",
         [](Args &a) -> Action {
             const std::string file = a.Word("file");
             a.End();
             return [file](ScriptRunner &r) {
                 const std::string path = r.InputPath(file);
                 std::vector<int> added;
                 try {
                     added = LoadObj(path, r.bench().document());
                 } catch (const MeshError &error) {
                     throw StepBadInput(error.what());
                 }
                 int vertices = 0;
                 for (int index : added) vertices += r.bench().document().ObjectAt(index)->VertexCount();
                 Said(r, "loaded " + std::to_string(added.size()) + " object(s), " + std::to_string(vertices) +
                             " vertices from " + path);
             };
         }},
        {"save", "save FILE.obj", "writes the document as OBJ; the path is relative to the output folder",
         "save smoothed.obj",
         [](Args &a) -> Action {
             const std::string file = a.Word("file");
             a.End();
             return [file](ScriptRunner &r) {
                 const std::string path = r.OutputPath(file);
                 try {
                     SaveObj(path, r.bench().document());
                 } catch (const MeshError &error) {
                     throw StepBadInput(error.what());
                 }
                 Said(r, "saved " + path);
             };
         }},
        {"make", "make grid NAME COLUMNS ROWS [SPACING] | make head NAME [DETAIL]",
         "adds a flat grid with its middle column on X = 0, or a head-like mesh symmetric about X = 0, and makes it "
         "current",
         "make head \"head\" 24",
         [](Args &a) -> Action {
             const size_t shape = a.OneOf("shape", {"grid", "head"});
             const std::string name = a.Word("name");
             if (shape == 0) {
                 const int columns = a.Int("columns", 1, 1000);
                 const int rows = a.Int("rows", 1, 1000);
                 const float spacing = a.AtEnd() ? 1.0f : a.Float("spacing");
                 a.End();
                 return [=](ScriptRunner &r) {
                     const Object &grid = AddGrid(r.bench().document(), name, columns, rows, spacing);
                     Said(r, "made grid \"" + name + "\" of " + std::to_string(grid.VertexCount()) + " vertices");
                 };
             }
             const int detail = a.AtEnd() ? 24 : a.Int("detail", 4, 200);
             a.End();
             return [=](ScriptRunner &r) {
                 const Object &head = AddHead(r.bench().document(), name, detail);
                 Said(r, "made head \"" + name + "\" of " + std::to_string(head.VertexCount()) + " vertices");
             };
         }},
        {"object", "object NAME", "makes the named object the current one", "object \"body\"",
         [](Args &a) -> Action {
             const std::string name = a.Word("name");
             a.End();
             return [name](ScriptRunner &r) {
                 Document &document = r.bench().document();
                 document.currentObject = document.IndexOf(&Named(r, name));
             };
         }},
        // Selection.
        {"select", "select all | none | INDEX|FIRST-LAST ... | box X0 Y0 Z0 X1 Y1 Z1 | plane x|y|z VALUE [TOLERANCE]",
         "selects vertices of the current object, replacing the selection; a plane's tolerance defaults to 0.001",
         "select plane x 0 0.0001",
         [](Args &a) -> Action {
             if (a.AtEnd()) a.Fail("missing what to select");
             const std::string first = Lower(a.Peek());
             if (first == "all" || first == "none") {
                 a.Word("what");
                 a.End();
                 const bool all = first == "all";
                 return [all](ScriptRunner &r) {
                     const int count = SelectWhere(Current(r), [all](MQPoint) { return all; });
                     Said(r, std::to_string(count) + " selected");
                 };
             }
             if (first == "box") {
                 a.Word("what");
                 const MQPoint low = a.Point("corner");
                 const MQPoint high = a.Point("opposite corner");
                 a.End();
                 return [=](ScriptRunner &r) {
                     const int count = SelectWhere(Current(r), [&](MQPoint p) {
                         for (size_t axis = 0; axis < 3; ++axis) {
                             const float lo = std::min(Axis(low, axis), Axis(high, axis));
                             const float hi = std::max(Axis(low, axis), Axis(high, axis));
                             if (Axis(p, axis) < lo || Axis(p, axis) > hi) return false;
                         }
                         return true;
                     });
                     Said(r, std::to_string(count) + " selected");
                 };
             }
             if (first == "plane") {
                 a.Word("what");
                 const size_t axis = a.OneOf("axis", {"x", "y", "z"});
                 const float value = a.Float("value");
                 const float tolerance = a.AtEnd() ? 0.001f : a.Float("tolerance");
                 a.End();
                 return [=](ScriptRunner &r) {
                     const int count = SelectWhere(
                         Current(r), [&](MQPoint p) { return std::fabs(Axis(p, axis) - value) <= tolerance; });
                     Said(r, std::to_string(count) + " selected");
                 };
             }
             const auto ranges = Ranges(a);
             return [ranges](ScriptRunner &r) {
                 Object &object = Current(r);
                 for (const auto &[from, to] : ranges) {
                     for (int i = from; i <= to; ++i) CheckIndex(object, i);
                 }
                 ClearSelection(object);
                 std::vector<int> indices;
                 for (const auto &[from, to] : ranges) {
                     for (int i = from; i <= to; ++i) indices.push_back(i);
                 }
                 Select(object, indices);
                 Said(r, std::to_string(SelectedIndices(object).size()) + " selected");
             };
         }},
        // The plug-in's life.
        {"init", "init", "the modeller starts the plug-in (event 1): it makes its window, hidden", "init",
         [](Args &a) -> Action {
             a.End();
             return [](ScriptRunner &r) {
                 r.bench().Initialize();
                 r.pending().initialized = true;
             };
         }},
        {"activate", "activate", "the user switches the plug-in on (event 100): its window shows", "activate",
         [](Args &a) -> Action {
             a.End();
             return [](ScriptRunner &r) { r.bench().Activate(true); };
         }},
        {"deactivate", "deactivate", "the user switches the plug-in off (event 100 with 0)", "deactivate",
         [](Args &a) -> Action {
             a.End();
             return [](ScriptRunner &r) { r.bench().Activate(false); };
         }},
        {"exit", "exit", "the modeller closes (event 2): the plug-in stores its window position", "exit",
         [](Args &a) -> Action {
             a.End();
             return [](ScriptRunner &r) {
                 r.bench().Exit();
                 r.pending().initialized = false;
             };
         }},
        {"new", "new", "the user starts a new document (event 201): every slot empties", "new",
         [](Args &a) -> Action {
             a.End();
             return [](ScriptRunner &r) { r.bench().NewDocument(); };
         }},
        {"nest", "nest init|exit|activate|deactivate|new|draw|click X0|1|2|3 [ctrl] [shift] inside FUNCTION [call N]",
         "the modeller sends that event or click from inside the plug-in's Nth call (default the first) of the named "
         "host function, counted from now; the plug-in handles it once its call returns",
         "nest new inside MQObj_SetVertex call 2",
         [](Args &a) -> Action {
             NestedAction action;
             using Kind = NestedAction::Kind;
             constexpr Kind kinds[] = {Kind::Initialize,  Kind::Exit, Kind::Activate, Kind::Deactivate,
                                       Kind::NewDocument, Kind::Draw, Kind::Click};
             action.kind = kinds[a.OneOf("event", {"init", "exit", "activate", "deactivate", "new", "draw", "click"})];
             if (action.kind == Kind::Click) {
                 action.label = a.Word("button");
                 while (!a.AtEnd() && Lower(a.Peek()) != "inside") {
                     (a.OneOf("key", {"ctrl", "shift"}) == 0 ? action.ctrl : action.shift) = true;
                 }
             }
             a.OneOf("word", {"inside"});
             const std::string function = a.Word("host function");
             const auto &known = stelmarin::host::kHostFunctions;
             if (std::none_of(std::begin(known), std::end(known),
                              [&](const auto &info) { return function == info.name; })) {
                 a.Fail("\"" + function + "\" is not a host function");
             }
             long long call = 1;
             if (a.Optional("call")) call = a.Int("call", 1, 1 << 30);
             a.End();
             return [=](ScriptRunner &r) {
                 if (action.kind == Kind::Click) r.bench().SlotOf(action.label);
                 r.bench().NestInside(function, call, action);
             };
         }},
        // The plug-in's window.
        {"click", "click X0|1|2|3 [ctrl] [shift]",
         "a left click on a slot button, with Control and Shift held as given", "click 1 ctrl",
         [](Args &a) -> Action {
             const std::string label = a.Word("button");
             bool ctrl = false, shift = false;
             while (!a.AtEnd()) {
                 if (a.OneOf("key", {"ctrl", "shift"}) == 0) {
                     ctrl = true;
                 } else {
                     shift = true;
                 }
             }
             return [=](ScriptRunner &r) {
                 const size_t questions = r.bench().widgets().questions.size();
                 r.bench().ClickSlot(label, ctrl, shift);
                 const auto &asked = r.bench().widgets().questions;
                 if (asked.size() > questions) {
                     Said(r, "asked \"" + Narrow(asked.back().message) + "\", answered " +
                                 (asked.back().answer == 1 ? "OK" : "Cancel"));
                 }
                 // Something the modeller sent nested in the click may have ended the plug-in.
                 if (r.bench().widgets().PluginWindow() == 0) {
                     Said(r, "the plug-in's window is gone");
                     return;
                 }
                 Said(r, "button " + label + " " + (r.bench().ButtonDown(label) ? "down" : "up"));
             };
         }},
        {"rightclick", "rightclick X0|1|2|3 [at X Y]",
         "a right click on a slot button opens the fix-mode dialog there; the dialog lines before it say what the "
         "user does in it",
         "rightclick 1 at 320 240",
         [](Args &a) -> Action {
             const std::string label = a.Word("button");
             int x = 0, y = 0;
             if (a.Optional("at")) {
                 x = a.Int("screen x", -100000, 100000);
                 y = a.Int("screen y", -100000, 100000);
             }
             a.End();
             return [=](ScriptRunner &r) {
                 std::vector<DialogAction> actions;
                 actions.swap(r.pending().dialog);
                 r.bench().RightClickSlot(label, x, y, actions);
                 Said(r, "slot " + label + " fixes " +
                             AxesText(r.bench().ledger().slots[static_cast<size_t>(r.bench().SlotOf(label))].mask));
             };
         }},
        {"dialog", "dialog click X|Y|Z | dialog key x|y|z|esc | dialog rightclick",
         "what the user will do in the next fix-mode dialog, in order: click a toggle, press a key, or right-click",
         "dialog click Z",
         [](Args &a) -> Action {
             DialogAction action{DialogAction::Kind::RightClick};
             switch (a.OneOf("action", {"click", "key", "rightclick"})) {
                 case 0:
                     action.kind = DialogAction::Kind::Click;
                     action.axis = "XYZ"[a.OneOf("toggle", {"x", "y", "z"})];
                     break;
                 case 1: {
                     action.kind = DialogAction::Kind::Key;
                     const int32_t keys[] = {88, 89, 90, 27};
                     action.key = keys[a.OneOf("key", {"x", "y", "z", "esc"})];
                     break;
                 }
                 default:
                     break;
             }
             a.End();
             return [action](ScriptRunner &r) { r.pending().dialog.push_back(action); };
         }},
        {"answer", "answer ok|cancel", "how the user answers the next question the plug-in asks", "answer ok",
         [](Args &a) -> Action {
             const bool ok = a.OneOf("answer", {"ok", "cancel"}) == 0;
             a.End();
             return [ok](ScriptRunner &r) { r.bench().Answer(ok); };
         }},
        {"close", "close window", "the user closes the plug-in's window: the plug-in switches itself off",
         "close window",
         [](Args &a) -> Action {
             a.OneOf("what", {"window"});
             a.End();
             return [](ScriptRunner &r) { r.bench().CloseWindow(); };
         }},
        {"move", "move window X Y | move DX DY DZ [all]",
         "the user drags the plug-in's window; or a tool moves the selected (or all) vertices of the current object",
         "move 0.1 0 0",
         [](Args &a) -> Action {
             if (a.Optional("window")) {
                 const int x = a.Int("x", -100000, 100000);
                 const int y = a.Int("y", -100000, 100000);
                 a.End();
                 return [=](ScriptRunner &r) { r.bench().MoveWindow(x, y); };
             }
             const MQPoint delta = a.Point("offset");
             const Scope scope = ScopeOf(a);
             a.End();
             return [=](ScriptRunner &r) { Move(Current(r), delta, scope); };
         }},
        // Modelling tools.
        {"scale", "scale FX FY FZ [about CX CY CZ] [all]",
         "scales the selected (or all) vertices of the current object per axis about a centre (default the origin)",
         "scale 1 1.2 1 about 0 1 0 all",
         [](Args &a) -> Action {
             const MQPoint factor = a.Point("factor");
             MQPoint centre{0, 0, 0};
             if (a.Optional("about")) centre = a.Point("centre");
             const Scope scope = ScopeOf(a);
             a.End();
             return [=](ScriptRunner &r) { Scale(Current(r), factor, centre, scope); };
         }},
        {"jitter", "jitter AMPLITUDE SEED [all]",
         "moves each selected (or every) vertex of the current object by a random amount up to AMPLITUDE per axis; "
         "the same seed gives the same result",
         "jitter 0.02 7 all",
         [](Args &a) -> Action {
             const float amplitude = a.Float("amplitude");
             const int seed = a.Int("seed", 0, 0x7FFFFFFF);
             const Scope scope = ScopeOf(a);
             a.End();
             return [=](ScriptRunner &r) { Jitter(Current(r), amplitude, static_cast<uint32_t>(seed), scope); };
         }},
        {"smooth", "smooth ITERATIONS [all]",
         "moves each selected (or every) vertex of the current object to the mean of its neighbours, ITERATIONS times",
         "smooth 5 all",
         [](Args &a) -> Action {
             const int iterations = a.Int("iterations", 1, 10000);
             const Scope scope = ScopeOf(a);
             a.End();
             return [=](ScriptRunner &r) { Smooth(Current(r), iterations, scope); };
         }},
        {"delete", "delete vertex INDEX | delete object NAME",
         "deletes a vertex of the current object (its faces go, its index stays empty) or an object", "delete vertex 4",
         [](Args &a) -> Action {
             if (a.OneOf("what", {"vertex", "object"}) == 0) {
                 const int index = a.Int("vertex index", 0, 1 << 30);
                 a.End();
                 return [index](ScriptRunner &r) {
                     Object &object = Current(r);
                     CheckIndex(object, index);
                     object.DeleteVertex(index);
                 };
             }
             const std::string name = a.Word("name");
             a.End();
             return [name](ScriptRunner &r) {
                 Document &document = r.bench().document();
                 document.DeleteObject(document.IndexOf(&Named(r, name)));
             };
         }},
        {"hide", "hide NAME", "hides an object: the plug-in leaves it alone", "hide \"body\"",
         [](Args &a) -> Action {
             const std::string name = a.Word("name");
             a.End();
             return [name](ScriptRunner &r) { Named(r, name).visible = false; };
         }},
        {"show", "show NAME", "shows a hidden object again", "show \"body\"",
         [](Args &a) -> Action {
             const std::string name = a.Word("name");
             a.End();
             return [name](ScriptRunner &r) { Named(r, name).visible = true; };
         }},
        {"exempt", "exempt NAME on|off", "sets the object's flag that keeps the plug-in from writing to it",
         "exempt \"body\" on",
         [](Args &a) -> Action {
             const std::string name = a.Word("name");
             const bool on = a.OneOf("state", {"on", "off"}) == 0;
             a.End();
             return [=](ScriptRunner &r) { Named(r, name).exempt = on; };
         }},
        {"compact", "compact [NAME]",
         "closes the holes left by deleted vertices of the object (default the current one): indices change, "
         "unique IDs stay",
         "compact",
         [](Args &a) -> Action {
             std::optional<std::string> name;
             if (!a.AtEnd()) name = a.Word("name");
             a.End();
             return [name](ScriptRunner &r) { (name ? Named(r, *name) : Current(r)).Compact(); };
         }},
        {"draw", "draw", "the modeller draws a view (event 110): the plug-in writes the pinned vertices back", "draw",
         [](Args &a) -> Action {
             a.End();
             return [](ScriptRunner &r) {
                 const DrawOutcome outcome = r.bench().Draw();
                 Said(r, std::to_string(outcome.written) + " vertices written, " + std::to_string(outcome.movedBack) +
                             " moved back, farthest by " + Format(outcome.largestMove));
             };
         }},
        // Checks.
        {"expect",
         "expect vertex INDEX X Y Z [within TOL] | expect selection x|y|z VALUE [within TOL] | expect pins "
         "X0|1|2|3 COUNT | expect button X0|1|2|3 down|up | expect mask X0|1|2|3 AXES | expect moved COUNT | "
         "expect question TEXT",
         "fails the session unless the document, the slots or the window are as stated; tolerances default to 0",
         "expect selection x 0 within 0.0001",
         [](Args &a) -> Action {
             auto tolerance = [&a] { return a.Optional("within") ? a.Float("tolerance") : 0.0f; };
             switch (a.OneOf("what", {"vertex", "selection", "pins", "button", "mask", "moved", "question"})) {
                 case 0: {
                     const int index = a.Int("vertex index", 0, 1 << 30);
                     const MQPoint want = a.Point("position");
                     const float within = tolerance();
                     a.End();
                     return [=](ScriptRunner &r) {
                         Object &object = Current(r);
                         CheckIndex(object, index);
                         const MQPoint at = object.position(index);
                         for (size_t axis = 0; axis < 3; ++axis) {
                             if (!(std::fabs(Axis(at, axis) - Axis(want, axis)) <= within)) {
                                 throw StepFailure("vertex " + std::to_string(index) + " is at " + Format(at) +
                                                   ", expected " + Format(want) + " within " + Format(within));
                             }
                         }
                     };
                 }
                 case 1: {
                     const size_t axis = a.OneOf("axis", {"x", "y", "z"});
                     const float value = a.Float("value");
                     const float within = tolerance();
                     a.End();
                     return [=](ScriptRunner &r) {
                         Object &object = Current(r);
                         const auto selected = SelectedIndices(object);
                         if (selected.empty()) throw StepFailure("nothing is selected in \"" + object.name() + "\"");
                         double worst = 0.0;
                         int worstIndex = -1;
                         for (int i : selected) {
                             const double off = std::fabs(Axis(object.position(i), axis) - value);
                             if (off > worst || worstIndex < 0) {
                                 worst = off;
                                 worstIndex = i;
                             }
                         }
                         if (!(worst <= within)) {
                             throw StepFailure("selected vertex " + std::to_string(worstIndex) + " has " +
                                               kAxisNames[axis] + " off " + Format(value) + " by " + Format(worst) +
                                               ", more than " + Format(within));
                         }
                         Said(r, std::to_string(selected.size()) + " selected vertices within " + Format(worst) +
                                     " of " + kAxisNames[axis] + " = " + Format(value));
                     };
                 }
                 case 2: {
                     const std::string label = a.Word("slot");
                     const int count = a.Int("count", 0, 1 << 30);
                     a.End();
                     return [=](ScriptRunner &r) {
                         const int slot = r.bench().SlotOf(label);
                         const size_t have = r.bench().ledger().slots[static_cast<size_t>(slot)].PinCount();
                         if (have != static_cast<size_t>(count)) {
                             throw StepFailure("slot " + label + " holds " + std::to_string(have) + " pins, expected " +
                                               std::to_string(count));
                         }
                     };
                 }
                 case 3: {
                     const std::string label = a.Word("button");
                     const bool down = a.OneOf("state", {"down", "up"}) == 0;
                     a.End();
                     return [=](ScriptRunner &r) {
                         if (r.bench().ButtonDown(label) != down) {
                             throw StepFailure("button " + label + " is " + (down ? "up" : "down") + ", expected " +
                                               (down ? "down" : "up"));
                         }
                     };
                 }
                 case 4: {
                     const std::string label = a.Word("slot");
                     std::string axes = a.Word("axes");
                     a.End();
                     std::transform(axes.begin(), axes.end(), axes.begin(),
                                    [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
                     int32_t mask = 0;
                     for (char c : axes) {
                         const size_t at = std::string("XYZ").find(c);
                         if (at == std::string::npos && axes != "NONE") a.Fail("axes are X, Y and Z, or none");
                         if (at != std::string::npos) mask |= 1 << at;
                     }
                     return [=](ScriptRunner &r) {
                         const int32_t have =
                             r.bench().ledger().slots[static_cast<size_t>(r.bench().SlotOf(label))].mask;
                         if (have != mask) {
                             throw StepFailure("slot " + label + " fixes " + AxesText(have) + ", expected " +
                                               AxesText(mask));
                         }
                     };
                 }
                 case 5: {
                     const int count = a.Int("count", 0, 1 << 30);
                     a.End();
                     return [=](ScriptRunner &r) {
                         const auto &draw = r.bench().lastDraw();
                         if (!draw) throw StepFailure("there has been no draw yet");
                         if (draw->movedBack != count) {
                             throw StepFailure("the last draw moved " + std::to_string(draw->movedBack) +
                                               " vertices back, expected " + std::to_string(count));
                         }
                     };
                 }
                 default: {
                     const std::string text = a.Word("question");
                     a.End();
                     return [=](ScriptRunner &r) {
                         const auto &asked = r.bench().widgets().questions;
                         if (asked.empty()) throw StepFailure("no question has been asked");
                         if (Narrow(asked.back().message) != text) {
                             throw StepFailure("the last question was \"" + Narrow(asked.back().message) +
                                               "\", expected \"" + text + "\"");
                         }
                     };
                 }
             }
         }},
        // Output.
        {"report", "report [FILE]",
         "prints, per slot, armed, axes and pins, the last draw and the centre line; with FILE also writes it there",
         "report report.txt",
         [](Args &a) -> Action {
             std::optional<std::string> file;
             if (!a.AtEnd()) file = a.Word("file");
             a.End();
             return [file](ScriptRunner &r) {
                 const std::string text = r.bench().Report();
                 std::istringstream lines(text);
                 for (std::string line; std::getline(lines, line);) Said(r, line);
                 if (!file) return;
                 const std::string path = r.OutputPath(*file);
                 try {
                     WriteWholeFile(path, text);
                 } catch (const WriteError &error) {
                     throw StepBadInput(error.what());
                 }
                 Said(r, "report written to " + path);
             };
         }},
        {"picture", "picture FILE.svg [TITLE]",
         "draws the document in front, top and side views with every slot's pins and what the last draw moved back",
         "picture pinned.svg \"with the plug-in\"",
         [](Args &a) -> Action {
             const std::string file = a.Word("file");
             const std::string title = a.AtEnd() ? file : a.Word("title");
             a.End();
             return [=](ScriptRunner &r) {
                 const std::string path = r.OutputPath(file);
                 try {
                     WritePicture(path, r.bench().Picture(title));
                 } catch (const std::runtime_error &error) {
                     throw StepBadInput(error.what());
                 }
                 Said(r, "picture written to " + path);
             };
         }},
        {"window", "window", "prints the plug-in's window as a person would see it, and the messages it sent", "window",
         [](Args &a) -> Action {
             a.End();
             return [](ScriptRunner &r) {
                 WidgetHost &widgets = r.bench().widgets();
                 if (widgets.log.Forgotten() > 0)
                     Said(r, "sent: " + std::to_string(widgets.log.Forgotten()) + " earlier messages, no longer kept");
                 for (const std::string &line : widgets.log) Said(r, "sent: " + line);
                 widgets.log.clear();
                 std::istringstream lines(widgets.Dump());
                 for (std::string line; std::getline(lines, line);) Said(r, line);
             };
         }},
        {"echo", "echo TEXT ...", "prints the text", "echo \"now the seam is pinned\"",
         [](Args &a) -> Action {
             std::string text;
             while (!a.AtEnd()) text += (text.empty() ? "" : " ") + a.Word("text");
             return [text](ScriptRunner &r) { r.out() << text << "\n"; };
         }},
        {"trace", "trace on|off", "prints every host function call the plug-in makes from now on (or stops)",
         "trace on",
         [](Args &a) -> Action {
             const bool on = a.OneOf("state", {"on", "off"}) == 0;
             a.End();
             return [on](ScriptRunner &r) {
                 r.trace = on;
                 r.bench().host().trace.recording = on;
             };
         }},
    };
    return commands;
}

}  // namespace

std::optional<ScriptCommand> ParseScriptLine(const std::string &line) {
    std::vector<std::string> tokens = Tokens(line);
    if (tokens.empty()) return std::nullopt;
    const std::string verb = Lower(tokens.front());
    for (const CommandSpec &spec : Commands()) {
        if (verb != spec.verb) continue;
        Args args(std::vector<std::string>(tokens.begin() + 1, tokens.end()), spec.usage);
        std::string text = line;
        while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
        return ScriptCommand{text.substr(text.find_first_not_of(" \t")), spec.parse(args), verb == "echo"};
    }
    throw ScriptSyntaxError("unknown command \"" + tokens.front() + "\" (help lists the commands)");
}

const char *ScriptHelp() {
    static const std::string help = [] {
        std::string text = "Commands, one a line; # starts a comment; put names with blanks in double quotes.\n";
        for (const CommandSpec &spec : Commands()) {
            text +=
                "\n  " + std::string(spec.usage) + "\n      " + spec.meaning + "\n      e.g. " + spec.example + "\n";
        }
        return text;
    }();
    return help.c_str();
}

ScriptRunner::ScriptRunner(const ScriptSettings &settings, std::ostream &out)
    : settings_(settings), out_(out), pending_(std::make_unique<Pending>()) {
    trace = settings.trace;
}

ScriptRunner::~ScriptRunner() = default;

ScriptRunner::Pending &ScriptRunner::pending() { return *pending_; }

Workbench &ScriptRunner::bench() {
    if (!bench_) {
        try {
            auto bench = std::make_unique<Workbench>(settings_.pluginPath, settings_.settingsFile);
            bench->Start();
            bench->host().trace.recording = trace;
            bench_ = std::move(bench);
        } catch (const LoadError &error) {
            throw StepBadInput(error.what());
        } catch (const SettingsError &error) {
            throw StepBadInput(error.what());
        }
    }
    return *bench_;
}

std::string ScriptRunner::InputPath(const std::string &path) const {
    const fs::path given(path);
    if (given.is_absolute()) return path;
    const fs::path beside = (fs::path(scriptDir_) / given).lexically_normal();
    // A session may read back what it wrote earlier.
    const fs::path written = (fs::path(settings_.outDir) / given).lexically_normal();
    std::error_code error;
    if (!fs::exists(beside, error) && fs::exists(written, error)) return written.string();
    return beside.string();
}

std::string ScriptRunner::OutputPath(const std::string &path) {
    const fs::path given(path);
    const fs::path full = given.is_absolute() ? given : fs::path(settings_.outDir) / given;
    std::error_code error;
    if (full.has_parent_path()) fs::create_directories(full.parent_path(), error);
    if (error) throw StepBadInput("cannot make the folder " + full.parent_path().string() + ": " + error.message());
    const std::string normal = full.lexically_normal().string();
    if (std::find(written_.begin(), written_.end(), normal) == written_.end()) written_.push_back(normal);
    return normal;
}

StepResult ScriptRunner::RunFile(const std::string &path) {
    std::error_code ignored;
    if (fs::is_directory(path, ignored)) {
        out_ << "the session file '" << path << "' is a folder\n";
        return StepResult::BadInput;
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        out_ << "cannot open the session file '" << path
             << "': " << std::generic_category().message(errno != 0 ? errno : EIO) << "\n";
        return StepResult::BadInput;
    }
    scriptDir_ = fs::path(path).has_parent_path() ? fs::path(path).parent_path().string() : ".";
    std::vector<std::pair<std::string, ScriptCommand>> commands;
    std::string line;
    int number = 0;
    bool bad = false;
    while (std::getline(file, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string where = path + ":" + std::to_string(number);
        try {
            if (auto command = ParseScriptLine(line)) commands.emplace_back(where, std::move(*command));
        } catch (const ScriptSyntaxError &error) {
            out_ << where << ": " << error.what() << "\n";
            bad = true;
        }
    }
    if (bad) return StepResult::BadInput;
    for (const auto &[where, command] : commands) {
        if (!command.quiet) out_ << "> " << command.text << "\n";
        const StepResult result = Run(command, where);
        if (result != StepResult::Ok) {
            // The session stops, but the modeller closes as it always does; what goes wrong
            // then is reported, and the step's failure stays the session's outcome.
            Close(where);
            return result;
        }
    }
    return Finish(path + ":" + std::to_string(number));
}

StepResult ScriptRunner::RunLine(const std::string &line, const std::string &where) {
    std::optional<ScriptCommand> command;
    try {
        command = ParseScriptLine(line);
    } catch (const ScriptSyntaxError &error) {
        out_ << where << ": " << error.what() << "\n";
        return StepResult::BadInput;
    }
    return command ? Run(*command, where) : StepResult::Ok;
}

StepResult ScriptRunner::Run(const ScriptCommand &command, const std::string &where) {
    const size_t violationsBefore = bench_ ? bench_->violations().size() : 0;
    try {
        command.run(*this);
    } catch (const StepBadInput &error) {
        out_ << where << ": " << error.what() << "\n";
        return StepResult::BadInput;
    } catch (const StepFailure &error) {
        out_ << where << ": " << error.what() << "\n";
        Problems(where, violationsBefore);
        return StepResult::Failed;
    } catch (const ActionError &error) {
        out_ << where << ": " << error.what() << "\n";
        Problems(where, violationsBefore);
        return StepResult::Failed;
    }
    return Problems(where, violationsBefore);
}

StepResult ScriptRunner::Problems(const std::string &where, size_t violationsBefore) {
    if (!bench_) return StepResult::Ok;
    if (trace) {
        out_ << bench_->host().trace.Format();
        bench_->host().trace.Clear();
    }
    StepResult result = StepResult::Ok;
    for (const std::string &error : bench_->TakeScriptErrors()) {
        out_ << where << ": " << error << "\n";
        result = StepResult::Failed;
    }
    const auto &violations = bench_->violations();
    for (size_t i = violationsBefore; i < violations.size(); ++i) {
        out_ << where << ": the plug-in misbehaved: " << violations[i] << "\n";
        result = StepResult::Failed;
    }
    return result;
}

StepResult ScriptRunner::Finish(const std::string &where) {
    if (!bench_) return StepResult::Ok;
    StepResult result = StepResult::Ok;
    if (!pending_->dialog.empty()) {
        out_ << where << ": " << pending_->dialog.size() << " dialog action(s) left over: no dialog opened for them\n";
        result = StepResult::Failed;
    }
    if (bench_->widgets().DiscardAnswers() > 0) {
        out_ << where << ": an answer was left over: the plug-in asked no question for it\n";
        result = StepResult::Failed;
    }
    if (const size_t waiting = bench_->NestsWaiting(); waiting > 0) {
        out_ << where << ": " << waiting
             << " nested event(s) left over: the plug-in never made the call they wait for\n";
        result = StepResult::Failed;
    }
    const StepResult closed = Close(where);
    return result != StepResult::Ok ? result : closed;
}

StepResult ScriptRunner::Close(const std::string &where) {
    if (!bench_) return StepResult::Ok;
    // What was to come nested in later calls never comes: the modeller is closing.
    bench_->host().ForgetNests();
    // The modeller always tells the plug-in it is closing, then keeps its settings.
    const size_t violationsBefore = bench_->violations().size();
    if (pending_->initialized) {
        bench_->Exit();
        pending_->initialized = false;
    }
    StepResult result = Problems(where, violationsBefore);
    try {
        bench_->session().SaveSettings();
    } catch (const std::exception &error) {
        out_ << where << ": " << error.what() << "\n";
        if (result == StepResult::Ok) result = StepResult::BadInput;
    }
    return result;
}

}  // namespace simhost
