// Any bytes may stand in the banner file: every line scrolls in and out in
// order, each tick moves the text 3 pixels or brings the next line in at the
// right edge, and a long line is never measured whole in one tick.
#include "app/banner.h"
#include "platform/linelist.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const plat::LineList messages(plat::LineList::parse(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size))));
    banner::Scroller scroller(messages);
    // Eight pixels a character: the strip's width is crossed in a few ticks.
    scroller.setMeasure([](QStringView piece) { return qint64(piece.size()) * 8; });
    scroller.placeOutside(QStringLiteral("x"));
    for (int tick = 0; tick < 2000; ++tick) {
        const qint64 before = scroller.left();
        const qsizetype measured = scroller.width().measuredLength();
        if (scroller.tick()) {
            if (scroller.index() < 0 || scroller.index() >= std::max<qsizetype>(messages.count(), 1))
                std::abort();
        } else {
            if (scroller.left() != before - 3)
                std::abort();
            if (scroller.width().measuredLength() - measured > 2 * banner::TextWidth::kPieceLength)
                std::abort();
        }
    }
    return 0;
}
