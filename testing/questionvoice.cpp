#include "testing/questionvoice.h"

#include "learning/pronunciation.h"
#include "learning/speakingrules.h"
#include "platform/controls.h"
#include "platform/speech.h"
#include "testing/testsettingswindow.h"
#include "testing/testwindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QuestionVoice::QuestionVoice(TForm4 *window) : QObject(window), m_window(window)
{
    const QFont font = plat::pixelFont(QStringLiteral("Arial"), 13);
    row = new QWidget(window);
    Ecouter = plat::pushButton(QStringLiteral("Écouter la question"), QStringLiteral("Ecouter"), row,
                               QStringLiteral("Faire entendre le terme étranger demandé"));
    Ecouter->setFont(font);
    Ecouter->setMinimumHeight(28);
    LangueTitre = plat::colourLabel(learning::kLanguageHeading, QStringLiteral("LangueTitre"),
                                    QStringLiteral("white"), font, row);
    Langue = new learning::LanguageBox(QStringLiteral("Langue"), row);
    Langue->setFont(font);
    auto *box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(Ecouter);
    box->addSpacing(12);
    box->addWidget(LangueTitre);
    box->addWidget(Langue);
    box->addStretch();
    // The button keeps its place, so the row does not move when it shows.
    QSizePolicy keep = Ecouter->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    Ecouter->setSizePolicy(keep);
    if (!plat::insertAfter(window->questionArea, row))
        window->layout()->addWidget(row);
    Ecouter->hide();
    row->hide();
    connect(Ecouter, &QPushButton::clicked, this, &QuestionVoice::listen);
}

void QuestionVoice::sheetChosen(const QString &path, const QString &titleLine)
{
    Langue->setSheet(path, titleLine);
    row->show();
}

void QuestionVoice::testStarted()
{
    // The questions are foreign terms unless the settings show the French one.
    const bool foreignShown = !(Form12 && Form12->ComboBox1->currentText() == quiz::kFrenchShown);
    Ecouter->setVisible(foreignShown);
    if (foreignShown)
        plat::speech().prepare();
}

void QuestionVoice::testEnded()
{
    // The end of a test leaves the focus on "Quitter le test", as it did
    // before these controls came after the answer field in the tab order.
    const bool hadFocus = Ecouter->hasFocus() || Langue->hasFocus();
    Ecouter->hide();
    if (hadFocus && m_window->BitBtn2->isVisible())
        m_window->BitBtn2->setFocus();
    plat::speech().stop();
}

void QuestionVoice::reset()
{
    testEnded();
    row->hide();
}

void QuestionVoice::listen()
{
    speak();
    // The answer is typed next: left on the button, Space and Enter would
    // only say the question again while its clock runs.
    if (m_window->Edit5->isVisible() && m_window->Edit5->isEnabled())
        m_window->Edit5->setFocus();
}

void QuestionVoice::speak()
{
    const QString question = m_window->Label12->text();
    if (question.isEmpty() || !Langue->knownOrAsk())
        return;
    if (const auto u = learning::utterance(question, Langue->language()))
        plat::speech().say({*u});
}
