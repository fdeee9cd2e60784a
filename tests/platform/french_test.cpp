#include "platform/french.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
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
