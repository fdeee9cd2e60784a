#include "learning/flashcards.h"

#include "sheets/sheet.h"

#include <algorithm>
#include <numeric>

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
    m_lines = sheetLines;
    m_frenchFirst = frenchFirst(direction);
    m_pairs.resize(std::size_t(sheets::pairCount(sheetLines.count())));
    std::iota(m_pairs.begin(), m_pairs.end(), qsizetype(1));
}

void RemainingPairs::clear()
{
    m_lines.clear();
    m_pairs.clear();
}

Card RemainingPairs::at(qsizetype i) const
{
    const qsizetype k = m_pairs.at(std::size_t(i));
    const QString &foreign = m_lines.at(2 * k - 1);
    const QString &french = m_lines.at(2 * k);
    return m_frenchFirst ? Card{french, foreign} : Card{foreign, french};
}

Card RemainingPairs::take(qsizetype i)
{
    Card card = at(i);
    m_pairs[std::size_t(i)] = m_pairs.back();
    m_pairs.pop_back();
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
