// The boundary of a user command inside a window.  The toolkit does not let an
// exception travel through its own code, so a command handler runs its work
// through RunCommand: an error (a std::exception, qv::Error included) ends the
// command, is shown in the error box, and the window goes on.
#pragma once

#include <functional>

class QWidget;

namespace qv {

// Runs `command`; returns true when it ended normally, false when it raised an
// error, which has then been shown in the error box above `parent`.
bool RunCommand(QWidget* parent, const std::function<void()>& command);

}  // namespace qv
