#include "platform/speech.h"

#include "platform/desktop.h"

#include <QTextToSpeech>
#include <QThread>
#include <deque>
#include <optional>

namespace plat {

namespace {

const QString kEnginePackages = QStringLiteral("qt6-speech-speechd-plugin speech-dispatcher-espeak-ng");
const QString kVoicePackage = QStringLiteral("speech-dispatcher-espeak-ng");

std::unique_ptr<Speech> g_speech;

} // namespace

namespace {

// The command on a line of its own, as it is to be typed.
QString toInstall(const QString &packages)
{
    return QStringLiteral("\n\nPour l'installer, tapez dans un terminal :\nsudo apt install %1\n").arg(packages);
}

} // namespace

QString noEngineMessage()
{
    return QStringLiteral("Tavilo ne peut pas prononcer les termes : aucun moteur de synthèse vocale n'est installé.")
        + toInstall(kEnginePackages) + QStringLiteral("puis relancez Tavilo.");
}

QString engineFailedMessage()
{
    return QStringLiteral("Tavilo ne peut pas prononcer les termes : la synthèse vocale ne démarre pas.")
        + toInstall(kEnginePackages) + QStringLiteral("puis relancez Tavilo.");
}

QString playbackFailedMessage()
{
    return QStringLiteral("Tavilo ne peut pas faire entendre les termes : la sortie du son a échoué.\n"
                          "Vérifiez que le son de votre bureau fonctionne.");
}

QString noVoiceMessage(const QString &languageName)
{
    return QStringLiteral("Aucune voix n'est installée pour la langue « %1 ».").arg(languageName)
        + toInstall(kVoicePackage) + QStringLiteral("qui apporte des voix pour la plupart des langues.");
}

void Speech::report(const QString &message)
{
    if (m_reported.contains(message))
        return;
    m_reported.insert(message);
    QMetaObject::invokeMethod(this, [message] { desktop().showMessage(message); }, Qt::QueuedConnection);
}

void RecordingSpeech::say(const QList<Utterance> &utterances)
{
    requests.push_back(utterances);
    if (noEngine) {
        report(noEngineMessage());
        return;
    }
    for (const Utterance &u : utterances) {
        if (voiceless.contains(QLocale::languageToCode(u.locale.language())))
            report(noVoiceMessage(u.languageName));
    }
}

QList<Utterance> RecordingSpeech::said() const
{
    QList<Utterance> all;
    for (const QList<Utterance> &r : requests)
        all += r;
    return all;
}

// The engine and its queue, on a thread of their own: QTextToSpeech may wait
// seconds for its speech server to start, and nothing on the windows' thread
// may wait for it.
class QtSpeech::Voice : public QObject {
public:
    Voice(const QString &engine, QtSpeech *owner) : m_engineName(engine), m_owner(owner) {}

    void prepare() { engine(); }

    void say(const QList<Utterance> &utterances)
    {
        QTextToSpeech *tts = engine();
        if (!tts)
            return;
        m_queue.assign(utterances.cbegin(), utterances.cend());
        // A Ready that the interruption causes must not skip the next text.
        m_started = false;
        tts->stop();
        speakNext();
    }

    void stop()
    {
        m_queue.clear();
        m_started = false;
        if (m_tts)
            m_tts->stop();
    }

private:
    // The engine, made on first need; nullptr when there is none, the user
    // having been told why.
    QTextToSpeech *engine()
    {
        if (m_tried)
            return m_problem.isEmpty() ? m_tts : nullptr;
        m_tried = true;
        const QStringList engines = QTextToSpeech::availableEngines();
        if (engines.isEmpty()) {
            m_problem = noEngineMessage();
        } else {
            m_tts = new QTextToSpeech(m_engineName.isEmpty() ? engines.first() : m_engineName, this);
            // An engine that started may still be in error over its default
            // voice, which is no reason not to speak in the others.
            if (m_tts->state() == QTextToSpeech::Error
                && m_tts->errorReason() == QTextToSpeech::ErrorReason::Initialization) {
                m_problem = engineFailedMessage();
            } else {
                m_locales = m_tts->availableLocales();
                connect(m_tts, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
                    if (state == QTextToSpeech::Speaking) {
                        m_started = true;
                    } else if (state == QTextToSpeech::Ready && m_started) {
                        m_started = false;
                        speakNext();
                    }
                });
                connect(m_tts, &QTextToSpeech::errorOccurred, this,
                        [this](QTextToSpeech::ErrorReason error) {
                            // A text or a voice setting the engine refuses
                            // only loses that text.
                            if (error == QTextToSpeech::ErrorReason::Initialization)
                                tell(engineFailedMessage());
                            else if (error == QTextToSpeech::ErrorReason::Playback)
                                tell(playbackFailedMessage());
                        });
            }
        }
        if (!m_problem.isEmpty()) {
            tell(m_problem);
            return nullptr;
        }
        return m_tts;
    }

    // A locale of the engine's for the language, the same country first.
    std::optional<QLocale> voiceFor(const QLocale &wanted) const
    {
        std::optional<QLocale> sameLanguage;
        for (const QLocale &l : m_locales) {
            if (l.language() != wanted.language())
                continue;
            if (l.territory() == wanted.territory())
                return l;
            if (!sameLanguage)
                sameLanguage = l;
        }
        return sameLanguage;
    }

    void speakNext()
    {
        while (!m_queue.empty()) {
            const Utterance u = m_queue.front();
            m_queue.pop_front();
            const std::optional<QLocale> voice = voiceFor(u.locale);
            if (!voice) {
                tell(noVoiceMessage(u.languageName));
                continue;
            }
            if (m_tts->locale() != *voice)
                m_tts->setLocale(*voice);
            m_started = false;
            m_tts->say(u.text);
            return;
        }
    }

    void tell(const QString &message)
    {
        QtSpeech *owner = m_owner;
        QMetaObject::invokeMethod(owner, [owner, message] { owner->report(message); }, Qt::QueuedConnection);
    }

    const QString m_engineName;
    QtSpeech *const m_owner; // outlives this: it waits for the thread to end
    QTextToSpeech *m_tts = nullptr;
    QList<QLocale> m_locales;
    std::deque<Utterance> m_queue;
    QString m_problem;
    bool m_tried = false;
    bool m_started = false; // the text last said has begun
};

QtSpeech::QtSpeech(const QString &engine) : m_engine(engine) {}

QtSpeech::~QtSpeech()
{
    if (!m_thread)
        return;
    // Deleted on its own thread, before the thread's loop ends.
    QMetaObject::invokeMethod(m_voice, [voice = m_voice] { delete voice; });
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

QtSpeech::Voice *QtSpeech::voice()
{
    if (!m_thread) {
        m_thread = new QThread;
        m_thread->setObjectName(QStringLiteral("speech"));
        m_voice = new Voice(m_engine, this);
        m_voice->moveToThread(m_thread);
        m_thread->start();
    }
    return m_voice;
}

void QtSpeech::prepare()
{
    Voice *v = voice();
    QMetaObject::invokeMethod(v, [v] { v->prepare(); });
}

void QtSpeech::say(const QList<Utterance> &utterances)
{
    Voice *v = voice();
    QMetaObject::invokeMethod(v, [v, utterances] { v->say(utterances); });
}

void QtSpeech::stop()
{
    if (!m_thread)
        return;
    Voice *v = m_voice;
    QMetaObject::invokeMethod(v, [v] { v->stop(); });
}

Speech &speech()
{
    if (!g_speech)
        g_speech = std::make_unique<QtSpeech>();
    return *g_speech;
}

void setSpeech(std::unique_ptr<Speech> replacement)
{
    g_speech = std::move(replacement);
}

} // namespace plat
