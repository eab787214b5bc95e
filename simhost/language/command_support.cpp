#include "simhost/language/command_support.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <ostream>

#include "simhost/host/safe_write.h"

namespace simhost {

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

void Said(ScriptRunner &runner, const std::string &what) { runner.out() << "  " << what << "\n"; }

void Shown(ScriptRunner &runner, const std::string &what) { runner.shown() << "  " << what << "\n"; }

std::string ExtensionOf(const std::string &file) {
    // Read from the text itself, not through a path, which on Windows would first convert
    // the name to the system's code page and might fail on a line still being checked.
    const size_t slash = file.find_last_of("/\\");
    const size_t dot = file.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    return Lower(file.substr(dot));
}

std::string FileToWrite(Args &args, const char *command, std::initializer_list<const char *> extensions,
                        const char *writes) {
    const std::string file = args.Word("file");
    const std::string extension = ExtensionOf(file);
    if (std::none_of(extensions.begin(), extensions.end(), [&](const char *kind) { return extension == kind; })) {
        args.Fail(std::string(command) + " writes " + writes + "; \"" + file + "\" is not one");
    }
    if (const std::optional<std::string> device = DeviceNameIn(file)) {
        args.Fail("\"" + *device + "\" in \"" + file + "\" names a device on Windows; " + command +
                  " writes files under other names, on every system");
    }
    return file;
}

Scope ScopeOf(Args &args) { return args.Optional("all") ? Scope::All : Scope::Selected; }

Held HeldKey(Args &args) { return args.OneOf<Held>("key", {{"ctrl", Held::Ctrl}, {"shift", Held::Shift}}); }

size_t AxisWord(Args &args) { return args.OneOf<size_t>("axis", {{"x", 0}, {"y", 1}, {"z", 2}}); }

float Axis(MQPoint p, size_t axis) { return axis == 0 ? p.x : axis == 1 ? p.y : p.z; }

const char *const kAxisNames[3] = {"x", "y", "z"};

}  // namespace simhost
