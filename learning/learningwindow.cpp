#include "learning/learningwindow.h"

#include "app/clicklabel.h"
#include "app/mainwindow.h"
#include "app/pictures.h"
#include "app/settings.h"
#include "help/aboutwindow.h"
#include "learning/fullscreenwindow.h"
#include "learning/pronunciation.h"
#include "platform/busycursor.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/system.h"
#include "sheets/sheet.h"
#include "sheets/titledisplay.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

TForm3 *Form3 = nullptr;

namespace {

constexpr QLatin1StringView kYellow("#ffe14d");
constexpr QLatin1StringView kRed("#ff3b3b");
constexpr QLatin1StringView kBlue("#3d7eff");
constexpr int kListTall = 382;
constexpr int kListShort = 190;
constexpr int kCardHeight = 190;

const QString kNoSheet = QStringLiteral("Fiche traitée : pas de fiche sélectionnée");

QFont arial(int pixelSize, bool bold = false)
{
    return plat::pixelFont(QStringLiteral("Liberation Sans"), pixelSize, bold);
}

QPushButton *button(const QString &text, const QString &name, QWidget *parent)
{
    QPushButton *b = plat::pushButton(text, name, parent);
    b->setAutoDefault(true); // Enter presses the focused button
    b->setFont(arial(13));
    b->setMinimumHeight(28);
    return b;
}

QLabel *termLabel(const QString &name, QWidget *parent)
{
    return plat::colourLabel(QString(), name, QStringLiteral("#0000ff"),
                             plat::pixelFont(QStringLiteral("Liberation Serif"), 24), parent);
}

QLabel *headingLabel(const QString &text, const QString &name, QWidget *parent)
{
    return plat::colourLabel(text, name, QStringLiteral("#0000ff"), arial(14, true), parent);
}

} // namespace

TForm3::TForm3(QWidget *parent) : plat::Form(QStringLiteral("Form3"), parent)
{
    makeMaximisedWindow(QStringLiteral("Apprentissage d'une fiche Tavilo"), 800, 560);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 6, 10, 8);

    // Title band: the logo and the banner, under a black panel while idle.
    auto *top = new QGridLayout;
    Image1 = pictures::makerLogoLabel(QStringLiteral("Image1"), pictures::kLogoHint, this);
    // The sheet picture that may take its place is fitted to it.
    Image1->setScaledContents(true);
    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    // The banner narrows on a small screen; the title bitmap is stretched to it.
    for (QWidget *band : std::initializer_list<QWidget *>{Image3, Panel1 = new QFrame(this)}) {
        band->setFixedHeight(73);
        band->setMinimumWidth(300);
        band->setMaximumWidth(721);
        band->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setStyleSheet(QStringLiteral("background: black;"));
    top->addWidget(Image1, 0, 0);
    top->addWidget(Image3, 0, 1);
    top->addWidget(Panel1, 0, 1); // added last: drawn over the banner
    top->setColumnStretch(2, 1);
    outer->addLayout(top);
    titleDisplay = new sheets::TitleDisplay(sheets::TitleVariant::Learning, Image3, nullptr, this);

    auto *row = new QHBoxLayout;
    row->setSpacing(15);
    outer->addLayout(row, 1);

    // Settings column.
    auto *settingsBox = new QVBoxLayout;
    settingsBox->setSpacing(6); // not the columns' wide spacing
    Label5 = plat::colourLabel(QStringLiteral("Terme visualisé en premier :"), QStringLiteral("Label5"),
                               QStringLiteral("white"), arial(13), this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItems({learning::kForeignFirst, learning::kFrenchFirst});
    ComboBox1->setCurrentText(learning::kFrenchFirst);
    ComboBox1->setFont(arial(13));
    TrackBar2 = plat::trackBar(QStringLiteral("TrackBar2"), 1, 20, 1, this);
    TrackBar2->setToolTip(QStringLiteral("Déplacez la petite barre pour faire varier l'intervalle de temps "
                                         "entre l'affichage du terme dans une langue, puis dans l'autre"));
    Label18 = plat::colourLabel(learning::waitingText(1), QStringLiteral("Label18"), QStringLiteral("white"),
                                arial(13), this);
    Label18->setToolTip(QStringLiteral("Intervalle de temps entre l'affichage du terme dans une langue, "
                                       "puis dans l'autre"));
    TrackBar1 = plat::trackBar(QStringLiteral("TrackBar1"), 1, 20, 3, this);
    TrackBar1->setToolTip(QStringLiteral("Déplacez la petite barre pour faire varier l'intervalle de temps "
                                         "entre deux termes"));
    Label4 = plat::colourLabel(learning::intervalText(3), QStringLiteral("Label4"), QStringLiteral("white"),
                               arial(13), this);
    Label4->setToolTip(QStringLiteral("Intervalle de temps entre deux termes à apprendre."));
    Label11 = plat::colourLabel(QStringLiteral("Astuce : Pour changer en utilisant le clavier, appuyez"),
                                QStringLiteral("Label11"), kYellow, arial(11), this);
    Label9 = plat::colourLabel(QStringLiteral("sur 'Page Précédente' ou 'page suivante'."),
                               QStringLiteral("Label9"), kYellow, arial(11), this);
    Label21 = plat::colourLabel(QStringLiteral("Police de caractère :"), QStringLiteral("Label21"),
                                QStringLiteral("white"), arial(13), this);
    BitBtn3 = button(QStringLiteral("Premier terme"), QStringLiteral("BitBtn3"), this);
    BitBtn4 = button(QStringLiteral("Second terme"), QStringLiteral("BitBtn4"), this);
    BitBtn8 = button(QStringLiteral("Afficher les termes en plein écran"), QStringLiteral("BitBtn8"), this);
    BitBtn8->setEnabled(false);

    auto *fonts = new QHBoxLayout;
    fonts->addWidget(BitBtn3);
    fonts->addWidget(BitBtn4);
    for (QWidget *w : std::initializer_list<QWidget *>{Label5, ComboBox1, Label18, TrackBar2, Label4, TrackBar1,
                                                       Label11, Label9, Label21})
        settingsBox->addWidget(w);
    settingsBox->insertSpacing(2, 12);
    settingsBox->insertSpacing(9, 12);
    settingsBox->addLayout(fonts);
    settingsBox->addSpacing(12);
    settingsBox->addWidget(BitBtn8);
    settingsBox->addStretch();
    row->addLayout(settingsBox, 0);

    // The card, with the status above it.
    auto *cardBox = new QVBoxLayout;
    cardBox->setSpacing(6);
    auto *status = new QGridLayout;
    Label14 = plat::colourLabel(QStringLiteral("Apprentissage arrêté..."), QStringLiteral("Label14"), kRed,
                                arial(16, true), this);
    Label16 = plat::colourLabel(QStringLiteral("Apprentissage en cours..."), QStringLiteral("Label16"), kBlue,
                                arial(16, true), this);
    Label16->hide();
    pausedStatus = plat::colourLabel(QStringLiteral("Apprentissage en pause..."), QStringLiteral("pausedStatus"),
                                     kYellow, arial(16, true), this);
    pausedStatus->hide();
    Label15 = plat::colourLabel(QStringLiteral("Cliquez sur une fiche pour l'apprendre."),
                                QStringLiteral("Label15"), kRed, arial(13), this);
    // The card stays in its place when the prompt goes.
    QSizePolicy keepPlace = Label15->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    Label15->setSizePolicy(keepPlace);
    status->addWidget(Label14, 0, 0);
    status->addWidget(Label16, 0, 0);
    status->addWidget(pausedStatus, 0, 0);
    status->addWidget(Label15, 1, 0);
    cardBox->addLayout(status);

    Shape1 = new QFrame;
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setStyleSheet(QStringLiteral("QFrame#Shape1 { background: #00ff00; }"));
    Shape1->setFixedSize(learning::kCardWidth, kCardHeight);
    Label7 = headingLabel(learning::firstHeading(learning::kFrenchFirst), QStringLiteral("Label7"), Shape1);
    Label12 = termLabel(QStringLiteral("Label12"), Shape1);
    Label8 = headingLabel(learning::secondHeading(Label7->text()), QStringLiteral("Label8"), Shape1);
    Label10 = termLabel(QStringLiteral("Label10"), Shape1);
    auto *card = new QVBoxLayout(Shape1);
    card->setContentsMargins(8, 10, 7, 10);
    for (QLabel *l : {Label7, Label12, Label8, Label10})
        card->addWidget(l, 0, Qt::AlignLeft);
    card->insertSpacing(2, 16);
    card->addStretch();
    // A term far wider than the window makes the card scroll rather than
    // push the window off the screen.
    cardArea = new QScrollArea(this);
    cardArea->setObjectName(QStringLiteral("cardArea"));
    cardArea->setFrameShape(QFrame::NoFrame);
    cardArea->setStyleSheet(QStringLiteral("QScrollArea { background: black; }"));
    cardArea->viewport()->setAutoFillBackground(false);
    cardArea->setWidget(Shape1);
    cardArea->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    cardArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cardArea->setFixedHeight(kCardHeight + cardArea->horizontalScrollBar()->sizeHint().height());
    cardBox->addSpacing(10);
    cardBox->addWidget(cardArea);
    cardBox->addStretch();
    row->addLayout(cardBox, 1);

    // Sheet column: the list, then what acts on the chosen sheet.
    auto *sheetBox = new QVBoxLayout;
    sheetBox->setSpacing(6);
    Label1 = plat::colourLabel(QStringLiteral("Choisissez une fiche à apprendre :"), QStringLiteral("Label1"),
                               QStringLiteral("white"), arial(13, true), this);
    ListBox1 = new sheets::TitleListBox(sheets::TitleVariant::Learning, this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(arial(12));
    ListBox1->setFixedHeight(kListTall);
    ListBox1->setMinimumWidth(260);
    Label13 = plat::colourLabel(learning::remainingText(0), QStringLiteral("Label13"), QStringLiteral("white"),
                                arial(13), this);
    BitBtn1 = button(QStringLiteral("Commencer l'apprentissage"), QStringLiteral("BitBtn1"), this);
    BitBtn1->setDefault(true);
    BitBtn1->hide();
    BitBtn6 = button(QStringLiteral("Pause"), QStringLiteral("BitBtn6"), this);
    BitBtn6->hide();
    BitBtn5 = button(QStringLiteral("Reprendre"), QStringLiteral("BitBtn5"), this);
    BitBtn5->hide();
    BitBtn7 = button(QStringLiteral("Arrêter"), QStringLiteral("BitBtn7"), this);
    BitBtn7->hide();
    BitBtn2 = button(QStringLiteral("Quitter l'apprentissage"), QStringLiteral("BitBtn2"), this);
    auto *run = new QGridLayout;
    run->addWidget(BitBtn6, 0, 0);
    run->addWidget(BitBtn5, 0, 0);
    run->addWidget(BitBtn7, 0, 1);
    sheetBox->addWidget(Label1);
    sheetBox->addWidget(ListBox1);
    sheetBox->addWidget(Label13);
    sheetBox->addWidget(BitBtn1);
    sheetBox->addLayout(run);
    sheetBox->addStretch();
    sheetBox->addWidget(BitBtn2);
    row->addLayout(sheetBox, 0);

    for (QWidget *w : std::initializer_list<QWidget *>{BitBtn1, BitBtn6, BitBtn5, BitBtn7})
        w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
    Timer2 = new QTimer(this);
    Timer2->setInterval(1000);

    connect(ListBox1, &sheets::TitleListBox::userClick, this, &TForm3::ListBox1Click);
    connect(ComboBox1, &QComboBox::currentTextChanged, this, &TForm3::ComboBox1Change);
    connect(TrackBar2, &QSlider::valueChanged, this, &TForm3::TrackBar2Change);
    connect(TrackBar1, &QSlider::valueChanged, this, &TForm3::TrackBar1Change);
    const auto click = [this](QPushButton *b, void (TForm3::*handler)()) {
        connect(b, &QPushButton::clicked, this, handler);
    };
    click(BitBtn1, &TForm3::BitBtn1Click);
    click(BitBtn2, &TForm3::BitBtn2Click);
    click(BitBtn3, &TForm3::BitBtn3Click);
    click(BitBtn4, &TForm3::BitBtn4Click);
    click(BitBtn5, &TForm3::BitBtn5Click);
    click(BitBtn6, &TForm3::BitBtn6Click);
    click(BitBtn7, &TForm3::BitBtn7Click);
    click(BitBtn8, &TForm3::BitBtn8Click);
    connect(Image1, &ClickLabel::clicked, this, &TForm3::Image1Click);
    connect(Timer1, &QTimer::timeout, this, &TForm3::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm3::timer);
    setEscapeAction([this] { BitBtn2Click(); });
    voice = new learning::CardVoice(this);
}

void TForm3::handFocus(QWidget *leaving, QWidget *taking)
{
    // A focused button that goes would hand the focus to the next one in the
    // tab order, "Quitter l'apprentissage" or "Arrêter": the Enter or space
    // that follows would end what the user just started.
    if (leaving->hasFocus())
        taking->setFocus(Qt::OtherFocusReason);
}

bool TForm3::running() const
{
    return !Label16->isHidden() || !pausedStatus->isHidden();
}

void TForm3::FormActivate()
{
    // A running or paused presentation goes on when the window comes back
    // from the full screen, a font dialog or the about window.
    if (running())
        return;
    Timer1->stop();
    ListBox1->setFixedHeight(kListTall);
    Label12->clear();
    Label10->clear();
    Shape1->setFixedWidth(learning::kCardWidth);
}

void TForm3::FormClose()
{
    if (Form1)
        Form1->uncheckActivityButtons();
    Timer1->stop();
    Timer2->stop();
    BitBtn7Click();
}

void TForm3::closeEvent(QCloseEvent *e)
{
    FormClose();
    e->accept();
}

void TForm3::ListBox1Click()
{
    const int i = ListBox1->itemIndex();
    if (i < 0)
        return;
    Panel1->hide();
    Label13->show();
    if (!running()) {
        BitBtn1->show();
        BitBtn5->hide();
        BitBtn6->hide();
        BitBtn7->hide();
    }
    ComboBox1->setEnabled(true);
    ListBox1->setFixedHeight(kListShort);
    Label12->clear();
    Label10->clear();
    Shape1->setFixedWidth(learning::kCardWidth);

    const QString entry = ListBox1->item(i)->text();
    ListBox1->setToolTip(entry);
    Label2Hint = entry;

    remaining.clear();
    Label2Caption = entry;
    titleDisplay->setMemo2(entry);
    // A sheet that cannot be read shows no pairs rather than the pairs of
    // the sheet loaded before it under the new title.
    bool loaded = false;
    try {
        Label6 = Form1->ListBox1.at(i);
        const plat::BusyCursor busy(plat::bigFile(Label6));
        Memo1 = sheets::Sheet::load(Label6).lines();
        loaded = true;
    } catch (const plat::Failure &) {
        Memo1.clear();
    }
    remaining.fill(Memo1, ComboBox1->currentText());
    Label13->setText(learning::remainingText(remaining.count()));
    voice->sheetChosen(Label6, entry);
    if (!loaded)
        plat::desktop().showMessage(QStringLiteral("Erreur : Impossible d'ouvrir la fiche demandée"));
}

void TForm3::ComboBox1Change()
{
    Label7->setText(learning::firstHeading(ComboBox1->currentText()));
    Label8->setText(learning::secondHeading(Label7->text()));
    // The headings name what the card shows: the pairs still to come follow
    // the new direction.
    remaining.setDirection(ComboBox1->currentText());
}

void TForm3::BitBtn1Click()
{
    // Without a chosen sheet the window stays as it was.
    if (ListBox1->itemIndex() < 0) {
        plat::desktop().showMessage(
            QStringLiteral("Cliquez d'abord sur une fiche à apprendre dans la liste de droite."));
        return;
    }
    BitBtn8->setEnabled(true);
    BitBtn6->show();
    BitBtn7->show();
    handFocus(BitBtn1, BitBtn6);
    BitBtn1->hide();
    BitBtn5->hide();
    ComboBox1->setEnabled(false);
    Label14->hide();
    Label15->hide();
    Label16->show();
    Timer1->start(); // still 1 ms: the first pair comes at once
    ListBox1->setFixedHeight(kListShort);
    voice->started();
}

void TForm3::Timer1Timer()
{
    // Slider moves take effect from the next pair.
    Timer1->setInterval(TrackBar1->value() * 1000);
    Timer2->setInterval(TrackBar2->value() * 1000);
    if (remaining.isEmpty()) {
        BitBtn7Click();
    } else {
        const int i = plat::system().random(int(remaining.count()));
        const learning::Card card = remaining.take(i);
        Label10->setText(card.second);
        Label12->setText(card.first);
        Label10->setToolTip(card.second);
        Label12->setToolTip(card.first);
        Label10->hide();
        Timer2->start();
        Label13->setText(learning::remainingText(remaining.count()));
        voice->cardShown();
    }
    resizeCard();
}

void TForm3::resizeCard()
{
    const int widest = std::max(Label12->sizeHint().width(), Label10->sizeHint().width());
    Shape1->setFixedWidth(learning::cardWidth(widest));
}

void TForm3::timer()
{
    Label10->show();
    Timer2->stop();
    voice->revealed();
}

void TForm3::BitBtn6Click()
{
    BitBtn8->setEnabled(false);
    BitBtn5->show();
    handFocus(BitBtn6, BitBtn5);
    BitBtn6->hide();
    Label16->hide();
    pausedStatus->show();
    Timer1->stop();
    Timer2->stop();
    voice->silenced();
}

void TForm3::BitBtn5Click()
{
    BitBtn8->setEnabled(true);
    BitBtn6->show();
    handFocus(BitBtn5, BitBtn6);
    BitBtn5->hide();
    pausedStatus->hide();
    Label16->show();
    Timer1->start();
    Timer2->start();
}

void TForm3::BitBtn7Click()
{
    Panel1->show();
    Label13->hide();
    Label12->clear();
    Label10->clear();
    Shape1->setFixedWidth(learning::kCardWidth);
    ListBox1->setFixedHeight(kListTall);
    Label14->show();
    Label15->show();
    Label16->hide();
    pausedStatus->hide();
    ListBox1->setItemIndex(-1);
    Timer1->stop();
    Timer1->setInterval(1);
    Label2Caption = kNoSheet;
    // Pause, resume, stop and the full screen belong to a run: left on
    // screen after it, they would restart the stopped pairs under the idle
    // status or show an empty screen. The direction is free again.
    BitBtn5->hide();
    BitBtn6->hide();
    BitBtn7->hide();
    BitBtn8->setEnabled(false);
    ComboBox1->setEnabled(true);
    voice->stopped();
}

void TForm3::TrackBar2Change()
{
    const int p = TrackBar2->value();
    Label18->setText(learning::waitingText(p));
    // Moving the range may move the interval slider, which then runs its own
    // change and writes its own line.
    const learning::SliderState interval =
        learning::coupledInterval({TrackBar1->minimum(), TrackBar1->maximum(), TrackBar1->value()}, p);
    TrackBar1->setRange(interval.minimum, interval.maximum);
    Label4->setText(learning::intervalText(TrackBar1->value()));
    settings::writeLine(Form1->Memo6, settings::LearningReveal, QString::number(p));
}

void TForm3::TrackBar1Change()
{
    Label4->setText(learning::intervalText(TrackBar1->value()));
    settings::writeLine(Form1->Memo6, settings::LearningInterval, QString::number(TrackBar1->value()));
}

void TForm3::chooseTermFont(QLabel *term, QPushButton *button)
{
    if (const std::optional<QFont> font = plat::desktop().chooseFont(term->font())) {
        term->setFont(*font);
        QFont small = *font;
        small.setPointSize(7);
        button->setFont(small);
        resizeCard();
    }
}

void TForm3::BitBtn3Click()
{
    chooseTermFont(Label12, BitBtn3);
}

void TForm3::BitBtn4Click()
{
    chooseTermFont(Label10, BitBtn4);
}

void TForm3::BitBtn8Click()
{
    plat::desktop().showModal(pleinec);
}

void TForm3::BitBtn2Click()
{
    FormClose();
    closeWith(plat::mrCancel);
}

void TForm3::Image1Click()
{
    plat::desktop().showModal(Form5);
}

void TForm3::keyPressEvent(QKeyEvent *e)
{
    // "Commencer l'apprentissage" is the default button: Enter in the list
    // or the direction field starts the learning.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !BitBtn1->isHidden()
        && BitBtn1->isEnabled()) {
        BitBtn1->click();
        return;
    }
    plat::Form::keyPressEvent(e);
}
