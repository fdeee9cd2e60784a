// The editor's exports for other programs: a kvtml document for the KDE
// vocabulary trainers, and tab-separated text for flash-card programs.
#include "editor/editorwindow.h"

#include "interchange/delimitedtext.h"
#include "interchange/kvtml.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "sheets/sheet.h"

namespace {

struct ExportFormat {
    QString filter;
    QString extension;
    QByteArray (*write)(const plat::PackedLines &);
};

// The pairs as the sheet holds them, foreign term first, whatever direction
// the columns show.
void exportSheet(TForm2 &editor, const ExportFormat &format)
{
    plat::Desktop &desktop = plat::desktop();
    const int i = editor.ListBox1->itemIndex();
    if (i < 0) {
        desktop.showMessage(QStringLiteral("Veuillez sélectionner une fiche dans la liste."));
        return;
    }
    // The sheet shown is the one selected.
    if (i != editor.sheetRow())
        editor.ListBox1Click();
    if (editor.heldSheet().state() == editor::HeldSheet::State::Unreadable) {
        desktop.showMessage(QStringLiteral("Cette fiche ne peut pas être lue : rien n'a été exporté."));
        return;
    }
    const plat::PackedLines &lines = editor.ListBox5;
    plat::FileRequest request;
    request.filter = format.filter;
    request.defaultExt = format.extension;
    // Beside the sheets, where the program keeps its own files.
    request.initialDir = QStringLiteral("C:\\Orsiva\\Tavilo !\\");
    const QString name = sheets::sheetName(lines.memoLine(0)).trimmed();
    if (!name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\'))
        request.fileName = name + u'.' + format.extension;
    const std::optional<QString> path = desktop.saveFile(request);
    if (!path)
        return;
    try {
        plat::writeFile(*path, format.write(lines));
    } catch (const plat::Failure &failure) {
        desktop.showMessage(QStringLiteral("L'enregistrement a échoué...\n") + failure.message());
        return;
    }
    const qsizetype pairs = sheets::pairCount(lines.count());
    desktop.showMessage(QStringLiteral("La fiche a été exportée : %1 %2.")
                            .arg(pairs)
                            .arg(pairs <= 1 ? QStringLiteral("paire") : QStringLiteral("paires")));
}

} // namespace

void TForm2::Exporterkvtml1Click()
{
    exportSheet(*this, {QStringLiteral("Document kvtml|*.kvtml"), QStringLiteral("kvtml"), interchange::kvtmlDocument});
    copyTitleLists();
}

void TForm2::Exportertabule1Click()
{
    exportSheet(*this, {QStringLiteral("Texte tabulé|*.txt;*.tsv"), QStringLiteral("txt"),
                        interchange::tabSeparatedText});
    copyTitleLists();
}
