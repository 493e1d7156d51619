// The one way out of the program.  Closing the main window, its
// "   Wyjście =>" button and a run that cannot go on all end the program here:
// first every editor window with unsaved changes asks "Czy zapisać zmiany ?",
// then the program ends with status 0.
#pragma once

#include <functional>

namespace qv {

enum class ExitCause {
  UserClosed,  // the user closed the main window: Yes/No/Cancel, Cancel keeps the program
  RunEnded,    // the run cannot go on: Yes/No
};

// Asks each modified editor window, then ends the program.  Returns false
// when the program goes on: the user cancelled, or a save failed (the editor
// has said why), so that no unsaved text is lost.
bool LeaveProgram(ExitCause cause);

// What ending the program does, given the exit status; by default the event
// loops of the program end and the program returns the status.  Returns the
// previous ending.
using ProgramEnd = std::function<void(int status)>;
ProgramEnd SetProgramEnd(ProgramEnd end);

}  // namespace qv
