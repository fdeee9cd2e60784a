#pragma once
#include <QStringList>

// The files the program keeps for itself under the drive root: settings,
// catalogue, user list, voice choices, the help file and the help viewer's
// configuration and launcher. Sheets and user statistics files are the
// user's, wherever they are, and are not among them.
namespace startup {

QStringList stateFiles();

// Clears, at start-up, what a save of one of these files cut short by the
// end of the process left beside it; gives back the host paths removed.
QStringList removeInterruptedSaves();

} // namespace startup
