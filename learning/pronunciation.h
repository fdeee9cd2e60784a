#pragma once
#include <QComboBox>
#include <QObject>

class QCheckBox;
class QLabel;
class QPushButton;
class TForm3;

namespace sheets {
struct Language;
}

namespace learning {

inline const QString kUnknownLanguage = QStringLiteral("Langue à choisir");
inline const QString kLanguageHeading = QStringLiteral("Langue des termes étrangers :");
inline const QString kAskLanguage =
    QStringLiteral("Tavilo ne sait pas dans quelle langue sont les termes étrangers de cette fiche : "
                   "choisissez-la dans la liste des langues, à côté du bouton.");

// The language a sheet's foreign terms are spoken in: the one the user chose
// for the sheet, remembered per sheet, else the one its title or its file's
// name names, else none until the user chooses one.
class LanguageBox : public QComboBox {
    Q_OBJECT
public:
    LanguageBox(const QString &name, QWidget *parent);

    void setSheet(const QString &path, const QString &titleLine);
    // nullptr while not known.
    const sheets::Language *language() const;
    // For a user who asked for a foreign term to be spoken: false, after
    // asking to choose the language, while it is not known.
    bool knownOrAsk() const;

private:
    void chosen(int index);
    QString m_path;
};

// The learning window's speech: "Prononcer" beside the card, the check box
// "Prononcer chaque terme étranger" and the sheet's language. The window
// tells it what happens on the card; everything it says returns at once.
class CardVoice : public QObject {
    Q_OBJECT
public:
    explicit CardVoice(TForm3 *window);

    QPushButton *Prononcer;
    QCheckBox *PrononcerChaque; // kept in the program's own choices file
    LanguageBox *Langue;

    void sheetChosen(const QString &path, const QString &titleLine);
    void cardShown(); // a pair's first term is up
    void revealed();  // its second term is up
    void started();   // the learning starts
    void silenced();  // paused: the card stays and can still be heard
    void stopped();   // the card is cleared
    // "Prononcer": the card's terms, as far as they are shown.
    void sayCard();

private:
    void speakEachClicked(bool on);
    void sayAppearing(bool isFirst);
    TForm3 *m_window;
};

} // namespace learning
