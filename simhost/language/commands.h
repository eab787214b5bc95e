// The parse function of every command of the session language, by the file that holds
// it. Each reads its command's arguments and returns the step to run; the registry
// (command_table.cpp) says which verb calls which.
#pragma once

#include "simhost/language/command_support.h"

namespace simhost {

// mesh_commands.cpp: meshes, objects and selections.
Action ParseLoad(Args &args);
Action ParseSave(Args &args);
Action ParseMake(Args &args);
Action ParseObject(Args &args);
Action ParseSelect(Args &args);
Action ParseDelete(Args &args);
Action ParseHide(Args &args);
Action ParseShow(Args &args);
Action ParseExempt(Args &args);
Action ParseCompact(Args &args);

// plugin_commands.cpp: the plug-in's life, as the modeller drives it.
Action ParseInit(Args &args);
Action ParseActivate(Args &args);
Action ParseDeactivate(Args &args);
Action ParseExit(Args &args);
Action ParseNew(Args &args);
Action ParseNest(Args &args);
Action ParseDraw(Args &args);

// window_commands.cpp: the user at the plug-in's window.
Action ParseClick(Args &args);
Action ParseRightClick(Args &args);
Action ParseDialog(Args &args);
// The words after "dialog", to their end: what the user does in the fix-mode dialog.
DialogAction ReadDialogAction(Args &args);
Action ParseAnswer(Args &args);
Action ParseClose(Args &args);
Action ParseMoveWindow(Args &args);  // "move window X Y", after the word "window"
Action ParseWindow(Args &args);

// tool_commands.cpp: the modeller's tools on vertices.
Action ParseMove(Args &args);
Action ParseScale(Args &args);
Action ParseJitter(Args &args);
Action ParseSmooth(Args &args);

// sculpt_commands.cpp: brushes on the surface, and undo and redo.
Action ParseBrush(Args &args);
Action ParseStroke(Args &args);
Action ParseUndo(Args &args);
Action ParseRedo(Args &args);

// check_commands.cpp: checks, reports, pictures and the transcript.
Action ParseExpect(Args &args);
Action ParseReport(Args &args);
Action ParsePicture(Args &args);
Action ParseEcho(Args &args);
Action ParseTrace(Args &args);

}  // namespace simhost
