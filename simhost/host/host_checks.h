// Every check the stand-in host makes of a plug-in, in one table: its ID, its name and
// what it holds the plug-in to. The IDs are stable, since scripts, tests and whoever reads
// a report match on them; a check that goes keeps its ID unused, and a new one takes the
// next number of its area. The areas, by letter:
//   H  the host functions: documents, objects, vertices, messages
//   S  the settings tree (MQXmlElem_Value)
//   W  the widgets (MQWidget_Value)
//   U  the plug-in's answers to the user's actions, against its published rules
//   D  a draw, against the host's ledger of the slots
// `simhost checks` lists the table, and the README's copy is generated from it.
#pragma once

#include <span>
#include <string>

namespace simhost {

#define SIMHOST_CHECKS(X)                                                                                             \
    X(H001, CallOutsidePluginCall, "call-outside-plugin-call",                                                        \
      "A host function was called while the host was not inside a call to the plug-in.")                              \
    X(H002, NullDocument, "null-document", "A host function was given a null document.")                              \
    X(H003, StaleDocument, "stale-document", "A host function was given a document handle that is not the open one.") \
    X(H004, NullObject, "null-object", "A host function was given a null object.")                                    \
    X(H005, ObjectNotInDocument, "object-not-in-document",                                                            \
      "A host function was given an object handle that is not in the open document.")                                 \
    X(H006, VertexIndexOutOfRange, "vertex-index-out-of-range",                                                       \
      "A host function was given a vertex index outside the object's vertices.")                                      \
    X(H007, NoObjectAtIndex, "no-object-at-index", "MQDoc_IsSelectVertex was given an object index with no object.")  \
    X(H008, NullPoint, "null-point", "MQObj_GetVertex or MQObj_SetVertex was given no point.")                        \
    X(H009, WriteToDeletedVertex, "write-to-deleted-vertex", "MQObj_SetVertex wrote to a deleted vertex.")            \
    X(H010, NullMessageRecord, "null-message-record", "MQ_SendMessage was given no message record.")                  \
    X(H011, NullMessageOptions, "null-message-options", "MQ_SendMessage was given a record with no option array.")    \
    X(H012, MessageReservedNotZero, "message-reserved-not-zero",                                                      \
      "MQ_SendMessage was given a record whose third word is not 0.")                                                 \
    X(H013, UnknownMessageCode, "unknown-message-code", "MQ_SendMessage was sent a message code this host lacks.")    \
    X(H014, ForbiddenFunction, "forbidden-function", "A host function that no plug-in may call was called.")          \
    X(S001, NullElement, "null-element", "MQXmlElem_Value was given a null element.")                                 \
    X(S002, ElementNotInTree, "element-not-in-tree",                                                                  \
      "MQXmlElem_Value was given an element handle that is not in the settings tree.")                                \
    X(S003, NullSettingsRecord, "null-settings-record", "MQXmlElem_Value was given no record.")                       \
    X(S004, AddChildWithoutName, "add-child-without-name", "A settings element was added without a name.")            \
    X(S005, RemoveOfNonChild, "remove-of-non-child",                                                                  \
      "A settings element was removed from an element it is not a child of.")                                         \
    X(S006, FindChildWithoutName, "find-child-without-name", "A settings child was looked for without a name.")       \
    X(S007, SetTextWithoutText, "set-text-without-text", "A settings element's text was set to no text.")             \
    X(S008, UnknownSettingsCode, "unknown-settings-code", "MQXmlElem_Value was sent a code this host lacks.")         \
    X(W001, MessageToUnknownWidget, "message-to-unknown-widget",                                                      \
      "A widget message named a widget this host never created.")                                                     \
    X(W002, MessageToDestroyedWidget, "message-to-destroyed-widget",                                                  \
      "A widget message named a widget the plug-in had destroyed.")                                                   \
    X(W003, NullWidgetOptions, "null-widget-options", "A widget message came with no option array.")                  \
    X(W004, WrongOptionKeys, "wrong-option-keys",                                                                     \
      "A widget message or command carried other option keys than its kind takes, or in another order.")              \
    X(W005, UnknownSystemQuery, "unknown-system-query", "A system query asked for a widget this host does not have.") \
    X(W006, UnknownWidgetCode, "unknown-widget-code", "MQWidget_Value was sent a message code this host lacks.")      \
    X(W007, UnknownWidgetType, "unknown-widget-type", "A widget of a type this host lacks was created.")              \
    X(W008, DestroyedMainWindow, "destroyed-main-window", "The plug-in destroyed the host's main window.")            \
    X(W009, ChildOfNonContainer, "child-of-non-container",                                                            \
      "A child was added to a widget that holds none (a button).")                                                    \
    X(W010, AttachToNonWindow, "attach-to-non-window", "A window was attached to a widget that is not a window.")     \
    X(W011, ChildAlreadyHasParent, "child-already-has-parent", "A widget that already has a parent was added again.") \
    X(W012, GetOfUnreadableProperty, "get-of-unreadable-property",                                                    \
      "A property was read that the widget's type does not report.")                                                  \
    X(W013, GetWithNowhereToWrite, "get-with-nowhere-to-write", "A property was read with no place for its value.")   \
    X(W014, SetWithoutValue, "set-without-value", "A property was set with no value, or one of no known type.")       \
    X(W015, SetOfUnsettableProperty, "set-of-unsettable-property",                                                    \
      "A property was set that the widget's type does not take.")                                                     \
    X(W016, HandlerWithoutProc, "handler-without-proc", "An event handler was added without a procedure or pointer.") \
    X(W017, HandlerRegisteredTwice, "handler-registered-twice",                                                       \
      "The same closure was registered twice for one event of one widget.")                                           \
    X(W018, CloseOfDialogNotOpen, "close-of-dialog-not-open", "A dialog that is not open was closed.")                \
    X(W019, ModalRunOfNonDialog, "modal-run-of-non-dialog", "A widget that is not a dialog was run modally.")         \
    X(W020, UnknownMessageBoxKind, "unknown-message-box-kind",                                                        \
      "A message box was asked for of a kind other than okcancel.")                                                   \
    X(W021, UnknownWidgetCommand, "unknown-widget-command", "A widget command was sent of a type this host lacks.")   \
    X(U001, WrongActivationAnswer, "wrong-activation-answer",                                                         \
      "The plug-in's answer to activation is not on exactly when its window is there and it was asked on.")           \
    X(U002, QuestionNotAsked, "question-not-asked",                                                                   \
      "A click that records into or clears a slot holding pins asked nothing.")                                       \
    X(U003, QuestionNotDue, "question-not-due",                                                                       \
      "The plug-in asked a question where the slots' contents called for none.")                                      \
    X(U004, WrongButtonState, "wrong-button-state",                                                                   \
      "A slot button is down where the slot is disarmed, or up where armed.")                                         \
    X(D001, PinnedVertexNotRestored, "pinned-vertex-not-restored",                                                    \
      "After a draw, a vertex an armed slot pins is not where the slot holds it.")                                    \
    X(D002, UnpinnedVertexMoved, "unpinned-vertex-moved", "A draw moved a vertex that no armed slot pins.")

enum class Check {
#define SIMHOST_CHECK_ENUMERATOR(id, name, kebab, description) name,
    SIMHOST_CHECKS(SIMHOST_CHECK_ENUMERATOR)
#undef SIMHOST_CHECK_ENUMERATOR
};

struct CheckInfo {
    Check check;
    const char *id;           // e.g. "W002"
    const char *name;         // e.g. "message-to-destroyed-widget"
    const char *description;  // one sentence
};

const CheckInfo &Describe(Check check);
std::span<const CheckInfo> AllChecks();
// The check with this ID, or null.
const CheckInfo *FindCheck(const std::string &id);

// What `simhost checks` prints: one check a line, ID, name and description.
std::string ChecksText();
// The README's table of the checks.
std::string ChecksMarkdown();

// A check that failed: which, and what the host saw, in plain words.
struct Violation {
    Check check;
    std::string text;

    const char *id() const { return Describe(check).id; }
    // "[W002] MQWidget_Value: ...", as the host prints it.
    std::string Line() const { return "[" + std::string(id()) + "] " + text; }
    bool operator==(const Violation &) const = default;
};

}  // namespace simhost
