#pragma once
#include "platform/desktop.h"
#include "platform/speech.h"
#include "platform/system.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace testing_support {

// A fresh drive root, a scripted desktop, a French locale with a fixed clock
// and a seeded generator, for the life of one test. The test fails if it, or
// the program under it, writes a file outside the sandbox's folder (a path
// meant for the drive that is not one lands in the current folder).
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox &) = delete;
    Sandbox &operator=(const Sandbox &) = delete;

    QString root() const { return m_dir.path(); }
    plat::ScriptedDesktop &desktop() { return *m_desktop; }
    plat::FixedSystem &system() { return *m_system; }
    plat::RecordingSpeech &speech() { return *m_speech; }

    // Writes raw bytes at a Windows or host path, making its folders.
    void put(const QString &path, const QByteArray &bytes) const;
    // Writes raw bytes as a host file named so in the test's folder, as one
    // chosen in a file dialog; returns its host path.
    QString putHostFile(const QString &name, const QByteArray &bytes) const;
    // The raw bytes at a path; an empty array when absent.
    QByteArray get(const QString &path) const;
    bool exists(const QString &path) const;

    // Whether a host path lies inside the sandbox's folder.
    bool inside(const QString &hostPath) const;

private:
    QTemporaryDir m_dir;
    plat::ScriptedDesktop *m_desktop;
    plat::FixedSystem *m_system;
    plat::RecordingSpeech *m_speech;
};

// The whole window set over a fresh sandbox, with the start-up window's
// timers stopped so that no start-up pass runs under a test by itself.
class QuietWindowSet : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    Sandbox sandbox;
};

// The least processor time of the program, in nanoseconds, that one of a few
// runs of the work took: other programs on a busy machine neither add to it
// nor make it vary much.
qint64 quickestCpuNs(int runs, const std::function<void()> &work);

// "a\r\nb\r\n" from {"a", "b"}: the bytes of lines each ended by CR LF.
QByteArray crlf(std::initializer_list<const char *> lines);

} // namespace testing_support
