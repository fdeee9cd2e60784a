#pragma once
#include <QApplication>
#include <functional>

namespace plat {

// A failure that escapes every guard ends up here: its message is shown in the
// default error box and the program goes on.
class Application : public QApplication {
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

// Runs a handler the way an event would: a failure it lets out goes to the
// default error box instead of up the stack.
void runGuarded(const std::function<void()> &handler);

// Blocks of memory of a few megabytes and more (a big sheet's text, its line
// index, its sorting) go back to the system as soon as they are freed. By
// default the C library keeps blocks of up to 32 MB once it has seen one
// freed, so a big sheet let go would stay in the program for good.
void giveBackBigBlocks();

} // namespace plat
