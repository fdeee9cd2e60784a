// Any bytes may be named as the help document: reading either gives topics
// whose parts come from the text, or a French explanation, never a crash.
#include "help/helpfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const helpfile::Parsed parsed = helpfile::parseBytes(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (parsed.ok() == !parsed.error.isEmpty())
        std::abort();
    for (const helpfile::Topic &topic : parsed.document.topics) {
        (void)helpfile::matches(topic, QStringLiteral("fiche"));
        if (!helpfile::matches(topic, QString()))
            std::abort(); // the empty query lists every topic
    }
    return 0;
}
