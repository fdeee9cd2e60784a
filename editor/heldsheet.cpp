#include "editor/heldsheet.h"

#include "platform/drivepath.h"
#include "platform/encoding.h"
#include "platform/failure.h"
#include "platform/fileio.h"
#include "platform/linelist.h"

#include <QHashFunctions>

#include <algorithm>
#include <QFileInfo>

namespace editor {

namespace {

// The size and a 64-bit hash of the content, taken block by block
// whatever pieces it comes in: any change another program makes shows, the
// file is never held whole to check it, and hashing costs a fraction of
// reading (a cryptographic digest cost more than the read and the write).
class Stamp {
public:
    void add(QByteArrayView bytes)
    {
        m_size += quint64(bytes.size());
        while (!bytes.isEmpty()) {
            if (m_block.isEmpty() && bytes.size() >= kBlock) {
                hash(bytes.first(kBlock));
                bytes = bytes.sliced(kBlock);
                continue;
            }
            const qsizetype n = std::min(kBlock - m_block.size(), bytes.size());
            m_block.append(bytes.first(n));
            bytes = bytes.sliced(n);
            if (m_block.size() == kBlock) {
                hash(m_block);
                m_block.clear();
            }
        }
    }
    QByteArray result()
    {
        hash(m_block);
        const quint64 stamp[] = {m_size, m_a};
        return QByteArray(reinterpret_cast<const char *>(stamp), sizeof stamp);
    }

private:
    static constexpr qsizetype kBlock = 1 << 20;
    void hash(QByteArrayView block)
    {
        // Each block's hash seeds the next: a change anywhere changes the
        // end, and a second hash would only double the cost of a big sheet.
        m_a = qHashBits(block.data(), size_t(block.size()), size_t(m_a));
    }
    quint64 m_size = 0;
    quint64 m_a = 0x5bd1e995;
    QByteArray m_block;
};

QByteArray stampOf(QByteArrayView bytes)
{
    Stamp stamp;
    stamp.add(bytes);
    return stamp.result();
}

// Nothing at all at the path, not even a dangling link: writing there
// replaces nothing.
bool nothingAt(const QString &path)
{
    const QFileInfo info(plat::hostPath(path));
    return !info.exists() && !info.isSymLink();
}

} // namespace

plat::PackedLines HeldSheet::load(const QString &path, const QString &title, plat::Progress &progress)
{
    m_path = path;
    m_reason.clear();
    m_tail.clear();
    m_stamp.clear();
    if (path.isEmpty()) {
        m_state = State::Unreadable;
        m_reason = QStringLiteral("Aucun fichier de la liste des fiches ne correspond à ce titre.");
        return {};
    }
    try {
        QByteArray bytes = plat::readFileBytes(path);
        progress.beatWhenDue();
        m_tail = plat::unreadTail(bytes);
        m_stamp = stampOf(bytes);
        m_state = State::Loaded;
        // Decoded and split in one pass. The bytes, the text and the line
        // starts are held together for that moment, less than the sorting
        // that follows holds.
        return plat::PackedLines::parse(bytes, progress);
    } catch (const plat::Failure &failure) {
        if (nothingAt(path)) {
            m_state = State::Missing;
            return plat::PackedLines(QStringList{title});
        }
        m_state = State::Unreadable;
        m_reason = failure.message();
        return {};
    }
}

HeldSheet::Plan HeldSheet::planWrite()
{
    if (!writable())
        return Plan::Refuse;
    Stamp now;
    try {
        plat::readFileChunks(m_path, [&](QByteArrayView chunk) { now.add(chunk); });
    } catch (const plat::Failure &failure) {
        if (nothingAt(m_path))
            return Plan::Write;
        // Something stands there now that cannot be read: it is kept.
        m_state = State::Unreadable;
        m_reason = failure.message();
        return Plan::Refuse;
    }
    if (m_state == State::Missing)
        return Plan::AskFirst;
    return now.result() == m_stamp ? Plan::Write : Plan::AskFirst;
}

void HeldSheet::write(QStringView text)
{
    // Encoded, hashed and written piece by piece: a big sheet is never held
    // a second time as bytes.
    Stamp stamp;
    plat::writeFilePieces(m_path, [&](const plat::TakePiece &take) {
        const auto put = [&](QByteArrayView piece) {
            stamp.add(piece);
            take(piece);
        };
        plat::encodeTextPieces(text, put);
        put(m_tail);
    });
    m_stamp = stamp.result();
    m_state = State::Loaded;
}

QString HeldSheet::choiceNotice() const
{
    switch (m_state) {
    case State::Missing:
        return QStringLiteral("Le fichier de cette fiche n'existe plus :\n%1\n\n"
                              "La fiche s'ouvre vide. Son fichier sera créé de nouveau, avec le titre "
                              "de la fiche, à sa prochaine modification.")
            .arg(m_path);
    case State::Unreadable:
        return QStringLiteral("Cette fiche ne peut pas être lue.\n\n%1\n\n"
                              "Elle ne peut être ni affichée ni modifiée, et son fichier ne sera pas "
                              "remplacé.")
            .arg(m_reason);
    default:
        return {};
    }
}

QString HeldSheet::refusal() const
{
    return QStringLiteral("La fiche n'a pas été modifiée : son fichier ne peut pas être lu, et Tavilo ne "
                          "le remplace pas.\n\n%1")
        .arg(m_reason.isEmpty() ? QStringLiteral("Aucune fiche n'a été choisie.") : m_reason);
}

QString HeldSheet::changedOutsideQuestion() const
{
    return QStringLiteral("La fiche « %1 » a été modifiée en dehors de Tavilo depuis que Tavilo l'a lue.\n\n"
                          "Oui : l'enregistrer telle qu'elle est dans Tavilo, en remplaçant ces "
                          "modifications.\nNon : ne pas l'enregistrer et garder la fiche telle "
                          "qu'elle est sur le disque.")
        .arg(m_path);
}

QString fullText(const plat::PackedLines &lines)
{
    QString text;
    text.reserve(lines.toText().size() - lines.count());
    for (qsizetype i = 0; i < lines.count(); ++i) {
        text += lines.view(i);
        text += u'\n';
    }
    return text;
}

QString typedText(QString raw)
{
    raw.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    raw.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return raw;
}

} // namespace editor
