#pragma once

#include <QString>

namespace quorvel::ui {

// The folder for the single-instance lock: the session's runtime folder, or
// else one in the user's cache. Only ever a folder that this user owns and
// no one else may write to: whoever can write there can hold or plant the
// lock and so keep the program from starting. Empty when there is none; the
// program then starts without the check.
QString LockDirectory();

}  // namespace quorvel::ui
