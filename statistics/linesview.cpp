#include "statistics/linesview.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <algorithm>
#include <climits>

namespace statistics {
namespace {

// Beyond this many characters a line is neither measured nor drawn: no screen
// shows more, and a line of a megabyte would make every paint slow.
constexpr qsizetype kDrawnCharacters = 4000;

} // namespace

class LinesView::Model : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    QStringList lines;
    QSize itemSize;

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(std::min<qsizetype>(lines.size(), INT_MAX));
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= lines.size())
            return {};
        if (role == Qt::DisplayRole)
            return lines.at(index.row()).left(kDrawnCharacters);
        if (role == Qt::SizeHintRole)
            return itemSize;
        return {};
    }
    void reset(const QStringList &newLines)
    {
        beginResetModel();
        lines = newLines;
        endResetModel();
    }
};

LinesView::LinesView(QWidget *parent) : QListView(parent), m_model(new Model(this))
{
    setModel(m_model);
    // Every line has the width of the longest one: the view then asks one
    // line for its size instead of all of them.
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
}

void LinesView::setLines(const QStringList &lines)
{
    m_model->reset(lines);
    measure();
}

const QStringList &LinesView::lines() const
{
    return m_model->lines;
}

QString LinesView::toPlainText() const
{
    return m_model->lines.join(QLatin1Char('\n'));
}

void LinesView::measure()
{
    // The longest line in characters stands for the widest; measuring every
    // line would cost more than showing them.
    qsizetype longest = -1;
    qsizetype length = -1;
    for (qsizetype i = 0; i < m_model->lines.size(); ++i) {
        if (m_model->lines.at(i).size() > length) {
            length = m_model->lines.at(i).size();
            longest = i;
        }
    }
    const QFontMetrics metrics(font());
    const QString sample = longest >= 0 ? m_model->lines.at(longest).left(kDrawnCharacters) : QString();
    m_model->itemSize = QSize(metrics.horizontalAdvance(sample) * 11 / 10 + 12, metrics.height() + 2);
    if (!m_model->lines.isEmpty())
        emit m_model->dataChanged(m_model->index(0), m_model->index(0), {Qt::SizeHintRole});
    doItemsLayout();
}

void LinesView::keyPressEvent(QKeyEvent *e)
{
    if (e->matches(QKeySequence::Copy)) {
        QModelIndexList rows = selectionModel()->selectedRows();
        std::sort(rows.begin(), rows.end());
        QStringList text;
        for (const QModelIndex &row : rows)
            text.append(m_model->lines.at(row.row()));
        QApplication::clipboard()->setText(text.join(QLatin1Char('\n')));
        e->accept();
        return;
    }
    QListView::keyPressEvent(e);
}

void LinesView::changeEvent(QEvent *e)
{
    QListView::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        measure();
}

} // namespace statistics
