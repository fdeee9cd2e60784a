#include "app/banner.h"

#include "platform/failure.h"

#include <algorithm>
#include <limits>

namespace banner {

QStringList builtInMessages()
{
    return {
        QStringLiteral("Vous voulez en savoir plus sur Orsiva et les créateurs de ce programme ? Cliquez sur le "
                       "bouton \"Aide complète sur Tavilo\", et lisez les rubriques proposées..."),
        stoppedText(),
        QStringLiteral("Vous voulez apprendre une langue avec une calligraphie différente avec Tavilo ? Choisissez "
                       "pour la police de la liste de termes étrangers celle qui correspond à la langue à étudier ; "
                       "en mode test, changez la police grâce au bouton \"Paramètres\"..."),
        QStringLiteral("Personnalisez ce bandeau en double-cliquant dessus..."),
        QStringLiteral("Vous voulez télécharger des fiches ou exposés sur toutes les matières de la terminale pour "
                       "préparer le bac ? Rendez-vous sur le site ")
            + kMakerSite + QStringLiteral(". Tout est téléchargeable gratuitement."),
        QStringLiteral("Orsiva : un monde gratuit sans pub, mais quand même... Orsiva recommande BMW."),
        QStringLiteral("Vous voulez utiliser la méthode la plus performante pour apprendre vos fiches avec Tavilo ? "
                       "Reportez-vous à la rubrique \"Méthode d'apprentissage\" de l'aide."),
        QStringLiteral("En mai, fais ce qu'il te plaît... avec Tavilo !"),
        QStringLiteral("Vous voulez taper des fiches Tavilo et les envoyer à notre site ? N'oubliez pas de respecter "
                       "des règles typographiques que vous trouverez dans la rubrique \"Consignes de présentation "
                       "d'une fiche\" de l'aide."),
        QStringLiteral("Des numéros de téléphone à retenir ? Facile, avec Tavilo ! Créez une fiche, entrez les noms "
                       "et les numéros correspondants, et apprenez-la : tout est fini en quelques minutes !"),
    };
}

QString stoppedText()
{
    return QStringLiteral("Téléchargez un lot de fiches réactualisé toutes les deux semaines sur le site Orsiva : ")
        + kMakerSite;
}

int intervalFor(int sliderPosition)
{
    return kInterval - sliderPosition;
}

qsizetype nextIndex(qsizetype index, qsizetype count)
{
    return index >= count - 1 ? 0 : index + 1;
}

bool loadMessages(plat::LineList &list, const QString &path)
{
    try {
        list.loadFromFile(path);
        return true;
    } catch (const plat::Failure &) {
        return false;
    }
}

// ---- TextWidth ---------------------------------------------------------------

void TextWidth::setText(const QString &text)
{
    m_text = text;
    m_pieces.clear();
    m_width = 0;
    m_measuredLength = 0;
}

bool TextWidth::complete() const
{
    // An empty text still has its blank to measure.
    return !m_pieces.empty() && m_pieces.back().from + m_pieces.back().length >= m_text.size();
}

void TextWidth::measureTo(qint64 px)
{
    while (m_width < px && !complete()) {
        Piece piece;
        piece.x = m_width;
        if (m_text.isEmpty()) {
            piece.width = m_measure ? m_measure(u" ") : 1;
            m_measuredLength = 1;
        } else {
            piece.from = m_pieces.empty() ? 0 : m_pieces.back().from + m_pieces.back().length;
            piece.length = std::min(kPieceLength, m_text.size() - piece.from);
            // A piece never ends between the two halves of a character.
            if (m_text.at(piece.from + piece.length - 1).isHighSurrogate() &&
                piece.from + piece.length < m_text.size())
                ++piece.length;
            const QStringView part = QStringView(m_text).mid(piece.from, piece.length);
            piece.width = m_measure ? m_measure(part) : part.size();
            m_measuredLength += piece.length;
        }
        m_width += piece.width;
        m_pieces.push_back(piece);
    }
}

bool TextWidth::narrowerThan(qint64 px)
{
    if (px <= 0)
        return false;
    measureTo(px);
    return m_width < px;
}

qint64 TextWidth::total()
{
    measureTo(std::numeric_limits<qint64>::max());
    return m_width;
}

// ---- Scroller ----------------------------------------------------------------

void Scroller::show(const QString &text, qint64 left)
{
    m_width.setText(text);
    m_left = left;
}

void Scroller::placeOutside(const QString &text)
{
    m_width.setText(text);
    m_left = -m_width.total() - 2;
}

bool Scroller::tick()
{
    // Left + width < 0: the last pixel has left the strip.
    if (m_width.narrowerThan(-m_left)) {
        m_index = nextIndex(m_index, m_messages.count());
        show(m_messages.memoLine(m_index), kStripWidth);
        return true;
    }
    m_left -= kStep;
    return false;
}

void Scroller::standStill(const QString &text)
{
    show(text, 1);
}

} // namespace banner
