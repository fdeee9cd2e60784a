// Any title line splits into a name, information and picture that are parts
// of the line, and splitting never fails.
#include "platform/encoding.h"
#include "sheets/sheet.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = plat::decodeText(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    const sheets::TitleFields fields = sheets::splitTitle(line);
    if (!line.startsWith(fields.name))
        std::abort();
    if (fields.information && !line.contains(*fields.information))
        std::abort();
    if (fields.picture && !line.contains(*fields.picture))
        std::abort();
    (void)sheets::isAnonymousTitle(line);
    return 0;
}
