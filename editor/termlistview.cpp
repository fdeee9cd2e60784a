#include "editor/termlistview.h"

#include <QKeyEvent>
#include <QMouseEvent>

TermListView::TermListView(QWidget *parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row has one line of one font: rows are laid out without
    // measuring each one, which keeps a sheet of many thousand pairs quick.
    setUniformItemSizes(true);
    setLayoutMode(QListView::Batched);
    setBatchSize(2000);
}

int TermListView::itemIndex() const
{
    if (!selectionModel())
        return -1;
    const QModelIndexList rows = selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TermListView::setItemIndex(int row)
{
    if (!model() || !selectionModel())
        return;
    if (row < 0 || row >= model()->rowCount(rootIndex())) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = model()->index(row, modelColumn(), rootIndex());
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void TermListView::mousePressEvent(QMouseEvent *e)
{
    const int before = itemIndex();
    const bool onRow = indexAt(e->position().toPoint()).isValid();
    QListView::mousePressEvent(e);
    // A click on a row is a click even when that row was already selected.
    if ((onRow && e->button() == Qt::LeftButton) || itemIndex() != before)
        emit userClick();
}

void TermListView::mouseMoveEvent(QMouseEvent *e)
{
    const int before = itemIndex();
    QListView::mouseMoveEvent(e);
    if (itemIndex() != before)
        emit userClick();
}

void TermListView::mouseReleaseEvent(QMouseEvent *e)
{
    const int before = itemIndex();
    QListView::mouseReleaseEvent(e);
    if (itemIndex() != before)
        emit userClick();
}

void TermListView::keyPressEvent(QKeyEvent *e)
{
    const int before = itemIndex();
    QListView::keyPressEvent(e);
    if (itemIndex() != before)
        emit userClick();
}

void TermListView::focusInEvent(QFocusEvent *e)
{
    QListView::focusInEvent(e);
    emit entered();
}
