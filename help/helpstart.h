#pragma once
#include "platform/linelist.h"

namespace helplauncher {

// Points the viewer's configuration at the help file, through the given
// buffer, and starts the viewer without waiting for it. A configuration that
// cannot be read or written, or a viewer file that is not there, is reported
// as a missing viewer; any other refusal to start says nothing.
void launch(plat::LineList &buffer);

} // namespace helplauncher
