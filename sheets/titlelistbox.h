#pragma once
#include <QListWidget>
#include <QStringList>

namespace sheets {

enum class TitleVariant { Editor, Learning, Test, Statistics };

// The hover hint of a window's selection list: prefix + entry under the
// pointer, or the fallback text below the last entry.
QString hoverPrefix(TitleVariant variant);
QString hoverFallback(TitleVariant variant);
// The hint the list carries before the mouse first moves over it.
QString initialListHint(TitleVariant variant);

// The selected row of a single-selection list, -1 when nothing is selected
// (a current row without selection does not count).
int selectedRow(const QListWidget *list);
// Selects a row, or removes the selection for -1 or a row out of range.
void selectRow(QListWidget *list, int row);
QStringList listLines(const QListWidget *list);
// Replaces every entry; the selection is lost, as with a copy of the items.
void setListLines(QListWidget *list, const QStringList &lines);

// The selection list of the editor, learning, test and statistics windows.
// It stays a QListWidget; on top of it:
// - the hover hint (tooltip) follows the entry under the pointer;
// - userClick() is the list's "click": it fires when the user changes the
//   selection with the mouse or the keyboard (or clicks an entry again),
//   never when the program sets the selection;
// - entries are drawn and measured from their first few thousand characters,
//   so a title line of any length lists without a wait. text() stays whole.
class TitleListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TitleListBox(QWidget *parent = nullptr);
    explicit TitleListBox(TitleVariant variant, QWidget *parent = nullptr);

    void setHoverHints(const QString &prefix, const QString &fallback);
    QString hoverPrefix() const { return m_prefix; }
    QString hoverFallback() const { return m_fallback; }

    // What a mouse move at a viewport position does to the hint
    // (ListBox1MouseMove).
    void hoverAt(const QPoint &viewportPos);

    int itemIndex() const { return selectedRow(this); }
    void setItemIndex(int row) { selectRow(this, row); }

signals:
    void userClick();

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    bool viewportEvent(QEvent *e) override;

private:
    QString m_prefix;
    QString m_fallback;
};

} // namespace sheets
