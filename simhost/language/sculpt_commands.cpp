// Brushes on the surface and the undo history: brush, stroke, undo, redo.
#include <memory>
#include <string>

#include "simhost/language/commands.h"
#include "simhost/modeller/edit_history.h"
#include "simhost/modeller/sculpt_brushes.h"

namespace simhost {

namespace {

const char *KindName(BrushKind kind) {
    switch (kind) {
        case BrushKind::Grab:
            return "grab";
        case BrushKind::Smooth:
            return "smooth";
        case BrushKind::Inflate:
            return "inflate";
    }
    return "?";
}

std::string Vertices(size_t count) { return std::to_string(count) + (count == 1 ? " vertex" : " vertices"); }

std::string StrokeName(const BrushStroke &stroke) {
    return "stroke of " + std::to_string(stroke.samples()) + (stroke.samples() == 1 ? " sample" : " samples") +
           " (begun at " + stroke.began() + ")";
}

void Sculpt(ScriptRunner &r, const BrushSample &sample) {
    Object &object = Current(r);
    if (!object.visible) {
        throw StepFailure("the current object \"" + object.name() + "\" is hidden; a brush works on what is shown");
    }
    Document &document = r.bench().document();
    const auto said = [&](size_t moved) { Said(r, std::string(KindName(sample.kind)) + " moved " + Vertices(moved)); };
    try {
        if (BrushStroke *open = r.stroke().get()) {
            said(open->Apply(document, object, sample));
            return;
        }
        // A sample outside a stroke is a stroke of its own, and one step.
        BrushStroke single(r.where());
        const size_t moved = single.Apply(document, object, sample);
        EditStep step;
        const bool kept =
            single.Finish(document, std::string("brush ") + KindName(sample.kind) + " at " + r.where(), step);
        r.Keep(kept, std::move(step));
        said(moved);
    } catch (const StrokeError &error) {
        throw StepFailure(error.what());
    }
}

void CheckNoStroke(ScriptRunner &r, const char *command) {
    if (r.stroke()) {
        throw StepFailure("a brush stroke is open (begun at " + r.stroke()->began() +
                          "); \"stroke end\" ends it before " + command);
    }
}

Action UndoOrRedo(Args &a, bool undo) {
    const int count = a.AtEnd() ? 1 : a.Int("count", 1, static_cast<long long>(EditHistory::Budget{}.steps));
    a.End();
    return Affecting(DocumentEffect::Changes, [count, undo](ScriptRunner &r) {
        CheckNoStroke(r, undo ? "undo" : "redo");
        Document &document = r.bench().document();
        EditHistory &history = r.history();
        const size_t available = undo ? history.UndoCount(document) : history.RedoCount(document);
        if (available == 0) {
            throw StepFailure(undo ? "nothing to undo (new, load, make, delete and compact end the history)"
                                   : "nothing to redo (a change after an undo ends what could be redone)");
        }
        if (static_cast<size_t>(count) > available) {
            throw StepFailure("only " + std::to_string(available) + (available == 1 ? " step" : " steps") + " to " +
                              (undo ? "undo" : "redo") + ", not " + std::to_string(count));
        }
        try {
            for (int done = 0; done < count; ++done) {
                const EditStep &step = undo ? history.Undo(document) : history.Redo(document);
                Said(r, std::string(undo ? "undid: " : "redid: ") + step.what);
            }
        } catch (const HistoryError &error) {
            throw StepFailure(error.what());
        }
        Said(r, std::to_string(history.UndoCount(document)) + " to undo, " +
                    std::to_string(history.RedoCount(document)) + " to redo");
    });
}

}  // namespace

Action ParseBrush(Args &a) {
    BrushSample sample;
    sample.kind = a.OneOf<BrushKind>(
        "brush", {{"grab", BrushKind::Grab}, {"smooth", BrushKind::Smooth}, {"inflate", BrushKind::Inflate}});
    sample.centre = a.Point("centre");
    sample.drag = a.Point("drag");
    const std::string radius = a.AtEnd() ? "" : a.Peek();
    sample.radius = a.Float("radius");
    if (!(sample.radius > 0)) a.Fail("radius must be more than 0, not \"" + radius + "\"");
    sample.strength = a.Float("strength", 0.0f, 1.0f);
    a.End();
    return Affecting(DocumentEffect::Changes, [sample](ScriptRunner &r) { Sculpt(r, sample); });
}

Action ParseStroke(Args &a) {
    const bool begin = a.OneOf<bool>("stroke", {{"begin", true}, {"end", false}});
    a.End();
    if (begin) {
        return [](ScriptRunner &r) {
            if (r.stroke()) {
                throw StepFailure("a brush stroke is open already (begun at " + r.stroke()->began() +
                                  "); \"stroke end\" ends it");
            }
            r.stroke() = std::make_unique<BrushStroke>(r.where());
        };
    }
    return [](ScriptRunner &r) {
        if (!r.stroke()) throw StepFailure("no brush stroke is open; \"stroke begin\" opens one");
        const std::unique_ptr<BrushStroke> stroke = std::move(r.stroke());
        EditStep step;
        const bool kept = stroke->Finish(r.bench().document(), StrokeName(*stroke), step);
        const size_t moved = step.MovedCount();
        r.Keep(kept, std::move(step));
        Said(r, StrokeName(*stroke) + " moved " + Vertices(moved));
    };
}

Action ParseUndo(Args &a) { return UndoOrRedo(a, true); }
Action ParseRedo(Args &a) { return UndoOrRedo(a, false); }

}  // namespace simhost
