// Why the pins of armed slots are not being held right now. A slot that reads "armed"
// promises that draws put its vertices back; the promise fails quietly when the plug-in
// is off, when the object holding the pins is hidden or exempt (draws skip it), and
// between a change to the document that moved a pinned vertex and the draw that follows. The reports and the
// studio's status both take their account from here, so that they never disagree.
#pragma once

#include <vector>

#include "simhost/files/report_file.h"

namespace simhost {

class Workbench;

// Each reason, in a fixed order: "plugin-off", "object-hidden", "object-exempt",
// "not-drawn". None when every pin of an armed slot is held, or no armed slot holds any.
std::vector<ReportFacts::NotHeld> WhyPinsNotHeld(const Workbench &bench);

}  // namespace simhost
