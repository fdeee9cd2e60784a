#include "sheets/catalogue.h"
#include "sheets/sheet.h"
#include "sheets/titlelistbox.h"
#include "platform/fileio.h"
#include "tests/support.h"

#include <gtest/gtest.h>

using namespace sheets;
using testing_support::crlf;
using testing_support::Sandbox;

namespace {

struct Fixture {
    Sandbox box;
    plat::LineList catalogue;
    plat::LineList buffer;
    TitleListBox editor{TitleVariant::Editor};
    TitleListBox learning{TitleVariant::Learning};
    TitleListBox test{TitleVariant::Test};
    CatalogueLists lists{&catalogue, &buffer, &editor, &learning, &test};

    QString sheet(const QString &name, const QByteArray &bytes)
    {
        const QString path = box.root() + "/fiches/" + name;
        box.put(path, bytes);
        return path;
    }
    void add(const QString &path)
    {
        box.desktop().fileAnswers.push_back(path);
        addSheet(lists);
    }
    QByteArray file() const { return box.get(catalogueFile()); }

    // Every title list holds, at index i, the title line of catalogue sheet i.
    void expectAligned()
    {
        const QStringList titles = listLines(&editor);
        ASSERT_EQ(titles.size(), catalogue.count());
        for (int i = 0; i < titles.size(); ++i)
            EXPECT_EQ(titles[i], Sheet::load(catalogue.at(i)).titleLine()) << i;
        EXPECT_EQ(listLines(&learning), titles);
        EXPECT_EQ(listLines(&test), titles);
        EXPECT_EQ(file(), plat::LineList(catalogue.lines()).toBytes());
    }
};

} // namespace

TEST(Catalogue, AddTwiceThenRemoveFirstThenRemoveOnly)
{
    Fixture f;
    const QString verbes = f.sheet("verbes.fic", crlf({"Verbes //CM1\\\\", "to go", "aller"}));
    const QString vide = f.sheet("vide.txt", "");

    f.add(verbes);
    ASSERT_EQ(f.box.desktop().records.back().kind, "open");
    EXPECT_EQ(f.box.desktop().records.back().detail,
              "Fiche potentielle Tavilo|*.txt;*.fic|Fiche Tavilo|*.fic|Document texte|*.txt");
    f.add(verbes);
    f.add(vide);
    EXPECT_EQ(f.file(), crlf({verbes.toUtf8(), verbes.toUtf8(), vide.toUtf8()}));
    EXPECT_EQ(listLines(&f.editor), (QStringList{"Verbes //CM1\\\\", "Verbes //CM1\\\\", ""}));
    EXPECT_EQ(f.buffer.lines(), QStringList{});
    f.expectAligned();

    // The first entry: the new first entry is chosen.
    f.editor.setItemIndex(0);
    removeSheet(f.lists);
    EXPECT_EQ(f.catalogue.lines(), (QStringList{verbes, vide}));
    EXPECT_EQ(f.editor.itemIndex(), 0);
    f.expectAligned();

    // The last of two: the one before it is chosen.
    f.editor.setItemIndex(1);
    removeSheet(f.lists);
    EXPECT_EQ(f.catalogue.lines(), QStringList{verbes});
    EXPECT_EQ(f.editor.itemIndex(), 0);
    f.expectAligned();

    // The only entry: empty lists, no choice, an empty file.
    removeSheet(f.lists);
    EXPECT_EQ(f.catalogue.count(), 0);
    EXPECT_EQ(f.editor.count(), 0);
    EXPECT_EQ(f.editor.itemIndex(), -1);
    EXPECT_EQ(f.file(), QByteArray());
    f.expectAligned();

    // The sheets themselves stay on disk.
    EXPECT_TRUE(f.box.exists(verbes));
    EXPECT_TRUE(f.box.exists(vide));
    EXPECT_TRUE(f.box.desktop().messages().isEmpty());
}

TEST(Catalogue, AddCancelledOrUnreadableChangesNothingButCopiesTheTitles)
{
    Fixture f;
    f.editor.addItems({"A"});
    f.catalogue.append(f.sheet("a.fic", crlf({"A"})));
    f.learning.addItem("périmé");

    f.box.desktop().fileAnswers.push_back(std::nullopt);
    addSheet(f.lists);
    EXPECT_EQ(listLines(&f.learning), QStringList{"A"});
    EXPECT_EQ(listLines(&f.test), QStringList{"A"});
    EXPECT_EQ(f.catalogue.count(), 1);

    f.box.put(catalogueFile(), crlf({"avant"}));
    f.add(f.box.root() + "/absent.fic");
    f.add(f.box.root() + "/fiches");
    EXPECT_EQ(f.catalogue.count(), 1);
    EXPECT_EQ(f.editor.count(), 1);
    EXPECT_EQ(f.file(), crlf({"avant"}));
    EXPECT_TRUE(f.box.desktop().messages().isEmpty());
}

TEST(Catalogue, FailedWriteOnAddKeepsTheEntryAndSaysSo)
{
    Fixture f;
    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("Disque plein."); });
    const QString path = f.sheet("a.fic", crlf({"A"}));
    f.add(path);
    EXPECT_EQ(f.catalogue.lines(), QStringList{path});
    EXPECT_EQ(listLines(&f.editor), QStringList{"A"});
    EXPECT_EQ(listLines(&f.test), QStringList{"A"});
    ASSERT_EQ(f.box.desktop().messages().size(), 1);
    EXPECT_TRUE(f.box.desktop().messages().first().contains("Disque plein."));
    plat::setWriteFailureHook({});
}

TEST(Catalogue, FailedWriteOnRemoveKeepsListsAlignedAndSaysWhy)
{
    Fixture f;
    const QString a = f.sheet("a.fic", crlf({"A"}));
    const QString b = f.sheet("b.fic", crlf({"B"}));
    f.add(a);
    f.add(b);
    f.editor.setItemIndex(1);

    plat::setWriteFailureHook([](const QString &) { return QStringLiteral("Disque plein."); });
    removeSheet(f.lists);
    EXPECT_EQ(f.catalogue.lines(), (QStringList{a, b}));
    EXPECT_EQ(listLines(&f.editor), (QStringList{"A", "B"}));
    EXPECT_EQ(listLines(&f.test), (QStringList{"A", "B"}));
    EXPECT_EQ(f.editor.itemIndex(), 1);
    ASSERT_EQ(f.box.desktop().messages().size(), 1);
    EXPECT_TRUE(f.box.desktop().messages().first().contains("Disque plein."));
    plat::setWriteFailureHook({});
    f.expectAligned();

    // Without a choice nothing happens at all.
    f.editor.setItemIndex(-1);
    removeSheet(f.lists);
    EXPECT_EQ(f.catalogue.count(), 2);
}

TEST(Catalogue, ReplaceTitleInTheThreeLists)
{
    Fixture f;
    f.editor.addItems({"A", "B"});
    copyTitleLists(f.lists);
    f.editor.setItemIndex(1);
    replaceTitle(f.lists, 1, "B2 //x\\\\");
    replaceTitle(f.lists, 2, "C");
    replaceTitle(f.lists, 5, "ignoré");
    for (QListWidget *l : {static_cast<QListWidget *>(&f.editor), static_cast<QListWidget *>(&f.learning),
                           static_cast<QListWidget *>(&f.test)})
        EXPECT_EQ(listLines(l), (QStringList{"A", "B2 //x\\\\", "C"}));
}
