// Any sheet, in any of a few languages and either direction: the editor's
// columns list the first terms exactly as a plain stable sort with the
// collator lists them, equal terms in pair order, and the second column
// stays beside its own first term. The quick ways to that order (ranks,
// prefixes, runs of one term) must never show through.
#include "editor/termcolumns.h"
#include "platform/packedlines.h"
#include "sheets/sheet.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    static const char *const languages[] = {"fr_FR", "cs_CZ", "sv_SE", "en_US", "de_DE", "es_ES"};
    QLocale::setDefault(QLocale(QString::fromLatin1(languages[(data[0] & 0x7F) % std::size(languages)])));
    const bool reversed = data[0] & 0x80;
    const plat::PackedLines lines =
        plat::PackedLines::parse(QByteArrayView(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1)));
    editor::TermColumns columns;
    columns.build(lines, reversed);

    const qsizetype pairs = sheets::pairCount(lines.count());
    const auto first = [&](qsizetype k) { return lines.view(reversed ? 2 * k : 2 * k - 1); };
    std::vector<qsizetype> expected(static_cast<size_t>(pairs));
    std::iota(expected.begin(), expected.end(), qsizetype(1));
    const QCollator collator = editor::TermColumns::collator();
    std::stable_sort(expected.begin(), expected.end(),
                     [&](qsizetype a, qsizetype b) { return collator.compare(first(a), first(b)) < 0; });
    if (columns.rows() != pairs)
        std::abort();
    for (int row = 0; row < columns.rows(); ++row) {
        const qsizetype k = expected[size_t(row)];
        if (columns.pairOf(row) != k || columns.first(row) != first(k)
            || columns.second(row) != lines.view(reversed ? 2 * k - 1 : 2 * k))
            std::abort();
    }
    return 0;
}
