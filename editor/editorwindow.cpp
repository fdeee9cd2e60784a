#include "editor/editorwindow.h"

#include "app/clicklabel.h"
#include "app/mainwindow.h"
#include "app/pictures.h"
#include "diversions/exportnotice.h"
#include "editor/namingdialog.h"
#include "editor/termcolumns.h"
#include "editor/termlistview.h"
#include "editor/titledialog.h"
#include "help/aboutwindow.h"
#include "learning/learningwindow.h"
#include "sheets/catalogue.h"
#include "sheets/titledisplay.h"
#include "sheets/titlelistbox.h"
#include "testing/testwindow.h"

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/encoding.h"
#include "platform/failure.h"
#include "platform/fileio.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

TForm2 *Form2 = nullptr;

namespace {

const QString kForeignHeading = QStringLiteral("Vocabulaire étranger :");
const QString kFrenchHeading = QStringLiteral("Vocabulaire français :");
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

// Sets an entry only when its text changes, so that its change handler runs
// only then, as a text control does.
void setEntry(QLineEdit *entry, const QString &text)
{
    if (entry->text() != text)
        entry->setText(text);
}

} // namespace

TForm2::TForm2(QWidget *parent) : plat::Form(QStringLiteral("Form2"), parent)
{
    setWindowTitle(QStringLiteral("Modification d'une fiche Tavilo"));
    setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    resize(800, 572);
    // Maximised; without a window manager to honour the state, the screen's
    // free area gives the same size.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    setColours(Qt::black, Qt::white);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 4, 8, 4);
    outer->setSpacing(6);

    buildMenu();
    outer->setMenuBar(MainMenu1);

    // Top band: the logo and the title banner.
    auto *top = new QHBoxLayout;
    Image1 = new ClickLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(pictures::makerLogo(65));
    Image1->setFixedSize(65, 65);
    Image1->setScaledContents(true);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(QStringLiteral("Orsiva : des outils simples pour apprendre les langues."));
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

    Label4 = plat::colourLabel(kForeignHeading, QStringLiteral("Label4"), QStringLiteral("white"),
                               arial(13, true), lists);
    Label4->setToolTip(QStringLiteral("Liste principale de vocabulaire, rangée par ordre alphabétique."));
    Label5 = plat::colourLabel(kFrenchHeading, QStringLiteral("Label5"), QStringLiteral("white"),
                               arial(13, true), lists);
    Label5->setToolTip(QStringLiteral("Liste de vocabulaire correspondant à la traduction de la liste du "
                                      "milieu."));
    SpeedButton1 = fontButton(QStringLiteral("SpeedButton1"), lists);
    SpeedButton2 = fontButton(QStringLiteral("SpeedButton2"), lists);
    BitBtn11 = button(QStringLiteral("Police de caractères"), QString(), QStringLiteral("BitBtn11"), lists);
    BitBtn12 = button(QStringLiteral("Police de caractères"), QString(), QStringLiteral("BitBtn12"), lists);
    columns = new editor::TermColumns(this);
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
    auto *termButtons = new QGridLayout;
    termButtons->addWidget(BitBtn1, 0, 0);
    termButtons->addWidget(BitBtn3, 0, 1);
    termButtons->addWidget(BitBtn2, 1, 0);
    termButtons->addWidget(BitBtn4, 1, 1);
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
                                                       ListBox3})
        w->setFocusPolicy(Qt::ClickFocus);
    BitBtn11->hide();
    BitBtn12->hide();
    showFullText(false);

    QWidget *order[] = {ListBox1, BitBtn10, BitBtn7, BitBtn8, BitBtn9, BitBtn5, BitBtn6,
                        ListBox2, ListBox3, Edit1, Edit2, BitBtn1, BitBtn3, BitBtn2,
                        BitBtn4, Stopmodi, stopmodi2, memomodi, BitBtn11, BitBtn12};
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
    on(Imprimerlafiche1, &QAction::triggered, &TForm2::BitBtn9Click);
    on(Quitterlamodificationdesfiches1, &QAction::triggered, &TForm2::cl);
    on(Ajouter1, &QAction::triggered, &TForm2::ajout);
    on(Supprimer1, &QAction::triggered, &TForm2::BitBtn3Click);
    on(Changerlesensdetraduction1, &QAction::triggered, &TForm2::BitBtn1Click);
    on(APropos1, &QAction::triggered, &TForm2::Image1Click);
    on(Aide1, &QAction::triggered, &TForm2::Aide1Click);

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
    Imprimerlafiche1 = item(Fichier1, QStringLiteral("Imprimerlafiche1"), QStringLiteral("Im&primer la fiche..."));
    Quitterlamodificationdesfiches1 = item(Fichier1, QStringLiteral("Quitterlamodificationdesfiches1"),
                                           QStringLiteral("&Quitter la modification des fiches"));
    Terme1 = menu(QStringLiteral("Terme1"), QStringLiteral("&Terme"));
    Ajouter1 = item(Terme1, QStringLiteral("Ajouter1"), QStringLiteral("&Ajouter"));
    Supprimer1 = item(Terme1, QStringLiteral("Supprimer1"), QStringLiteral("&Supprimer"));
    Changerlesensdetraduction1 = item(Terme1, QStringLiteral("Changerlesensdetraduction1"),
                                      QStringLiteral("&Changer le sens de traduction"));
    N1 = menu(QStringLiteral("N1"), QStringLiteral("&?"));
    APropos1 = item(N1, QStringLiteral("APropos1"), QStringLiteral("&A Propos"));
    Aide1 = item(N1, QStringLiteral("Aide1"), QStringLiteral("Aid&e"));
}

// --- Shared pieces -----------------------------------------------------------

void TForm2::setMemo2(const QString &line)
{
    titleDisplay->setMemo2(line);
}

QString TForm2::memo2Line() const
{
    return titleDisplay->memo2Line();
}

sheets::CatalogueLists TForm2::catalogueLists()
{
    sheets::CatalogueLists lists;
    if (Form1) {
        lists.catalogue = &Form1->ListBox1;
        lists.sheetBuffer = &Form1->Memo4;
    }
    lists.editorTitles = ListBox1;
    lists.learningTitles = Form3 ? Form3->ListBox1 : nullptr;
    lists.testTitles = Form4 ? Form4->ListBox1 : nullptr;
    return lists;
}

void TForm2::copyTitleLists()
{
    sheets::copyTitleLists(catalogueLists());
}

bool TForm2::reversed() const
{
    return Label4->text() != kForeignHeading;
}

bool TForm2::sheetWritable()
{
    if (m_sheet.writable())
        return true;
    plat::desktop().showMessage(m_sheet.refusal());
    return false;
}

bool TForm2::writeSheetFile(const QByteArray &text)
{
    switch (m_sheet.planWrite()) {
    case editor::HeldSheet::Plan::Refuse:
        plat::desktop().showMessage(m_sheet.refusal());
        return false;
    case editor::HeldSheet::Plan::AskFirst:
        // Enter keeps the file: a user adding pairs with Enter must not
        // replace it without reading the question.
        if (plat::desktop().messageDlg(m_sheet.changedOutsideQuestion(), plat::MsgType::Confirmation,
                                       plat::mbYes | plat::mbNo, plat::mrNo)
            != plat::mrYes)
            return false;
        break;
    case editor::HeldSheet::Plan::Write:
        break;
    }
    m_sheet.write(text);
    return true;
}

bool TForm2::saveSheet()
{
    Memo1 = ListBox5;
    if (ListBox1->itemIndex() < 0)
        return true;
    try {
        if (!writeSheetFile(Memo1.toBytes())) {
            // Not written: show the sheet as it is on the disk.
            ListBox1Click();
            return false;
        }
    } catch (const plat::Failure &failure) {
        plat::desktop().showError(failure.message());
        return false;
    }
    return true;
}

// --- Sheet choice and columns ------------------------------------------------

void TForm2::ListBox1Click()
{
    const int i = ListBox1->itemIndex();
    QString notice;
    if (i >= 0) {
        const QString title = ListBox1->item(i)->text();
        ListBox1->setToolTip(title);
        Label2Caption = sheets::kProcessedPrefix + title;
        setMemo2(Label2Caption);
        m_sheetRow = i;
        const QString pathBefore = m_sheet.path();
        const editor::HeldSheet::State stateBefore = m_sheet.state();
        // A title without a catalogue line (after the background
        // double-click) names no file: neither a rename nor a print may go
        // to the sheet chosen before.
        Label6 = (Form1 && i < Form1->ListBox1.count()) ? Form1->ListBox1.at(i) : QString();
        // Nothing of the sheet chosen before may stay, or a term command
        // would write it under this sheet's path.
        Memo1 = m_sheet.load(Label6, title);
        // The area is filled again whenever full-text mode starts; only an
        // area on screen must follow the sheet now.
        if (memomodi->isVisibleTo(this))
            memomodi->setPlainText(editor::fullText(Memo1));
        else
            memomodi->clear();
        // Said once for a choice, not again at each reload of the same sheet.
        if (Label6 != pathBefore || m_sheet.state() != stateBefore)
            notice = m_sheet.choiceNotice();
        ListBox5 = Memo1;
    }
    columns->build(Memo1, reversed());
    copyTitleLists();
    if (!notice.isEmpty())
        plat::desktop().showMessage(notice);
}

void TForm2::ListBox1DblClick()
{
    plat::desktop().showModal(For9);
}

void TForm2::BitBtn1Click()
{
    const QString edit3 = Edit1->text();
    setEntry(Edit1, Edit2->text());
    setEntry(Edit2, edit3);
    if (Label4->text() == kForeignHeading) {
        Label4->setText(kFrenchHeading);
        Label5->setText(kForeignHeading);
    } else {
        Label4->setText(kForeignHeading);
        Label5->setText(kFrenchHeading);
    }
    ListBox1Click();
}

void TForm2::FormActivate()
{
    // The rows now list other files: no row stands for the sheet held.
    m_sheetRow = -1;
    ListBox1->clear();
    for (int i = 0; i <= 500; ++i) {
        try {
            Memo1.loadFromFile(QStringLiteral("C:\\Orsiva\\Tavilo !\\fich") + QString::number(i)
                               + QStringLiteral(".fic"));
            ListBox1->addItem(Memo1.memoLine(0));
        } catch (const plat::Failure &) {
            Label3 = QString::number(i);
            break;
        }
    }
    copyTitleLists();
}

void TForm2::cl()
{
    FormClose();
}

void TForm2::FormClose()
{
    ListBox1->setItemIndex(-1);
    closeWith(plat::mrCancel);
    if (Form1) {
        for (QRadioButton *r : {Form1->RadioButton1, Form1->RadioButton2, Form1->RadioButton3,
                                Form1->RadioButton4}) {
            // Exclusive radio buttons refuse to uncheck the checked one.
            const bool exclusive = r->autoExclusive();
            r->setAutoExclusive(false);
            r->setChecked(false);
            r->setAutoExclusive(exclusive);
        }
    }
    columns->clear();
    copyTitleLists();
}

void TForm2::closeEvent(QCloseEvent *e)
{
    FormClose();
    e->accept();
}

void TForm2::mouseDoubleClickEvent(QMouseEvent *e)
{
    // Only the window's own background: a double-click on a label or a list
    // belongs to that control.
    QWidget *under = childAt(e->position().toPoint());
    const bool background = !under || under->metaObject() == &QWidget::staticMetaObject
        || under == m_body;
    if (e->button() == Qt::LeftButton && background)
        plat::runGuarded([this] { FormActivate(); });
    plat::Form::mouseDoubleClickEvent(e);
}

void TForm2::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // ENTER presses the focused button, and the add button anywhere else.
        if (auto *b = qobject_cast<QPushButton *>(focusWidget()); b && b != BitBtn1)
            b->click();
        else
            plat::runGuarded([this] { ajout(); });
        return;
    }
    plat::Form::keyPressEvent(e);
}

// --- Terms ---------------------------------------------------------------------

void TForm2::refreshTermLabels()
{
    Label7->setText(QStringLiteral("Terme ") + editor::directionWord(Label4->text()) + u' ' + Edit1->text());
    Label8->setText(QStringLiteral("Terme ") + editor::directionWord(Label5->text()) + u' ' + Edit2->text());
}

void TForm2::Edit1Change()
{
    ListBox2->setItemIndex(columns->searchPrefix(Edit1->text()));
    Listbox2Enter();
    refreshTermLabels();
    copyTitleLists();
}

void TForm2::Edit2Change()
{
    refreshTermLabels();
    copyTitleLists();
}

void TForm2::Listbox2Enter()
{
    ListBox3->setItemIndex(ListBox2->itemIndex());
}

void TForm2::boxclic()
{
    const int row = ListBox2->itemIndex();
    if (row >= 0)
        setEntry(Edit1, columns->first(row));
    Listbox2Enter();
    const int second = ListBox3->itemIndex();
    if (second >= 0)
        setEntry(Edit2, columns->second(second));
    copyTitleLists();
}

void TForm2::ListBox3Click()
{
    const int row = ListBox3->itemIndex();
    if (row >= 0) {
        ListBox2->setItemIndex(row);
        setEntry(Edit1, columns->first(row));
        const int first = ListBox2->itemIndex();
        if (first >= 0)
            setEntry(Edit2, columns->second(first));
    }
    copyTitleLists();
}

void TForm2::ajout()
{
    const QString first = Edit1->text();
    const QString second = Edit2->text();
    if (first.isEmpty() || second.isEmpty())
        return;
    if (ListBox1->itemIndex() >= 0 && !sheetWritable())
        return;
    const bool rev = reversed();
    const qsizetype pair = editor::appendPair(ListBox5, rev ? second : first, rev ? first : second);
    Memo1 = ListBox5;
    const int row = columns->insertPair(first, second, pair);
    ListBox2->setItemIndex(row);
    ListBox3->setItemIndex(row);
    saveSheet();
}

void TForm2::BitBtn3Click()
{
    if (ListBox1->itemIndex() >= 0 && !sheetWritable())
        return;
    const int s = ListBox2->itemIndex();
    if (s >= 0) {
        const bool rev = reversed();
        const QString &foreign = rev ? columns->second(s) : columns->first(s);
        const QString &french = rev ? columns->first(s) : columns->second(s);
        const qsizetype pair = editor::findPair(ListBox5, foreign, french, columns->pairOf(s));
        if (pair > 0) {
            editor::removePair(ListBox5, pair);
            columns->pairRemoved(pair);
        }
        columns->removeRowAt(s);
    }
    const int next = s > 0 ? s : 0;
    ListBox2->setItemIndex(next);
    ListBox3->setItemIndex(next);
    saveSheet();
}

// --- Sheet commands ----------------------------------------------------------

void TForm2::BitBtn5Click()
{
    sheets::addSheet(catalogueLists());
}

void TForm2::BitBtn6Click()
{
    const int removed = ListBox1->itemIndex();
    const int before = ListBox1->count();
    sheets::removeSheet(catalogueLists());
    if (removed < 0 || ListBox1->count() == before)
        return;
    // The sheet held stays held without a row of its own once removed; a row
    // below the removed one moves up.
    if (removed == m_sheetRow)
        m_sheetRow = -1;
    else if (removed < m_sheetRow)
        --m_sheetRow;
}

void TForm2::Crerunenouvellefiche1Click()
{
    plat::FileRequest request;
    request.filter = QStringLiteral("Fiche Tavilo|*.fic");
    request.defaultExt = QStringLiteral("fic");
    if (const std::optional<QString> name = plat::desktop().saveFile(request)) {
        SaveDialog1FileName = *name;
        plat::desktop().showModal(Form9);
    }
    copyTitleLists();
}

void TForm2::showFullText(bool on)
{
    m_body->setCurrentIndex(on ? 1 : 0);
    for (QWidget *w : std::initializer_list<QWidget *>{memomodi, Stopmodi, stopmodi2, lblmodif})
        w->setVisible(on);
    for (QWidget *w : {Label7, Label8, Label4, Label5})
        w->setVisible(!on);
}

void TForm2::BitBtn10Click()
{
    if (ListBox1->itemIndex() < 0) {
        plat::desktop().showMessage(QStringLiteral("Veuillez sélectionner une fiche dans la liste."));
        return;
    }
    if (!sheetWritable())
        return;
    memomodi->setPlainText(editor::fullText(ListBox5));
    showFullText(true);
}

void TForm2::Stopmodi9Click()
{
    showFullText(false);
    // toRawText keeps the characters as typed (a no-break space stays one).
    const QString text = editor::typedText(memomodi->document()->toRawText());
    try {
        if (!writeSheetFile(plat::encodeText(text))) {
            // Not written: the typed text stays on screen.
            showFullText(true);
            return;
        }
    } catch (const plat::Failure &failure) {
        plat::desktop().showError(failure.message());
        return;
    }
    // The new title goes to the row of the sheet written, and to no row when
    // that sheet has left the catalogue since it was chosen.
    const int i = ListBox1->itemIndex();
    if (i >= 0 && i == m_sheetRow) {
        const QString title = plat::LineList::parseText(text).value(0);
        sheets::replaceTitle(catalogueLists(), i, title);
        ListBox1->setItemIndex(i);
    }
    ListBox1Click();
}

void TForm2::StopmodiClick()
{
    showFullText(false);
}

void TForm2::BitBtn8Click()
{
    const int i = ListBox1->itemIndex();
    if (i >= 0) {
        plat::FileRequest request;
        request.filter = QStringLiteral("Séparateur à virgules|*.csv");
        request.defaultExt = QStringLiteral("csv");
        if (const std::optional<QString> path = plat::desktop().saveFile(request)) {
            ListBox6.setLines(editor::exportLines(ListBox1->item(i)->text(), *columns));
            try {
                ListBox6.saveToFile(*path);
                plat::desktop().showModal(Form11);
            } catch (const plat::Failure &failure) {
                Label2Caption = QStringLiteral("L'enregistrement a échoué...");
                plat::desktop().showMessage(QStringLiteral("L'enregistrement a échoué...\n")
                                            + failure.message());
            }
        }
    }
    copyTitleLists();
}

void TForm2::BitBtn9Click()
{
    if (ListBox1->itemIndex() < 0)
        return;
    if (const std::optional<QFont> font = plat::desktop().chooseFont(FontDialog1Font)) {
        FontDialog1Font = *font;
        RichEdit1Font = *font;
    }
    QPrinter printer;
    if (!plat::desktop().choosePrinter(printer))
        return;
    try {
        QTextDocument document;
        document.setDefaultFont(RichEdit1Font);
        document.setPlainText(
            plat::LineList::parse(plat::readFileBytes(Label6)).join(u'\n'));
        printer.setDocName(QStringLiteral("Fiche Tavilo"));
        document.print(&printer);
    } catch (const plat::Failure &) {
        // A sheet that cannot be read prints nothing.
    }
}

void TForm2::chooseColumnFont(TermListView *column)
{
    if (const std::optional<QFont> font = plat::desktop().chooseFont(column->font()))
        column->setFont(*font);
}

void TForm2::SpeedButton1Click()
{
    chooseColumnFont(ListBox2);
}

void TForm2::SpeedButton2Click()
{
    chooseColumnFont(ListBox3);
}

void TForm2::Image1Click()
{
    plat::desktop().showModal(Form5);
    copyTitleLists();
}

void TForm2::Aide1Click()
{
    if (Form1)
        Form1->BitBtn6Click();
}
