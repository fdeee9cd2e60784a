#pragma once
#include <QObject>

class QLabel;
class QPushButton;
class QWidget;
class TForm4;

namespace learning {
class LanguageBox;
}

// The test window's speech: "Écouter la question" while the questions are
// foreign terms, and the sheet's language. Under the question panel, and
// after every other control in the tab order.
class QuestionVoice : public QObject {
    Q_OBJECT
public:
    explicit QuestionVoice(TForm4 *window);

    QWidget *row; // shown once a sheet is chosen
    QPushButton *Ecouter;
    QLabel *LangueTitre;
    learning::LanguageBox *Langue;

    void sheetChosen(const QString &path, const QString &titleLine);
    void testStarted(); // the button, if the questions are foreign terms
    void testEnded();
    void reset(); // back to choosing a sheet
    void listen(); // says the question, then gives the answer field the focus

private:
    void speak();

    TForm4 *m_window;
};
