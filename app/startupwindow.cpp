#include "app/startupwindow.h"

#include "app/clicklabel.h"
#include "app/mainwindow.h"
#include "app/pictures.h"
#include "app/settings.h"
#include "editor/editorwindow.h"
#include "learning/fullscreenwindow.h"
#include "learning/learningwindow.h"
#include "setup/welcomewindow.h"
#include "sheets/titlefile.h"
#include "statistics/statisticswindow.h"
#include "testing/testsettingswindow.h"
#include "testing/testwindow.h"

#include "platform/controls.h"
#include "platform/busycursor.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "platform/system.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

TForm7 *Form7 = nullptr;

namespace {

QFont sans(int pixelSize, bool bold = false, bool italic = false)
{
    return plat::pixelFont(QStringLiteral("Liberation Sans"), pixelSize, bold, italic);
}

QLabel *greyLabel(const QString &text, const QString &name, int pixelSize, bool italic, QWidget *parent)
{
    return plat::colourLabel(text, name, QStringLiteral("#a0a0a0"), sans(pixelSize, false, italic), parent);
}

} // namespace

TForm7::TForm7(QWidget *parent) : plat::Form(QStringLiteral("Form7"), parent)
{
    setWindowTitle(QStringLiteral("Orsiva Tavilo"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(439, 249);
    setColours(Qt::black);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 8);
    outer->setSpacing(6);

    auto *band = new QWidget(this);
    band->setObjectName(QStringLiteral("band"));
    band->setFixedHeight(86);
    band->setStyleSheet(QStringLiteral(
        "#band { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #0b2f86, stop:1 #1f5fd0); }"));
    auto *bandRow = new QHBoxLayout(band);
    bandRow->setContentsMargins(12, 6, 12, 6);
    auto *mark = new QLabel(band);
    mark->setPixmap(pictures::makerLogo(44));
    mark->setStyleSheet(QStringLiteral("background: transparent;"));
    bandRow->addWidget(mark);
    QFont makerFont = sans(38, true);
    makerFont.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    auto *maker = plat::colourLabel(QStringLiteral("ORSIVA"), QString(), QStringLiteral("white"), makerFont,
                                    band);
    bandRow->addWidget(maker);
    bandRow->addStretch();
    Image1 = new ClickLabel(band);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(pictures::productPicture(QSize(96, 72)));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setStyleSheet(QStringLiteral("background: transparent;"));
    bandRow->addWidget(Image1);
    auto *version = plat::colourLabel(QStringLiteral(".3"), QString(), QStringLiteral("#9cc4ff"), sans(13, true),
                                      band);
    version->setAlignment(Qt::AlignBottom);
    bandRow->addWidget(version);
    outer->addWidget(band);

    auto *title = plat::colourLabel(QStringLiteral("Tavilo"), QString(), QStringLiteral("#6fa8ff"),
                                    plat::pixelFont(QStringLiteral("Liberation Serif"), 30, false, true), this);
    title->setAlignment(Qt::AlignCenter);
    outer->addWidget(title);

    auto *notice = new QVBoxLayout;
    notice->setContentsMargins(14, 0, 14, 0);
    notice->setSpacing(0);
    notice->addWidget(greyLabel(
        QStringLiteral("Ce logiciel est protégé par le droit d'auteur et les traités internationaux."),
        QString(), 10, false, this));
    notice->addWidget(greyLabel(
        QStringLiteral("Toute reproduction ou diffusion non autorisée, même partielle, est interdite."),
        QString(), 10, false, this));
    notice->addWidget(greyLabel(
        QStringLiteral("Pour en savoir plus, cliquez sur le logo Orsiva dans la fenêtre suivante."),
        QString(), 10, false, this));
    outer->addLayout(notice);
    outer->addStretch();

    auto *names = new QVBoxLayout;
    names->setContentsMargins(14, 0, 14, 0);
    names->setSpacing(0);
    Label1 = greyLabel(QString(), QStringLiteral("Label1"), 11, true, this);
    Label2 = greyLabel(QString(), QStringLiteral("Label2"), 11, true, this);
    names->addWidget(Label1);
    names->addWidget(Label2);
    outer->addLayout(names);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(4800);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TForm7::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TForm7::FormActivate);
    connect(Image1, &ClickLabel::clicked, this, &TForm7::Image1Click);
    Timer1->start();
    Timer2->start();
}

void TForm7::rearm()
{
    Timer1->start();
    Timer2->start();
}

void TForm7::Timer1Timer()
{
    Timer1->stop();
    Timer2->stop();
    closeWith(plat::mrNone);
}

void TForm7::Image1Click()
{
    closeWith(plat::mrNone);
}

void TForm7::FormActivate()
{
    // A message box opened by the pass runs a loop of its own; the pass must not
    // start again under it.
    Timer2->stop();

    // A full disk or a read-only folder makes every write of the pass fail
    // for one reason: the user hears of it once.
    const plat::Reporting reporting;

    // Block A: the three state files. Only a settings file that cannot be
    // read makes a first run: the first run writes default settings over it,
    // and a readable file holds the user's own.
    bool settingsRead = false;
    try {
        Form1->Memo6.loadFromFile(settings::kPath);
        // An empty settings file holds no setting and none could be written
        // into it: it is a first run to be done again.
        settingsRead = !Form1->Memo6.isEmpty();
    } catch (const plat::Failure &) {
    }
    // Without settings, the lists still get what their files hold, so that a
    // sheet or user added before the first run is finished joins the
    // existing lists instead of replacing them; nothing is saved then. With
    // settings, a missing list is an empty one that this pass writes; one
    // that exists but cannot be read is said and never written over.
    const bool catalogueLoaded = loadStateList(startup::kCataloguePath, settingsRead, [](const QString &path) {
        if (path.isEmpty())
            Form1->ListBox1.clear();
        else
            Form1->ListBox1.loadFromFile(path);
    });
    const bool usersRead = loadStateList(startup::kUserListPath, settingsRead, [](const QString &path) {
        if (path.isEmpty()) {
            For2->Memo3.clear();
            For2->Memo3Change();
        } else {
            For2->loadUserList(path);
        }
    });
    // Saved by this pass only when it is the user's list and no other.
    const bool catalogueRead = settingsRead && catalogueLoaded;
    if (!settingsRead) {
        Timer2->stop();
        Timer1->stop();
        plat::desktop().show(For8);
    } else if (usersRead) {
        plat::system().sleepMs(10);
        plat::setAttributesNormal(startup::kUserListSavePath);
        // A failed write is no reason to start again from scratch.
        try {
            For2->Memo3.saveToFile(startup::kUserListSavePath);
        } catch (const plat::Failure &f) {
            report(f);
        }
    }

    // Block B: every catalogued sheet must still be readable.
    ListBox1.clear();
    Form2->ListBox1->clear();
    const plat::LineList &catalogue = Form1->ListBox1;
    QStringList titles;
    titles.reserve(catalogue.count());
    // A catalogue of thousands of sheets takes a moment to check.
    const plat::BusyCursor busy(catalogue.count() > 2000);
    // The windows stay painted meanwhile; clicks and keys wait.
    plat::Progress progress = plat::repaintingProgress();
    QStringList kept;
    kept.reserve(catalogue.count());
    for (qsizetype i = 0; i < catalogue.count(); ++i) {
        progress.step(64);
        try {
            titles.append(sheets::readTitleLine(catalogue.at(i), sheets::TitleRead::MakeWritable));
            kept.append(catalogue.at(i));
        } catch (const plat::Failure &) {
            ListBox1.append(QString::number(i));
        }
    }
    Form2->ListBox1->addItems(titles);
    // The unreadable entries go in one pass rather than one removal each,
    // which a catalogue of many dead entries would pay for quadratically.
    if (!ListBox1.isEmpty())
        Form1->ListBox1.setLines(kept);
    // A catalogue list that was never read from the file must not replace it.
    if (catalogueRead) {
        plat::setAttributesNormal(startup::kCataloguePath);
        try {
            Form1->ListBox1.saveToFile(startup::kCataloguePath);
        } catch (const plat::Failure &f) {
            report(f);
        }
    }
    Form3->ListBox1->clear();
    Form3->ListBox1->addItems(titles);
    Form4->ListBox1->clear();
    Form4->ListBox1->addItems(titles);
    Timer2->stop();

    // Block C: who the program is registered to. Reading past the end of the
    // settings list gives empty text, so nothing here can fail. A name of
    // megabytes is shown cut, or laying it out would hold the window.
    Label1->setText(plat::shownPart(Form1->Memo6.memoLine(settings::UserName)));
    Label2->setText(plat::shownPart(QStringLiteral("Société : ") + Form1->Memo6.memoLine(settings::Company)));

    // Block D: the input mode. Without a settings list read from the file, the
    // mode is applied but not saved: an empty list would replace the file with
    // an empty one, and the next start would then skip the first run.
    const bool mouse = Form1->Memo6.memoLine(settings::InputMode) == QLatin1String("Mouse");
    if (!settingsRead)
        Form1->applyInputMode(mouse, false);
    else if (mouse)
        Form1->RadioButton5Click();
    else
        Form1->RadioButton6Click();

    // Block E: colour and sliders.
    try {
        restoreSliders();
    } catch (const plat::Failure &) {
    }
}

bool TForm7::loadStateList(const QString &path, bool settingsRead,
                           const std::function<void(const QString &)> &load)
{
    try {
        if (settingsRead && !plat::fileExists(path))
            load(QString());
        else
            load(path);
        return true;
    } catch (const plat::Failure &f) {
        if (settingsRead)
            report(f);
        return false;
    }
}

void TForm7::report(const plat::Failure &f)
{
    if (plat::shouldReport(f.cause()))
        plat::desktop().showError(f.message());
}

void TForm7::restoreSliders()
{
    // Each line on its own: one that is missing or does not convert keeps its
    // setting at the window's own value and takes no other setting with it.
    const plat::LineList &s = Form1->Memo6;
    if (const auto colour = settings::colourFromText(s.memoLine(settings::FullScreenColour))) {
        pleinec->setMemo1Color(*colour);
        pleinec->setMemo2Color(pleinec->memo1Color());
        pleinec->setFormColor(pleinec->memo1Color());
    }
    const auto interval = settings::integerFromText(s.memoLine(settings::LearningInterval));
    if (interval)
        Form3->TrackBar1->setValue(*interval);
    const auto reveal = settings::integerFromText(s.memoLine(settings::LearningReveal));
    if (reveal)
        Form3->TrackBar2->setValue(*reveal);
    const auto testInterval = settings::integerFromText(s.memoLine(settings::TestInterval));
    if (testInterval)
        Form12->TrackBar1->setValue(*testInterval);
    // A restored value goes back to its line as its slider holds it (a value
    // out of range comes back within it); a line never read is not invented.
    if (reveal)
        Form3->TrackBar2Change();
    if (interval)
        Form3->TrackBar1Change();
    if (testInterval)
        Form12->TrackBar1Change();
}
