#include "sheets/titlelistbox.h"

#include <QHelpEvent>
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

TitleListBox::TitleListBox(QWidget *parent) : plat::ListBox(parent)
{
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

void TitleListBox::mouseMoveEvent(QMouseEvent *e)
{
    hoverAt(e->position().toPoint());
    plat::ListBox::mouseMoveEvent(e);
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
