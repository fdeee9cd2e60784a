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

// Hands the memory that big work freed (sorting a big sheet) back to the
// system once the program has been idle for a moment; the C library would
// otherwise keep much of it in the program. Work on fewer than 32 MB (used:
// about what it held) leaves it for the next.
void releaseFreedMemory(qsizetype used);

} // namespace plat
