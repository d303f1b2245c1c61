#pragma once

#include <QString>

namespace brevmark {

// Where the program keeps what belongs to the user's session rather than to the data folders:
// `$XDG_STATE_HOME/Brevmark`, or `~/.local/state/Brevmark` when XDG_STATE_HOME is unset or not
// an absolute path. Read afresh at each call.
QString stateFolder();

} // namespace brevmark
