#pragma once
#include "statistics/userfiletext.h"

#include <QAbstractScrollArea>

namespace statistics {

// A read-only text shown line by line, with both scroll bars. Unlike a text
// editor or an item view it lays nothing out ahead: a user file of a million
// lines shows at once, and only the lines on screen are drawn. A run of lines
// is selected with the mouse or the arrow keys held with Shift, and copies
// with Ctrl+C.
class LinesView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LinesView(QWidget *parent = nullptr);

    void setText(UserFileText text);
    const UserFileText &text() const { return m_text; }
    // The text to change in place: a record appended to a long file is not
    // worth a copy of it. textChanged() then shows the change.
    UserFileText &changeableText() { return m_text; }
    void textChanged();
    // The lines joined by line ends, as a text editor would give them.
    QString toPlainText() const;
    // The selected lines joined likewise: what Ctrl+C copies.
    QString selectedText() const;
    // The first line on screen.
    qsizetype topLine() const;

protected:
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void measure();
    void updateScrollBars();
    int visibleLines() const;
    qsizetype lineAt(int y) const;
    // Makes a line the current one, the selection running from the anchor to
    // it, or from it alone, and scrolls it into view.
    void moveTo(qsizetype line, bool extend);

    UserFileText m_text;
    int m_lineHeight = 1;
    int m_textWidth = 0;
    qsizetype m_anchor = -1;
    qsizetype m_current = -1;
};

} // namespace statistics
