#include "statistics/linesview.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <climits>

namespace statistics {
namespace {

// Beyond this many characters a line is neither measured nor drawn: no screen
// shows more, and a line of a megabyte would make every paint slow.
constexpr qsizetype kDrawnCharacters = 4000;
constexpr int kMargin = 4;

int clampedToInt(qsizetype v)
{
    return int(std::clamp<qsizetype>(v, 0, INT_MAX));
}

} // namespace

LinesView::LinesView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    measure();
}

void LinesView::setText(UserFileText text)
{
    m_text = std::move(text);
    m_anchor = -1;
    m_current = -1;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    measure();
}

void LinesView::textChanged()
{
    if (std::max(m_anchor, m_current) >= m_text.count()) {
        m_anchor = -1;
        m_current = -1;
    }
    measure();
}

QString LinesView::toPlainText() const
{
    // No line holds a line end of its own: each CR LF of the text is one,
    // and the last one is not joined to anything.
    QString text = m_text.text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.chop(1);
    return text;
}

QString LinesView::selectedText() const
{
    QString out;
    if (m_anchor < 0)
        return out;
    const qsizetype last = std::max(m_anchor, m_current);
    for (qsizetype i = std::min(m_anchor, m_current); i <= last; ++i) {
        out += m_text.line(i);
        if (i < last)
            out += QLatin1Char('\n');
    }
    return out;
}

qsizetype LinesView::topLine() const
{
    return verticalScrollBar()->value();
}

int LinesView::visibleLines() const
{
    return std::max(1, viewport()->height() / m_lineHeight);
}

qsizetype LinesView::lineAt(int y) const
{
    // Rounded down above the view too, so that a drag past its top reaches
    // the line before the first shown.
    const int row = y >= 0 ? y / m_lineHeight : -1 - (-y - 1) / m_lineHeight;
    return topLine() + row;
}

void LinesView::measure()
{
    // The longest line in characters stands for the widest; measuring every
    // line would cost more than showing them.
    const QFontMetrics metrics(font());
    m_lineHeight = metrics.height() + 2;
    const qsizetype longest = m_text.longestLine();
    const QString sample = longest >= 0 ? m_text.line(longest).left(kDrawnCharacters).toString() : QString();
    m_textWidth = metrics.horizontalAdvance(sample) * 11 / 10 + 12;
    updateScrollBars();
    viewport()->update();
}

void LinesView::updateScrollBars()
{
    const int shown = visibleLines();
    QScrollBar *v = verticalScrollBar();
    v->setRange(0, clampedToInt(m_text.count() - shown));
    v->setPageStep(shown);
    v->setSingleStep(1);
    QScrollBar *h = horizontalScrollBar();
    h->setRange(0, std::max(0, m_textWidth - viewport()->width()));
    h->setPageStep(viewport()->width());
    h->setSingleStep(std::max(1, m_lineHeight));
}

void LinesView::moveTo(qsizetype line, bool extend)
{
    if (!extend || m_anchor < 0)
        m_anchor = line;
    m_current = line;
    const qsizetype top = topLine();
    const int shown = visibleLines();
    if (line < top)
        verticalScrollBar()->setValue(clampedToInt(line));
    else if (line >= top + shown)
        verticalScrollBar()->setValue(clampedToInt(line - shown + 1));
    viewport()->update();
}

void LinesView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    const int width = viewport()->width();
    const int height = viewport()->height();
    const int x = kMargin - horizontalScrollBar()->value();
    const qsizetype first = std::min(m_anchor, m_current);
    const qsizetype last = std::max(m_anchor, m_current);
    int y = 0;
    for (qsizetype i = topLine(); i < m_text.count() && y < height; ++i, y += m_lineHeight) {
        const QRect row(0, y, width, m_lineHeight);
        const bool selected = m_anchor >= 0 && i >= first && i <= last;
        if (selected)
            painter.fillRect(row, palette().brush(QPalette::Highlight));
        painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(QRect(x, y, std::max(width - x, m_textWidth), m_lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         m_text.line(i).left(kDrawnCharacters).toString());
        if (i == m_current && hasFocus()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.rect = row;
            option.backgroundColor = palette().color(selected ? QPalette::Highlight : QPalette::Base);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }
}

void LinesView::resizeEvent(QResizeEvent *e)
{
    QAbstractScrollArea::resizeEvent(e);
    updateScrollBars();
}

void LinesView::scrollContentsBy(int, int)
{
    // The vertical bar counts lines, not pixels: the lines are drawn again.
    viewport()->update();
}

void LinesView::keyPressEvent(QKeyEvent *e)
{
    if (e->matches(QKeySequence::Copy)) {
        if (m_anchor >= 0)
            QApplication::clipboard()->setText(selectedText());
        e->accept();
        return;
    }
    if (e->matches(QKeySequence::SelectAll)) {
        if (!m_text.isEmpty()) {
            m_anchor = 0;
            m_current = m_text.count() - 1;
            viewport()->update();
        }
        e->accept();
        return;
    }
    const qsizetype from = m_current >= 0 ? m_current : topLine();
    qsizetype to;
    switch (e->key()) {
    case Qt::Key_Up:
        to = m_current >= 0 ? from - 1 : from;
        break;
    case Qt::Key_Down:
        to = m_current >= 0 ? from + 1 : from;
        break;
    case Qt::Key_PageUp:
        to = from - visibleLines();
        break;
    case Qt::Key_PageDown:
        to = from + visibleLines();
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = m_text.count() - 1;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(e);
        return;
    }
    e->accept();
    if (!m_text.isEmpty())
        moveTo(std::clamp<qsizetype>(to, 0, m_text.count() - 1), e->modifiers() & Qt::ShiftModifier);
}

void LinesView::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const qsizetype line = lineAt(int(e->position().y()));
    if (line < 0 || line >= m_text.count()) {
        // Below the last line: nothing is selected.
        m_anchor = -1;
        m_current = -1;
        viewport()->update();
        return;
    }
    moveTo(line, e->modifiers() & Qt::ShiftModifier);
}

void LinesView::mouseMoveEvent(QMouseEvent *e)
{
    if (!(e->buttons() & Qt::LeftButton) || m_anchor < 0)
        return;
    moveTo(std::clamp<qsizetype>(lineAt(int(e->position().y())), 0, m_text.count() - 1), true);
}

void LinesView::changeEvent(QEvent *e)
{
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::FontChange)
        measure();
}

} // namespace statistics
