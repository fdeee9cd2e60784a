#pragma once
#include <QString>

namespace plat {

// The reason of a failed file operation, in French for the common causes
// (the user reads it in a message box), else the system's own wording.
QString failureReason(int errnum);

} // namespace plat
