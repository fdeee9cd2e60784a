#include "testing/testwindow.h"

#include "app/clicklabel.h"
#include "app/mainwindow.h"
#include "app/pictures.h"
#include "app/startupwindow.h"
#include "help/aboutwindow.h"
#include "testing/questionvoice.h"
#include "testing/testsettingswindow.h"

#include "platform/busycursor.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/focusframe.h"
#include "platform/system.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

TForm4 *Form4 = nullptr;

namespace {

const QString kCannotOpen = QStringLiteral("Erreur : Impossible d'ouvrir la fiche demandée");
const QString kPlaceholder = QStringLiteral("Fenêtre de test Tavilo !");
const char *kYellow = "#ffe14d";

QFont arial(int pixelSize, bool bold = false)
{
    return plat::pixelFont(QStringLiteral("Arial"), pixelSize, bold);
}

QLabel *whiteLabel(const QString &text, const QString &name, QWidget *parent, bool bold = false)
{
    return plat::colourLabel(text, name, QStringLiteral("white"), arial(13, bold), parent);
}

// A label whose colour the test settings can change: it takes the window's
// text colour from the palette rather than from a style sheet.
QLabel *paletteLabel(const QString &name, QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(arial(13));
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton *button(const QString &text, const QString &name, QWidget *parent, const QString &hint = QString())
{
    QPushButton *b = plat::pushButton(text, name, parent, hint);
    b->setFont(arial(13));
    b->setMinimumHeight(28);
    return b;
}

QCheckBox *checkBox(const QString &text, const QString &name, QWidget *parent)
{
    auto *c = new QCheckBox(text, parent);
    c->setObjectName(name);
    c->setFont(arial(12));
    c->setChecked(true);
    return c;
}

} // namespace

TForm4::TForm4(QWidget *parent) : plat::Form(QStringLiteral("Form4"), parent)
{
    setWindowTitle(QStringLiteral("Orsiva Tavilo : test sur une fiche"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    resize(800, 570);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    setColours(Qt::black, Qt::white);
    buildLayout();

    titleDisplay = new sheets::TitleDisplay(sheets::TitleVariant::Test, Image3, nullptr, this);
    titleDisplay->setMemo2(kPlaceholder);

    Edit3 = QStringLiteral("0");
    Edit4 = QStringLiteral("-1");
    Label9 = QStringLiteral("0");
    Label11 = QStringLiteral("0");
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    Timer2->start();
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(1000);
    Timer4 = new QTimer(this);
    Timer4->setObjectName(QStringLiteral("Timer4"));
    Timer4->setInterval(500);

    connect(Timer1, &QTimer::timeout, this, &TForm4::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm4::Timer2Timer);
    connect(Timer3, &QTimer::timeout, this, &TForm4::Timer3Timer);
    connect(Timer4, &QTimer::timeout, this, &TForm4::Timer4Timer);
    connect(Image1, &ClickLabel::clicked, this, &TForm4::Image1Click);
    connect(ListBox1, &sheets::TitleListBox::userClick, this, &TForm4::ListBox1Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TForm4::BitBtn7Click);
    connect(Parcourir, &QPushButton::clicked, this, &TForm4::ParcourirClick);
    connect(Quitter, &QPushButton::clicked, this, &TForm4::QuitterClick);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm4::BitBtn1Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm4::BitBtn5Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm4::BitBtn4Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm4::BitBtn6Click);
    // The two handler names are crossed on purpose: they name what the
    // buttons once did.
    connect(BitBtn3, &QPushButton::clicked, this, &TForm4::BitBtn2Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm4::BitBtn3Click);
    connect(Edit5, &QLineEdit::textChanged, this, &TForm4::Edit5Change);
    // "Quitter cette fenêtre" and "Quitter le test" both close the window;
    // during a test, only once the user agrees to lose its answers.
    setEscapeAction([this] {
        if (abandonConfirmed())
            closeConfirmed();
    });

    // FormCreate.
    for (QWidget *w : std::initializer_list<QWidget *>{Quitter, Parcourir, ListBox1, Label1, Label22})
        w->setVisible(true);
    BitBtn3->hide();
    BitBtn4->hide();
    setEnterButton(BitBtn7);
    fitQuestionPanel();
    voice = new QuestionVoice(this);
}

void TForm4::buildLayout()
{
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    // The window is maximised; a smaller screen cuts the content off rather
    // than making the window grow past it.
    root->setSizeConstraint(QLayout::SetNoConstraint);
    auto *page = new QWidget(this);
    page->setMaximumWidth(980);
    auto *centring = new QHBoxLayout;
    centring->addStretch();
    centring->addWidget(page, 100);
    centring->addStretch();
    root->addLayout(centring);
    root->addStretch();
    auto *outer = new QVBoxLayout(page);
    // Narrow enough for the 777-pixel question panel on an 800-pixel screen.
    outer->setContentsMargins(11, 8, 11, 8);
    outer->setSpacing(8);

    auto *top = new QHBoxLayout;
    Image1 = pictures::makerLogoLabel(QStringLiteral("Image1"), pictures::kLogoHint, this);
    Image3 = new QLabel(this);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setFixedSize(657, 89);
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addWidget(Image3);
    top->addStretch();
    outer->addLayout(top);

    auto *middle = new QHBoxLayout;
    auto *choice = new QVBoxLayout;
    Label1 = whiteLabel(QStringLiteral("Choisissez une fiche à tester :"), QStringLiteral("Label1"), this, true);
    choice->addWidget(Label1);
    // The two lists share one place; the input mode decides which one shows.
    auto *lists = new QGridLayout;
    ListBox1 = new sheets::TitleListBox(sheets::TitleVariant::Test, this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox9 = new plat::ListBox(this);
    ListBox9->setObjectName(QStringLiteral("ListBox9"));
    for (QListWidget *l : std::initializer_list<QListWidget *>{ListBox1, ListBox9}) {
        l->setFont(arial(12));
        lists->addWidget(l, 0, 0);
    }
    choice->addLayout(lists, 1);
    BitBtn7 = button(QStringLiteral("Se tester sur la fiche"), QStringLiteral("BitBtn7"), this);
    Parcourir = button(
        QStringLiteral("Parcourir..."), QStringLiteral("Parcourir"), this,
        QStringLiteral("CLiquez sur ce bouton pour chercher sur votre disque dur ou sur un support amovible la "
                       "fiche *.fic ou *.txt sur laquelle vous voulez être testé..."));
    Quitter = button(QStringLiteral("Quitter cette fenêtre"), QStringLiteral("Quitter"), this);
    for (QPushButton *b : {BitBtn7, Parcourir, Quitter})
        choice->addWidget(b);
    middle->addLayout(choice, 3);

    auto *results = new QVBoxLayout;
    Label22 = whiteLabel(QStringLiteral("Résultats :"), QStringLiteral("Label22"), this, true);
    Label13 = whiteLabel(QStringLiteral("Termes restants : 0"), QStringLiteral("Label13"), this);
    Label19 = whiteLabel(QStringLiteral("Termes testés : 0"), QStringLiteral("Label19"), this);
    Label17 = whiteLabel(QStringLiteral("Termes justes : 0"), QStringLiteral("Label17"), this);
    Label21 = whiteLabel(QStringLiteral("Pourcentage juste : 0 %"), QStringLiteral("Label21"), this);
    Label20 = whiteLabel(QStringLiteral("Termes faux : 0"), QStringLiteral("Label20"), this);
    Label18 = whiteLabel(QStringLiteral("Pourcentage faux : 0 %"), QStringLiteral("Label18"), this);
    Label4 = whiteLabel(QStringLiteral("Temps écoulé : 0 s"), QStringLiteral("Label4"), this);
    Label2 = whiteLabel(QStringLiteral("Temps total écoulé : 0 s"), QStringLiteral("Label2"), this);
    for (QLabel *l : {Label22, Label13, Label19, Label17, Label21, Label20, Label18})
        results->addWidget(l);
    results->addSpacing(10);
    results->addWidget(Label4);
    results->addWidget(Label2);
    results->addStretch();
    middle->addLayout(results, 2);

    auto *commands = new QVBoxLayout;
    BitBtn1 = button(QStringLiteral("Commencer le test"), QStringLiteral("BitBtn1"), this,
                     QStringLiteral("Cliquez ici pour commencer le test"));
    BitBtn5 = button(QStringLiteral("Pause"), QStringLiteral("BitBtn5"), this);
    BitBtn4 = button(QStringLiteral("Reprendre"), QStringLiteral("BitBtn4"), this);
    BitBtn3 = button(QStringLiteral("Donner sa langue au chat"), QStringLiteral("BitBtn3"), this,
                     QStringLiteral("Cliquez ici si vous voulez passer au terme suivant"));
    BitBtn6 = button(QStringLiteral("Paramètres"), QStringLiteral("BitBtn6"), this);
    BitBtn2 = button(QStringLiteral("Quitter le test"), QStringLiteral("BitBtn2"), this,
                     QStringLiteral("Cliquez ici pour quitter le test"));
    for (QPushButton *b : {BitBtn1, BitBtn5, BitBtn4, BitBtn3, BitBtn6, BitBtn2})
        commands->addWidget(b);
    commands->addSpacing(8);
    CheckBox1 = checkBox(QStringLiteral("Enregistrer les erreurs"), QStringLiteral("CheckBox1"), this);
    CheckBox2 = checkBox(QStringLiteral("Compléter les statistiques"), QStringLiteral("CheckBox2"), this);
    CheckBox3 = checkBox(QStringLiteral("Respecter la casse"), QStringLiteral("CheckBox3"), this);
    CheckBox3->setToolTip(QStringLiteral("Respecter les majuscules et les minuscules..."));
    CheckBox4 = checkBox(QStringLiteral("Respecter la ponctuation"), QStringLiteral("CheckBox4"), this);
    for (QCheckBox *c : {CheckBox1, CheckBox2, CheckBox3, CheckBox4})
        commands->addWidget(c);
    commands->addStretch();
    middle->addLayout(commands, 2);
    outer->addLayout(middle, 1);

    // The question panel keeps its pixel widths; what the window cannot show
    // of a very long question is cut off at its edge.
    questionArea = new QWidget(this);
    questionArea->setMinimumWidth(777);
    Shape1 = new QFrame(questionArea);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setAutoFillBackground(true);
    QPalette lime = Shape1->palette();
    lime.setColor(QPalette::Window, QColor(0, 255, 0));
    lime.setColor(QPalette::WindowText, Qt::black);
    Shape1->setPalette(lime);
    Label7 = plat::colourLabel(QStringLiteral("Terme français :"), QStringLiteral("Label7"), QStringLiteral("black"),
                               arial(12, true), Shape1);
    Label12 = new QLabel(Shape1);
    Label12->setObjectName(QStringLiteral("Label12"));
    Label12->setTextFormat(Qt::PlainText);
    const QFont termFont = plat::pixelFont(QStringLiteral("Times New Roman"), 21);
    Label12->setFont(termFont);
    QPalette blue = Label12->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    Label12->setPalette(blue);
    Label8 = plat::colourLabel(QStringLiteral("Terme étranger :"), QStringLiteral("Label8"), QStringLiteral("black"),
                               arial(12, true), Shape1);
    Edit5 = new QLineEdit(Shape1);
    Edit5->setObjectName(QStringLiteral("Edit5"));
    Edit5->setFont(termFont);
    QPalette field = Edit5->palette();
    field.setColor(QPalette::Base, QColor(0, 255, 0));
    field.setColor(QPalette::Text, Qt::blue);
    Edit5->setPalette(field);
    outer->addWidget(questionArea);

    Label23 = plat::colourLabel(
        QStringLiteral("Ecrivez le terme demandé ci-dessous : s'il est reconnu juste, le terme suivant apparaîtra. "
                       "Vous pouvez passer directement au terme suivant en tapant ENTREE"),
        QStringLiteral("Label23"), QLatin1String(kYellow), arial(12), this);
    Label23->setWordWrap(true);
    outer->addWidget(Label23);

    auto *previous = new QGridLayout;
    Label27 = whiteLabel(QStringLiteral("Terme français précédent :"), QStringLiteral("Label27"), this);
    Label28 = whiteLabel(QStringLiteral("Terme étranger précédent :"), QStringLiteral("Label28"), this);
    Label14 = whiteLabel(QStringLiteral("Réponse précédente de l'utilisateur :"), QStringLiteral("Label14"), this);
    label26 = paletteLabel(QStringLiteral("label26"), this);
    Label29 = paletteLabel(QStringLiteral("Label29"), this);
    Label15 = paletteLabel(QStringLiteral("Label15"), this);
    const std::pair<QLabel *, QLabel *> rows[] = {{Label27, label26}, {Label28, Label29}, {Label14, Label15}};
    int r = 0;
    for (const auto &[caption, text] : rows) {
        previous->addWidget(caption, r, 0);
        previous->addWidget(text, r++, 1);
    }
    // Beside the previous question, what became of it.
    verdict = whiteLabel(QString(), QStringLiteral("verdict"), this, true);
    verdict->setTextFormat(Qt::PlainText);
    verdict->setIndent(40);
    previous->addWidget(verdict, 0, 2, 3, 1, Qt::AlignLeft | Qt::AlignVCenter);
    previous->setColumnStretch(3, 1);
    outer->addLayout(previous);
}

void TForm4::fitQuestionPanel()
{
    // Widths from the question's own width, measured on at most what the
    // label shows.
    const int textWidth = Label12->fontMetrics().horizontalAdvance(Label12->text());
    const int inner = std::max(textWidth, 761);
    const int questionHeight = Label12->sizeHint().height();
    const int fieldHeight = Edit5->sizeHint().height();
    int y = 4;
    Label7->setGeometry(8, y, inner, Label7->sizeHint().height());
    y += Label7->height();
    Label12->setGeometry(8, y, inner, questionHeight);
    y += questionHeight + 2;
    Label8->setGeometry(8, y, inner, Label8->sizeHint().height());
    // The focus frame drawn around the field must not cover its caption.
    y += Label8->height() + plat::kFocusFrameMargin + 1;
    Edit5->setGeometry(8, y, inner, fieldHeight);
    y += fieldHeight + plat::kFocusFrameMargin + 1;
    Shape1->setGeometry(0, 0, inner + 16, y);
    // Only a new height changes what the window's layout must make room for.
    if (questionArea->height() != y || questionArea->minimumHeight() != y)
        questionArea->setFixedHeight(y);
}

void TForm4::setEnterButton(QPushButton *b)
{
    m_enterButton = b;
    b->setDefault(true);
}

void TForm4::keyPressEvent(QKeyEvent *e)
{
    // Enter presses the focused button, or else the window's default button
    // of the moment: choosing in keyboard mode, starting, then giving up.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        auto *target = qobject_cast<QPushButton *>(focusWidget());
        if (!target && enterAfterAcceptedAnswer()) {
            e->accept();
            return;
        }
        if (!target)
            target = m_enterButton;
        if (target && target->isVisible() && target->isEnabled()) {
            target->click();
            e->accept();
            return;
        }
    }
    plat::Form::keyPressEvent(e);
}

void TForm4::setVisible(bool visible)
{
    if (visible) {
        if (isVisible())
            FormClose();
        FormActivate();
    }
    plat::Form::setVisible(visible);
}

void TForm4::activated()
{
    // Returning to the window (from its own dialogs and boxes, or from another
    // window) keeps the test where it stands; only the title list may have
    // changed meanwhile.
    const QStringList titles = sheets::listLines(ListBox1);
    if (sheets::listLines(ListBox9) != titles)
        sheets::setListLines(ListBox9, titles);
}

void TForm4::FormActivate()
{
    for (QWidget *w : std::initializer_list<QWidget *>{BitBtn1, BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6,
                                                        CheckBox1, CheckBox2, CheckBox3, CheckBox4, Edit5})
        w->hide();
    setEnterButton(BitBtn7);
    Timer1->stop();
    titleDisplay->Memo2Change();
    sheets::setListLines(ListBox9, sheets::listLines(ListBox1));
    verdict->clear();
    allowSheetChoice(true);
    m_phase = quiz::Phase::Choosing;
    voice->reset();
    if (m_pendingReview)
        loadReview();
}

void TForm4::closeEvent(QCloseEvent *e)
{
    // The close box; the window's own buttons close it without a question.
    if (!m_closing && !abandonConfirmed()) {
        e->ignore();
        return;
    }
    FormClose();
    plat::Form::closeEvent(e);
}

void TForm4::FormClose()
{
    if (Form7 && Form7->isVisible())
        Form7->closeWith(plat::mrNone);
    BitBtn6->show();
    BitBtn3->hide();
    Edit1.clear();
    Edit3 = QStringLiteral("0");
    Edit4 = QStringLiteral("-1");
    Label9 = QStringLiteral("0");
    leaveReview();
    for (QWidget *w : std::initializer_list<QWidget *>{Quitter, Parcourir, ListBox1, Label1, Label22})
        w->show();
    titleDisplay->setMemo2(kPlaceholder);
    if (Form1) {
        for (QRadioButton *r : {Form1->RadioButton1, Form1->RadioButton2, Form1->RadioButton3, Form1->RadioButton4})
            r->setChecked(false);
    }
    Timer1->stop();
    Timer3->stop();
    Timer4->stop();
    Label2->setText(QStringLiteral("Temps total écoulé : 0 s"));
    Label4->setText(QStringLiteral("Temps écoulé : 0 s"));
    allowSheetChoice(true);
    m_phase = quiz::Phase::Choosing;
    voice->reset();
}

void TForm4::QuitterClick()
{
    closeConfirmed();
}

void TForm4::closeConfirmed()
{
    const QScopedValueRollback<bool> closing(m_closing, true);
    close();
}

void TForm4::Image1Click()
{
    plat::desktop().showModal(Form5);
}

void TForm4::BitBtn6Click()
{
    plat::desktop().showModal(Form12);
}

void TForm4::BitBtn7Click()
{
    if (testUnderWay())
        return;
    const int i = sheets::selectedRow(ListBox9);
    if (i < 0) {
        plat::desktop().showMessage(
            QStringLiteral("Sélectionnez d'abord la fiche sur laquelle vous voulez vous tester."));
        return;
    }
    ListBox1->setItemIndex(i);
    ListBox1Click();
}

void TForm4::showTestControls()
{
    for (QWidget *w : std::initializer_list<QWidget *>{BitBtn1, BitBtn2, BitBtn6, CheckBox1, CheckBox2, CheckBox3,
                                                        CheckBox4, Edit5, Label22})
        w->show();
    for (QWidget *w : std::initializer_list<QWidget *>{Quitter, Parcourir, ListBox1, Label1})
        w->hide();
    setEnterButton(BitBtn1);
    m_phase = quiz::Phase::Ready;
}

void TForm4::ListBox1Click()
{
    // Another sheet would take over the counts, the clocks and the report of
    // the test under way.
    if (testUnderWay())
        return;
    const int i = ListBox1->itemIndex();
    showTestControls();
    BitBtn7->hide();
    ListBox9->hide();
    if (i >= 0)
        ListBox1->setToolTip(ListBox1->item(i)->text());
    leaveReview();
    try {
        lists.clear();
        if (i < 0)
            throw plat::Failure(kCannotOpen);
        titleDisplay->setMemo2(ListBox1->item(i)->text());
        ListBox6.clear();
        const plat::System &sys = plat::system();
        ListBox6.append(quiz::errorReportHeader(titleDisplay->memo2Line(), sys.shortDate(sys.now().date())));
        Label6 = Form1->ListBox1.at(i);
        const plat::BusyCursor busy(plat::bigFile(Label6));
        Memo1.loadFromFile(Label6);
    } catch (const plat::Failure &) {
        // Never the previous sheet's pairs under this title.
        Memo1.clear();
        plat::desktop().showMessage(kCannotOpen);
    }
    resetResultLabels();
    buildLists();
    voice->sheetChosen(Label6, titleDisplay->memo2Line());
    BitBtn1->setFocus();
}

void TForm4::ParcourirClick()
{
    if (testUnderWay())
        return;
    plat::FileRequest request;
    request.title = QStringLiteral("Choisir la fiche à tester");
    request.filter = QStringLiteral("Fiche Tavilo !|*.fic|Fiche potentielle Tavilo !|*.txt");
    const std::optional<QString> file = plat::desktop().openFile(request);
    if (!file)
        return;
    // The keyboard's list and button stay as they were.
    showTestControls();
    leaveReview();
    try {
        lists.clear();
        titleDisplay->clearMemo2();
        Label6 = *file;
        const plat::BusyCursor busy(plat::bigFile(Label6));
        Memo1.loadFromFile(Label6);
        titleDisplay->setMemo2(Memo1.memoLine(0));
        ListBox6.clear();
        const plat::System &sys = plat::system();
        ListBox6.append(quiz::errorReportHeader(titleDisplay->memo2Line(), sys.shortDate(sys.now().date())));
    } catch (const plat::Failure &) {
        Memo1.clear();
        ListBox6.clear();
        plat::desktop().showMessage(kCannotOpen);
    }
    resetResultLabels();
    buildLists();
    voice->sheetChosen(Label6, titleDisplay->memo2Line());
    BitBtn1->setFocus();
}

void TForm4::resetResultLabels()
{
    Label18->setText(QStringLiteral("Pourcentage faux : 0 %"));
    Label21->setText(QStringLiteral("Pourcentage juste : 0 %"));
    Label17->setText(QStringLiteral("Termes justes : 0"));
    Label20->setText(QStringLiteral("Termes faux : 0"));
    Label19->setText(QStringLiteral("Termes testés : 0"));
}

bool TForm4::frenchShown() const
{
    return Form12 && Form12->ComboBox1->currentText() == quiz::kFrenchShown;
}

void TForm4::buildLists()
{
    lists.build(Memo1, frenchShown());
    Label13->setText(QStringLiteral("Termes restants : %1").arg(lists.count()));
}

void TForm4::ComboBox1Change()
{
    Label7->setText(Form12->ComboBox1->currentText() + QStringLiteral(" :"));
    const bool foreignShown = Label7->text() == QStringLiteral("Terme étranger :");
    Label8->setText(foreignShown ? QStringLiteral("Terme français :") : QStringLiteral("Terme étranger :"));
    Label27->setText(foreignShown ? QStringLiteral("Terme étranger précédent :")
                                  : QStringLiteral("Terme français précédent :"));
    Label28->setText(foreignShown ? QStringLiteral("Terme français précédent :")
                                  : QStringLiteral("Terme étranger précédent :"));
    // The sheet under test is asked the other way round; its title and its
    // error report stay its own, whichever way it was chosen.
    // A review asks each pair in its own direction.
    if (m_phase == quiz::Phase::Ready && !m_review) {
        resetResultLabels();
        buildLists();
    }
}
