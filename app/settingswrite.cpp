#include "app/settings.h"

#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/fileio.h"

namespace settings {

// Kept with the windows: a failed save tells the user in a message box.
bool writeLine(plat::LineList &list, int k, const QString &text)
{
    list.replaceLine(k, text);
    plat::setAttributesNormal(kPath);
    try {
        list.saveToFile(kPath);
        return true;
    } catch (const plat::Failure &) {
        plat::desktop().showMessage(kSaveFailed);
        return false;
    }
}

} // namespace settings
