#include "statistics/statisticswindow.h"

#include "app/clicklabel.h"
#include "app/mainwindow.h"
#include "app/pictures.h"
#include "editor/editorwindow.h"
#include "help/aboutwindow.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/system.h"
#include "statistics/newuserdialog.h"
#include "statistics/successgraph.h"
#include "statistics/userfile.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

TFor2 *For2 = nullptr;

namespace {

const QString kNoUser = QStringLiteral("Fiche traitée : pas de fiche sélectionnée");

QFont arial(int pixelSize, bool bold = false)
{
    return plat::pixelFont(QStringLiteral("Arial"), pixelSize, bold);
}

QPushButton *button(const QString &text, const QString &name, QWidget *parent,
                    const QString &hint = QString())
{
    QPushButton *b = plat::pushButton(text, name, parent, hint);
    b->setFont(arial(12, true));
    return b;
}

} // namespace

TFor2::TFor2(QWidget *parent) : plat::Form(QStringLiteral("For2"), parent)
{
    makeMaximisedWindow(QStringLiteral("Statistiques des utilisateurs Tavilo"), 800, 600);

    auto *outer = new QVBoxLayout(this);
    // Narrow margins: the logo and the title banner just fit a screen 800
    // pixels wide.
    outer->setContentsMargins(4, 4, 4, 8);
    outer->setSpacing(6);

    auto *top = new QHBoxLayout;
    top->setSpacing(4);
    Image1 = pictures::makerLogoLabel(QStringLiteral("Image1"), pictures::kLogoHint, this);
    // The sheet picture that may take its place is fitted to it.
    Image1->setScaledContents(true);
    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setFixedSize(721, 73);
    top->addWidget(Image1);
    top->addWidget(Image3);
    top->addStretch();
    outer->addLayout(top);
    titleDisplay = new sheets::TitleDisplay(sheets::TitleVariant::Statistics, Image3, Image1, this);

    auto *body = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    Label1 = plat::colourLabel(QStringLiteral("Liste des utilisateurs d'Tavilo !"), QStringLiteral("Label1"),
                               QStringLiteral("white"), arial(13, true), this);
    Label1->setToolTip(QStringLiteral("Différents utilisateurs d'Tavilo !"));
    ListBox1 = new sheets::TitleListBox(sheets::TitleVariant::Statistics, this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setFont(arial(12));
    ListBox1->setEnterClicks(true);
    BitBtn7 = button(QStringLiteral("Créer un nouvel utilisateur"), QStringLiteral("BitBtn7"), this);
    BitBtn5 = button(QStringLiteral("Ajouter une fiche utilisateur à la liste"), QStringLiteral("BitBtn5"), this);
    BitBtn6 = button(QStringLiteral("Supprimer la fiche utilisateur de la liste"), QStringLiteral("BitBtn6"),
                     this);
    BitBtn9 = button(QStringLiteral("Imprimer la fiche de statistiques"), QStringLiteral("BitBtn9"), this);
    BitBtn4 = button(QStringLiteral("Arrêter l'étude des statistiques utilisateur"), QStringLiteral("BitBtn4"),
                     this, QStringLiteral("Cliquez ici pour quitter cette fenêtre."));
    left->addWidget(Label1);
    left->addWidget(ListBox1, 1);
    // Between the list and the buttons, which keep their places at the
    // bottom of the window.
    buildReviewArea(left);
    for (QPushButton *b : {BitBtn7, BitBtn5, BitBtn6, BitBtn9, BitBtn4})
        left->addWidget(b);
    body->addLayout(left, 2);

    auto *right = new QVBoxLayout;
    Label4 = plat::colourLabel(QStringLiteral("Statistiques utilisateur :"), QStringLiteral("Label4"),
                               QStringLiteral("white"), arial(13, true), this);
    Label4->setToolTip(QStringLiteral("Statistiques à propos de l'utilisateur sélectionné à gauche"));
    Memo1 = new statistics::LinesView(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(arial(13));
    Label7 = plat::colourLabel(
        QStringLiteral("Graphique des statistiques utilisateur (pourcentage de termes justes en vert):"),
        QStringLiteral("Label7"), QStringLiteral("white"), arial(12, true), this);
    Label7->setToolTip(QStringLiteral("Graphique en rapport avec les statistiques à propos de l'utilisateur "
                                      "sélectionné à gauche"));
    Image5 = new QLabel(this);
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->setFixedSize(statistics::kGraphWidth, statistics::kGraphHeight);
    Image5->setPixmap(QPixmap::fromImage(statistics::drawSuccessGraph({})));
    right->addWidget(Label4);
    right->addWidget(Memo1);
    right->addWidget(Label7);
    right->addWidget(Image5);
    right->addStretch(1);
    body->addLayout(right, 3);
    outer->addLayout(body, 1);
    setMemo1Height(kMemoHeight);

    connect(ListBox1, &sheets::TitleListBox::userClick, this, &TFor2::ListBox1Click);
    connect(BitBtn7, &QPushButton::clicked, this, [this] { Crerunenouvellefiche1Click(); });
    connect(BitBtn5, &QPushButton::clicked, this, &TFor2::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TFor2::BitBtn6Click);
    connect(BitBtn9, &QPushButton::clicked, this, &TFor2::BitBtn9Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TFor2::cl);
    connect(Image1, &ClickLabel::clicked, this, &TFor2::Image1Click);
    connect(BitBtnReviser, &QPushButton::clicked, this, &TFor2::BitBtnReviserClick);
    setEscapeAction([this] { cl(); });
    QWidget *previous = ListBox1;
    for (QWidget *next : {static_cast<QWidget *>(BitBtn7), static_cast<QWidget *>(BitBtn5),
                          static_cast<QWidget *>(BitBtn6), static_cast<QWidget *>(BitBtn9),
                          static_cast<QWidget *>(BitBtn4), static_cast<QWidget *>(Memo1),
                          static_cast<QWidget *>(BitBtnReviser)}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void TFor2::setMemo1Height(int height)
{
    m_memoHeight = height;
    Memo1->setFixedHeight(height);
    const bool graphShown = height < kMemoHeight;
    Label7->setVisible(graphShown);
    Image5->setVisible(graphShown);
}

void TFor2::loadUserList(const QString &path)
{
    Memo3.loadFromFile(path);
    Memo3Change();
    if (!m_unavailable.isEmpty())
        plat::desktop().showMessage(
            QStringLiteral("Les fiches utilisateur suivantes n'ont pas pu être lues (un disque débranché ?). "
                           "Elles restent dans la liste des utilisateurs :\n") + m_unavailable.join(QLatin1Char('\n')));
}

void TFor2::Memo3Change()
{
    if (code != QLatin1String("Code"))
        return;
    // Dropping a line inside the scan is itself a change of the list: the
    // guard keeps it from starting a rebuild inside this one.
    code = QStringLiteral("1");
    statistics::UserListScan scan = statistics::scanUserList(Memo3);
    code = QStringLiteral("Code");
    sheets::setListLines(ListBox1, scan.entries);
    m_unavailable = std::move(scan.unavailable);
}

void TFor2::appendUser(const QString &path)
{
    Memo3.append(path);
    Memo3Change();
}

void TFor2::saveUserList() const
{
    Memo3.saveToFile(statistics::kUserListPath);
}

void TFor2::openUser(int i)
{
    const QListWidgetItem *item = ListBox1->item(i);
    if (!item)
        throw plat::Failure(QStringLiteral("Aucun utilisateur n'est sélectionné."));
    Label2 = QStringLiteral("Utilisateur : ") + item->text();
    titleDisplay->setMemo2(Label2);
    Label6 = Memo3.at(i);
    statistics::UserFileText userFile;
    userFile.loadFromFile(Label6);
    setMemo1(std::move(userFile));
}

void TFor2::appendTestRecord(const statistics::TestResult &result, const QString &date, const QString &time)
{
    statistics::UserFileText &text = Memo1->changeableText();
    const qsizetype before = text.count();
    try {
        statistics::appendTestRecord(text, result, date, time);
        text.saveToFile(Label6);
    } catch (const plat::Failure &) {
        // The window never shows a record the file does not hold.
        text.truncate(before);
        Memo1->textChanged();
        throw;
    }
    Memo1->textChanged();
}

void TFor2::drawGraph()
{
    const QChar separator = plat::system().decimalSeparator();
    const QList<double> values = statistics::graphPercentages(memo1(), separator);
    Image5->setPixmap(QPixmap::fromImage(statistics::drawSuccessGraph(values)));
    Image5HintEnabled = false;
    if (const std::optional<double> average = statistics::runningAverage(values)) {
        Image5Hint = statistics::averageHint(*average, separator);
        Image5HintEnabled = true;
        setMemo1Height(kMemoHeightWithGraph);
    }
    Image5->setToolTip(Image5HintEnabled ? Image5Hint : QString());
}

void TFor2::FormActivate()
{
    clearMemo1();
    ListBox1->setItemIndex(-1);
    // The banner names the user chosen, and none is now (the completion
    // window may have chosen one while this window was closed).
    Label2 = kNoUser;
    titleDisplay->clearMemo2();
    showReview();
}

void TFor2::showEvent(QShowEvent *e)
{
    // Each opening starts from the user list, whichever control had the
    // focus when the window last closed.
    if (!e->spontaneous())
        ListBox1->setFocus();
    plat::Form::showEvent(e);
}

void TFor2::ListBox1Click()
{
    const int i = ListBox1->itemIndex();
    if (const QListWidgetItem *item = ListBox1->item(i))
        ListBox1->setToolTip(item->text());
    try {
        openUser(i);
    } catch (const plat::Failure &) {
        // The banner names the user chosen: the text and the graph of
        // another user must not stand under it.
        clearMemo1();
        setMemo1Height(kMemoHeight);
    }
    drawGraph();
    showReview();
}

void TFor2::showLastUser()
{
    ListBox1->setItemIndex(ListBox1->count() - 1);
    ListBox1Click();
}

void TFor2::BitBtn5Click()
{
    plat::FileRequest request;
    request.title = QStringLiteral("Ajouter une fiche utilisateur");
    request.filter = statistics::kUserFileFilter;
    request.defaultExt = statistics::kUserFileExtension;
    const std::optional<QString> path = plat::desktop().openFile(request);
    if (!path)
        return;
    try {
        statistics::UserFileText userFile;
        userFile.loadFromFile(*path);
        appendUser(*path);
    } catch (const plat::Failure &) {
        return; // a file that cannot be read adds nothing
    }
    showLastUser();
    try {
        saveUserList();
    } catch (const plat::Failure &failure) {
        // The user stays listed for this session; without a word they would
        // be gone at the next start.
        plat::desktop().showError(
            QStringLiteral("L'utilisateur est ajouté à la liste pour cette session, mais la liste des "
                           "utilisateurs n'a pas pu être enregistrée.\n%1")
                .arg(failure.message()));
    }
}

void TFor2::BitBtn6Click()
{
    const int i = ListBox1->itemIndex();
    if (i < 0)
        return;
    // The file is written first from a copy, so that a failed write leaves
    // the list and its entries as they were, still aligned.
    plat::LineList remaining = Memo3;
    const QString removed = Memo3.memoLine(i);
    if (i < remaining.count())
        remaining.removeAt(i);
    try {
        remaining.saveToFile(statistics::kUserListPath);
    } catch (const plat::Failure &failure) {
        plat::desktop().showError(failure.message());
        return;
    }
    Memo3 = std::move(remaining);
    Memo3Change();
    offerToForget(removed);
    if (ListBox1->count() == 0) {
        Label6.clear();
        clearMemo1();
        showReview();
        return;
    }
    // The text, the banner and the graph follow the new selection, so that
    // they never show (or print) the user just removed.
    ListBox1->setItemIndex(i > 0 ? std::min(i - 1, ListBox1->count() - 1) : 0);
    ListBox1Click();
}

bool TFor2::Crerunenouvellefiche1Click()
{
    if (!For9b->showNew())
        return false;
    // The new user is the one shown, as the banner and the text agree.
    showLastUser();
    return true;
}

void TFor2::BitBtn9Click()
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
        plat::printTextFile(Label6, RichEdit1Font, QStringLiteral("Statistiques Tavilo"), printer);
    } catch (const plat::Failure &) {
        plat::desktop().showMessage(QStringLiteral("Erreur : Les statistiques n'ont pas été imprimées."));
    }
}

void TFor2::Image1Click()
{
    plat::desktop().showModal(Form5);
    if (Form2)
        Form2->copyTitleLists();
}

void TFor2::cl()
{
    ListBox1->setItemIndex(-1);
    closeWith(plat::mrCancel);
    FormClose();
}

void TFor2::FormClose()
{
    ListBox1->setItemIndex(-1);
    if (Form1)
        Form1->uncheckActivityButtons();
}

void TFor2::closeEvent(QCloseEvent *e)
{
    FormClose();
    e->accept();
}

void TFor2::mouseDoubleClickEvent(QMouseEvent *e)
{
    // Only the window's own background; a double click on an entry does nothing.
    if (childAt(e->position().toPoint()) == nullptr)
        FormActivate();
    plat::Form::mouseDoubleClickEvent(e);
}
