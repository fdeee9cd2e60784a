#pragma once
#include "platform/linelist.h"

#include <QString>

class QListWidget;

namespace sheets {

// The catalogue file: one sheet path per line, in title-list order.
QString catalogueFile(); // "C:\windows\BRNlist.ini"
// The open dialog's filter when a sheet is added to the catalogue.
QString sheetOpenFilter();

// The lists the catalogue operations keep aligned: line i of each title list
// is the title line of the sheet named by catalogue line i. The editor's
// title list is the master; the two others are copies of it.
struct CatalogueLists {
    plat::LineList *catalogue = nullptr;   // Form1.ListBox1
    plat::LineList *sheetBuffer = nullptr; // Form1.Memo4
    QListWidget *editorTitles = nullptr;   // Form2.ListBox1
    QListWidget *learningTitles = nullptr; // Form3.ListBox1
    QListWidget *testTitles = nullptr;     // Form4.ListBox1
};

// Copies the editor's title list into the learning and test windows' lists.
void copyTitleLists(const CatalogueLists &lists);

// "Ajouter une fiche à la liste" (the editor's BitBtn5Click): asks for a
// sheet, appends its title line and its path, writes the catalogue file, then
// copies the title list. A file that cannot be read changes nothing; a failed
// catalogue write is silent and the new entry stays listed.
void addSheet(const CatalogueLists &lists);
// The same for a file already chosen: false, and nothing changed, when it
// cannot be read.
bool addSheetFile(const CatalogueLists &lists, const QString &path);

// What became of a sheet file added by listSheetFile.
struct Listing {
    enum class State { Saved, ThisSessionOnly, Unreadable } state = State::Saved;
    QString failure; // why the catalogue file was not written
};
// addSheetFile without a word: the caller tells the user, in a message of
// its own (a sheet just imported).
Listing listSheetFile(const CatalogueLists &lists, const QString &path);

// "Supprimer la fiche de la liste" (the editor's BitBtn6Click): removes the
// selected entry from the catalogue, its file and the title lists, selects the
// entry before it (or the first one), then copies the title list. The sheet
// file stays on disk. When the catalogue file cannot be written, nothing is
// removed and the error box gives the reason.
void removeSheet(const CatalogueLists &lists);

// Replaces title i in the three title lists (a title dialog or a full-text
// save renamed the sheet): inserted at i, the old entry, now at i + 1, deleted.
// A selection of entry i goes with the old entry; the caller selects again.
void replaceTitle(const CatalogueLists &lists, int i, const QString &title);

} // namespace sheets
