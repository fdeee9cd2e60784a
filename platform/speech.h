#pragma once
#include <QList>
#include <QLocale>
#include <QObject>
#include <QSet>
#include <QString>
#include <memory>
#include <vector>

class QThread;

namespace plat {

// One text to speak, in the voice of a language.
struct Utterance {
    QString text;
    QLocale locale;       // the voice's language, its country preferred
    QString languageName; // the language in French, for a message about it
    bool operator==(const Utterance &o) const
    {
        return text == o.text && locale.name() == o.locale.name();
    }
};

// Speaking texts aloud. Every call returns at once: the speech engine, which
// can take seconds to come up, is started on first need and does its work
// elsewhere, so a window's timers keep their pace. When speaking cannot
// happen (no engine, an engine that does not start, no voice for a
// language), the user is told once, in French, with the package to install,
// through the desktop's message box, never from inside the call.
class Speech : public QObject {
    Q_OBJECT
public:
    ~Speech() override = default;

    // Starts the engine if it is not there yet, so that the first term is
    // spoken without the wait.
    virtual void prepare() = 0;
    // Speaks the utterances one after the other, in place of anything still
    // being said.
    virtual void say(const QList<Utterance> &utterances) = 0;
    virtual void stop() = 0;

protected:
    // Shows the message once for the life of the service, after the current
    // event (a timer's tick) is over.
    void report(const QString &message);

private:
    QSet<QString> m_reported;
};

// The French messages, each naming what to install.
QString noEngineMessage();
QString engineFailedMessage();
QString playbackFailedMessage();
QString noVoiceMessage(const QString &languageName);

// Records what was asked, for tests; never makes a sound.
class RecordingSpeech : public Speech {
    Q_OBJECT
public:
    void prepare() override { ++prepared; }
    void say(const QList<Utterance> &utterances) override;
    void stop() override { ++stopped; }

    // What say was asked, one request after the other.
    std::vector<QList<Utterance>> requests;
    // All utterances asked, in order.
    QList<Utterance> said() const;
    int prepared = 0;
    int stopped = 0;

    // Makes the service behave as one without an engine...
    bool noEngine = false;
    // ...or without voices for these locale names' languages ("de").
    QSet<QString> voiceless;
};

// The real service, on Qt's speech module. The engine is one of
// QTextToSpeech::availableEngines(); empty for the first one installed.
class QtSpeech : public Speech {
    Q_OBJECT
public:
    explicit QtSpeech(const QString &engine = QString());
    ~QtSpeech() override;
    void prepare() override;
    void say(const QList<Utterance> &utterances) override;
    void stop() override;

private:
    class Voice;
    Voice *voice(); // started on first need
    QString m_engine;
    QThread *m_thread = nullptr;
    Voice *m_voice = nullptr;
};

Speech &speech();
// Installs a replacement; nullptr puts the real one back (started on first need).
void setSpeech(std::unique_ptr<Speech> replacement);

} // namespace plat
