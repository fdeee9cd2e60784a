// Any bytes offered as a kvtml document are read or refused with a reason,
// never expanded beyond what they hold; what is read makes a sheet whose
// exports read back as the same pairs. Whatever the quick scanner reads, it
// reads as QXmlStreamReader does.
#include "fuzz/vocabularychecks.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<interchange::VocabularyTable> quick = interchange::readKvtmlQuickly(bytes);
    try {
        const interchange::VocabularyTable table = interchange::readKvtmlWithQt(bytes);
        if (quick && !(*quick == table))
            std::abort();
        fuzz_checks::checkTable(table);
    } catch (const plat::Failure &) {
        if (quick)
            std::abort();
    }
    return 0;
}
