// The editor window's controls, their layout, tab order, menu and the events
// bound to the handlers; the handlers themselves are in editorwindow.cpp.
#include "editor/editorwindow.h"

#include "app/clicklabel.h"
#include "app/pictures.h"
#include "editor/termcolumns.h"
#include "editor/termlistview.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "sheets/titledisplay.h"
#include "sheets/titlelistbox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kFontHint =
    QStringLiteral("Cliquez ici pour changer la police de caractères de la liste en dessous");
const char *kYellow = "#ffe14d";

QFont arial(int pixelSize, bool bold = false)
{
    return plat::pixelFont(QStringLiteral("Arial"), pixelSize, bold);
}

QPushButton *button(const QString &text, const QString &hint, const QString &name, QWidget *parent)
{
    QPushButton *b = plat::pushButton(text, name, parent, hint);
    b->setAutoDefault(false);
    b->setFont(arial(12));
    return b;
}

QToolButton *fontButton(const QString &name, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    // A picture of the letter A in two sizes, as font buttons show.
    b->setText(QStringLiteral("Aa"));
    b->setFont(arial(12, true));
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolTip(kFontHint);
    return b;
}

// Navy terms on white, Arial 13 pixels, until the user picks another font.
void styleColumn(TermListView *column)
{
    column->setFont(arial(13));
    QPalette pal = column->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, QColor(0, 0, 128));
    column->setPalette(pal);
}

} // namespace

TForm2::TForm2(QWidget *parent) : plat::Form(QStringLiteral("Form2"), parent)
{
    makeMaximisedWindow(QStringLiteral("Modification d'une fiche Tavilo"), 800, 572);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 4, 8, 4);
    outer->setSpacing(6);

    buildMenu();
    outer->setMenuBar(MainMenu1);

    // Top band: the logo and the title banner.
    auto *top = new QHBoxLayout;
    Image1 = pictures::makerLogoLabel(QStringLiteral("Image1"), pictures::kLogoHint, this);
    // The sheet picture that may take its place is fitted to it.
    Image1->setScaledContents(true);
    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    // 721 pixels wide where there is room; narrower on a small screen, the
    // banner being stretched to whatever width it gets.
    Image3->setFixedHeight(73);
    Image3->setMinimumWidth(300);
    Image3->setMaximumWidth(721);
    Image3->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    top->addWidget(Image1);
    top->addWidget(Image3);
    top->addStretch();
    outer->addLayout(top);
    titleDisplay = new sheets::TitleDisplay(sheets::TitleVariant::Editor, Image3, Image1, this);

    // The title list and the term columns, or the full-text area over them.
    m_body = new QStackedWidget(this);
    auto *lists = new QWidget(m_body);
    auto *listsRow = new QHBoxLayout(lists);
    listsRow->setContentsMargins(0, 0, 0, 0);

    auto *left = new QVBoxLayout;
    Label1 = plat::colourLabel(QStringLiteral("Liste des fiches :"), QStringLiteral("Label1"),
                               QStringLiteral("white"), arial(13, true), lists);
    Label1->setToolTip(QStringLiteral("Différentes listes de vocabulaire disponibles."));
    ListBox1 = new sheets::TitleListBox(sheets::TitleVariant::Editor, lists);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(arial(12));
    Label10 = plat::colourLabel(QStringLiteral("Double-cliquez sur une fiche pour en modifier le titre."),
                                QStringLiteral("Label10"), QLatin1String(kYellow), arial(10), lists);
    Label10->setWordWrap(true);
    left->addWidget(Label1);
    left->addWidget(ListBox1, 1);
    left->addWidget(Label10);
    listsRow->addLayout(left, 1);

    Label4 = plat::colourLabel(editor::kForeignHeading, QStringLiteral("Label4"), QStringLiteral("white"),
                               arial(13, true), lists);
    Label4->setToolTip(QStringLiteral("Liste principale de vocabulaire, rangée par ordre alphabétique."));
    Label5 = plat::colourLabel(editor::kFrenchHeading, QStringLiteral("Label5"), QStringLiteral("white"),
                               arial(13, true), lists);
    Label5->setToolTip(QStringLiteral("Liste de vocabulaire correspondant à la traduction de la liste du "
                                      "milieu."));
    SpeedButton1 = fontButton(QStringLiteral("SpeedButton1"), lists);
    SpeedButton2 = fontButton(QStringLiteral("SpeedButton2"), lists);
    BitBtn11 = button(QStringLiteral("Police de caractères"), QString(), QStringLiteral("BitBtn11"), lists);
    BitBtn12 = button(QStringLiteral("Police de caractères"), QString(), QStringLiteral("BitBtn12"), lists);
    columns = new editor::TermColumns(this);
    // Pairs typed before any sheet is chosen go to the working lines too.
    columns->build(ListBox5, false);
    ListBox2 = new TermListView(lists);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setModel(columns);
    ListBox2->setModelColumn(0);
    ListBox2->setToolTip(Label4->toolTip());
    ListBox3 = new TermListView(lists);
    ListBox3->setObjectName(QStringLiteral("ListBox3"));
    ListBox3->setModel(columns);
    ListBox3->setModelColumn(1);
    ListBox3->setToolTip(Label5->toolTip());
    styleColumn(ListBox2);
    styleColumn(ListBox3);
    const struct {
        QLabel *heading;
        QToolButton *mouseFont;
        QPushButton *keyFont;
        TermListView *list;
    } termColumns[] = {{Label4, SpeedButton1, BitBtn11, ListBox2},
                       {Label5, SpeedButton2, BitBtn12, ListBox3}};
    for (const auto &col : termColumns) {
        auto *box = new QVBoxLayout;
        auto *head = new QHBoxLayout;
        head->addWidget(col.heading, 1);
        head->addWidget(col.mouseFont);
        head->addWidget(col.keyFont);
        box->addLayout(head);
        box->addWidget(col.list, 1);
        listsRow->addLayout(box, 1);
    }
    m_body->addWidget(lists);

    auto *fullText = new QWidget(m_body);
    auto *fullTextBox = new QVBoxLayout(fullText);
    fullTextBox->setContentsMargins(0, 0, 0, 0);
    lblmodif =
        plat::colourLabel(QStringLiteral("Modification de fiche en plein texte :"),
                          QStringLiteral("lblmodif"), QStringLiteral("white"), arial(13, true), fullText);
    memomodi = new QPlainTextEdit(fullText);
    memomodi->setObjectName(QStringLiteral("memomodi"));
    memomodi->setLineWrapMode(QPlainTextEdit::NoWrap);
    memomodi->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memomodi->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memomodi->setFont(arial(13));
    // The style's own handle is pale grey on white here: a dark handle on a
    // light groove shows where the text stands and can be taken by the mouse.
    memomodi->setStyleSheet(QStringLiteral(
        "QScrollBar { background: #dcdcdc; border: 1px solid #a0a0a0; }"
        "QScrollBar:vertical { width: 16px; } QScrollBar:horizontal { height: 16px; }"
        "QScrollBar::handle { background: #5a5a5a; border-radius: 4px; margin: 2px; }"
        "QScrollBar::handle:hover { background: #2a2a2a; }"
        "QScrollBar::handle:vertical { min-height: 28px; }"
        "QScrollBar::handle:horizontal { min-width: 28px; }"
        "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: none; }"
        "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"));
    Stopmodi = button(QStringLiteral("Arrêter la modification en plein-texte de la fiche en enregistrant."),
                      QString(), QStringLiteral("Stopmodi"), fullText);
    stopmodi2 = button(QStringLiteral("Arrêter la modification en plein-texte de la fiche sans enregistrer."),
                       QString(), QStringLiteral("stopmodi2"), fullText);
    fullTextBox->addWidget(lblmodif);
    fullTextBox->addWidget(memomodi, 1);
    auto *stops = new QHBoxLayout;
    stops->addWidget(Stopmodi);
    stops->addWidget(stopmodi2);
    fullTextBox->addLayout(stops);
    m_body->addWidget(fullText);
    outer->addWidget(m_body, 1);

    // Below: the sheet commands on the left, the entries and term commands.
    auto *lower = new QHBoxLayout;
    auto *commands = new QVBoxLayout;
    commands->setSpacing(3);
    BitBtn10 = button(QStringLiteral("Modifier en plein-texte"), QString(), QStringLiteral("BitBtn10"), this);
    BitBtn7 = button(QStringLiteral("Créer une nouvelle fiche"),
                     QStringLiteral("Cliquez ici pour créer une nouvelle fiche de vocabulaire, enregistrée "
                                    "sur votre disque dur."),
                     QStringLiteral("BitBtn7"), this);
    BitBtn8 = button(QStringLiteral("Enregistrer en format Microsoft Excel"),
                     QStringLiteral("Cliquez ici pour enregistrer la fiche traitée en *.csv, extension "
                                    "lisible par Microsoft Excel"),
                     QStringLiteral("BitBtn8"), this);
    BitBtn9 = button(QStringLiteral("Imprimer la fiche"),
                     QStringLiteral("Cliquez ici pour imprimer directement la fiche traitée"),
                     QStringLiteral("BitBtn9"), this);
    BitBtn5 = button(QStringLiteral("Ajouter une fiche à la liste"),
                     QStringLiteral("Cliquez ici pour ajouter une fiche de vocabulaire dans la liste des "
                                    "fiches."),
                     QStringLiteral("BitBtn5"), this);
    BitBtn6 = button(QStringLiteral("Supprimer la fiche de la liste"),
                     QStringLiteral("Cliquez ici pour supprimer une fiche de la liste des fiches. Le fichier "
                                    "ne sera pas supprimé de votre disque dur."),
                     QStringLiteral("BitBtn6"), this);
    for (QPushButton *b : {BitBtn10, BitBtn7, BitBtn8, BitBtn9, BitBtn5, BitBtn6})
        commands->addWidget(b);
    commands->addStretch();
    lower->addLayout(commands, 1);

    auto *terms = new QVBoxLayout;
    terms->setSpacing(4);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    for (QLineEdit *e : {Edit1, Edit2})
        e->setFont(arial(13));
    auto *entries = new QHBoxLayout;
    entries->addWidget(Edit1);
    entries->addWidget(Edit2);
    terms->addLayout(entries);
    Label11 = plat::colourLabel(
        QStringLiteral("Pour ajouter rapidement un terme à la liste, utilisez les touches TAB "
                       "(pour passer d'un terme à l'autre) et ENTER (pour ajouter)."),
        QStringLiteral("Label11"), QLatin1String(kYellow), arial(10), this);
    Label11->setWordWrap(true);
    terms->addWidget(Label11);
    BitBtn1 = button(QStringLiteral("Ajouter un terme à la liste"),
                     QStringLiteral("Cliquez ici pour ajouter un terme de vocabulaire."),
                     QStringLiteral("BitBtn1"), this);
    BitBtn1->setDefault(true);
    BitBtn3 = button(QStringLiteral("Supprimer un terme de la liste"),
                     QStringLiteral("Cliquez ici pour supprimer un terme de la liste de vocabulaire."),
                     QStringLiteral("BitBtn3"), this);
    BitBtn2 = button(QStringLiteral("Changer le \"sens\" de traduction"), QString(),
                     QStringLiteral("BitBtn2"), this);
    BitBtn4 = button(QStringLiteral("Arrêter la modification des fiches"),
                     QStringLiteral("Cliquez ici pour quitter."), QStringLiteral("BitBtn4"), this);
    BitBtn13 = button(QStringLiteral("Remplacer la paire"),
                      QStringLiteral("Cliquez ici pour remplacer la paire choisie dans les colonnes par les deux "
                                     "termes corrigés, à la même place dans la fiche."),
                      QStringLiteral("BitBtn13"), this);
    auto *termButtons = new QGridLayout;
    termButtons->addWidget(BitBtn1, 0, 0);
    termButtons->addWidget(BitBtn3, 0, 1);
    termButtons->addWidget(BitBtn2, 1, 0);
    termButtons->addWidget(BitBtn4, 1, 1);
    termButtons->addWidget(BitBtn13, 2, 0);
    terms->addLayout(termButtons);
    Label7 = plat::colourLabel(QStringLiteral("Terme étranger :"), QStringLiteral("Label7"),
                               QStringLiteral("white"), arial(13, true), this);
    Label8 = plat::colourLabel(QStringLiteral("Terme français :"), QStringLiteral("Label8"),
                               QStringLiteral("white"), arial(13, true), this);
    for (QLabel *l : {Label7, Label8}) {
        // A long term must not widen the window.
        l->setMinimumWidth(1);
        l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        terms->addWidget(l);
    }
    terms->addStretch();
    lower->addLayout(terms, 2);
    outer->addLayout(lower);

    // Sheets have no size limit here; the line keeps its advice on size.
    Memo4 = plat::colourLabel(
        QStringLiteral("Conseil : au-delà de 50000 caractères, soit environ 1000 termes, une fiche "
                       "s'apprend mieux partagée en plusieurs fiches."),
        QStringLiteral("Memo4"), QStringLiteral("red"), arial(10), this);
    outer->addWidget(Memo4);

    // Mouse mode until the start-up pass restores the user's mode.
    for (QWidget *w : std::initializer_list<QWidget *>{BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6, BitBtn7,
                                                       BitBtn8, BitBtn9, BitBtn10, ListBox1, ListBox2,
                                                       ListBox3, BitBtn13})
        w->setFocusPolicy(Qt::ClickFocus);
    BitBtn11->hide();
    BitBtn12->hide();
    showFullText(false);

    QWidget *order[] = {ListBox1, BitBtn10, BitBtn7, BitBtn8, BitBtn9, BitBtn5, BitBtn6,
                        ListBox2, ListBox3, Edit1, Edit2, BitBtn1, BitBtn3, BitBtn2,
                        BitBtn4, Stopmodi, stopmodi2, memomodi, BitBtn11, BitBtn12, BitBtn13};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    // Events. Handlers run guarded, as events do: a failure they let out
    // reaches the default error box.
    const auto on = [this](auto *sender, auto signal, void (TForm2::*handler)()) {
        connect(sender, signal, this, [this, handler] { plat::runGuarded([this, handler] { (this->*handler)(); }); });
    };
    on(ListBox1, &sheets::TitleListBox::userClick, &TForm2::ListBox1Click);
    on(ListBox1, &QListWidget::itemDoubleClicked, &TForm2::ListBox1DblClick);
    on(ListBox2, &TermListView::userClick, &TForm2::boxclic);
    on(ListBox2, &TermListView::doubleClicked, &TForm2::boxclic);
    on(ListBox2, &TermListView::entered, &TForm2::Listbox2Enter);
    on(ListBox3, &TermListView::userClick, &TForm2::ListBox3Click);
    on(Edit1, &QLineEdit::textChanged, &TForm2::Edit1Change);
    on(Edit2, &QLineEdit::textChanged, &TForm2::Edit2Change);
    on(BitBtn1, &QPushButton::clicked, &TForm2::ajout);
    on(BitBtn2, &QPushButton::clicked, &TForm2::BitBtn1Click);
    on(BitBtn3, &QPushButton::clicked, &TForm2::BitBtn3Click);
    on(BitBtn4, &QPushButton::clicked, &TForm2::cl);
    on(BitBtn5, &QPushButton::clicked, &TForm2::BitBtn5Click);
    on(BitBtn6, &QPushButton::clicked, &TForm2::BitBtn6Click);
    on(BitBtn7, &QPushButton::clicked, &TForm2::Crerunenouvellefiche1Click);
    on(BitBtn8, &QPushButton::clicked, &TForm2::BitBtn8Click);
    on(BitBtn9, &QPushButton::clicked, &TForm2::BitBtn9Click);
    on(BitBtn10, &QPushButton::clicked, &TForm2::BitBtn10Click);
    on(BitBtn11, &QPushButton::clicked, &TForm2::SpeedButton1Click);
    on(BitBtn12, &QPushButton::clicked, &TForm2::SpeedButton2Click);
    on(BitBtn13, &QPushButton::clicked, &TForm2::BitBtn13Click);
    on(SpeedButton1, &QToolButton::clicked, &TForm2::SpeedButton1Click);
    on(SpeedButton2, &QToolButton::clicked, &TForm2::SpeedButton2Click);
    on(Stopmodi, &QPushButton::clicked, &TForm2::Stopmodi9Click);
    on(stopmodi2, &QPushButton::clicked, &TForm2::StopmodiClick);
    on(Image1, &ClickLabel::clicked, &TForm2::Image1Click);
    on(Crerunenouvellefiche1, &QAction::triggered, &TForm2::Crerunenouvellefiche1Click);
    on(Nouvellefiche1, &QAction::triggered, &TForm2::BitBtn5Click);
    on(Modifierenpleintexte1, &QAction::triggered, &TForm2::BitBtn10Click);
    on(Crerunefiche1, &QAction::triggered, &TForm2::BitBtn6Click);
    on(Exporterlafiche1, &QAction::triggered, &TForm2::BitBtn8Click);
    on(Exporterkvtml1, &QAction::triggered, &TForm2::Exporterkvtml1Click);
    on(Exportertabule1, &QAction::triggered, &TForm2::Exportertabule1Click);
    on(Imprimerlafiche1, &QAction::triggered, &TForm2::BitBtn9Click);
    on(Quitterlamodificationdesfiches1, &QAction::triggered, &TForm2::cl);
    on(Ajouter1, &QAction::triggered, &TForm2::ajout);
    on(Supprimer1, &QAction::triggered, &TForm2::BitBtn3Click);
    on(Changerlesensdetraduction1, &QAction::triggered, &TForm2::BitBtn1Click);
    on(Remplacerlapaire1, &QAction::triggered, &TForm2::BitBtn13Click);
    on(Annulerladernieresuppression1, &QAction::triggered, &TForm2::Annulerladernieresuppression1Click);
    on(APropos1, &QAction::triggered, &TForm2::Image1Click);
    on(Aide1, &QAction::triggered, &TForm2::Aide1Click);
    passUndoToTheMenu();
    // Escape leaves full-text mode first, the editor only after.
    setEscapeAction([this] {
        plat::runGuarded([this] {
            if (inFullText())
                settleFullText();
            else
                cl();
        });
    });

    FontDialog1Font = QFont(QStringLiteral("MS Sans Serif"));
    FontDialog1Font.setPixelSize(11);
}

TForm2::~TForm2() = default;

void TForm2::buildMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    // A light menu bar over the black window, as menus usually look.
    MainMenu1->setStyleSheet(QStringLiteral("QMenuBar { background: #f0f0f0; color: black; }"
                                            "QMenuBar::item:selected { background: #cce4f7; }"));
    const auto menu = [this](const QString &name, const QString &caption) {
        QMenu *m = MainMenu1->addMenu(caption);
        m->setObjectName(name);
        return m;
    };
    const auto item = [](QMenu *m, const QString &name, const QString &caption) {
        QAction *a = m->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    Fichier1 = menu(QStringLiteral("Fichier1"), QStringLiteral("&Fichier"));
    Crerunenouvellefiche1 = item(Fichier1, QStringLiteral("Crerunenouvellefiche1"),
                                 QStringLiteral("&Créer une nouvelle fiche..."));
    Nouvellefiche1 = item(Fichier1, QStringLiteral("Nouvellefiche1"),
                          QStringLiteral("&Ajouter une fiche dans la liste..."));
    Modifierenpleintexte1 = item(Fichier1, QStringLiteral("Modifierenpleintexte1"),
                                 QStringLiteral("&Modifier la fiche en plein-texte"));
    Crerunefiche1 = item(Fichier1, QStringLiteral("Crerunefiche1"), QStringLiteral("&Supprimer la fiche de la liste"));
    Exporterlafiche1 = item(Fichier1, QStringLiteral("Exporterlafiche1"),
                            QStringLiteral("&Exporter la fiche vers Excel..."));
    Exporterkvtml1 = item(Fichier1, QStringLiteral("Exporterkvtml1"), QStringLiteral("Exporter au format &kvtml"));
    Exportertabule1 = item(Fichier1, QStringLiteral("Exportertabule1"), QStringLiteral("Exporter en texte &tabulé"));
    Imprimerlafiche1 = item(Fichier1, QStringLiteral("Imprimerlafiche1"), QStringLiteral("Im&primer la fiche..."));
    Quitterlamodificationdesfiches1 = item(Fichier1, QStringLiteral("Quitterlamodificationdesfiches1"),
                                           QStringLiteral("&Quitter la modification des fiches"));
    Terme1 = menu(QStringLiteral("Terme1"), QStringLiteral("&Terme"));
    Ajouter1 = item(Terme1, QStringLiteral("Ajouter1"), QStringLiteral("&Ajouter"));
    Supprimer1 = item(Terme1, QStringLiteral("Supprimer1"), QStringLiteral("&Supprimer"));
    Changerlesensdetraduction1 = item(Terme1, QStringLiteral("Changerlesensdetraduction1"),
                                      QStringLiteral("&Changer le sens de traduction"));
    Remplacerlapaire1 = item(Terme1, QStringLiteral("Remplacerlapaire1"), QStringLiteral("&Remplacer la paire"));
    Annulerladernieresuppression1 = item(Terme1, QStringLiteral("Annulerladernieresuppression1"),
                                         QStringLiteral("Annuler la &dernière suppression"));
    Annulerladernieresuppression1->setShortcut(QKeySequence::Undo);
    Annulerladernieresuppression1->setEnabled(false);
    N1 = menu(QStringLiteral("N1"), QStringLiteral("&?"));
    APropos1 = item(N1, QStringLiteral("APropos1"), QStringLiteral("&A Propos"));
    Aide1 = item(N1, QStringLiteral("Aide1"), QStringLiteral("Aid&e"));
}
