#pragma once
#include "app/startupwindow.h"
#include "app/windowset.h"
#include "platform/desktop.h"
#include "platform/drivepath.h"
#include "platform/system.h"

#include <QString>
#include <QTimer>
#include <memory>

// The whole window set, offscreen, over a drive root in the folder given, with
// a scripted desktop and a fixed clock, as the benchmarks that drive windows
// need it. The start-up pass is stopped unless asked for, so that its timers
// never fire in the middle of a measurement.
inline void openBenchWindowSet(const QString &folder, bool keepStartupTimers = false)
{
    plat::setDriveRoot(folder + QStringLiteral("/drive"));
    plat::setDesktop(std::make_unique<plat::ScriptedDesktop>());
    plat::setSystem(std::make_unique<plat::FixedSystem>());
    createWindowSet();
    if (!keepStartupTimers) {
        Form7->Timer1->stop();
        Form7->Timer2->stop();
    }
}
