#include "app/settings.h"

#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/fileio.h"

namespace settings {

// Kept with the windows: a failed save tells the user in a message box.
bool writeLine(plat::LineList &list, int k, const QString &text)
{
    // A line written after lines the file never had would be lost: the list
    // gets them first, with what the windows show for them.
    if (!list.isEmpty())
        for (qsizetype missing = list.count(); missing < k; ++missing)
            list.append(defaultLine(int(missing)));
    list.replaceLine(k, text);
    // An empty list was never read from a settings file worth the name: saved,
    // it would replace the user's file, or leave an empty one that keeps the
    // first run from ever coming back, and no setting could be written again.
    if (list.isEmpty())
        return true;
    plat::setAttributesNormal(kPath);
    try {
        list.saveToFile(kPath);
        return true;
    } catch (const plat::Failure &f) {
        if (plat::shouldReport(f.cause()))
            plat::desktop().showMessage(kSaveFailed);
        return false;
    }
}

} // namespace settings
