// Settings lines can hold anything: the colour and number readers never fail
// on any text, and a colour read back from its own text is the same colour.
#include "app/settings.h"
#include "platform/encoding.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = plat::decodeText(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (const auto colour = settings::colourFromText(text)) {
        const auto again = settings::colourFromText(settings::colourToText(*colour));
        if (!again || settings::resolveColour(*again) != settings::resolveColour(*colour))
            std::abort();
    }
    if (const auto number = settings::integerFromText(text)) {
        if (settings::integerFromText(QString::number(*number)) != number)
            std::abort();
    }
    return 0;
}
