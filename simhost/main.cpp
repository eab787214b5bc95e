// simhost: plays the modeller for the plug-in. This form runs one built-in session: it
// loads the plug-in, binds it, builds a small model, then works the plug-in's window the
// way a user would, printing the window after each step, every message the host was sent
// and what the draws did to the pinned vertices.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "simhost/modelling_tools.h"
#include "simhost/platform.h"
#include "simhost/session.h"

namespace {

using simhost::Session;

std::string DefaultPluginPath() {
    const std::string self = simhost::platform::ExecutablePath();
    const auto slash = self.find_last_of("/\\");
    return (slash == std::string::npos ? std::string(".") : self.substr(0, slash)) + "/" +
           simhost::platform::kPluginFileName;
}

int Usage(FILE *to) {
    std::fputs(
        "usage: simhost [--plugin PATH] [--settings FILE] [--trace]\n"
        "  Loads the plug-in (default: stelmarin.so beside simhost), binds it to this host and\n"
        "  runs a short modelling session with it, printing the plug-in's window after each\n"
        "  step. The host's settings, where the plug-in remembers its window position, are\n"
        "  read from and written back to FILE (default: ~/.config/simhost/settings.xml).\n"
        "  --trace also prints every host function call the plug-in makes.\n"
        "  Exits 0 when the session ran and the plug-in did nothing a host would reject.\n",
        to);
    return to == stdout ? 0 : 2;
}

class Demo {
public:
    Demo(Session &session, bool trace) : session_(session), widgets_(session.host().widgets), trace_(trace) {
        session.host().trace.recording = trace;
    }

    void Step(const std::string &title) {
        std::printf("\n== %s\n", title.c_str());
        for (const auto &line : widgets_.log) std::printf("   sent: %s\n", line.c_str());
        widgets_.log.clear();
        if (trace_) std::fputs(session_.host().trace.Format().c_str(), stdout);
        session_.host().trace.Clear();
        std::fputs(Indent(widgets_.Dump()).c_str(), stdout);
    }

    int32_t Button(const char16_t *label) { return widgets_.ButtonLabelled(label); }

private:
    static std::string Indent(const std::string &text) {
        std::string out = "   ";
        for (char c : text) {
            out += c;
            if (c == '\n') out += "   ";
        }
        return out.substr(0, out.size() - 3);
    }

    Session &session_;
    simhost::WidgetHost &widgets_;
    bool trace_;
};

// The largest distance of any vertex on the seam column from the plane X = 0.
float SeamOffset(const simhost::Object &body, int columns) {
    float worst = 0.0f;
    for (int i = columns / 2; i < body.VertexCount(); i += columns + 1) {
        worst = std::fmax(worst, std::fabs(body.vertex(i).position.x));
    }
    return worst;
}

int RunSession(const std::string &pluginPath, const std::string &settingsFile, bool trace) {
    Session session(pluginPath, settingsFile);
    auto &host = session.host();
    auto &widgets = host.widgets;
    Demo demo(session, trace);
    auto &plugin = session.plugin();

    std::printf("loaded %s\n", pluginPath.c_str());
    session.Start();
    uint32_t product = 0, id = 0;
    plugin.MQGetPlugInID(&product, &id);
    std::printf("bound to %s\nplug-in %08X-%08X, type %d: %s\n", simhost::HostModulePath().c_str(), product, id,
                plugin.MQGetPlugInType(), plugin.MQGetPlugInName());

    constexpr int kColumns = 8;
    simhost::Object &body = simhost::AddGrid(session.document(), "body", kColumns, 6, 0.25f);
    std::printf("model: \"body\", %d vertices, seam on X = 0\n", body.VertexCount());

    std::printf("settings: %s\n", settingsFile.c_str());
    session.Initialize();
    demo.Step("event 1: the plug-in makes its window, hidden, where the last run left it");
    session.Activate(true);
    demo.Step("event 100: activated, the window is shown");

    widgets.LeftClick(demo.Button(u"X0"));
    demo.Step("click X0: the centre line is recorded and slot 0 armed (mask X)");

    simhost::Select(body, {0, 1, 2});
    widgets.LeftClick(demo.Button(u"1"), simhost::kCtrl);
    demo.Step("Control-click 1: three selected vertices recorded into slot 1");

    simhost::Select(body, {9, 10});
    widgets.ScriptAnswer(1);
    widgets.LeftClick(demo.Button(u"1"), simhost::kCtrl);
    std::printf("\n   asked \"%s\", answered OK\n", simhost::Narrow(widgets.questions.back().message).c_str());
    demo.Step("Control-click 1 again: two more vertices merged into slot 1");

    widgets.ScriptModal([&] { demo.Step("right-click 1: the fix-mode dialog opens at the pointer (mask XYZ)"); });
    widgets.ScriptModal([&] { widgets.LeftClick(demo.Button(u"Z")); });
    widgets.ScriptModal([&] { demo.Step("click Z in the dialog: Z becomes free"); });
    widgets.ScriptModal([&] { widgets.KeyPress(widgets.OpenDialog(), 27); });
    widgets.RightClick(demo.Button(u"1"), 0, 320, 240);
    demo.Step("Escape: the dialog closes, slot 1 now holds X and Y");

    simhost::Jitter(body, 0.05f, 2026, simhost::Scope::All);
    std::printf("\n== a sculpting tool jitters every vertex by up to 0.05\n");
    std::printf("   seam off the plane by up to %.4f\n", static_cast<double>(SeamOffset(body, kColumns)));
    const MQPoint before = body.vertex(9).position;
    session.Draw();
    const MQPoint after = body.vertex(9).position;
    std::printf("== event 110: a view is drawn\n");
    std::printf("   seam off the plane by up to %.4f\n", static_cast<double>(SeamOffset(body, kColumns)));
    std::printf("   vertex 9 (slot 1): (%.4f, %.4f, %.4f) -> (%.4f, %.4f, %.4f): X and Y back, Z kept\n",
                static_cast<double>(before.x), static_cast<double>(before.y), static_cast<double>(before.z),
                static_cast<double>(after.x), static_cast<double>(after.y), static_cast<double>(after.z));

    widgets.UserMoves(widgets.PluginWindow(), 480, 300);
    demo.Step("the user drags the window to 480,300");
    widgets.UserCloses(widgets.PluginWindow());
    demo.Step("the user closes the window: the plug-in deactivates itself");
    for (const auto &message : host.messages) std::printf("   host was sent message %d\n", message.code);
    std::printf("   activated? %s\n", session.QueryActivated() ? "yes" : "no");

    session.Exit();
    demo.Step("event 2: the plug-in stores its window position and destroys its window");
    session.SaveSettings();
    const std::string own = "pluginsettings/Plugin-5A3C71E2-2F8D4B96/";
    const char *x = host.settings.TextAt(own + "PosX");
    const char *y = host.settings.TextAt(own + "PosY");
    std::printf("   saved to %s: PosX=%s PosY=%s\n", settingsFile.c_str(), x ? x : "-", y ? y : "-");

    for (const auto &error : widgets.scriptErrors) std::printf("SCRIPT ERROR %s\n", error.c_str());
    for (const auto &violation : host.violations) std::printf("VIOLATION %s\n", violation.c_str());
    const bool clean = host.violations.empty() && widgets.scriptErrors.empty();
    std::printf("\n%s\n", clean ? "session ran clean" : "session had problems");
    return clean ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
    std::string plugin = DefaultPluginPath();
    std::string settings = simhost::DefaultSettingsPath();
    bool trace = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return Usage(stdout);
        if (std::strcmp(argv[i], "--trace") == 0) {
            trace = true;
        } else if (std::strcmp(argv[i], "--plugin") == 0 && i + 1 < argc) {
            plugin = argv[++i];
        } else if (std::strcmp(argv[i], "--settings") == 0 && i + 1 < argc) {
            settings = argv[++i];
        } else {
            std::fprintf(stderr, "simhost: unknown argument '%s'\n", argv[i]);
            return Usage(stderr);
        }
    }
    try {
        return RunSession(plugin, settings, trace);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "simhost: %s\n", error.what());
        return 1;
    }
}
