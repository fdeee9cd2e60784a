#pragma once
#include <QString>
#include <stdexcept>

namespace plat {

// The one kind of failure the program raises. A guarded block catches it and
// does what that block is meant to do on failure; anything that escapes every
// guard reaches the application's default error box.
class Failure : public std::runtime_error {
public:
    explicit Failure(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

} // namespace plat
