// The editor's corrections: what ENTER means where the focus is, a pair
// picked and corrected in place, the last deletion undone, a sheet taken out
// of the title list. The rest of the editor is in editorwindow.cpp.
#include "editor/editorwindow.h"

#include "editor/paircorrection.h"
#include "editor/safeguards.h"
#include "editor/termcolumns.h"
#include "sheets/catalogue.h"
#include "sheets/titledisplay.h"
#include "sheets/titlelistbox.h"

#include "app/mainwindow.h"
#include "platform/desktop.h"
#include "platform/drivepath.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kNoSheet = QStringLiteral("Fiche traitée : pas de fiche sélectionnée");

// The row that shows a pair, -1 when none does.
int rowOfPair(const editor::TermColumns &columns, qsizetype pair)
{
    for (int row = 0; row < columns.rows(); ++row) {
        if (columns.pairOf(row) == pair)
            return row;
    }
    return -1;
}

class UndoPassThrough : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::ShortcutOverride) {
            auto *entry = qobject_cast<QLineEdit *>(watched);
            // Left unclaimed, the key goes to the menu's shortcut.
            if (entry && static_cast<QKeyEvent *>(e)->matches(QKeySequence::Undo) && !entry->isUndoAvailable())
                return true;
        }
        return QObject::eventFilter(watched, e);
    }
};

} // namespace

void TForm2::passUndoToTheMenu()
{
    auto *filter = new UndoPassThrough(this);
    Edit1->installEventFilter(filter);
    Edit2->installEventFilter(filter);
}

void TForm2::emptyEntries()
{
    for (QLineEdit *entry : {Edit1, Edit2}) {
        if (!entry->text().isEmpty())
            entry->setText(QString());
    }
    m_picked.reset();
}

void TForm2::setLastDeletion(std::optional<editor::PlacedPair> deleted)
{
    m_lastDeletion = std::move(deleted);
    Annulerladernieresuppression1->setEnabled(m_lastDeletion.has_value());
}

void TForm2::rememberPick()
{
    const int row = ListBox2->itemIndex();
    if (row < 0 || row >= columns->rows()) {
        m_picked.reset();
        return;
    }
    const QString first = columns->first(row);
    const QString second = columns->second(row);
    m_picked = editor::PlacedPair{columns->pairOf(row), reversed() ? second : first, reversed() ? first : second};
}

bool TForm2::correctionTyped() const
{
    if (!m_picked || Edit1->text().isEmpty() || Edit2->text().isEmpty())
        return false;
    const QString &foreign = reversed() ? Edit2->text() : Edit1->text();
    const QString &french = reversed() ? Edit1->text() : Edit2->text();
    if (foreign == m_picked->foreign && french == m_picked->french)
        return false;
    return editor::locatePair(ListBox5, *m_picked) > 0;
}

void TForm2::enterPressed()
{
    QWidget *focus = focusWidget();
    // A focused button is pressed; the add button adds what is typed.
    if (auto *b = qobject_cast<QPushButton *>(focus); b && b != BitBtn1) {
        b->click();
        return;
    }
    if (focus == ListBox1) {
        // The title list chooses, as a click does; the terms typed stay out
        // of the sheet chosen.
        const int i = ListBox1->itemIndex();
        if (i >= 0 && i != m_sheetRow)
            ListBox1Click();
        return;
    }
    if (focus == ListBox2 || focus == ListBox3) {
        // A row of the columns comes into the entries, to be corrected there.
        if (focus == ListBox2)
            boxclic();
        else
            ListBox3Click();
        if (m_picked)
            Edit1->setFocus();
        return;
    }
    if (focus != BitBtn1 && correctionTyped())
        BitBtn13Click();
    else
        ajout();
}

void TForm2::BitBtn13Click()
{
    // A full text saved later would bring the old pair back.
    if (!settleFullText())
        return;
    const qsizetype pair = m_picked ? editor::locatePair(ListBox5, *m_picked) : 0;
    const int oldRow = pair > 0 ? rowOfPair(*columns, pair) : -1;
    if (oldRow < 0) {
        plat::desktop().showMessage(QStringLiteral("Choisissez d'abord dans les colonnes la paire à remplacer, "
                                                   "puis corrigez ses termes dans les deux champs."));
        return;
    }
    const QString first = Edit1->text();
    const QString second = Edit2->text();
    if (first.isEmpty() || second.isEmpty()) {
        plat::desktop().showMessage(QStringLiteral("Une paire a deux termes : remplissez les deux champs."));
        return;
    }
    const QString foreign = reversed() ? second : first;
    const QString french = reversed() ? first : second;
    if (foreign == m_picked->foreign && french == m_picked->french)
        return;
    if (ListBox1->itemIndex() >= 0 && !sheetWritable())
        return;
    // Yes is the default: the user picked this pair and corrected it.
    if (plat::desktop().messageDlg(editor::replaceQuestion(m_picked->foreign, m_picked->french, foreign, french),
                                   plat::MsgType::Confirmation, plat::mbYes | plat::mbNo, plat::mrYes)
        != plat::mrYes)
        return;
    // The row goes before its terms change and comes back at its new sorted
    // place; the pair keeps its place in the file.
    Memo1.clear();
    columns->removeRowAt(oldRow);
    editor::replacePair(ListBox5, pair, foreign, french);
    const int row = columns->insertPair(pair);
    Memo1 = ListBox5;
    ListBox2->setItemIndex(row);
    ListBox3->setItemIndex(row);
    if (saveSheet())
        readyForNextPair(row);
}

void TForm2::Annulerladernieresuppression1Click()
{
    // A full text typed meanwhile is saved or dropped first; saved, it is the
    // sheet now, and no deletion in it is left to undo.
    if (!m_lastDeletion || !settleFullText() || !m_lastDeletion)
        return;
    if (ListBox1->itemIndex() >= 0 && !sheetWritable())
        return;
    Memo1.clear();
    // The rows number the pairs: they are built again once the pair is in.
    columns->clear();
    const qsizetype pair = editor::restorePair(ListBox5, *m_lastDeletion);
    columns->build(ListBox5, reversed());
    Memo1 = ListBox5;
    setLastDeletion(std::nullopt);
    const int row = rowOfPair(*columns, pair);
    ListBox2->setItemIndex(row);
    ListBox3->setItemIndex(row);
    saveSheet();
    copyTitleLists();
}

void TForm2::showNoSheet()
{
    ListBox1->setItemIndex(-1);
    ListBox1->setToolTip(sheets::initialListHint(sheets::TitleVariant::Editor));
    Label2Caption = kNoSheet;
    setMemo2(Label2Caption);
    m_sheetRow = -1;
    Label6.clear();
    m_sheet = editor::HeldSheet();
    columns->clear();
    ListBox5.clear();
    Memo1.clear();
    columns->build(ListBox5, reversed());
    emptyEntries();
    setLastDeletion(std::nullopt);
    copyTitleLists();
}

void TForm2::BitBtn6Click()
{
    const int removed = ListBox1->itemIndex();
    if (removed < 0)
        return;
    const QString file = Form1 && removed < Form1->ListBox1.count() ? Form1->ListBox1.at(removed) : QString();
    if (plat::desktop().messageDlg(
            editor::removeSheetQuestion(ListBox1->item(removed)->text(), file.isEmpty() ? file : plat::hostPath(file)),
            plat::MsgType::Confirmation, plat::mbYes | plat::mbNo, plat::mrNo)
        != plat::mrYes)
        return;
    // Text typed in full text is saved into the file, which stays, or dropped.
    if (!settleFullText())
        return;
    const int before = ListBox1->count();
    sheets::removeSheet(catalogueLists());
    if (ListBox1->count() == before)
        return;
    // The removed sheet is shown nowhere any more, and no sheet is chosen in
    // its place: a pair typed next goes nowhere until the user chooses.
    showNoSheet();
}

void TForm2::showEvent(QShowEvent *e)
{
    plat::Form::showEvent(e);
    // Every opening starts on the title list, whatever had the focus when
    // the editor was closed.
    ListBox1->setFocus();
}
