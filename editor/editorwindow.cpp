#include "editor/editorwindow.h"

#include "app/mainwindow.h"
#include "diversions/exportnotice.h"
#include "editor/namingdialog.h"
#include "editor/termcolumns.h"
#include "editor/termlistview.h"
#include "editor/titledialog.h"
#include "help/aboutwindow.h"
#include "learning/learningwindow.h"
#include "sheets/catalogue.h"
#include "sheets/titledisplay.h"
#include "sheets/titlelistbox.h"
#include "testing/testwindow.h"

#include "platform/application.h"
#include "platform/busycursor.h"
#include "platform/desktop.h"
#include "platform/encoding.h"
#include "platform/failure.h"
#include "platform/fileio.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

TForm2 *Form2 = nullptr;

namespace {

// Sets an entry only when its text changes, so that its change handler runs
// only then, as a text control does.
void setEntry(QLineEdit *entry, const QString &text)
{
    if (entry->text() != text)
        entry->setText(text);
}

} // namespace

// --- Shared pieces -----------------------------------------------------------

void TForm2::setMemo2(const QString &line)
{
    titleDisplay->setMemo2(line);
}

QString TForm2::memo2Line() const
{
    return titleDisplay->memo2Line();
}

sheets::CatalogueLists TForm2::catalogueLists()
{
    sheets::CatalogueLists lists;
    if (Form1) {
        lists.catalogue = &Form1->ListBox1;
        lists.sheetBuffer = &Form1->Memo4;
    }
    lists.editorTitles = ListBox1;
    lists.learningTitles = Form3 ? Form3->ListBox1 : nullptr;
    lists.testTitles = Form4 ? Form4->ListBox1 : nullptr;
    return lists;
}

void TForm2::copyTitleLists()
{
    sheets::copyTitleLists(catalogueLists());
}

bool TForm2::reversed() const
{
    return editor::isReversed(Label4->text());
}

bool TForm2::sheetWritable()
{
    if (m_sheet.writable())
        return true;
    plat::desktop().showMessage(m_sheet.refusal());
    return false;
}

bool TForm2::writeSheetFile(QStringView text)
{
    switch (m_sheet.planWrite()) {
    case editor::HeldSheet::Plan::Refuse:
        plat::desktop().showMessage(m_sheet.refusal());
        return false;
    case editor::HeldSheet::Plan::AskFirst:
        // Enter keeps the file: a user adding pairs with Enter must not
        // replace it without reading the question.
        if (plat::desktop().messageDlg(m_sheet.changedOutsideQuestion(), plat::MsgType::Confirmation,
                                       plat::mbYes | plat::mbNo, plat::mrNo)
            != plat::mrYes)
            return false;
        break;
    case editor::HeldSheet::Plan::Write:
        break;
    }
    m_sheet.write(text);
    return true;
}

bool TForm2::saveSheet()
{
    Memo1 = ListBox5;
    if (ListBox1->itemIndex() < 0)
        return true;
    try {
        if (!writeSheetFile(Memo1.toText())) {
            // Not written: show the sheet as it is on the disk.
            ListBox1Click();
            return false;
        }
    } catch (const plat::Failure &failure) {
        plat::desktop().showError(failure.message());
        return false;
    }
    return true;
}

// --- Sheet choice and columns ------------------------------------------------

void TForm2::ListBox1Click()
{
    const int i = ListBox1->itemIndex();
    QString notice;
    // A big sheet takes a moment to read and sort: the cursor says so until
    // the columns are filled, and is back before any message.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    auto restoreCursor = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    // The window stays painted meanwhile; clicks and keys wait.
    plat::Progress progress = plat::repaintingProgress();
    if (i >= 0) {
        const QString title = ListBox1->item(i)->text();
        ListBox1->setToolTip(title);
        Label2Caption = sheets::kProcessedPrefix + title;
        setMemo2(Label2Caption);
        m_sheetRow = i;
        const QString pathBefore = m_sheet.path();
        const editor::HeldSheet::State stateBefore = m_sheet.state();
        // A title without a catalogue line (after the background
        // double-click) names no file: neither a rename nor a print may go
        // to the sheet chosen before.
        Label6 = (Form1 && i < Form1->ListBox1.count()) ? Form1->ListBox1.at(i) : QString();
        // Nothing of the sheet chosen before may stay, or a term command
        // would write it under this sheet's path. It goes before the read,
        // so that a big sheet chosen again is not held twice.
        columns->clear();
        ListBox5.clear();
        Memo1.clear();
        Memo1 = m_sheet.load(Label6, title, progress);
        // The area is filled again whenever full-text mode starts; only an
        // area on screen must follow the sheet now.
        if (memomodi->isVisibleTo(this))
            memomodi->setPlainText(editor::fullText(Memo1));
        else
            memomodi->clear();
        // Said once for a choice, not again at each reload of the same sheet.
        if (Label6 != pathBefore || m_sheet.state() != stateBefore)
            notice = m_sheet.choiceNotice();
        // What was typed, picked or deleted belongs to the sheet left: an
        // ENTER must not put it into this one.
        if (Label6 != pathBefore) {
            emptyEntries();
            setLastDeletion(std::nullopt);
        }
    }
    // The columns read the working lines, which start as the sheet lines.
    columns->clear();
    ListBox5 = Memo1;
    columns->build(ListBox5, reversed(), progress);
    plat::releaseFreedMemory(ListBox5.toText().size() * qsizetype(sizeof(QChar)));
    copyTitleLists();
    if (notice.isEmpty())
        return;
    QGuiApplication::restoreOverrideCursor();
    restoreCursor.dismiss();
    plat::desktop().showMessage(notice);
}

void TForm2::ListBox1DblClick()
{
    plat::desktop().showModal(For9);
}

void TForm2::BitBtn1Click()
{
    // The sheet is read again: typed full text would be replaced unasked.
    if (!settleFullText())
        return;
    const QString edit3 = Edit1->text();
    setEntry(Edit1, Edit2->text());
    setEntry(Edit2, edit3);
    const QString &heading = editor::swappedHeading(Label4->text());
    Label4->setText(heading);
    Label5->setText(heading == editor::kForeignHeading ? editor::kFrenchHeading : editor::kForeignHeading);
    ListBox1Click();
}

void TForm2::FormActivate()
{
    // The rows now list other files: no row stands for the sheet held.
    m_sheetRow = -1;
    ListBox1->clear();
    for (int i = 0; i <= 500; ++i) {
        try {
            Memo1 = plat::PackedLines::parse(plat::readFileBytes(editor::numberedSheetPath(i)));
            ListBox1->addItem(Memo1.memoLine(0));
        } catch (const plat::Failure &) {
            Label3 = QString::number(i);
            break;
        }
    }
    copyTitleLists();
}

void TForm2::cl()
{
    if (settleFullText())
        FormClose();
}

void TForm2::FormClose()
{
    // Reopened, the editor holds no chosen sheet: a full text left on screen
    // would be saved into whatever sheet is chosen next.
    if (inFullText())
        StopmodiClick();
    m_picked.reset();
    setLastDeletion(std::nullopt);
    ListBox1->setItemIndex(-1);
    closeWith(plat::mrCancel);
    if (Form1)
        Form1->uncheckActivityButtons();
    columns->clear();
    copyTitleLists();
}

void TForm2::closeEvent(QCloseEvent *e)
{
    if (!settleFullText()) {
        e->ignore();
        return;
    }
    FormClose();
    e->accept();
}

void TForm2::mouseDoubleClickEvent(QMouseEvent *e)
{
    // Only the window's own background: a double-click on a label or a list
    // belongs to that control.
    QWidget *under = childAt(e->position().toPoint());
    const bool background = !under || under->metaObject() == &QWidget::staticMetaObject
        || under == m_body;
    if (e->button() == Qt::LeftButton && background)
        plat::runGuarded([this] { FormActivate(); });
    plat::Form::mouseDoubleClickEvent(e);
}

void TForm2::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        plat::runGuarded([this] { enterPressed(); });
        return;
    }
    plat::Form::keyPressEvent(e);
}

// --- Terms ---------------------------------------------------------------------

void TForm2::refreshTermLabels()
{
    Label7->setText(editor::termLabel(Label4->text(), Edit1->text()));
    Label8->setText(editor::termLabel(Label5->text(), Edit2->text()));
}

void TForm2::Edit1Change()
{
    ListBox2->setItemIndex(columns->searchPrefix(Edit1->text()));
    Listbox2Enter();
    refreshTermLabels();
    copyTitleLists();
}

void TForm2::Edit2Change()
{
    refreshTermLabels();
    copyTitleLists();
}

void TForm2::Listbox2Enter()
{
    ListBox3->setItemIndex(ListBox2->itemIndex());
}

void TForm2::boxclic()
{
    const int row = ListBox2->itemIndex();
    if (row >= 0)
        setEntry(Edit1, columns->first(row));
    Listbox2Enter();
    const int second = ListBox3->itemIndex();
    if (second >= 0)
        setEntry(Edit2, columns->second(second));
    rememberPick();
    copyTitleLists();
}

void TForm2::ListBox3Click()
{
    const int row = ListBox3->itemIndex();
    if (row >= 0) {
        ListBox2->setItemIndex(row);
        setEntry(Edit1, columns->first(row));
        const int first = ListBox2->itemIndex();
        if (first >= 0)
            setEntry(Edit2, columns->second(first));
        rememberPick();
    }
    copyTitleLists();
}

void TForm2::ajout()
{
    const QString first = Edit1->text();
    const QString second = Edit2->text();
    if (first.isEmpty() || second.isEmpty())
        return;
    // A full text saved later would not hold the pair.
    if (!settleFullText())
        return;
    if (ListBox1->itemIndex() >= 0 && !sheetWritable())
        return;
    // ENTER adds from anywhere, a pair picked in the columns included: a pair
    // the sheet holds goes in twice only when the user says so.
    const QString &foreign = reversed() ? second : first;
    const QString &french = reversed() ? first : second;
    if (editor::findPair(ListBox5, foreign, french)
        && plat::desktop().messageDlg(editor::duplicateQuestion(foreign, french), plat::MsgType::Confirmation,
                                      plat::mbYes | plat::mbNo, plat::mrNo)
            != plat::mrYes)
        return;
    // The sheet lines follow the working lines; sharing them while the pair
    // goes in would copy the whole list.
    Memo1.clear();
    const int row = editor::addTypedPair(ListBox5, *columns, first, second, reversed());
    Memo1 = ListBox5;
    ListBox2->setItemIndex(row);
    ListBox3->setItemIndex(row);
    if (saveSheet())
        readyForNextPair(row);
}

void TForm2::readyForNextPair(int row)
{
    // Emptying the first entry clears the selection its search made.
    emptyEntries();
    ListBox2->setItemIndex(row);
    ListBox3->setItemIndex(row);
    Edit1->setFocus();
}

void TForm2::BitBtn3Click()
{
    if (!settleFullText())
        return;
    if (ListBox1->itemIndex() >= 0 && !sheetWritable())
        return;
    const int s = ListBox2->itemIndex();
    const bool rowChosen = s >= 0 && s < columns->rows();
    std::optional<editor::PlacedPair> deleted;
    if (rowChosen) {
        const QString foreign = reversed() ? columns->second(s) : columns->first(s);
        const QString french = reversed() ? columns->first(s) : columns->second(s);
        if (plat::desktop().messageDlg(editor::deleteQuestion(foreign, french), plat::MsgType::Confirmation,
                                       plat::mbYes | plat::mbNo, plat::mrNo)
            != plat::mrYes)
            return;
        if (const qsizetype pair = editor::findPair(ListBox5, foreign, french, columns->pairOf(s)))
            deleted = editor::PlacedPair{pair, foreign, french};
    }
    Memo1.clear(); // as in ajout: saveSheet sets it again
    editor::deleteRow(ListBox5, *columns, s, reversed());
    // The pair deleted comes back by its undo only, not by an ENTER on the
    // terms it would leave in the entries.
    if (rowChosen)
        emptyEntries();
    const int next = s > 0 ? s : 0;
    ListBox2->setItemIndex(next);
    ListBox3->setItemIndex(next);
    // Undone, a deletion the file never saw would put the pair in twice.
    if (saveSheet() && deleted)
        setLastDeletion(deleted);
}

// --- Sheet commands ----------------------------------------------------------

void TForm2::BitBtn5Click()
{
    sheets::addSheet(catalogueLists());
}

void TForm2::Crerunenouvellefiche1Click()
{
    // The new sheet becomes the chosen one, which ends full-text mode.
    if (!settleFullText())
        return;
    plat::FileRequest request;
    request.filter = QStringLiteral("Fiche Tavilo|*.fic");
    request.defaultExt = QStringLiteral("fic");
    if (const std::optional<QString> name = plat::desktop().saveFile(request)) {
        SaveDialog1FileName = *name;
        if (plat::desktop().showModal(Form9) == plat::mrOk) {
            // The next pairs typed go to the sheet just created.
            ListBox1->setItemIndex(ListBox1->count() - 1);
            ListBox1Click();
            Edit1->setFocus();
        }
    }
    copyTitleLists();
}

void TForm2::BitBtn8Click()
{
    const int i = ListBox1->itemIndex();
    if (i >= 0) {
        plat::FileRequest request;
        request.filter = QStringLiteral("Séparateur à virgules|*.csv");
        request.defaultExt = QStringLiteral("csv");
        if (const std::optional<QString> path = plat::desktop().saveFile(request)) {
            ListBox6.setLines(editor::exportLines(ListBox1->item(i)->text(), *columns));
            try {
                ListBox6.saveToFile(*path);
                plat::desktop().showModal(Form11);
            } catch (const plat::Failure &failure) {
                Label2Caption = QStringLiteral("L'enregistrement a échoué...");
                plat::desktop().showMessage(QStringLiteral("L'enregistrement a échoué...\n")
                                            + failure.message());
            }
        }
    }
    copyTitleLists();
}

void TForm2::BitBtn9Click()
{
    if (ListBox1->itemIndex() < 0)
        return;
    if (const std::optional<QFont> font = plat::desktop().chooseFont(FontDialog1Font)) {
        FontDialog1Font = *font;
        RichEdit1Font = *font;
    }
    QPrinter printer;
    if (!plat::desktop().choosePrinter(printer))
        return;
    try {
        plat::printTextFile(Label6, RichEdit1Font, QStringLiteral("Fiche Tavilo"), printer);
    } catch (const plat::Failure &) {
        // A sheet that cannot be read prints nothing.
    }
}

void TForm2::chooseColumnFont(TermListView *column)
{
    if (const std::optional<QFont> font = plat::desktop().chooseFont(column->font()))
        column->setFont(*font);
}

void TForm2::SpeedButton1Click()
{
    chooseColumnFont(ListBox2);
}

void TForm2::SpeedButton2Click()
{
    chooseColumnFont(ListBox3);
}

void TForm2::Image1Click()
{
    plat::desktop().showModal(Form5);
    copyTitleLists();
}

void TForm2::Aide1Click()
{
    if (Form1)
        Form1->BitBtn6Click();
}
