// The modeller's undo and redo: what each step that changed the document did to it, kept
// as the vertices it moved (each with where it was before and after), the selection it
// changed, and the objects it hid, showed or exempted; nothing of what it left alone.
//
// A step holds indices, so it is only good while every object keeps its vertices at their
// indices: whatever adds, deletes or re-numbers vertices or objects, or replaces the
// document, ends the history. So a vertex that is gone never comes back by an undo, and
// nor does its unique ID.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "simhost/host/document_model.h"

namespace simhost {

// What one step did to one object.
struct ObjectChange {
    int objectID = 0;  // the object's unique ID
    // The object's shape when the step was taken: its topology version and vertex count.
    uint64_t topologyVersion = 0;
    int vertexCount = 0;
    std::vector<int> moved;  // ascending
    std::vector<MQPoint> before;
    std::vector<MQPoint> after;
    std::vector<int> reselected;      // ascending: vertices whose selection the step changed
    std::vector<char> selectedAfter;  // in step with `reselected`; before is the opposite
    bool visibleBefore = true, visibleAfter = true;
    bool exemptBefore = false, exemptAfter = false;

    bool Empty() const {
        return moved.empty() && reselected.empty() && visibleBefore == visibleAfter && exemptBefore == exemptAfter;
    }
};

struct EditStep {
    std::string what;  // the command, or the stroke, as the transcript names it
    std::vector<ObjectChange> objects;

    bool Empty() const;
    // The bytes it holds, as the budget counts them.
    size_t Bytes() const;
    // How many vertices it moved, over every object.
    size_t MovedCount() const;
};

// The history no longer fits the document (which changed in a way no step records); it
// has been cleared.
class HistoryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The document as a step starts from: per object its shape, positions, selection and
// flags. Taken before a command runs and compared with the document after it.
class DocumentState {
public:
    explicit DocumentState(const Document &document);
    // What changed from this state to `now`, named `what`; false when no step can say it
    // (an object or vertex came or went, vertices were re-numbered, or the document was
    // replaced).
    bool StepTo(const Document &now, std::string what, EditStep &step) const;

private:
    struct Kept {
        int objectID;
        uint64_t topologyVersion;
        bool visible, exempt;
        std::vector<MQPoint> positions;
        std::vector<char> selected;
    };
    const Document *document_;
    std::vector<Kept> objects_;
};

class EditHistory {
public:
    // At most this many steps, holding at most this many bytes between them; the oldest go
    // first.
    struct Budget {
        size_t steps = 64;
        size_t bytes = size_t{256} << 20;
    };
    EditHistory() = default;
    explicit EditHistory(Budget budget) : budget_(budget) {}

    const Budget &budget() const { return budget_; }
    // Adds a step on `document`, dropping whatever was undone, then the oldest steps until
    // the budget holds. An empty step is no step. Returns false when the step alone is past
    // the budget: the history is then empty, since keeping what came before it would skip
    // over it.
    bool Record(const Document &document, EditStep step);
    // Ends the history: nothing to undo or redo.
    void Clear();

    // The steps that can be undone or redone on `document`: none on another document.
    size_t UndoCount(const Document &document) const;
    size_t RedoCount(const Document &document) const;
    size_t Bytes() const { return bytes_; }

    // Puts back what the last step done changed, or makes the first undone one again; the
    // step. Throws HistoryError, leaving the document as it was, when the step no longer
    // fits it; std::logic_error when there is none.
    const EditStep &Undo(Document &document);
    const EditStep &Redo(Document &document);

private:
    // Checks the step against the document, and clears the history if it does not fit.
    void CheckFits(const Document &document, const EditStep &step);

    Budget budget_;
    const Document *document_ = nullptr;
    std::deque<EditStep> steps_;
    size_t done_ = 0;  // steps_[0, done_) can be undone, the rest redone
    size_t bytes_ = 0;
};

}  // namespace simhost
