#include "sheets/titledisplay.h"
#include "tests/support.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <gtest/gtest.h>

using sheets::TitleDisplay;
using sheets::TitleVariant;
using testing_support::Sandbox;

namespace {

const QString kNoInfo = QStringLiteral("Pas d'informations sur cette fiche.");

bool hasColour(const QImage &image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
    return false;
}

} // namespace

TEST(TitleDisplay, CaptionAndHintForEachVariant)
{
    Sandbox box;
    struct Case {
        TitleVariant variant;
        QString line;
        QString caption;
        QString hint;
        bool hintShown;
    };
    const QString p = QStringLiteral("Fiche traitée : ");
    const Case cases[] = {
        {TitleVariant::Editor, p + "Verbes //en classe\\\\", p + "Verbes", "en classe", true},
        {TitleVariant::Editor, p + "Verbes //en classe", p + "Verbes", "", true},
        {TitleVariant::Editor, p + "Verbes", p + "Verbes", kNoInfo, true},
        {TitleVariant::Editor, p, p + "Fiche anonyme", "", false},
        {TitleVariant::Editor, p + " ", p + "Fiche anonyme", "", false},
        {TitleVariant::Editor, p + "  ", p + "  ", kNoInfo, true},
        {TitleVariant::Learning, "Verbes //en classe\\\\", "Verbes", "en classe", true},
        {TitleVariant::Learning, "Verbes", "Verbes", kNoInfo, true},
        {TitleVariant::Learning, "", "Fiche anonyme", "", false},
        {TitleVariant::Learning, p, p, kNoInfo, true},
        {TitleVariant::Test, "Verbes //en classe\\\\", "Verbes", "en classe", true},
        {TitleVariant::Test, "", "Fiche anonyme", "", false},
        {TitleVariant::Test, " ", "Fiche anonyme", "", false},
        {TitleVariant::Test, "  ", "  ", kNoInfo, true},
        {TitleVariant::Test, "Fenêtre de test Tavilo !", "Fenêtre de test Tavilo !", kNoInfo, true},
        {TitleVariant::Statistics, "Utilisateur : Marie", "Utilisateur : Marie", "", false},
        {TitleVariant::Statistics, "Utilisateur : Marie //CM2\\\\", "Utilisateur : Marie", "CM2", true},
        {TitleVariant::Statistics, p, p + "Fiche anonyme", "", false},
    };
    for (const Case &c : cases) {
        QLabel banner;
        TitleDisplay display(c.variant, &banner);
        display.setMemo2(c.line);
        const std::string where = c.line.toStdString() + " / variant " + std::to_string(int(c.variant));
        EXPECT_EQ(display.caption(), c.caption) << where;
        EXPECT_EQ(display.hint(), c.hint) << where;
        EXPECT_EQ(display.hintShown(), c.hintShown) << where;
        EXPECT_EQ(banner.toolTip(), c.hintShown ? c.hint : QString()) << where;
        EXPECT_EQ(display.memo2().lines(), QStringList{c.line});
    }
}

TEST(TitleDisplay, AnonymousAndStatisticsLeaveTheHintAsItWas)
{
    Sandbox box;
    QLabel banner;
    TitleDisplay editor(TitleVariant::Editor, &banner);
    editor.setMemo2(QStringLiteral("Fiche traitée : Verbes //en classe\\\\"));
    editor.setMemo2(QStringLiteral("Fiche traitée : "));
    EXPECT_EQ(editor.caption(), "Fiche traitée : Fiche anonyme");
    EXPECT_EQ(banner.toolTip(), "en classe");

    QLabel statsBanner;
    TitleDisplay stats(TitleVariant::Statistics, &statsBanner);
    stats.setMemo2(QStringLiteral("Utilisateur : Marie //CM2\\\\"));
    stats.setMemo2(QStringLiteral("Utilisateur : Paul"));
    EXPECT_EQ(stats.caption(), "Utilisateur : Paul");
    EXPECT_EQ(statsBanner.toolTip(), "CM2");

    // Emptying the memo is a change too: the test window shows the anonymous
    // caption when its guarded load stops right after emptying it.
    TitleDisplay test(TitleVariant::Test, nullptr);
    test.setMemo2(QStringLiteral("Verbes"));
    test.clearMemo2();
    EXPECT_EQ(test.caption(), "Fiche anonyme");
    EXPECT_TRUE(test.memo2().isEmpty());
}

TEST(TitleDisplay, RendersTheCaptionInMemoryWithMargins)
{
    Sandbox box;
    QLabel banner;
    banner.setFixedSize(721, 73);
    TitleDisplay display(TitleVariant::Learning, &banner);
    display.setMemo2(QStringLiteral("Verbes irréguliers //x\\\\"));

    const QImage bitmap = display.bitmap();
    const QFontMetrics metrics(TitleDisplay::displayFont());
    EXPECT_EQ(bitmap.width(), metrics.horizontalAdvance(QStringLiteral("Verbes irréguliers")) + 20);
    EXPECT_EQ(bitmap.height(), metrics.height() + 20);
    EXPECT_EQ(TitleDisplay::displayFont().pixelSize(), 29);
    EXPECT_TRUE(hasColour(bitmap, qRgb(0, 0, 255)));
    // The margins stay in the window colour.
    for (int x = 0; x < bitmap.width(); ++x) {
        EXPECT_EQ(bitmap.pixel(x, 5) & 0xFFFFFF, 0u);
        EXPECT_EQ(bitmap.pixel(x, bitmap.height() - 5) & 0xFFFFFF, 0u);
    }
    for (int y = 0; y < bitmap.height(); ++y)
        EXPECT_EQ(bitmap.pixel(5, y) & 0xFFFFFF, 0u);

    // Shown in the banner, stretched to the banner's own size.
    EXPECT_TRUE(banner.hasScaledContents());
    EXPECT_EQ(banner.pixmap().size(), bitmap.size());
    EXPECT_EQ(banner.size(), QSize(721, 73));

    // Nothing is written to disk on the way.
    QDirIterator it(box.root(), QDir::Files, QDirIterator::Subdirectories);
    EXPECT_FALSE(it.hasNext());
}

TEST(TitleDisplay, HugeTitleRendersBoundedAndQuickly)
{
    Sandbox box;
    QElapsedTimer timer;
    timer.start();
    TitleDisplay display(TitleVariant::Test, nullptr);
    display.setMemo2(QString(3'000'000, u'W'));
    EXPECT_LE(display.bitmap().width(), 8192);
    EXPECT_GT(display.bitmap().width(), 0);
    EXPECT_EQ(display.caption().size(), 3'000'000);
    EXPECT_LT(timer.elapsed(), 5000);
}

TEST(TitleDisplay, SheetPictureGoesToTheLogoInEditorAndStatistics)
{
    Sandbox box;
    const QString dir = box.root() + "/images";
    QDir().mkpath(dir);
    QImage green(8, 6, QImage::Format_RGB32);
    green.fill(Qt::green);
    ASSERT_TRUE(green.save(dir + "/vert.png"));
    ASSERT_TRUE(green.save(dir + "/vert.bmp"));
    ASSERT_TRUE(green.save(dir + "/vert.jpg"));
    ASSERT_TRUE(green.save(dir + "/vert.ico", "ico"));
    ASSERT_TRUE(green.save(dir + "/png-named.bmp", "png"));
    QFile::copy(dir + "/vert.png", dir + "/vert.gif");
    box.put(dir + "/notes.jpg", "pas une image\r\n");
    QDir().mkpath(dir + "/dossier.png");
    box.put(QStringLiteral("C:\\images\\lecteur.png"), {});
    ASSERT_TRUE(green.save(box.root() + "/drive/c/images/lecteur.png"));

    // A JPEG whose header announces 20000 x 20000 pixels: refused before
    // any decoding.
    QByteArray jpeg;
    {
        QBuffer buf(&jpeg);
        buf.open(QIODevice::WriteOnly);
        green.save(&buf, "jpeg");
    }
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    ASSERT_GE(sof, 0);
    jpeg[sof + 5] = char(20000 >> 8);
    jpeg[sof + 6] = char(20000 & 0xFF);
    jpeg[sof + 7] = char(20000 >> 8);
    jpeg[sof + 8] = char(20000 & 0xFF);
    box.put(dir + "/immense.jpg", jpeg);

    struct Case {
        QString picture;
        bool loads;
    };
    const Case cases[] = {
        {dir + "/vert.png", true},
        {dir + "/vert.bmp", true},
        {dir + "/vert.jpg", true},
        {dir + "/vert.ico", true},
        {QStringLiteral("C:\\images\\lecteur.png"), true},
        {dir + "/png-named.bmp", false},
        {dir + "/vert.gif", false},
        {dir + "/notes.jpg", false},
        {dir + "/dossier.png", false},
        {dir + "/absent.png", false},
        {dir + "/immense.jpg", false},
        {QString(), false},
    };
    for (const TitleVariant variant : {TitleVariant::Editor, TitleVariant::Statistics,
                                       TitleVariant::Learning, TitleVariant::Test}) {
        const bool reads = variant == TitleVariant::Editor || variant == TitleVariant::Statistics;
        for (const Case &c : cases) {
            QLabel banner;
            QLabel logo;
            QPixmap red(3, 3);
            red.fill(Qt::red);
            logo.setPixmap(red);
            TitleDisplay display(variant, &banner, &logo);
            display.setMemo2("Fiche traitée : Animaux //CM1\\\\ /[" + c.picture + "]\\");
            const QSize expected = (reads && c.loads) ? QSize(8, 6) : QSize(3, 3);
            EXPECT_EQ(logo.pixmap().size(), expected)
                << c.picture.toStdString() << " / variant " << int(variant);
            EXPECT_FALSE(display.bitmap().isNull());
        }
    }
}
