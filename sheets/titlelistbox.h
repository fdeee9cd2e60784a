#pragma once
#include "platform/listbox.h"

#include <QStringList>

namespace sheets {

enum class TitleVariant { Editor, Learning, Test, Statistics };

// The hover hint of a window's selection list: prefix + entry under the
// pointer, or the fallback text below the last entry.
QString hoverPrefix(TitleVariant variant);
QString hoverFallback(TitleVariant variant);
// The hint the list carries before the mouse first moves over it.
QString initialListHint(TitleVariant variant);

using plat::selectedRow;
using plat::selectRow;
QStringList listLines(const QListWidget *list);
// Replaces every entry; the selection is lost, as with a copy of the items.
void setListLines(QListWidget *list, const QStringList &lines);

// The selection list of the editor, learning, test and statistics windows:
// the platform's list box (its click and its keys), and on top of it:
// - the hover hint (tooltip) follows the entry under the pointer;
// - entries are drawn and measured from their first few thousand characters,
//   so a title line of any length lists without a wait. text() stays whole.
class TitleListBox : public plat::ListBox {
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

protected:
    void mouseMoveEvent(QMouseEvent *e) override;
    bool viewportEvent(QEvent *e) override;

private:
    QString m_prefix;
    QString m_fallback;
};

} // namespace sheets
