#include "platform/french.h"
#include "platform/system.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QPushButton>
#include <gtest/gtest.h>

// The standard dialogs speak French whatever the machine's language: Qt's own
// translation is installed with the program and loaded at start.
TEST(FrenchInterface, QtsOwnTextsAreFrench)
{
    ASSERT_TRUE(plat::loadFrenchTranslation());
    EXPECT_TRUE(plat::loadFrenchTranslation()); // once is enough, twice is harmless

    QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));
    EXPECT_EQ(box.button(QDialogButtonBox::Save)->text(), QStringLiteral("Enregistrer"));

    QFileDialog save;
    save.setOption(QFileDialog::DontUseNativeDialog);
    save.setAcceptMode(QFileDialog::AcceptSave);
    const auto *buttons = save.findChild<QDialogButtonBox *>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));
    EXPECT_NE(save.labelText(QFileDialog::LookIn), QStringLiteral("Look in:"));
    EXPECT_NE(save.labelText(QFileDialog::FileName), QStringLiteral("File &name:"));
    // The kind of each entry it lists.
    EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "Folder", "All other platforms"),
              QStringLiteral("Dossier"));
    EXPECT_EQ(QCoreApplication::translate("QAbstractFileIconProvider", "%1 File").arg(QStringLiteral("fic")),
              QStringLiteral("Fichier fic"));
}

// The sizes and dates of the file dialog's list read as the program's own
// formats do: in French on a machine left in the C locale.
TEST(FrenchInterface, FileDialogSizesAndDatesFollowTheRegionalFormats)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("fiche.fic")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Couleurs\r\nred\r\nrouge\r\n"); // 22 bytes
    file.close();

    QFileSystemModel model;
    const QModelIndex folder = model.setRootPath(dir.path());
    QElapsedTimer clock;
    clock.start();
    while (model.rowCount(folder) == 0 && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_EQ(model.rowCount(folder), 1);
    const QModelIndex entry = model.index(0, 0, folder);
    const QLocale formats = plat::regionalLocale();
    EXPECT_EQ(model.data(entry.siblingAtColumn(1)).toString(), formats.formattedDataSize(22));
    EXPECT_EQ(model.data(entry.siblingAtColumn(3)).toString(),
              formats.toString(QFileInfo(file).lastModified(), QLocale::ShortFormat));
}
