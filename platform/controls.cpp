#include "platform/controls.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace plat {

QFont pixelFont(const QString &family, int pixelSize, bool bold, bool italic)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    if (bold)
        f.setBold(true);
    if (italic)
        f.setItalic(true);
    return f;
}

namespace {

QLabel *label(const QString &text, const QString &name, const QString &colour, const QFont *font,
              QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    if (font)
        l->setFont(*font);
    l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour));
    return l;
}

QBoxLayout *boxHolding(QLayout *layout, const QWidget *w)
{
    for (int i = 0; layout && i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == w)
            return qobject_cast<QBoxLayout *>(layout);
        if (QBoxLayout *inner = boxHolding(item->layout(), w))
            return inner;
    }
    return nullptr;
}

} // namespace

QLabel *colourLabel(const QString &text, const QString &name, const QString &colour, QWidget *parent)
{
    return label(text, name, colour, nullptr, parent);
}

QLabel *colourLabel(const QString &text, const QString &name, const QString &colour, const QFont &font,
                    QWidget *parent)
{
    return label(text, name, colour, &font, parent);
}

QPushButton *pushButton(const QString &text, const QString &name, QWidget *parent, const QString &hint)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

QSlider *trackBar(const QString &name, int min, int max, int position, QWidget *parent)
{
    auto *s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(name);
    s->setRange(min, max);
    s->setValue(position);
    s->setSingleStep(1);
    s->setPageStep(2);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(1);
    return s;
}

bool insertAfter(QWidget *existing, QWidget *added)
{
    QBoxLayout *box = existing->parentWidget() ? boxHolding(existing->parentWidget()->layout(), existing) : nullptr;
    if (!box)
        return false;
    box->insertWidget(box->indexOf(existing) + 1, added);
    return true;
}

QString shownPart(const QString &text)
{
    return text.size() > kShownChars ? text.first(kShownChars) : text;
}

} // namespace plat
