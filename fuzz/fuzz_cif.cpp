// Any file may be chosen as a cif file: the conversion never fails, pairs
// cif line k with cif line n + 2 + k (n the column split), and its sheet saves
// and reads back unchanged.
#include "platform/linelist.h"
#include "processing/sheetprocessing.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const plat::LineList cif(plat::LineList::parse(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size))));
    const QStringList sheet = processing::sheetFromCif(cif);
    const qsizetype n = processing::cifColumnSplit(cif.count());
    if (n > 0) {
        if (sheet.size() != 2 * n + 2 || sheet.first() != cif.memoLine(0))
            std::abort();
        for (qsizetype k = 1; k <= n; ++k)
            if (sheet[2 * k - 1] != cif.memoLine(k) || sheet[2 * k] != cif.memoLine(n + 2 + k))
                std::abort();
    }
    const plat::LineList saved(sheet);
    if (plat::LineList::parse(saved.toBytes()) != sheet)
        std::abort();
    (void)processing::calculatorText(sheet);
    return 0;
}
