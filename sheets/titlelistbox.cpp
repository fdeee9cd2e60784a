#include "sheets/titlelistbox.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <QToolTip>

namespace sheets {
namespace {

// Beyond this many characters an entry (or a hint) is shown cut: the rest
// could not be seen in a list or a tooltip anyway, and shaping a text of
// millions of characters would stall the window.
constexpr qsizetype kShownChars = 4000;

QString shown(const QString &text)
{
    return text.size() > kShownChars ? text.first(kShownChars) : text;
}

class ShortTextDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->text.size() > kShownChars)
            option->text.truncate(kShownChars);
    }
};

} // namespace

QString hoverPrefix(TitleVariant variant)
{
    switch (variant) {
    case TitleVariant::Editor:
        return QStringLiteral("Double-cliquez pour modifier le titre : ");
    case TitleVariant::Statistics:
        return QStringLiteral("Double-cliquez pour modifier les informations concernant l'utilisateur : ");
    case TitleVariant::Learning:
    case TitleVariant::Test:
        break;
    }
    return QString();
}

QString hoverFallback(TitleVariant variant)
{
    switch (variant) {
    case TitleVariant::Editor:
        return QStringLiteral("Cliquez sur la fiche que vous voulez modifier ou supprimer.");
    case TitleVariant::Learning:
        return QStringLiteral("Cliquez sur la fiche que vous voulez apprendre.");
    case TitleVariant::Test:
        return QStringLiteral("Cliquez sur la liste sur laquelle vous voulez vous tester.");
    case TitleVariant::Statistics:
        return QStringLiteral("Cliquez sur l'utilisateur que vous voulez modifier ou supprimer.");
    }
    return QString();
}

QString initialListHint(TitleVariant variant)
{
    return variant == TitleVariant::Statistics
        ? QStringLiteral("Cliquez ici pour choisir un utilisateur")
        : QStringLiteral("Cliquez ici pour choisir une fiche");
}

int selectedRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? -1 : list->row(items.first());
}

void selectRow(QListWidget *list, int row)
{
    if (row < 0 || row >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
        return;
    }
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

QStringList listLines(const QListWidget *list)
{
    QStringList out;
    out.reserve(list->count());
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

void setListLines(QListWidget *list, const QStringList &lines)
{
    list->clear();
    list->addItems(lines);
}

TitleListBox::TitleListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(true);
    setUniformItemSizes(true);
    setItemDelegate(new ShortTextDelegate(this));
}

TitleListBox::TitleListBox(TitleVariant variant, QWidget *parent) : TitleListBox(parent)
{
    setHoverHints(sheets::hoverPrefix(variant), sheets::hoverFallback(variant));
    setToolTip(initialListHint(variant));
}

void TitleListBox::setHoverHints(const QString &prefix, const QString &fallback)
{
    m_prefix = prefix;
    m_fallback = fallback;
}

void TitleListBox::hoverAt(const QPoint &viewportPos)
{
    const QListWidgetItem *item = itemAt(viewportPos);
    setToolTip(item ? m_prefix + item->text() : m_fallback);
}

void TitleListBox::mousePressEvent(QMouseEvent *e)
{
    // A press below the last entry keeps the choice as it is.
    if (!itemAt(e->position().toPoint())) {
        e->accept();
        return;
    }
    const int before = itemIndex();
    QListWidget::mousePressEvent(e);
    // A click on an entry is a click even when that entry was already chosen.
    if (e->button() == Qt::LeftButton || itemIndex() != before)
        emit userClick();
}

void TitleListBox::mouseMoveEvent(QMouseEvent *e)
{
    hoverAt(e->position().toPoint());
    const int before = itemIndex();
    QListWidget::mouseMoveEvent(e);
    if (itemIndex() != before)
        emit userClick();
}

void TitleListBox::mouseReleaseEvent(QMouseEvent *e)
{
    const int before = itemIndex();
    QListWidget::mouseReleaseEvent(e);
    if (itemIndex() != before)
        emit userClick();
}

void TitleListBox::keyPressEvent(QKeyEvent *e)
{
    const int before = itemIndex();
    // With nothing chosen, the first arrow chooses the entry the caret is on,
    // as a list box does. Qt would move the caret first: a single entry could
    // not be chosen from the keyboard, and Down would choose the second entry
    // (the completion window would record the test for the wrong user).
    const int key = e->key();
    if (before < 0 && count() > 0 && (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_Home)) {
        const int row = key == Qt::Key_Home || currentRow() < 0 ? 0 : currentRow();
        selectRow(this, row);
        e->accept();
        emit userClick();
        return;
    }
    QListWidget::keyPressEvent(e);
    if (itemIndex() != before)
        emit userClick();
}

bool TitleListBox::viewportEvent(QEvent *e)
{
    // The hint is the list's own, whatever entry lies under the pointer.
    if (e->type() == QEvent::ToolTip) {
        const auto *he = static_cast<QHelpEvent *>(e);
        if (toolTip().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(he->globalPos(), shown(toolTip()), viewport());
        return true;
    }
    return QListWidget::viewportEvent(e);
}

} // namespace sheets
