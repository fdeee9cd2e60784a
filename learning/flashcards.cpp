#include "learning/flashcards.h"

#include "sheets/sheet.h"

#include <algorithm>

namespace learning {

QString firstHeading(const QString &direction)
{
    return direction + QStringLiteral(" :");
}

QString secondHeading(const QString &firstHeading)
{
    return firstHeading == kForeignFirst + QStringLiteral(" :") ? kFrenchFirst + QStringLiteral(" :")
                                                                 : kForeignFirst + QStringLiteral(" :");
}

void RemainingPairs::fill(const plat::LineList &sheetLines, const QString &direction)
{
    clear();
    const qsizetype n = sheets::pairCount(sheetLines.count());
    m_first.reserve(n);
    m_second.reserve(n);
    const bool french = frenchFirst(direction);
    for (qsizetype k = 1; k <= n; ++k) {
        const QString &foreign = sheetLines.at(2 * k - 1);
        const QString &frenchTerm = sheetLines.at(2 * k);
        m_first.append(french ? frenchTerm : foreign);
        m_second.append(french ? foreign : frenchTerm);
    }
}

void RemainingPairs::clear()
{
    m_first.clear();
    m_second.clear();
}

Card RemainingPairs::take(qsizetype i)
{
    Card card{m_first.at(i), m_second.at(i)};
    const qsizetype last = m_first.size() - 1;
    if (i != last) {
        m_first.swapItemsAt(i, last);
        m_second.swapItemsAt(i, last);
    }
    m_first.removeLast();
    m_second.removeLast();
    return card;
}

QString remainingText(qsizetype count)
{
    return QStringLiteral("Termes restants : %1").arg(count);
}

QString waitingText(int seconds)
{
    return QStringLiteral("Temps d'attente : %1 sec").arg(seconds);
}

QString intervalText(int seconds)
{
    return QStringLiteral("Intervalle de temps : %1 sec").arg(seconds);
}

SliderState withRange(SliderState slider, int minimum, int maximum)
{
    if (minimum <= slider.maximum)
        slider.minimum = minimum;
    if (maximum >= slider.minimum)
        slider.maximum = maximum;
    slider.position = std::clamp(slider.position, slider.minimum, slider.maximum);
    return slider;
}

SliderState coupledInterval(SliderState interval, int waiting)
{
    return withRange(interval, waiting, waiting + 20);
}

} // namespace learning
