#pragma once
#include <QString>
#include <stdexcept>

namespace plat {

// The one kind of failure the program raises. A guarded block catches it and
// does what that block is meant to do on failure; anything that escapes every
// guard reaches the application's default error box.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString &message) : Failure(message, message) {}
    // cause: what went wrong, whatever the file ("Le disque est plein."), so
    // that many failures of one cause can be told once.
    Failure(const QString &message, const QString &cause)
        : std::runtime_error(message.toStdString()), m_message(message), m_cause(cause) {}
    const QString &message() const { return m_message; }
    const QString &cause() const { return m_cause; }

private:
    QString m_message;
    QString m_cause;
};

// While a Reporting object lives (a pass of work that runs by itself, such as
// the start-up), each cause of failure is reported once: the first
// shouldReport() of a cause says yes, the next ones say no. Outside any such
// pass every failure is reported.
class Reporting {
public:
    Reporting();
    ~Reporting();
    Reporting(const Reporting &) = delete;
    Reporting &operator=(const Reporting &) = delete;

private:
    bool m_owner = true;
};
bool shouldReport(const QString &cause);

} // namespace plat
