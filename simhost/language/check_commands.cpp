// Checks and output: the seven forms of expect, report, picture, echo, trace.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <ostream>
#include <sstream>

#include "host/text_conversion.h"
#include "simhost/files/report_file.h"
#include "simhost/language/commands.h"
#include "simhost/host/safe_write.h"
#include "simhost/host/widget_host.h"

namespace simhost {

namespace {

float Tolerance(Args &a) { return a.Optional("within") ? a.Float("tolerance") : 0.0f; }

Action ExpectVertex(Args &a) {
    const int index = a.Int("vertex index", 0, 1 << 30);
    const MQPoint want = a.Point("position");
    const float within = Tolerance(a);
    a.End();
    return [=](ScriptRunner &r) {
        Object &object = Current(r);
        CheckIndex(object, index);
        const MQPoint at = object.position(index);
        for (size_t axis = 0; axis < 3; ++axis) {
            if (!(std::fabs(Axis(at, axis) - Axis(want, axis)) <= within)) {
                throw StepFailure("vertex " + std::to_string(index) + " is at " + Format(at) + ", expected " +
                                  Format(want) + " within " + Format(within));
            }
        }
    };
}

Action ExpectSelection(Args &a) {
    const size_t axis = AxisWord(a);
    const float value = a.Float("value");
    const float within = Tolerance(a);
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
            throw StepFailure("selected vertex " + std::to_string(worstIndex) + " has " + kAxisNames[axis] + " off " +
                              Format(value) + " by " + Format(worst) + ", more than " + Format(within));
        }
        Said(r, std::to_string(selected.size()) + " selected vertices within " + Format(worst) + " of " +
                    kAxisNames[axis] + " = " + Format(value));
    };
}

Action ExpectPins(Args &a) {
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

Action ExpectButton(Args &a) {
    const std::string label = a.Word("button");
    const bool down = a.OneOf<bool>("state", {{"down", true}, {"up", false}});
    a.End();
    return [=](ScriptRunner &r) {
        if (r.bench().ButtonDown(label) != down) {
            throw StepFailure("button " + label + " is " + (down ? "up" : "down") + ", expected " +
                              (down ? "down" : "up"));
        }
    };
}

Action ExpectMask(Args &a) {
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
        const int32_t have = r.bench().ledger().slots[static_cast<size_t>(r.bench().SlotOf(label))].mask;
        if (have != mask) {
            throw StepFailure("slot " + label + " fixes " + AxesText(have) + ", expected " + AxesText(mask));
        }
    };
}

Action ExpectMoved(Args &a) {
    const int count = a.Int("count", 0, 1 << 30);
    a.End();
    return [=](ScriptRunner &r) {
        const auto &draw = r.bench().lastDraw();
        if (!draw) throw StepFailure("there has been no draw yet");
        if (draw->movedBack != count) {
            throw StepFailure("the last draw moved " + std::to_string(draw->movedBack) + " vertices back, expected " +
                              std::to_string(count));
        }
    };
}

Action ExpectQuestion(Args &a) {
    const std::string text = a.Word("question");
    a.End();
    return [=](ScriptRunner &r) {
        const auto &asked = r.bench().widgets().questions;
        if (asked.empty()) throw StepFailure("no question has been asked");
        if (stelmarin::WideToUtf8(asked.back().message) != text) {
            throw StepFailure("the last question was \"" + stelmarin::WideToUtf8(asked.back().message) + "\", expected \"" + text +
                              "\"");
        }
    };
}

}  // namespace

Action ParseExpect(Args &a) {
    return a.OneOf<ParseFunction>("what", {{"vertex", ExpectVertex},
                                           {"selection", ExpectSelection},
                                           {"pins", ExpectPins},
                                           {"button", ExpectButton},
                                           {"mask", ExpectMask},
                                           {"moved", ExpectMoved},
                                           {"question", ExpectQuestion}})(a);
}

Action ParseReport(Args &a) {
    std::optional<std::string> file;
    if (!a.AtEnd()) {
        file = FileToWrite(a, "report", {".txt", ".json", ""}, ".txt or .json, or text to a name without an extension");
    }
    a.End();
    const bool json = file && ExtensionOf(*file) == ".json";
    return [file, json](ScriptRunner &r) {
        const ReportFacts facts = r.bench().Report();
        const std::string text = ReportText(facts);
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);) Shown(r, line);
        if (!file) return;
        const std::string path = r.OutputPath(*file);
        try {
            WriteWholeFile(path, json ? ReportJson(facts) : text);
        } catch (const WriteError &error) {
            throw StepBadInput(error.what());
        }
        r.Wrote(path);
        Said(r, "report written to " + path);
    };
}

Action ParsePicture(Args &a) {
    const std::string file = FileToWrite(a, "picture", {".svg"}, ".svg");
    const std::string title = a.AtEnd() ? file : a.Word("title");
    a.End();
    return [=](ScriptRunner &r) {
        const std::string path = r.OutputPath(file);
        try {
            WritePicture(path, r.bench().Picture(title));
        } catch (const std::runtime_error &error) {
            throw StepBadInput(error.what());
        }
        r.Wrote(path);
        Said(r, "picture written to " + path);
    };
}

Action ParseEcho(Args &a) {
    std::string text;
    while (!a.AtEnd()) text += (text.empty() ? "" : " ") + a.Word("text");
    return [text](ScriptRunner &r) { r.out() << text << "\n"; };
}

Action ParseTrace(Args &a) {
    const bool on = a.OneOf<bool>("state", {{"on", true}, {"off", false}});
    a.End();
    return [on](ScriptRunner &r) {
        r.trace = on;
        r.bench().host().trace.recording = on;
    };
}

}  // namespace simhost
