// The editor's full-text mode: the chosen sheet edited as one text, saved
// or dropped; the rest of the editor is in editorwindow.cpp.
#include "editor/editorwindow.h"

#include "editor/safeguards.h"
#include "sheets/catalogue.h"
#include "platform/desktop.h"
#include "platform/failure.h"
#include "platform/linelist.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBlock>

void TForm2::showFullText(bool on)
{
    m_body->setCurrentIndex(on ? 1 : 0);
    for (QWidget *w : std::initializer_list<QWidget *>{memomodi, Stopmodi, stopmodi2, lblmodif})
        w->setVisible(on);
    for (QWidget *w : {Label7, Label8, Label4, Label5})
        w->setVisible(!on);
}

void TForm2::BitBtn10Click()
{
    if (ListBox1->itemIndex() < 0) {
        plat::desktop().showMessage(QStringLiteral("Veuillez sélectionner une fiche dans la liste."));
        return;
    }
    if (!sheetWritable() || !settleFullText())
        return;
    memomodi->setPlainText(editor::fullText(ListBox5));
    memomodi->document()->setModified(false);
    m_fullTextLayout = editor::pairLayout(ListBox5);
    showFullText(true);
}

bool TForm2::inFullText() const
{
    return m_body->currentIndex() == 1;
}

bool TForm2::settleFullText()
{
    if (!inFullText())
        return true;
    if (memomodi->document()->isModified()) {
        switch (plat::desktop().messageDlg(editor::kLeaveFullTextQuestion, plat::MsgType::Confirmation,
                                           plat::mbYes | plat::mbNo | plat::mbCancel, plat::mrCancel)) {
        case plat::mrYes:
            return saveFullText();
        case plat::mrNo:
            break;
        default:
            return false;
        }
    }
    StopmodiClick();
    return true;
}

void TForm2::Stopmodi9Click()
{
    saveFullText();
}

bool TForm2::saveFullText()
{
    if (!inFullText())
        return false;
    // toRawText keeps the characters as typed (a no-break space stays one).
    const QString text = editor::typedText(memomodi->document()->toRawText());
    const std::optional<editor::ShiftWarning> shift =
        editor::pairShiftWarning(m_fullTextLayout, editor::pairLayout(plat::PackedLines::fromText(text)));
    if (shift && plat::desktop().messageDlg(shift->text, plat::MsgType::Warning, plat::mbYes | plat::mbNo,
                                            plat::mrNo) != plat::mrYes) {
        memomodi->setTextCursor(QTextCursor(memomodi->document()->findBlockByNumber(int(shift->line))));
        memomodi->setFocus();
        return false;
    }
    showFullText(false);
    try {
        if (!writeSheetFile(text)) {
            // Not written: the typed text stays on screen.
            showFullText(true);
            return false;
        }
    } catch (const plat::Failure &failure) {
        plat::desktop().showError(failure.message());
        // Still on screen, so that leaving the editor cannot lose it.
        showFullText(true);
        return false;
    }
    // The new title goes to the row of the sheet written, and to no row when
    // that sheet has left the catalogue since it was chosen.
    const int i = ListBox1->itemIndex();
    if (i >= 0 && i == m_sheetRow) {
        const QString title = plat::LineList::parseText(text).value(0);
        sheets::replaceTitle(catalogueLists(), i, title);
        ListBox1->setItemIndex(i);
    }
    // The text saved is the sheet now: a pair deleted before has no place in it.
    setLastDeletion(std::nullopt);
    ListBox1Click();
    return true;
}

void TForm2::StopmodiClick()
{
    showFullText(false);
}
