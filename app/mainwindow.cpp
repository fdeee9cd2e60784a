#include "app/mainwindow.h"

#include "app/clicklabel.h"
#include "app/bannerstrip.h"
#include "app/exitwindow.h"
#include "app/pictures.h"
#include "app/settings.h"
#include "app/startupwindow.h"
#include "diversions/picturewindow.h"
#include "diversions/shaker.h"
#include "editor/editorwindow.h"
#include "help/aboutwindow.h"
#include "help/helpstart.h"
#include "learning/learningwindow.h"
#include "processing/processingwindow.h"
#include "statistics/statisticswindow.h"
#include "testing/testwindow.h"

#include "platform/controls.h"
#include "platform/desktop.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

TForm1 *Form1 = nullptr;

namespace {

constexpr QLatin1StringView kBlue("#3d7eff");
constexpr QLatin1StringView kYellow("#ffe14d");

QFont arial(int pixelSize, bool bold = false)
{
    return plat::pixelFont(QStringLiteral("Liberation Sans"), pixelSize, bold);
}

QPushButton *button(const QString &text, QWidget *parent, const QString &name)
{
    QPushButton *b = plat::pushButton(text, name, parent);
    // Enter presses the focused button, as Space does: the keyboard mode
    // relies on it.
    b->setAutoDefault(true);
    b->setFont(arial(13));
    b->setMinimumHeight(30);
    return b;
}

// The tiny buttons carry no caption: they only give the keyboard a way in.
QPushButton *tinyButton(QWidget *parent, const QString &name, int w, int h)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(name);
    b->setAutoDefault(true);
    b->setFixedSize(w, h);
    b->setStyleSheet(QStringLiteral("QPushButton { background: #404040; border: 1px solid #909090; }"
                                    "QPushButton:focus { background: %1; border-color: white; }")
                         .arg(kYellow));
    return b;
}

QRadioButton *radio(const QString &text, QWidget *parent, const QString &name)
{
    auto *r = new QRadioButton(text, parent);
    r->setObjectName(name);
    r->setFont(arial(11));
    r->setStyleSheet(QStringLiteral("QRadioButton { color: %1; }").arg(kBlue));
    return r;
}

// Runs an activity; a failure while the window is prepared or shown is not the
// user's concern.
template <typename F>
void swallowing(F &&f)
{
    try {
        f();
    } catch (const std::exception &) {
    }
}

} // namespace

TForm1::TForm1(QWidget *parent) : plat::Form(QStringLiteral("Form1"), parent)
{
    setWindowTitle(QStringLiteral("Orsiva Tavilo"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(800, 572);
    setColours(Qt::black, Qt::white);

    // The content keeps about its designed width, centred on a maximised window.
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    auto *page = new QWidget(this);
    page->setMaximumWidth(900);
    auto *centring = new QHBoxLayout;
    centring->addStretch();
    centring->addWidget(page, 100);
    centring->addStretch();
    root->addStretch(1);
    root->addLayout(centring);
    root->addStretch(2);
    auto *outer = new QVBoxLayout(page);
    outer->setContentsMargins(16, 14, 16, 8);
    outer->setSpacing(10);

    // Title row: the maker's logo, then the welcome.
    auto *titleRow = new QHBoxLayout;
    Image2 = pictures::makerLogoLabel(QStringLiteral("Image2"), QStringLiteral("Orsiva"), this);
    titleRow->addWidget(Image2);
    m_title = new QWidget(this);
    auto *titleBox = new QVBoxLayout(m_title);
    titleBox->setContentsMargins(10, 0, 0, 0);
    titleBox->setSpacing(0);
    Label1 = plat::colourLabel(QStringLiteral("Bienvenue dans Orsiva Tavilo,"), QStringLiteral("Label1"), kBlue,
                               arial(28, true), m_title);
    Label4 = plat::colourLabel(QStringLiteral("le graticiel d'apprentissage des langues."),
                               QStringLiteral("Label4"), kBlue, arial(28, true), m_title);
    titleBox->addWidget(Label1);
    titleBox->addWidget(Label4);
    titleRow->addWidget(m_title);
    Image5 = new ClickLabel(this);
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->setFixedSize(17, 17);
    titleRow->addWidget(Image5, 0, Qt::AlignBottom);
    titleRow->addStretch();
    // Laid over the middle of the title.
    Image3 = new ClickLabel(m_title);
    Image3->setObjectName(QStringLiteral("Image3"));
    m_title->installEventFilter(this);
    outer->addLayout(titleRow);

    // Activities on the left, the product picture on the right.
    auto *middle = new QHBoxLayout;
    middle->setSpacing(24);
    auto *activities = new QVBoxLayout;
    activities->setSpacing(6);
    Label2 = plat::colourLabel(QStringLiteral("Veuillez choisir votre activité :"), QStringLiteral("Label2"),
                               QStringLiteral("white"), arial(16, true), this);
    activities->addWidget(Label2);
    BitBtn1 = button(QStringLiteral("Modifier ou créer une fiche Tavilo"), this, QStringLiteral("BitBtn1"));
    BitBtn2 = button(QStringLiteral("Apprendre une fiche Tavilo"), this, QStringLiteral("BitBtn2"));
    BitBtn3 = button(QStringLiteral("Se tester sur une fiche Tavilo"), this, QStringLiteral("BitBtn3"));
    BitBtn7 = button(QStringLiteral("Consulter les statistiques utilisateur"), this, QStringLiteral("BitBtn7"));
    BitBtn5 = button(QStringLiteral("Traiter des fiches (conversions, mixage...)"), this, QStringLiteral("BitBtn5"));
    BitBtn5->setToolTip(QStringLiteral("Cliquez sur ce bouton pour traiter des fiches Tavilo : "
                                       "conversions, mixage, exportations..."));
    BitBtn4 = button(QStringLiteral("Quitter Tavilo !"), this, QStringLiteral("BitBtn4"));
    for (QPushButton *b : {BitBtn1, BitBtn2, BitBtn3, BitBtn7, BitBtn5, BitBtn4}) {
        b->setFixedWidth(380);
        activities->addWidget(b);
    }
    // The activity buttons stand where these radio buttons were; they are never shown.
    RadioButton1 = new QRadioButton(this);
    RadioButton2 = new QRadioButton(this);
    RadioButton3 = new QRadioButton(this);
    RadioButton4 = new QRadioButton(this);
    int n = 1;
    for (QRadioButton *r : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) {
        r->setObjectName(QStringLiteral("RadioButton%1").arg(n++));
        r->setAutoExclusive(false);
        r->hide();
    }
    middle->addLayout(activities);

    auto *pictureBox = new QVBoxLayout;
    pictureBox->addStretch();
    Image1 = new ClickLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(pictures::productPicture(QSize(250, 190)));
    Image1->setFixedSize(250, 190);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(QStringLiteral("Cliquez ici pour découvrir la page Web officielle d'Tavilo."));
    BitBtn11 = tinyButton(Image1, QStringLiteral("BitBtn11"), 4, 11);
    // On the lower card of the picture, near its right edge.
    BitBtn11->move(Image1->width() * 82 / 100, Image1->height() * 70 / 100);
    pictureBox->addWidget(Image1, 0, Qt::AlignCenter);
    pictureBox->addStretch();
    middle->addLayout(pictureBox, 1);
    outer->addLayout(middle);

    // Help: the panel and the full help.
    Label5 = plat::colourLabel(QStringLiteral("Si vous êtes perdus :"), QStringLiteral("Label5"),
                               QStringLiteral("white"), arial(14, true), this);
    outer->addWidget(Label5);
    auto *helpRow = new QHBoxLayout;
    Panel1 = new ClickFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setCursor(Qt::WhatsThisCursor);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Raised);
    Panel1->setStyleSheet(QStringLiteral("#Panel1 { background: #101010; border: 1px solid #505050; }"));
    auto *panelBox = new QHBoxLayout(Panel1);
    panelBox->setContentsMargins(8, 4, 8, 4);
    auto *aide = plat::colourLabel(QStringLiteral("AIDE"), QStringLiteral("aide"), QStringLiteral("#ff3030"),
                                   arial(22, true), Panel1);
    panelBox->addWidget(aide);
    auto *helpLines = new QVBoxLayout;
    helpLines->setSpacing(0);
    for (const QString &line : {QStringLiteral("Si vous voulez obtenir de l'aide, il vous suffit de "),
                                QStringLiteral("placer votre souris sur les divers éléments pour "),
                                QStringLiteral("voir les infos-bulle, ou lire les commentaires en "),
                                QStringLiteral("jaune sur les fenêtres.")})
        helpLines->addWidget(plat::colourLabel(line, QString(), kYellow, arial(11), Panel1));
    panelBox->addLayout(helpLines);
    helpRow->addWidget(Panel1);
    BitBtn6 = button(QStringLiteral("Aide complète sur Tavilo"), this, QStringLiteral("BitBtn6"));
    BitBtn6->setCursor(Qt::WhatsThisCursor);
    helpRow->addWidget(BitBtn6, 0, Qt::AlignVCenter);
    helpRow->addStretch();
    outer->addLayout(helpRow);

    // Input mode and the screen notice.
    auto *modeRow = new QHBoxLayout;
    auto *modes = new QVBoxLayout;
    modes->setSpacing(0);
    RadioButton5 = radio(QStringLiteral("Souris disponible"), this, QStringLiteral("RadioButton5"));
    RadioButton6 = radio(QStringLiteral("Souris non disponible"), this, QStringLiteral("RadioButton6"));
    // Qt makes exclusive radio buttons one tab stop, at the checked one: the
    // two are kept apart by hand so that Tab reaches each of them.
    RadioButton5->setAutoExclusive(false);
    RadioButton6->setAutoExclusive(false);
    RadioButton5->setChecked(true);
    modes->addWidget(RadioButton5);
    modes->addWidget(RadioButton6);
    modeRow->addLayout(modes);
    Memo8 = plat::colourLabel(QStringLiteral("Ce programme est adapté pour des ordinateurs qui ont une zone "
                                             "d'écran (modifiable dans DEMARRER, PARAMETRES, PANNEAU DE "
                                             "CONFIGURATION, AFFICHAGE, onglet \nPARAMETRES, ZONE D'ECRAN) de "
                                             "600 pixels par 800. Si vous avez une définition de zone d'écran "
                                             "différente, passez en 600*800 pour une visibilité optimale."),
                              QStringLiteral("Memo8"), kYellow, arial(10), this);
    Memo8->setWordWrap(true);
    modeRow->addWidget(Memo8, 1);
    outer->addLayout(modeRow);

    Memo1 = plat::colourLabel(QStringLiteral("Ce programme a été testé et n'endommage aucun ordinateur. Orsiva "
                                             "décline toute responsabilité en cas de perte de données due à une "
                                             "mauvaise utilisation. Vos remarques sur d'éventuels défauts et vos "
                                             "suggestions sont les bienvenues sur le site Web d'Orsiva."),
                              QStringLiteral("Memo1"), QStringLiteral("white"), arial(11), this);
    Memo1->setWordWrap(true);
    outer->addWidget(Memo1);

    // The banner strip along the bottom, its tiny button at the right end.
    BitBtn10 = tinyButton(this, QStringLiteral("BitBtn10"), 8, 8);
    root->addLayout(buildBanner());

    // Only the buttons take the focus; the texts and pictures do not.
    for (QWidget *w : {static_cast<QWidget *>(Memo1), static_cast<QWidget *>(Memo8)})
        w->setFocusPolicy(Qt::NoFocus);
    QWidget *order[] = {BitBtn1, BitBtn2, BitBtn3, BitBtn7, BitBtn5, BitBtn4,
                        BitBtn11, BitBtn6, RadioButton5, RadioButton6,
                        TrackBar1, CheckBox1, Edit1, Parcourir, BitBtn8, BitBtn9, BitBtn10};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::RadioButton1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::RadioButtonClick);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm1::RadioButton3Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TForm1::BitBtn7Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm1::BitBtn5Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm1::RadioButton4Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm1::BitBtn6Click);
    connect(Panel1, &ClickFrame::clicked, this, &TForm1::Panel1Click);
    connect(Image2, &ClickLabel::clicked, this, &TForm1::Image1Click);
    connect(Image1, &ClickLabel::clicked, this, &TForm1::totp);
    connect(BitBtn11, &QPushButton::clicked, this, &TForm1::totp);
    connect(Image3, &ClickLabel::clicked, this, &TForm1::Image3Click);
    connect(Image5, &ClickLabel::clicked, this, &TForm1::Image5Click);
    connect(RadioButton5, &QRadioButton::clicked, this, &TForm1::RadioButton5Click);
    connect(RadioButton6, &QRadioButton::clicked, this, &TForm1::RadioButton6Click);

    m_shaker = new WindowShaker(this);
    FormCreate();
}

bool TForm1::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == m_title && e->type() == QEvent::Resize)
        Image3->setGeometry(QRect(m_title->rect().center() - QPoint(60, 16), QSize(121, 33)));
    return plat::Form::eventFilter(watched, e);
}

void TForm1::FormCreate()
{
    startupMarker = 951;
}

void TForm1::FormActivate()
{
    restartBanner();
    if (startupMarker == 951) {
        // Cleared first: closing the start-up window activates this window
        // again before the modal call returns.
        startupMarker = 1;
        plat::desktop().showModal(Form7);
    }
}

void TForm1::FormClose()
{
    showExitWindow();
}

void TForm1::showExitWindow()
{
    // Ending the message loop closes every window, this one included: that
    // close must not show the exit window again over itself.
    if (m_exiting)
        return;
    const QScopedValueRollback<bool> exiting(m_exiting, true);
    plat::desktop().showModal(Form6);
}

void TForm1::closeEvent(QCloseEvent *e)
{
    FormClose();
    e->accept();
}

void TForm1::RadioButton1Click()
{
    swallowing([] { plat::desktop().showModal(Form2); });
}

void TForm1::RadioButtonClick()
{
    swallowing([] { plat::desktop().showModal(Form3); });
}

void TForm1::RadioButton3Click()
{
    swallowing([this] {
        TForm4 *t = Form4;
        t->ListBox1->setToolTip(QStringLiteral("Choisissez la fiche sur laquelle vous voulez être testé(e)."));
        t->Label18->setText(QStringLiteral("Pourcentage faux : 0 %"));
        t->Label21->setText(QStringLiteral("Pourcentage juste : 0 %"));
        t->Label17->setText(QStringLiteral("Termes justes : 0"));
        t->Label19->setText(QStringLiteral("Termes testés : 0"));
        t->label26->clear();
        t->Label29->clear();
        t->Label15->clear();
        t->Edit4 = QStringLiteral("0");
        t->Edit3 = QStringLiteral("-1");
        t->Timer1->setInterval(1);
        t->ListBox1->setVisible(true);
        t->Label1->setVisible(true);
        t->Label22->setVisible(true);
        t->Parcourir->setVisible(true);
        t->Label12->clear();
        t->Edit5->clear();
        // In keyboard mode the keyboard's list lies over ListBox1. The keys go
        // to the list the user sees: in the covered one an arrow would choose
        // a sheet out of sight.
        const bool keyboard = RadioButton6->isChecked();
        t->ListBox1->setFocusPolicy(keyboard ? Qt::NoFocus : Qt::StrongFocus);
        if (keyboard) {
            t->BitBtn7->setVisible(true);
            t->ListBox9->setVisible(true);
            t->ListBox9->setFocus();
        }
        plat::desktop().show(t);
    });
}

void TForm1::BitBtn7Click()
{
    plat::desktop().showModal(For2);
}

void TForm1::BitBtn5Click()
{
    plat::desktop().showModal(Form15);
}

void TForm1::RadioButton4Click()
{
    showExitWindow();
}

void TForm1::BitBtn6Click()
{
    helplauncher::launch(emo1);
}

void TForm1::Panel1Click()
{
    BitBtn6Click();
}

void TForm1::Image1Click()
{
    plat::desktop().showModal(Form5);
}

void TForm1::totp()
{
    plat::desktop().openUrl(mainwindow::kProductPage);
}

void TForm1::Image3Click()
{
    plat::desktop().showMessage(QStringLiteral("Bravo, vous avez découvert l'oeuf de Pâques !!!"));
    m_shaker->start();
}

void TForm1::Image5Click()
{
    plat::desktop().showModal(Imagebm);
}

void TForm1::RadioButton5Click()
{
    applyInputMode(true);
}

void TForm1::RadioButton6Click()
{
    applyInputMode(false);
}

void TForm1::applyInputMode(bool mouse, bool save)
{
    // The test window's sheet choice: a clickable list, or a list and a button.
    Form4->BitBtn7->setVisible(!mouse);
    Form4->ListBox9->setVisible(!mouse);
    Form4->ListBox1->setVisible(mouse);

    RadioButton5->setChecked(mouse);
    RadioButton6->setChecked(!mouse);

    if (save)
        settings::writeLine(Memo6, settings::InputMode,
                            mouse ? QStringLiteral("Mouse") : QStringLiteral("No Mouse"));

    BitBtn10->setVisible(!mouse);
    BitBtn11->setVisible(!mouse);

    // The editor: in keyboard mode every command is in the tab order, and the
    // font buttons a mouse would need give way to focusable twins.
    TForm2 *e = Form2;
    const Qt::FocusPolicy reach = mouse ? Qt::ClickFocus : Qt::StrongFocus;
    for (QWidget *w : {static_cast<QWidget *>(e->BitBtn1), static_cast<QWidget *>(e->Edit1),
                       static_cast<QWidget *>(e->Edit2)})
        w->setFocusPolicy(Qt::StrongFocus);
    for (QWidget *w : {e->BitBtn2, e->BitBtn3, e->BitBtn4, e->BitBtn5, e->BitBtn6, e->BitBtn7,
                       e->BitBtn8, e->BitBtn9, e->BitBtn10, e->BitBtn13})
        w->setFocusPolicy(reach);
    for (QWidget *w : std::initializer_list<QWidget *>{e->ListBox1, e->ListBox2, e->ListBox3})
        w->setFocusPolicy(reach);
    e->SpeedButton1->setVisible(mouse);
    e->SpeedButton2->setVisible(mouse);
    e->BitBtn11->setVisible(!mouse);
    e->BitBtn12->setVisible(!mouse);
}

void TForm1::uncheckActivityButtons()
{
    for (QRadioButton *r : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) {
        // Exclusive radio buttons refuse to uncheck the checked one.
        const bool exclusive = r->autoExclusive();
        r->setAutoExclusive(false);
        r->setChecked(false);
        r->setAutoExclusive(exclusive);
    }
}
