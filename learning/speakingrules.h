#pragma once
#include "learning/flashcards.h"
#include "platform/speech.h"
#include "sheets/sheetlanguage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What the learning and test windows speak, and the choices about it that
// the program keeps in a file of its own beside the settings file.
namespace learning {

// The term in the voice of its language: nothing for a term without words
// or a language not known.
std::optional<plat::Utterance> utterance(QStringView term, const sheets::Language *language);

// What "Prononcer" says of the card: the first term, then the second once it
// is shown, the foreign one in the sheet's language and the French one in
// French. A foreign term of a sheet whose language is not known is left out.
QList<plat::Utterance> cardUtterances(const Card &card, bool frenchFirst, bool secondShown,
                                      const sheets::Language *foreign);

// What "Prononcer chaque terme étranger" says as a term comes up on the card
// (the first term at the pair's tick, the second at the reveal): the term if
// it is the foreign one.
std::optional<plat::Utterance> appearingTerm(const QString &term, bool isFirst, bool frenchFirst,
                                             const sheets::Language *foreign);

inline const QString kVoiceChoicesPath = QStringLiteral("C:\\windows\\tavilo-voix.ini");

// The file's lines: "prononcer=1" (or 0) for the check box, then one
// "<sheet path>=<language code>" per sheet whose language the user chose.
// Lines it does not understand are kept as they are.
class VoiceChoices {
public:
    static VoiceChoices parse(const QStringList &lines);
    QStringList lines() const;

    bool speakEachForeignTerm() const { return m_speakEach; }
    void setSpeakEachForeignTerm(bool on) { m_speakEach = on; }

    // The language chosen for the sheet; nullptr when none was.
    const sheets::Language *languageOf(const QString &sheetPath) const;
    // An empty code forgets the sheet's choice.
    void setLanguageOf(const QString &sheetPath, const QString &code);

    // From the file, as it stands now; the defaults when it cannot be read.
    static VoiceChoices load();
    // Throws plat::Failure when the file cannot be written.
    void save() const;

private:
    bool m_speakEach = false;
    QStringList m_sheets; // "<path>=<code>" lines and lines kept as they are
};

} // namespace learning
