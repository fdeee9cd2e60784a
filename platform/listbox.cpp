#include "platform/listbox.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace plat {

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

ListBox::ListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListBox::mousePressEvent(QMouseEvent *e)
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

void ListBox::mouseMoveEvent(QMouseEvent *e)
{
    const int before = itemIndex();
    QListWidget::mouseMoveEvent(e);
    if (itemIndex() != before)
        emit userClick();
}

void ListBox::mouseReleaseEvent(QMouseEvent *e)
{
    const int before = itemIndex();
    QListWidget::mouseReleaseEvent(e);
    if (itemIndex() != before)
        emit userClick();
}

void ListBox::keyPressEvent(QKeyEvent *e)
{
    const int before = itemIndex();
    const int key = e->key();
    if (before < 0 && count() > 0 && e->modifiers() == Qt::NoModifier &&
        (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_Home || key == Qt::Key_End)) {
        selectRow(this, key == Qt::Key_End ? count() - 1 : 0);
        e->accept();
        emit userClick();
        return;
    }
    if (m_enterClicks && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        const int row = before >= 0 ? before : currentRow();
        if (row >= 0) {
            if (row != before)
                selectRow(this, row);
            e->accept();
            emit userClick();
            return;
        }
    }
    QListWidget::keyPressEvent(e);
    if (itemIndex() != before)
        emit userClick();
}

} // namespace plat
