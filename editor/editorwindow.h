#pragma once
#include "editor/heldsheet.h"
#include "editor/paircorrection.h"
#include "editor/safeguards.h"
#include "editor/termlistview.h"
#include "platform/form.h"
#include "platform/linelist.h"
#include "platform/packedlines.h"
#include "sheets/titlelistbox.h"

#include <QFont>
#include <QString>
#include <optional>

class ClickLabel;
class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace editor {
class TermColumns;
}
namespace sheets {
class TitleDisplay;
struct CatalogueLists;
}

// The sheet editor: the catalogue's titles on the left, the chosen sheet's
// pairs in two sorted, aligned columns, and the commands on whole sheets.
// Every change of a sheet is written to its file at once.
class TForm2 : public plat::Form {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
    ~TForm2() override;

    // Top band.
    ClickLabel *Image1; // logo: the about window; receives the sheet picture
    QLabel *Image3;     // title banner

    // Left column.
    QLabel *Label1;
    sheets::TitleListBox *ListBox1; // title list, the master copy
    QLabel *Label10;
    QPushButton *BitBtn10, *BitBtn7, *BitBtn8, *BitBtn9, *BitBtn5, *BitBtn6;

    // The term columns: two views of one list of rows.
    QLabel *Label4, *Label5; // headings; Label4's caption is the direction
    TermListView *ListBox2;  // first column, sorted
    TermListView *ListBox3;  // second column
    QLineEdit *Edit1, *Edit2;
    QToolButton *SpeedButton1, *SpeedButton2; // column fonts, by mouse
    QPushButton *BitBtn11, *BitBtn12;         // column fonts, by keyboard
    QLabel *Label11;
    QPushButton *BitBtn1;  // "Ajouter un terme à la liste", also ENTER
    QPushButton *BitBtn2;  // change of direction
    QPushButton *BitBtn3;  // "Supprimer un terme de la liste"
    QPushButton *BitBtn4;  // stop
    QPushButton *BitBtn13; // "Remplacer la paire": the pair picked, corrected in place
    QLabel *Label7, *Label8; // term labels
    QLabel *Memo4;           // size warning

    // Full-text mode.
    QLabel *lblmodif;
    QPlainTextEdit *memomodi;
    QPushButton *Stopmodi, *stopmodi2;

    // Menu.
    QMenuBar *MainMenu1;
    QMenu *Fichier1, *Terme1, *N1;
    QAction *Crerunenouvellefiche1, *Nouvellefiche1, *Modifierenpleintexte1, *Crerunefiche1,
        *Exporterlafiche1, *Imprimerlafiche1, *Quitterlamodificationdesfiches1;
    QAction *Ajouter1, *Supprimer1, *Changerlesensdetraduction1;
    QAction *APropos1, *Aide1;
    QAction *Exporterkvtml1, *Exportertabule1; // exports for other programs
    QAction *Remplacerlapaire1, *Annulerladernieresuppression1; // menu Terme, after the others

    // Data.
    plat::PackedLines Memo1;    // sheet lines, as last written
    plat::PackedLines ListBox5; // working lines: pairs are added and deleted here; the columns read them
    plat::LineList ListBox6; // export buffer
    QString Label6;          // sheet path of the sheet chosen last
    QString Label2Caption = QStringLiteral("Fiche traitée : pas de fiche sélectionnée");
    QString Label3;             // count left by the background double-click
    QString SaveDialog1FileName; // file name last chosen for a new sheet
    QFont FontDialog1Font;       // print font offered
    QFont RichEdit1Font;         // print font in use
    sheets::TitleDisplay *titleDisplay;
    editor::TermColumns *columns;

    // The title display: clears Memo2, adds the line and shows it.
    void setMemo2(const QString &line);
    QString memo2Line() const;
    // Copies the editor's title list into the learning and test windows'.
    void copyTitleLists();
    sheets::CatalogueLists catalogueLists();
    // Whether the chosen sheet was read.
    bool sheetLoaded() const { return m_sheet.state() == editor::HeldSheet::State::Loaded; }
    const editor::HeldSheet &heldSheet() const { return m_sheet; }
    // The title-list row of the sheet held, -1 when the sheet held is no
    // longer listed (removed from the catalogue) or the titles were rebuilt.
    int sheetRow() const { return m_sheetRow; }
    // Whether the held sheet may be written; when not, the user is told why.
    bool sheetWritable();
    // Writes the held sheet: the text encoded, followed by what its reading
    // left out. False when not written: the file cannot be read (the user is
    // told why), or it changed outside since it was read or written and the
    // user chose to keep it. Throws plat::Failure when the write fails.
    bool writeSheetFile(QStringView text);
    bool reversed() const;

    // Sheet choice and columns.
    void ListBox1Click();
    void ListBox1DblClick();
    void BitBtn1Click(); // change of direction
    void FormActivate(); // background double-click: the numbered sheets
    void cl();           // stop
    void FormClose();

    // Terms.
    void Edit1Change();
    void Edit2Change();
    void Listbox2Enter();
    void boxclic();
    void ListBox3Click();
    void ajout();
    void BitBtn3Click();
    void BitBtn13Click(); // replace the pair picked by the pair typed
    void Annulerladernieresuppression1Click(); // the last pair deleted back in its place
    // The pair picked in the columns into the entries, while it is the one
    // the entries stand for; the deletion that can be undone.
    const std::optional<editor::PlacedPair> &pickedPair() const { return m_picked; }
    const std::optional<editor::PlacedPair> &lastDeletion() const { return m_lastDeletion; }

    // Sheet commands.
    void BitBtn5Click(); // add a sheet to the catalogue
    void BitBtn6Click(); // remove a sheet from the catalogue
    void Crerunenouvellefiche1Click();
    void BitBtn10Click();  // full-text mode
    void Stopmodi9Click(); // full-text mode, save
    void StopmodiClick();  // full-text mode, leave
    void BitBtn8Click();   // export
    void Exporterkvtml1Click();   // export as a kvtml document
    void Exportertabule1Click();  // export as tab-separated text
    void BitBtn9Click();   // print
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Image1Click();
    void Aide1Click();

    bool inFullText() const;
    // Before anything that leaves full-text mode or replaces its text: typed
    // text is saved or dropped as the user says. False when the user chose to
    // go on typing, or the save did not go through; the text then stays.
    bool settleFullText();

protected:
    void showEvent(QShowEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    void buildMenu();
    // Sets the sheet lines from the working lines and writes them when a
    // title is chosen; false when the write failed (the error box said why).
    bool saveSheet();
    void showFullText(bool on);
    // The full-text save; false when the text was not written and stays on
    // screen (the user went back to it, or the write failed).
    bool saveFullText();
    // After a pair is added: empty entries, the new row shown, the first
    // entry ready for the next pair.
    void readyForNextPair(int row);
    void refreshTermLabels();
    void chooseColumnFont(TermListView *column);
    // ENTER: chooses in the title list, takes a row of the columns into the
    // entries, replaces the pair picked when its text was corrected, and
    // otherwise adds the pair typed.
    void enterPressed();
    void rememberPick();
    // Ctrl+Z in an entry undoes its typing while there is typing to undo,
    // and the last deletion otherwise.
    void passUndoToTheMenu();
    // Whether the entries hold the pair picked with its text changed.
    bool correctionTyped() const;
    void setLastDeletion(std::optional<editor::PlacedPair> deleted);
    void emptyEntries();
    // No sheet chosen: no title selected, the banner and the columns empty,
    // nothing held that a command could write.
    void showNoSheet();

    QStackedWidget *m_body = nullptr;
    editor::HeldSheet m_sheet;
    int m_sheetRow = -1;
    editor::PairLayout m_fullTextLayout; // of the text full-text mode started with
    std::optional<editor::PlacedPair> m_picked;
    std::optional<editor::PlacedPair> m_lastDeletion;
};

extern TForm2 *Form2;
