#include "sheets/titledisplay.h"

#include "platform/controls.h"
#include "platform/drivepath.h"
#include "sheets/sheet.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace sheets {
namespace {

const QString kAnonymous = QStringLiteral("Fiche anonyme");
const QString kNoInformation = QStringLiteral("Pas d'informations sur cette fiche.");

// Past this many characters a caption is drawn cut: at the banner's width
// each character would be far less than a pixel, and measuring millions of
// characters would stall the window.
constexpr qsizetype kMaxDrawnChars = 4000;
// The bitmap is drawn at most this wide; a wider text is squeezed, as the
// banner squeezes it in the end.
constexpr int kMaxBitmapWidth = 8192;
// A logo picture must decode within this many bytes (4096 x 4096 in 32 bits);
// larger ones are refused before decoding.
constexpr int kPictureLimitMb = 64;

bool readsPicture(TitleVariant v)
{
    return v == TitleVariant::Editor || v == TitleVariant::Statistics;
}

} // namespace

TitleDisplay::TitleDisplay(TitleVariant variant, QLabel *banner, QLabel *logo, QObject *parent)
    : QObject(parent), m_variant(variant), m_banner(banner), m_logo(logo)
{
    if (m_banner)
        m_banner->setScaledContents(true);
}

void TitleDisplay::setMemo2(const QString &line)
{
    m_memo2.setLines({line});
    Memo2Change();
}

void TitleDisplay::clearMemo2()
{
    m_memo2.clear();
    Memo2Change();
}

QFont TitleDisplay::displayFont()
{
    return plat::pixelFont(QStringLiteral("Arial"), 29);
}

void TitleDisplay::applyHint()
{
    if (m_banner)
        m_banner->setToolTip(m_hintShown ? m_hint.left(kMaxDrawnChars) : QString());
}

void TitleDisplay::Memo2Change()
{
    const QString t = memo2Line();
    const bool prefixed = m_variant == TitleVariant::Editor || m_variant == TitleVariant::Statistics;
    const bool anonymous = prefixed
        ? (t == kProcessedPrefix || t == kProcessedPrefix + u' ')
        : isAnonymousTitle(t);

    if (anonymous) {
        m_caption = prefixed ? kProcessedPrefix + kAnonymous : kAnonymous;
    } else if (const std::optional<QString> info = sheetInformation(t)) {
        m_caption = sheetName(t);
        m_hint = *info;
        m_hintShown = true;
    } else {
        m_caption = t;
        if (m_variant != TitleVariant::Statistics) {
            m_hint = kNoInformation;
            m_hintShown = true;
        }
    }
    applyHint();

    if (readsPicture(m_variant) && m_logo) {
        if (const std::optional<QString> path = sheetPicture(t)) {
            if (const std::optional<QImage> picture = loadPicture(*path))
                m_logo->setPixmap(QPixmap::fromImage(*picture));
        }
    }

    m_bitmap = render(m_caption, m_windowColour);
    if (m_banner && !m_bitmap.isNull())
        m_banner->setPixmap(QPixmap::fromImage(m_bitmap));
}

QImage TitleDisplay::render(const QString &caption, const QColor &windowColour)
{
    const QString text = caption.left(kMaxDrawnChars);
    const QFont font = displayFont();
    const QFontMetrics metrics(font);
    // The label sizes itself to its caption; an empty one still measures a
    // blank, so the bitmap never has a zero width.
    const int textWidth = metrics.horizontalAdvance(text.isEmpty() ? QStringLiteral(" ") : text);
    const int textHeight = metrics.height();
    const int naturalWidth = textWidth + 20;
    const int w = std::min(naturalWidth, kMaxBitmapWidth);
    const int h = textHeight + 20;

    QImage image(w, h, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(windowColour);
    QPainter painter(&image);
    // The fill's outline: the default one-pixel black pen, of which only the
    // left and top edges fall inside the bitmap.
    painter.setPen(Qt::black);
    painter.drawLine(0, 0, w - 1, 0);
    painter.drawLine(0, 0, 0, h - 1);
    if (naturalWidth > w)
        painter.scale(double(w) / naturalWidth, 1.0);
    painter.setFont(font);
    painter.setPen(displayColour());
    painter.drawText(QRect(10, 10, textWidth, textHeight), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    return image;
}

std::optional<QImage> TitleDisplay::loadPicture(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QString host = plat::hostPath(path);
    const QFileInfo info(host);
    // Only a plain file: a folder fails, and a device or pipe would block.
    if (!info.isFile())
        return std::nullopt;
    const QString ext = info.suffix().toLower();
    QByteArray format;
    if (ext == u"bmp")
        format = "bmp";
    else if (ext == u"ico")
        format = "ico";
    else if (ext == u"jpg" || ext == u"jpeg")
        format = "jpeg";
    else if (ext == u"png")
        format = "png";
    else
        return std::nullopt;

    QImageReader reader(host, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(kPictureLimitMb);
    const QSize size = reader.size();
    if (size.isValid()
        && qint64(size.width()) * size.height() * 4 > qint64(kPictureLimitMb) * 1024 * 1024)
        return std::nullopt;
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return std::nullopt;
    return image;
}

} // namespace sheets
