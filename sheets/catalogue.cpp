#include "sheets/catalogue.h"

#include "platform/desktop.h"
#include "platform/failure.h"
#include "sheets/titlelistbox.h"

#include <QListWidget>

namespace sheets {

QString catalogueFile()
{
    return QStringLiteral("C:\\windows\\BRNlist.ini");
}

QString sheetOpenFilter()
{
    return QStringLiteral("Fiche potentielle Tavilo|*.txt;*.fic|Fiche Tavilo|*.fic|Document texte|*.txt");
}

void copyTitleLists(const CatalogueLists &lists)
{
    const QStringList titles = listLines(lists.editorTitles);
    for (QListWidget *copy : {lists.learningTitles, lists.testTitles}) {
        if (copy)
            setListLines(copy, titles);
    }
}

void addSheet(const CatalogueLists &lists)
{
    plat::FileRequest request;
    request.filter = sheetOpenFilter();
    if (const std::optional<QString> path = plat::desktop().openFile(request)) {
        addSheetFile(lists, *path);
        return;
    }
    copyTitleLists(lists);
}

Listing listSheetFile(const CatalogueLists &lists, const QString &path)
{
    try {
        lists.sheetBuffer->loadFromFile(path);
        lists.editorTitles->addItem(lists.sheetBuffer->memoLine(0));
        lists.catalogue->append(path);
    } catch (const plat::Failure &) {
        // An unreadable file adds nothing.
        copyTitleLists(lists);
        return {Listing::State::Unreadable, {}};
    }
    Listing listing;
    try {
        lists.catalogue->saveToFile(catalogueFile());
    } catch (const plat::Failure &failure) {
        // The entry stays for this session, aligned with its title.
        listing = {Listing::State::ThisSessionOnly, failure.message()};
    }
    copyTitleLists(lists);
    return listing;
}

bool addSheetFile(const CatalogueLists &lists, const QString &path)
{
    const Listing listing = listSheetFile(lists, path);
    // The user must know the entry will not be there at the next start.
    if (listing.state == Listing::State::ThisSessionOnly)
        plat::desktop().showError(
            QStringLiteral("La fiche est ajoutée à la liste pour cette session, mais la liste des "
                           "fiches n'a pas pu être enregistrée.\n%1")
                .arg(listing.failure));
    return listing.state != Listing::State::Unreadable;
}

void removeSheet(const CatalogueLists &lists)
{
    const int i = selectedRow(lists.editorTitles);
    if (i < 0)
        return;
    // The file is written first from a copy, so that a failed write leaves
    // the catalogue and the titles as they were, still aligned.
    plat::LineList remaining = *lists.catalogue;
    if (i < remaining.count())
        remaining.removeAt(i);
    try {
        remaining.saveToFile(catalogueFile());
    } catch (const plat::Failure &failure) {
        plat::desktop().showError(failure.message());
        return;
    }
    *lists.catalogue = std::move(remaining);
    delete lists.editorTitles->takeItem(i);
    selectRow(lists.editorTitles, i > 0 ? i - 1 : 0);
    copyTitleLists(lists);
}

void replaceTitle(const CatalogueLists &lists, int i, const QString &title)
{
    for (QListWidget *list : {lists.editorTitles, lists.learningTitles, lists.testTitles}) {
        if (!list || i < 0 || i > list->count())
            continue;
        list->insertItem(i, title);
        if (i + 1 < list->count())
            delete list->takeItem(i + 1);
    }
}

} // namespace sheets
