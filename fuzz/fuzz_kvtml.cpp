// Any bytes offered as a kvtml document are read or refused with a reason,
// never expanded beyond what they hold; what is read makes a sheet whose
// exports read back as the same pairs.
#include "fuzz/vocabularychecks.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        fuzz_checks::checkTable(interchange::readKvtml(bytes));
    } catch (const plat::Failure &) {
    }
    return 0;
}
