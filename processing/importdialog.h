#pragma once
#include "interchange/vocabularytable.h"
#include "platform/form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace sheets {
struct CatalogueLists;
}

// Asks which column (or language) of a vocabulary file holds the foreign
// terms and which the French ones, and whether its first row names the
// columns, showing the first pairs the choice gives.
class ImportColumnsDialog : public plat::Form {
    Q_OBJECT
public:
    ImportColumnsDialog(const interchange::VocabularyTable &table, const QString &fileName,
                        QWidget *parent = nullptr);

    static constexpr int kPreviewRows = 8;

    QLabel *Heading;
    QLabel *ForeignLabel, *FrenchLabel;
    QComboBox *ForeignColumn, *FrenchColumn;
    QCheckBox *HeaderRow; // only for spreadsheets' text
    QLabel *PreviewLabel;
    QTableWidget *Preview;
    QLabel *Problem;
    QPushButton *ImportButton, *CancelButton;

    interchange::ColumnChoice choice() const;

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    void refresh();

    const interchange::VocabularyTable &m_table;
};

namespace processing {

// "Importer une liste de vocabulaire": asks for a kvtml, csv or tsv file,
// reads it, lets the user choose the columns when there is a choice, asks
// where to save the new sheet, writes it and adds it to the catalogue, then
// says how many pairs came in and what was left out. Bad input is told and
// writes nothing.
void importVocabulary(const sheets::CatalogueLists &lists, QWidget *owner);

} // namespace processing
