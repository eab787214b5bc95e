// Meshes, objects and selections: load, save, make, object, select, delete, hide, show,
// exempt, compact.
#include <algorithm>
#include <cmath>
#include <optional>

#include "simhost/language/commands.h"
#include "simhost/modeller/load_hints.h"
#include "simhost/modeller/mesh_shapes.h"
#include "simhost/files/obj_mesh.h"

namespace simhost {

namespace {

Action MakeGrid(Args &a) {
    const std::string name = a.Word("name");
    const int columns = a.Int("columns", 1, 1000);
    const int rows = a.Int("rows", 1, 1000);
    const float spacing = a.AtEnd() ? 1.0f : a.Float("spacing");
    a.End();
    return Affecting(DocumentEffect::Changes, [=](ScriptRunner &r) {
        const Object &grid = AddGrid(r.bench().document(), name, columns, rows, spacing);
        Said(r, "made grid \"" + name + "\" of " + std::to_string(grid.VertexCount()) + " vertices");
    });
}

Action MakeHead(Args &a) {
    const std::string name = a.Word("name");
    const int detail = a.AtEnd() ? 24 : a.Int("detail", 4, 200);
    a.End();
    return Affecting(DocumentEffect::Changes, [=](ScriptRunner &r) {
        const Object &head = AddHead(r.bench().document(), name, detail);
        Said(r, "made head \"" + name + "\" of " + std::to_string(head.VertexCount()) + " vertices");
    });
}

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

Action SelectEveryOrNone(Args &a, bool every) {
    a.End();
    return Affecting(DocumentEffect::Changes, [every](ScriptRunner &r) {
        const int count = SelectWhere(Current(r), [every](MQPoint) { return every; });
        Said(r, std::to_string(count) + " selected");
    });
}

Action SelectAll(Args &a) { return SelectEveryOrNone(a, true); }
Action SelectNone(Args &a) { return SelectEveryOrNone(a, false); }

Action SelectBox(Args &a) {
    const MQPoint low = a.Point("corner");
    const MQPoint high = a.Point("opposite corner");
    a.End();
    return Affecting(DocumentEffect::Changes, [=](ScriptRunner &r) {
        const int count = SelectWhere(Current(r), [&](MQPoint p) {
            for (size_t axis = 0; axis < 3; ++axis) {
                const float lo = std::min(Axis(low, axis), Axis(high, axis));
                const float hi = std::max(Axis(low, axis), Axis(high, axis));
                if (Axis(p, axis) < lo || Axis(p, axis) > hi) return false;
            }
            return true;
        });
        Said(r, std::to_string(count) + " selected");
    });
}

Action SelectPlane(Args &a) {
    const size_t axis = AxisWord(a);
    const float value = a.Float("value");
    const float tolerance = a.AtEnd() ? 0.001f : a.Float("tolerance");
    a.End();
    return Affecting(DocumentEffect::Changes, [=](ScriptRunner &r) {
        const int count =
            SelectWhere(Current(r), [&](MQPoint p) { return std::fabs(Axis(p, axis) - value) <= tolerance; });
        Said(r, std::to_string(count) + " selected");
    });
}

// Index lists: "3", "10-20", in any number.
Action SelectIndices(Args &a) {
    std::vector<std::pair<int, int>> ranges;
    while (!a.AtEnd()) {
        const std::string word = a.Word("index");
        const size_t dash = word.find('-', 1);
        Args part(dash == std::string::npos ? std::vector<std::string>{word, word}
                                            : std::vector<std::string>{word.substr(0, dash), word.substr(dash + 1)},
                  "select INDEX|FIRST-LAST ...");
        const int first = part.Int("vertex index", 0, 1 << 30);
        const int last = part.Int("vertex index", 0, 1 << 30);
        if (last < first) a.Fail("the range " + word + " runs backwards");
        ranges.emplace_back(first, last);
    }
    if (ranges.empty()) a.Fail("missing vertex index");
    return Affecting(DocumentEffect::Changes, [ranges](ScriptRunner &r) {
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
    });
}

Action DeleteVertex(Args &a) {
    const int index = a.Int("vertex index", 0, 1 << 30);
    a.End();
    return Affecting(DocumentEffect::Changes, [index](ScriptRunner &r) {
        Object &object = Current(r);
        CheckIndex(object, index);
        object.DeleteVertex(index);
    });
}

Action DeleteObject(Args &a) {
    const std::string name = a.Word("name");
    a.End();
    return Affecting(DocumentEffect::Changes, [name](ScriptRunner &r) {
        Document &document = r.bench().document();
        document.DeleteObject(document.IndexOf(&Named(r, name)));
    });
}

Action SetVisible(Args &a, bool visible) {
    const std::string name = a.Word("name");
    a.End();
    return Affecting(DocumentEffect::Changes, [name, visible](ScriptRunner &r) { Named(r, name).visible = visible; });
}

}  // namespace

Action ParseLoad(Args &a) {
    const std::string file = a.Word("file");
    a.End();
    return Affecting(DocumentEffect::Changes, [file](ScriptRunner &r) {
        const std::string path = r.InputPath(file);
        std::vector<int> added;
        std::vector<std::string> warnings;
        try {
            added = LoadObj(path, r.bench().document(), &warnings);
        } catch (const MeshError &error) {
            throw StepBadInput(error.what());
        }
        int vertices = 0;
        for (int index : added) vertices += r.bench().document().ObjectAt(index)->VertexCount();
        Said(r, "loaded " + std::to_string(added.size()) + " object(s), " + std::to_string(vertices) +
                    " vertices from " + path);
        for (const std::string &line : warnings) Said(r, line);
        for (const std::string &line : LoadHints(path, r.bench().document(), added)) Said(r, line);
    });
}

Action ParseSave(Args &a) {
    const std::string file = FileToWrite(a, "save", {".obj"}, ".obj");
    a.End();
    return [file](ScriptRunner &r) {
        const std::string path = r.OutputPath(file);
        try {
            SaveObj(path, r.bench().document());
        } catch (const MeshError &error) {
            throw StepBadInput(error.what());
        }
        r.Wrote(path);
        Said(r, "saved " + path);
    };
}

Action ParseMake(Args &a) { return a.OneOf<ParseFunction>("shape", {{"grid", MakeGrid}, {"head", MakeHead}})(a); }

Action ParseObject(Args &a) {
    const std::string name = a.Word("name");
    a.End();
    return [name](ScriptRunner &r) {
        Document &document = r.bench().document();
        document.currentObject = document.IndexOf(&Named(r, name));
    };
}

Action ParseSelect(Args &a) {
    if (a.AtEnd()) a.Fail("missing what to select");
    const std::string first = Lower(a.Peek());
    for (const WordFor<ParseFunction> &form :
         {WordFor<ParseFunction>{"all", SelectAll}, {"none", SelectNone}, {"box", SelectBox}, {"plane", SelectPlane}}) {
        if (first != form.word) continue;
        a.Word("what");
        return form.value(a);
    }
    return SelectIndices(a);
}

Action ParseDelete(Args &a) {
    return a.OneOf<ParseFunction>("what", {{"vertex", DeleteVertex}, {"object", DeleteObject}})(a);
}

Action ParseHide(Args &a) { return SetVisible(a, false); }
Action ParseShow(Args &a) { return SetVisible(a, true); }

Action ParseExempt(Args &a) {
    const std::string name = a.Word("name");
    const bool on = a.OneOf<bool>("state", {{"on", true}, {"off", false}});
    a.End();
    return Affecting(DocumentEffect::Changes, [=](ScriptRunner &r) { Named(r, name).exempt = on; });
}

Action ParseCompact(Args &a) {
    std::optional<std::string> name;
    if (!a.AtEnd()) name = a.Word("name");
    a.End();
    return Affecting(DocumentEffect::Changes,
                     [name](ScriptRunner &r) { (name ? Named(r, *name) : Current(r)).Compact(); });
}

}  // namespace simhost
