#include "learning/pronunciation.h"

#include "app/settings.h"
#include "learning/learningwindow.h"
#include "learning/speakingrules.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/speech.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

namespace learning {

namespace {

// A change of the choices file: a failed save says so as the settings do.
template <typename Change>
void changeChoices(Change change)
{
    VoiceChoices choices = VoiceChoices::load();
    change(choices);
    try {
        choices.save();
    } catch (const plat::Failure &) {
        plat::desktop().showMessage(settings::kSaveFailed);
    }
}

} // namespace

LanguageBox::LanguageBox(const QString &name, QWidget *parent) : QComboBox(parent)
{
    setObjectName(name);
    addItem(kUnknownLanguage);
    for (const sheets::Language &l : sheets::languages())
        addItem(l.name);
    // Only the user's own choice is remembered, not the one a title gave.
    connect(this, &QComboBox::activated, this, &LanguageBox::chosen);
}

void LanguageBox::setSheet(const QString &path, const QString &titleLine)
{
    m_path = path;
    const sheets::Language *l = VoiceChoices::load().languageOf(path);
    if (!l)
        l = sheets::languageOfSheet(titleLine, path);
    setCurrentIndex(l ? int(l - sheets::languages().constData()) + 1 : 0);
}

const sheets::Language *LanguageBox::language() const
{
    const int i = currentIndex();
    return i >= 1 ? &sheets::languages().at(i - 1) : nullptr;
}

bool LanguageBox::knownOrAsk() const
{
    if (language())
        return true;
    plat::desktop().showMessage(kAskLanguage);
    return false;
}

void LanguageBox::chosen(int index)
{
    if (m_path.isEmpty())
        return;
    const QString code = index >= 1 ? sheets::languages().at(index - 1).code : QString();
    changeChoices([&](VoiceChoices &c) { c.setLanguageOf(m_path, code); });
}

CardVoice::CardVoice(TForm3 *window) : QObject(window), m_window(window)
{
    const QFont font = plat::pixelFont(QStringLiteral("Liberation Sans"), 13);
    Prononcer = plat::pushButton(QStringLiteral("Prononcer"), QStringLiteral("Prononcer"), window,
                                 QStringLiteral("Faire entendre les termes de la carte"));
    Prononcer->setAutoDefault(true);
    Prononcer->setFont(font);
    Prononcer->setMinimumHeight(28);
    Prononcer->setEnabled(false);
    PrononcerChaque = new QCheckBox(QStringLiteral("Prononcer chaque terme étranger"), window);
    PrononcerChaque->setObjectName(QStringLiteral("PrononcerChaque"));
    PrononcerChaque->setFont(font);
    // White words on the black window; the box keeps its own colours.
    QPalette white = PrononcerChaque->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    PrononcerChaque->setPalette(white);
    PrononcerChaque->setChecked(VoiceChoices::load().speakEachForeignTerm());
    Langue = new LanguageBox(QStringLiteral("Langue"), window);
    Langue->setFont(font);

    // Right under the card, whatever the rest of the column holds.
    auto *row = new QWidget(window);
    auto *grid = new QGridLayout(row);
    grid->setContentsMargins(0, 4, 0, 0);
    // No wider than the card, so the window still fits a small screen.
    grid->addWidget(Prononcer, 0, 0);
    grid->addWidget(Langue, 0, 1);
    grid->addWidget(PrononcerChaque, 1, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    Langue->setToolTip(kLanguageHeading);
    if (!plat::insertAfter(window->cardArea, row))
        row->hide();

    connect(Prononcer, &QPushButton::clicked, this, &CardVoice::sayCard);
    connect(PrononcerChaque, &QCheckBox::clicked, this, &CardVoice::speakEachClicked);
}

void CardVoice::sheetChosen(const QString &path, const QString &titleLine)
{
    Langue->setSheet(path, titleLine);
    Prononcer->setEnabled(false);
}

void CardVoice::speakEachClicked(bool on)
{
    changeChoices([on](VoiceChoices &c) { c.setSpeakEachForeignTerm(on); });
    if (!on) {
        plat::speech().stop();
        return;
    }
    // The engine comes up now, not at the first term.
    plat::speech().prepare();
    if (m_window->ListBox1->itemIndex() >= 0)
        Langue->knownOrAsk();
}

void CardVoice::started()
{
    if (!PrononcerChaque->isChecked())
        return;
    plat::speech().prepare();
    Langue->knownOrAsk();
}

void CardVoice::silenced()
{
    plat::speech().stop();
}

void CardVoice::stopped()
{
    silenced();
    Prononcer->setEnabled(false);
}

void CardVoice::sayAppearing(bool isFirst)
{
    if (!PrononcerChaque->isChecked())
        return;
    const QString term = (isFirst ? m_window->Label12 : m_window->Label10)->text();
    if (const auto u = appearingTerm(term, isFirst, m_window->remaining.frenchComesFirst(), Langue->language()))
        plat::speech().say({*u});
}

void CardVoice::cardShown()
{
    Prononcer->setEnabled(true);
    sayAppearing(true);
}

void CardVoice::revealed()
{
    sayAppearing(false);
}

void CardVoice::sayCard()
{
    const Card card{m_window->Label12->text(), m_window->Label10->text()};
    if (card.first.isEmpty() && card.second.isEmpty())
        return;
    if (!Langue->knownOrAsk())
        return;
    plat::speech().say(cardUtterances(card, m_window->remaining.frenchComesFirst(), !m_window->Label10->isHidden(),
                                      Langue->language()));
}

} // namespace learning
