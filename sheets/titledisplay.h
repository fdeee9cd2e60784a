#pragma once
#include "platform/linelist.h"
#include "sheets/titlelistbox.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <optional>

class QLabel;

namespace sheets {

// What the editor puts before a title line in its banner: the display must
// see past it to show an anonymous sheet as one.
inline const QString kProcessedPrefix = QStringLiteral("Fiche traitée : ");

// The title banner of the editor, learning, test and statistics windows.
// The window keeps its banner (Image3) and logo (Image1) as QLabels and hands
// them over; Memo2 lives here, and every change of it runs the display
// (Memo2Change): the line is split into caption and hint, the caption is drawn
// in memory (Arial 29 px, blue, 10 px margins, on the window colour) and the
// bitmap goes into the banner, stretched to the banner's size. The editor and
// statistics variants also load the picture named in the line into the logo.
class TitleDisplay : public QObject {
    Q_OBJECT
public:
    // banner and logo may be null (no banner: the bitmap is still kept).
    TitleDisplay(TitleVariant variant, QLabel *banner, QLabel *logo = nullptr,
                 QObject *parent = nullptr);

    TitleVariant variant() const { return m_variant; }

    // Memo2. Clearing it and adding a line, as the windows do to show a title.
    void setMemo2(const QString &line);
    // Empties Memo2; the display runs on the empty text, as a memo's change would.
    void clearMemo2();
    const plat::LineList &memo2() const { return m_memo2; }
    QString memo2Line() const { return m_memo2.memoLine(0); }

    // Runs the display from Memo2's line 0 (the test window refreshes with it).
    void Memo2Change();

    // The display label (Label9, Label20, Label5): the caption last shown.
    QString caption() const { return m_caption; }
    // Image3's hint and whether it is shown.
    QString hint() const { return m_hint; }
    bool hintShown() const { return m_hintShown; }
    void setWindowColour(const QColor &colour) { m_windowColour = colour; }
    // The bitmap last rendered; a null image before the first rendering.
    QImage bitmap() const { return m_bitmap; }

    // Arial, 29 pixels, blue: the display label's font.
    static QFont displayFont();
    static QColor displayColour() { return QColor(0, 0, 255); }
    // The caption drawn at (10, 10) on a bitmap 20 pixels wider and higher
    // than the text. A very long caption is drawn narrower than its natural
    // width: it is squeezed into the banner anyway.
    static QImage render(const QString &caption, const QColor &windowColour);
    // A picture file for the logo: bitmap, icon, JPEG or PNG chosen by the
    // extension. nullopt for a missing file, a folder, another kind of file,
    // unreadable content or a picture too large to decode safely.
    static std::optional<QImage> loadPicture(const QString &path);

private:
    void applyHint();

    TitleVariant m_variant;
    QPointer<QLabel> m_banner;
    QPointer<QLabel> m_logo;
    plat::LineList m_memo2;
    QString m_caption = QStringLiteral("Pour l'autosize");
    QString m_hint;
    bool m_hintShown = false;
    QColor m_windowColour = Qt::black;
    QImage m_bitmap;
};

} // namespace sheets
