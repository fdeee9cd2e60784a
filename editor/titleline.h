#pragma once
#include "sheets/sheet.h"

#include <QString>

// The title line the naming and title dialogs write from their two entries,
// and the entries the title dialog opens with. Qt Core only.
namespace editor {

// A new sheet always carries both markers, so that a sheet created without
// information still ends its title line with " //" and "\\".
inline QString newSheetTitle(const QString &name, const QString &information)
{
    return name + sheets::kInfoStart + information + sheets::kInfoEnd;
}

// A renamed sheet without information gets its name alone.
inline QString renamedTitle(const QString &name, const QString &information)
{
    return information.isEmpty() ? name : newSheetTitle(name, information);
}

struct TitleEntries {
    QString name;
    QString information;
};

// What the title dialog shows for a title line: its sheet name, and its sheet
// information or nothing when it has none.
inline TitleEntries titleEntries(QStringView line)
{
    return {sheets::sheetName(line), sheets::sheetInformation(line).value_or(QString())};
}

} // namespace editor
