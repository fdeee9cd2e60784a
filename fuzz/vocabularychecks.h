// What every vocabulary read must keep, whatever the file: a choice within
// the columns, a sheet of whole pairs that accounts for every entry, and
// exports of that sheet that read back as the same pairs.
#pragma once
#include "interchange/delimitedtext.h"
#include "interchange/kvtml.h"
#include "interchange/vocabularytable.h"
#include "platform/failure.h"
#include "platform/linelist.h"
#include "platform/packedlines.h"
#include "sheets/sheet.h"

#include <cstdlib>

namespace fuzz_checks {

// Text that both exports carry unchanged: no control character but tab, no
// noncharacter, no lone surrogate.
inline bool exportable(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if ((c < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') || c == 0xFFFE || c == 0xFFFF || QChar::isSurrogate(c))
            return false;
    }
    return true;
}

inline QStringList pairLines(const QString &sheetText)
{
    QStringList lines = plat::LineList::parseText(sheetText);
    if (!lines.isEmpty())
        lines.removeFirst();
    return lines;
}

inline void checkTable(const interchange::VocabularyTable &table)
{
    const interchange::ColumnChoice choice = interchange::defaultChoice(table);
    const qsizetype columns = table.columnCount();
    if (columns > interchange::kMaxColumns)
        std::abort();
    if (columns >= 2 && (choice.foreign == choice.french || choice.foreign < 0 || choice.french < 0
                         || choice.foreign >= columns || choice.french >= columns))
        std::abort();
    const interchange::ImportedSheet sheet = interchange::buildSheet(table, choice, QStringLiteral("liste"));
    const QStringList lines = plat::LineList::parseText(sheet.text);
    if (lines.size() != 1 + 2 * sheet.pairs || lines.first() != sheet.titleLine)
        std::abort();
    if (sheet.pairs + sheet.empty + sheet.untranslated != std::max<qsizetype>(0, table.rowCount() - (choice.header ? 1 : 0)))
        std::abort();
    if (sheets::sheetName(sheet.titleLine).isEmpty() || sheets::sheetPicture(sheet.titleLine))
        std::abort();
    (void)interchange::importSummary(sheet);
    if (sheet.pairs == 0 || !exportable(sheet.text))
        return;
    const plat::PackedLines packed = plat::PackedLines::fromText(sheet.text);
    for (const QByteArray &exported : {interchange::kvtmlDocument(packed), interchange::tabSeparatedText(packed)}) {
        try {
            const interchange::VocabularyTable back = interchange::readVocabulary(exported);
            if (interchange::needsChoice(back))
                std::abort();
            const interchange::ImportedSheet again =
                interchange::buildSheet(back, interchange::defaultChoice(back), QStringLiteral("x"));
            if (pairLines(again.text) != pairLines(sheet.text))
                std::abort();
        } catch (const plat::Failure &) {
            std::abort();
        }
    }
}

} // namespace fuzz_checks
