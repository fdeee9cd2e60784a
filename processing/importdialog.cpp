#include "processing/importdialog.h"

#include "learning/speakingrules.h"
#include "platform/busycursor.h"
#include "platform/controls.h"
#include "platform/desktop.h"
#include "platform/drivepath.h"
#include "platform/failure.h"
#include "platform/linelist.h"
#include "setup/firstrun.h"
#include "sheets/catalogue.h"
#include "sheets/sheet.h"
#include "sheets/sheetlanguage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using interchange::ColumnChoice;
using interchange::VocabularyTable;

ImportColumnsDialog::ImportColumnsDialog(const VocabularyTable &table, const QString &fileName, QWidget *parent)
    : plat::Form(QStringLiteral("ImportColumnsDialog"), parent), m_table(table)
{
    setWindowTitle(QStringLiteral("Importer une liste de vocabulaire"));
    setColours(Qt::black, Qt::white);
    const QFont font = plat::pixelFont(QStringLiteral("Arial"), 13);
    const QFont bold = plat::pixelFont(QStringLiteral("Arial"), 13, true);
    const bool kvtml = table.kind == VocabularyTable::Kind::Kvtml;

    Heading = plat::colourLabel(
        (kvtml ? QStringLiteral("« %1 » contient %2 langues. Choisissez celle des termes étrangers et celle de "
                                "leur traduction française :")
               : QStringLiteral("« %1 » contient %2 colonnes. Choisissez celle des termes étrangers et celle de "
                                "leur traduction française :"))
            .arg(fileName)
            .arg(table.columnCount()),
        QStringLiteral("Heading"), QStringLiteral("white"), bold, this);
    Heading->setWordWrap(true);
    ForeignLabel = plat::colourLabel(QStringLiteral("Terme étranger :"), QStringLiteral("ForeignLabel"),
                                     QStringLiteral("white"), font, this);
    FrenchLabel = plat::colourLabel(QStringLiteral("Terme français :"), QStringLiteral("FrenchLabel"),
                                    QStringLiteral("white"), font, this);
    ForeignColumn = new QComboBox(this);
    ForeignColumn->setObjectName(QStringLiteral("ForeignColumn"));
    FrenchColumn = new QComboBox(this);
    FrenchColumn->setObjectName(QStringLiteral("FrenchColumn"));
    HeaderRow = new QCheckBox(QStringLiteral("La première ligne donne les noms des colonnes (elle n'est pas "
                                             "importée)"),
                              this);
    HeaderRow->setObjectName(QStringLiteral("HeaderRow"));
    HeaderRow->setVisible(table.mayHaveHeader);
    PreviewLabel = plat::colourLabel(QStringLiteral("Aperçu des premières paires :"), QStringLiteral("PreviewLabel"),
                                     QStringLiteral("white"), bold, this);
    Preview = new QTableWidget(kPreviewRows, 2, this);
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setHorizontalHeaderLabels({QStringLiteral("Terme étranger"), QStringLiteral("Terme français")});
    Preview->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    Preview->verticalHeader()->setVisible(false);
    Preview->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 8);
    Preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Preview->setSelectionMode(QAbstractItemView::NoSelection);
    // Only shown: TAB would walk its cells and never come out.
    Preview->setFocusPolicy(Qt::NoFocus);
    Preview->setToolTip(QStringLiteral("Les entrées en gris n'ont pas leurs deux termes : elles ne seront pas "
                                       "importées."));
    Problem = plat::colourLabel(QString(), QStringLiteral("Problem"), QStringLiteral("yellow"), font, this);
    ImportButton = plat::pushButton(QStringLiteral("Importer"), QStringLiteral("ImportButton"), this);
    ImportButton->setDefault(true);
    CancelButton = plat::pushButton(QStringLiteral("Annuler"), QStringLiteral("CancelButton"), this);
    for (QWidget *w : std::initializer_list<QWidget *>{ForeignColumn, FrenchColumn, HeaderRow, Preview,
                                                       ImportButton, CancelButton})
        w->setFont(font);

    const ColumnChoice initial = interchange::defaultChoice(table);
    for (qsizetype k = 0; k < table.columnCount(); ++k) {
        ForeignColumn->addItem(QString());
        FrenchColumn->addItem(QString());
    }
    HeaderRow->setChecked(initial.header);
    ForeignColumn->setCurrentIndex(int(initial.foreign));
    FrenchColumn->setCurrentIndex(int(initial.french));

    auto *grid = new QGridLayout;
    grid->addWidget(ForeignLabel, 0, 0);
    grid->addWidget(ForeignColumn, 0, 1);
    grid->addWidget(FrenchLabel, 1, 0);
    grid->addWidget(FrenchColumn, 1, 1);
    grid->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ImportButton);
    buttons->addWidget(CancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(Heading);
    layout->addLayout(grid);
    layout->addWidget(HeaderRow);
    layout->addWidget(PreviewLabel);
    layout->addWidget(Preview, 1);
    layout->addWidget(Problem);
    layout->addLayout(buttons);
    resize(580, 440);

    connect(ForeignColumn, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(FrenchColumn, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
    connect(HeaderRow, &QCheckBox::toggled, this, [this] { refresh(); });
    connect(ImportButton, &QPushButton::clicked, this, [this] { closeWith(plat::mrOk); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { closeWith(plat::mrCancel); });
    setEscapeAction([this] { closeWith(plat::mrCancel); });
    refresh();
}

void ImportColumnsDialog::keyPressEvent(QKeyEvent *e)
{
    // Enter presses the button that has the focus, else "Importer": the
    // window's own default, which plat::Form leaves to the focused control.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        auto *focused = qobject_cast<QPushButton *>(focusWidget());
        QPushButton *button = focused ? focused : ImportButton;
        if (button->isEnabled())
            button->click();
        e->accept();
        return;
    }
    plat::Form::keyPressEvent(e);
}

ColumnChoice ImportColumnsDialog::choice() const
{
    return {ForeignColumn->currentIndex(), FrenchColumn->currentIndex(), HeaderRow->isChecked()};
}

void ImportColumnsDialog::refresh()
{
    const ColumnChoice c = choice();
    for (QComboBox *box : {ForeignColumn, FrenchColumn})
        for (int k = 0; k < box->count(); ++k)
            box->setItemText(k, interchange::columnName(m_table, k, c.header));
    const qsizetype first = c.header ? 1 : 0;
    for (int r = 0; r < kPreviewRows; ++r) {
        const qsizetype row = first + r;
        if (row >= m_table.rowCount()) {
            Preview->setItem(r, 0, new QTableWidgetItem);
            Preview->setItem(r, 1, new QTableWidgetItem);
            continue;
        }
        const QString texts[2] = {interchange::termText(m_table.cell(row, c.foreign)),
                                  interchange::termText(m_table.cell(row, c.french))};
        const bool whole = !texts[0].trimmed().isEmpty() && !texts[1].trimmed().isEmpty();
        for (int col = 0; col < 2; ++col) {
            auto *item = new QTableWidgetItem(plat::shownPart(texts[col]));
            if (!whole)
                item->setForeground(Qt::gray);
            Preview->setItem(r, col, item);
        }
    }
    const bool same = c.foreign == c.french;
    Problem->setText(same ? QStringLiteral("Choisissez deux colonnes différentes.") : QString());
    ImportButton->setEnabled(!same);
}

namespace processing {

using namespace interchange;

namespace {

const QString kFilter = QStringLiteral("Liste de vocabulaire|*.kvtml;*.csv;*.tsv;*.txt|Document kvtml|*.kvtml|"
                                       "Tableau ou texte tabulé|*.csv;*.tsv;*.txt|Tous les fichiers|*");

bool sameFile(const QString &a, const QString &b)
{
    const QFileInfo fa(plat::hostPath(a)), fb(plat::hostPath(b));
    return fa.exists() && fb.exists() && fa.canonicalFilePath() == fb.canonicalFilePath();
}

// The sheet's name as a file name: what no file name can hold becomes a
// blank, and a very long title is cut.
QString proposedFileName(const QString &sheetName, const QString &fallback)
{
    QString name = sheetName.left(100);
    for (QChar &c : name)
        if (c < u' ' || QStringView(u"\\/:*?\"<>|").contains(c))
            c = u' ';
    name = name.simplified();
    while (name.endsWith(u'.'))
        name.chop(1);
    return (name.isEmpty() ? fallback : name) + QStringLiteral(".fic");
}

// Remembers the language of the imported sheet for its voice; false when
// the choices file cannot be written.
bool rememberLanguage(const QString &path, const sheets::Language &language)
{
    learning::VoiceChoices choices = learning::VoiceChoices::load();
    choices.setLanguageOf(path, language.code);
    try {
        choices.save();
    } catch (const plat::Failure &) {
        return false;
    }
    return true;
}

} // namespace

void importVocabulary(const sheets::CatalogueLists &lists, QWidget *owner)
{
    plat::Desktop &desktop = plat::desktop();
    plat::FileRequest open;
    open.title = QStringLiteral("Importer une liste de vocabulaire");
    open.filter = kFilter;
    const std::optional<QString> source = desktop.openFile(open);
    if (!source)
        return;
    const QFileInfo sourceInfo(plat::hostPath(*source));

    // Big lists take a moment: the windows stay painted, the cursor waits.
    VocabularyTable table;
    try {
        plat::BusyCursor busy(plat::bigFile(*source));
        plat::Progress progress = plat::repaintingProgress();
        table = readVocabularyFile(*source, progress);
    } catch (const plat::Failure &failure) {
        desktop.showMessage(QStringLiteral("Impossible d'importer « %1 ».\n%2")
                                .arg(sourceInfo.fileName(), failure.message()));
        return;
    }

    ColumnChoice choice = defaultChoice(table);
    if (needsChoice(table)) {
        ImportColumnsDialog dialog(table, sourceInfo.fileName(), owner);
        if (desktop.showModal(&dialog) != plat::mrOk)
            return;
        choice = dialog.choice();
    }
    ImportedSheet sheet;
    {
        plat::BusyCursor busy(table.rowCount() > 100000);
        plat::Progress progress = plat::repaintingProgress();
        sheet = buildSheet(table, choice, sourceInfo.completeBaseName(), progress);
    }
    table = VocabularyTable();
    if (sheet.pairs == 0) {
        desktop.showMessage(importSummary(sheet));
        return;
    }

    plat::FileRequest save;
    save.title = QStringLiteral("Enregistrer la fiche importée");
    save.filter = QStringLiteral("Fiche Tavilo|*.fic");
    save.defaultExt = QStringLiteral("fic");
    // With the other sheets, under the document's title.
    save.initialDir = firstrun::kSampleFolder;
    save.fileName = proposedFileName(sheets::sheetName(sheet.titleLine), sourceInfo.completeBaseName());
    const std::optional<QString> target = desktop.saveFile(save);
    if (!target)
        return;
    if (sameFile(*source, *target)) {
        desktop.showMessage(QStringLiteral("La fiche ne peut pas remplacer la liste dont elle est tirée : "
                                           "choisissez un autre nom. Rien n'a été enregistré."));
        return;
    }
    try {
        plat::BusyCursor busy(sheet.text.size() > (8 << 20));
        plat::saveTextToFile(*target, sheet.text);
    } catch (const plat::Failure &failure) {
        desktop.showMessage(QStringLiteral("Erreur : Impossible de sauver la fiche à l'endroit désiré.\n")
                            + failure.message());
        return;
    }
    sheet.text = QString();
    sheets::Listing listing;
    {
        plat::BusyCursor busy(plat::bigFile(*target));
        listing = sheets::listSheetFile(lists, *target);
    }
    // One message, which says what really happened to the list of sheets.
    const QString name = sheets::sheetName(sheet.titleLine);
    QString text;
    switch (listing.state) {
    case sheets::Listing::State::Saved:
        text = QStringLiteral("La fiche « %1 » a été créée et ajoutée à la liste des fiches.").arg(name);
        break;
    case sheets::Listing::State::ThisSessionOnly:
        text = QStringLiteral("La fiche « %1 » a été créée, mais la liste des fiches n'a pas pu être enregistrée : "
                              "la fiche n'y figure que jusqu'à la fermeture de Tavilo.\n%2")
                   .arg(name, listing.failure);
        break;
    case sheets::Listing::State::Unreadable:
        text = QStringLiteral("La fiche « %1 » a été créée, mais elle ne peut pas être relue : elle n'a pas été "
                              "ajoutée à la liste des fiches.")
                   .arg(name);
        break;
    }
    if (sheet.language && listing.state != sheets::Listing::State::Unreadable
        && !rememberLanguage(*target, *sheet.language))
        text += QStringLiteral("\nLa langue de ses termes étrangers (%1) n'a pas pu être retenue pour leur "
                               "prononciation : choisissez-la dans la fenêtre d'apprentissage.")
                    .arg(sheet.language->name);
    desktop.showMessage(text + u'\n' + importSummary(sheet));
}

} // namespace processing
