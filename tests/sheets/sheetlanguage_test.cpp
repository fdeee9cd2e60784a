#include "sheets/sheetlanguage.h"

#include <gtest/gtest.h>

namespace {

QString codeOf(const sheets::Language *l)
{
    return l ? l->code : QStringLiteral("-");
}

// Titles as users write them: any case, with or without accents, adjectives
// in every form, the language anywhere in the name; the name before the
// information, the file's name last.
TEST(SheetLanguage, FromTheSheetNameTitleLineOrFileName)
{
    const struct {
        const char *title, *path, *code;
    } cases[] = {
        {"Anglais", "", "en"},
        {"anglais", "", "en"},
        {"ANGLAIS", "", "en"},
        {"Vocabulaire d'allemand", "", "de"},
        {"Vocabulaire d’allemand", "", "de"}, // typographic apostrophe
        {"Espagnol - les animaux", "", "es"},
        {"Expressions italiennes //3e\\\\", "", "it"},
        {"Verbes portugais", "", "pt"},
        {"Néerlandais", "", "nl"},
        {"NEERLANDAIS", "", "nl"},
        {"NÉERLANDAISES", "", "nl"},
        {"Mots russes", "", "ru"},
        {"Grec ancien", "", "el"},
        {"Allemand - La maison //Fiche d'exemple d'Orsiva, douze paires\\\\", "", "de"},
        {"Français - anglais", "", "en"},      // French is the other side of every pair
        {"Anglais et allemand", "", "en"},     // the first one named
        {"Les animaux //anglais, 4e\\\\", "", "en"},           // in the information
        {"Les animaux //Marie\\\\", "C:\\fiches\\allemand.fic", "de"}, // in the file's name
        {"Les animaux", "/home/luc/Fiches/espagnol-animaux.txt", "es"},
        {"Russe //x\\\\", "C:\\fiches\\anglais.fic", "ru"}, // the title before the file's name
        {"Les animaux", "C:\\anglais\\animaux.fic", "-"},   // a folder's name does not count
        {"Italian words", "", "it"},                        // other programs' English names
        {"Svenska", "", "sv"},
        {"Anglaisement", "", "-"},                          // whole words only
        {"Vocabulaire français", "", "-"},
        {"", "", "-"},
        {" ", "", "-"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_EQ(codeOf(sheets::languageOfSheet(QString::fromUtf8(c.title), QString::fromUtf8(c.path))),
                  QString::fromLatin1(c.code));
    }
}

TEST(SheetLanguage, EveryListedLanguageIsFoundByItsNameWithAVoiceOfItsOwn)
{
    for (const sheets::Language &l : sheets::languages()) {
        SCOPED_TRACE(l.name.toStdString());
        EXPECT_EQ(codeOf(sheets::languageNamedIn(l.name)), l.code);
        EXPECT_EQ(codeOf(sheets::languageNamedIn(QStringLiteral("Fiche d'") + l.name.toUpper())), l.code);
        EXPECT_EQ(sheets::languageOfCode(l.code), &l);
        EXPECT_EQ(QLocale::languageToCode(l.voice.language()), l.code);
    }
    EXPECT_EQ(sheets::french().voice.language(), QLocale::French);
    EXPECT_EQ(sheets::languageOfCode(u"xx"), nullptr);
}

TEST(SheetLanguage, WhatIsSpokenOfATerm)
{
    const struct {
        const char *term, *spoken;
    } cases[] = {
        {"the dog", "the dog"},
        {"to run [irregular]", "to run"},
        {"  das   Haus\t", "das Haus"},
        {"[note]", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(sheets::spokenText(QString::fromUtf8(c.term)), QString::fromUtf8(c.spoken)) << c.term;

    // A 5 000-character term: cut at the end of a word, near the length kept.
    QString words;
    while (words.size() < 5000)
        words += QStringLiteral("abcdefg ");
    const QString spoken = sheets::spokenText(words);
    EXPECT_LE(spoken.size(), sheets::kSpokenLength);
    EXPECT_GT(spoken.size(), sheets::kSpokenLength - 8);
    EXPECT_TRUE(spoken.endsWith(QStringLiteral("abcdefg"))) << spoken.toStdString();

    // One 5 000-character word is cut where the length runs out, never
    // through a character outside the basic plane.
    EXPECT_EQ(sheets::spokenText(QString(5000, QLatin1Char('x'))).size(), sheets::kSpokenLength);
    QString emoji;
    while (emoji.size() < 5000)
        emoji += QStringLiteral("a\U0001F600");
    const QString cut = sheets::spokenText(emoji);
    EXPECT_LE(cut.size(), sheets::kSpokenLength);
    EXPECT_FALSE(cut.back().isHighSurrogate());
}

} // namespace
