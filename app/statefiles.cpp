#include "app/statefiles.h"

#include "app/settings.h"
#include "help/helplauncher.h"
#include "learning/speakingrules.h"
#include "platform/interruptedsaves.h"
#include "sheets/catalogue.h"
#include "statistics/userfile.h"

namespace startup {

QStringList stateFiles()
{
    return {settings::kPath,
            sheets::catalogueFile(),
            statistics::kUserListPath,
            learning::kVoiceChoicesPath,
            helplauncher::kHelpFile,
            helplauncher::configurationPath(),
            helplauncher::viewerPath()};
}

QStringList removeInterruptedSaves()
{
    return plat::removeInterruptedSaves(stateFiles());
}

} // namespace startup
