#include "statistics/linesview.h"

#include <QAbstractListModel>
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

    UserFileText text;
    QSize itemSize;

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(std::min<qsizetype>(text.count(), INT_MAX));
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= text.count())
            return {};
        if (role == Qt::DisplayRole)
            return text.line(index.row()).left(kDrawnCharacters).toString();
        if (role == Qt::SizeHintRole)
            return itemSize;
        return {};
    }
    void reset(const UserFileText &newText)
    {
        beginResetModel();
        text = newText;
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

void LinesView::setText(const UserFileText &text)
{
    m_model->reset(text);
    measure();
}

const UserFileText &LinesView::text() const
{
    return m_model->text;
}

QString LinesView::toPlainText() const
{
    // No line holds a line end of its own: each CR LF of the text is one,
    // and the last one is not joined to anything.
    QString text = m_model->text.text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.chop(1);
    return text;
}

void LinesView::measure()
{
    // The longest line in characters stands for the widest; measuring every
    // line would cost more than showing them.
    const qsizetype longest = m_model->text.longestLine();
    const QFontMetrics metrics(font());
    const QString sample = longest >= 0 ? m_model->text.line(longest).left(kDrawnCharacters).toString() : QString();
    m_model->itemSize = QSize(metrics.horizontalAdvance(sample) * 11 / 10 + 12, metrics.height() + 2);
    if (!m_model->text.isEmpty())
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
            text.append(m_model->text.line(row.row()).toString());
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
