#include "help/helpstart.h"

#include "help/helplauncher.h"
#include "platform/desktop.h"

#include <exception>

namespace helplauncher {

void launch(plat::LineList &buffer)
{
    plat::StartResult started;
    try {
        rewriteConfiguration(buffer);
        started = plat::desktop().startProgram(viewerPath(), {});
    } catch (const std::exception &) {
        plat::desktop().showMessage(kMissingViewer);
        return;
    }
    if (started == plat::StartResult::FileNotFound)
        plat::desktop().showMessage(kMissingViewer);
}

} // namespace helplauncher
