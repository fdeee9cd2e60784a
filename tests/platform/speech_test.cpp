#include "platform/speech.h"
#include "tests/support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// The real service over an engine that cannot start (here one that is not
// installed; on a machine without Qt's speech plugins, no engine at all):
// every call returns at once, and the user is told once, in French, what to
// install. No sound card is ever opened.
TEST(Speech, EngineThatCannotStartIsToldOnceWithoutBlocking)
{
    testing_support::Sandbox sandbox;
    {
        plat::QtSpeech speech(QStringLiteral("moteur-absent"));
        const plat::Utterance dog{QStringLiteral("the dog"), QLocale(QStringLiteral("en_GB")),
                                  QStringLiteral("Anglais")};
        QElapsedTimer clock;
        clock.start();
        speech.prepare();
        for (int i = 0; i < 20; ++i)
            speech.say({dog, dog});
        speech.stop();
        EXPECT_LT(clock.elapsed(), 500);

        QElapsedTimer waited;
        waited.start();
        while (sandbox.desktop().messages().isEmpty() && waited.elapsed() < 10000) {
            QCoreApplication::processEvents();
            QThread::msleep(10);
        }
        for (int i = 0; i < 20; ++i) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
        }
        const QStringList messages = sandbox.desktop().messages();
        ASSERT_EQ(messages.size(), 1);
        EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Tavilo ne peut pas prononcer les termes")));
        EXPECT_TRUE(messages[0].contains(QStringLiteral("sudo apt install qt6-speech-speechd-plugin "
                                                        "speech-dispatcher-espeak-ng")));
    }
    // A service never used starts no thread and ends at once.
    plat::QtSpeech unused;
    unused.stop();
}

} // namespace
