#include "learning/speakingrules.h"

#include "platform/failure.h"
#include "platform/linelist.h"

namespace learning {

namespace {

const QString kSpeakEach = QStringLiteral("prononcer=");

// The path of a "<path>=<code>" line; the code never holds "=", a path may.
QStringView pathOf(const QString &line, QStringView *code = nullptr)
{
    const qsizetype eq = line.lastIndexOf(QLatin1Char('='));
    if (eq < 0)
        return {};
    if (code)
        *code = QStringView(line).mid(eq + 1);
    return QStringView(line).left(eq);
}

} // namespace

std::optional<plat::Utterance> utterance(QStringView term, const sheets::Language *language)
{
    if (!language)
        return std::nullopt;
    const QString text = sheets::spokenText(term);
    if (text.isEmpty())
        return std::nullopt;
    return plat::Utterance{text, language->voice, language->name};
}

QList<plat::Utterance> cardUtterances(const Card &card, bool frenchFirst, bool secondShown,
                                      const sheets::Language *foreign)
{
    const sheets::Language *firstLanguage = frenchFirst ? &sheets::french() : foreign;
    const sheets::Language *secondLanguage = frenchFirst ? foreign : &sheets::french();
    QList<plat::Utterance> said;
    if (const auto u = utterance(card.first, firstLanguage))
        said.append(*u);
    if (secondShown) {
        if (const auto u = utterance(card.second, secondLanguage))
            said.append(*u);
    }
    return said;
}

std::optional<plat::Utterance> appearingTerm(const QString &term, bool isFirst, bool frenchFirst,
                                             const sheets::Language *foreign)
{
    // The foreign term comes first exactly when the French one does not.
    if (isFirst == frenchFirst)
        return std::nullopt;
    return utterance(term, foreign);
}

VoiceChoices VoiceChoices::parse(const QStringList &lines)
{
    VoiceChoices c;
    for (const QString &line : lines) {
        if (line.startsWith(kSpeakEach))
            c.m_speakEach = QStringView(line).mid(kSpeakEach.size()) == QLatin1String("1");
        else
            c.m_sheets.append(line);
    }
    return c;
}

QStringList VoiceChoices::lines() const
{
    return QStringList{kSpeakEach + (m_speakEach ? QLatin1Char('1') : QLatin1Char('0'))} + m_sheets;
}

const sheets::Language *VoiceChoices::languageOf(const QString &sheetPath) const
{
    if (sheetPath.isEmpty())
        return nullptr;
    for (const QString &line : m_sheets) {
        QStringView code;
        if (pathOf(line, &code) == sheetPath)
            return sheets::languageOfCode(code);
    }
    return nullptr;
}

void VoiceChoices::setLanguageOf(const QString &sheetPath, const QString &code)
{
    if (sheetPath.isEmpty())
        return;
    m_sheets.removeIf([&](const QString &line) { return pathOf(line) == sheetPath; });
    if (!code.isEmpty())
        m_sheets.append(sheetPath + QLatin1Char('=') + code);
}

VoiceChoices VoiceChoices::load()
{
    plat::LineList list;
    try {
        list.loadFromFile(kVoiceChoicesPath);
    } catch (const plat::Failure &) {
        // No file yet: nothing was chosen.
    }
    return parse(list.lines());
}

void VoiceChoices::save() const
{
    plat::LineList(lines()).saveToFile(kVoiceChoicesPath);
}

} // namespace learning
