#pragma once
#include "platform/linelist.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// The information banner of the main window: one message at a time enters at
// the right edge of a 753-pixel strip and travels left until its last pixel
// has left it, then the next line of the banner list enters.
namespace banner {

inline constexpr int kStripWidth = 753;
inline constexpr int kStep = 3;          // pixels per tick
inline constexpr int kInterval = 100;    // ms per tick at the slider's left end
inline constexpr int kSliderMax = 99;

// The banner list read at every activation of the main window, and the
// spelling the panel's defaults put in the file field. The panel compares
// its field with the first one letter for letter.
inline const QString kMessageFile = QStringLiteral("C:\\Orsiva\\Infos.txt");
inline const QString kDefaultsFile = QStringLiteral("C:\\Orsiva\\infos.txt");

// The maker's site, named in two of the built-in messages and in the text of
// the stopped banner.
inline const QString kMakerSite = QStringLiteral("https://orsiva.fr/");

// The ten messages the banner shows until a message file has been read.
QStringList builtInMessages();
// What a stopped banner shows, still, at the strip's left edge.
QString stoppedText();

// Milliseconds between two ticks for a speed slider position.
int intervalFor(int sliderPosition);

// The line that enters after line `index` of a list of `count` lines: the
// next one, or line 0 after the last (and for an empty list).
qsizetype nextIndex(qsizetype index, qsizetype count);

// Replaces the list by the lines of the file; false, with the list unchanged,
// when the file cannot be read (missing, a folder, a device...).
bool loadMessages(plat::LineList &list, const QString &path);

// The width in pixels of the message on display, measured a piece at a time
// and only as far as a question needs: a message of a million characters
// costs one piece now and then while it travels, never a whole measurement in
// one tick. An empty text is as wide as a blank, as a self-sizing label is.
class TextWidth {
public:
    // Width of a piece of text, in pixels.
    using Measure = std::function<qint64(QStringView)>;
    static constexpr qsizetype kPieceLength = 256;

    struct Piece {
        qsizetype from = 0;   // index of its first character
        qsizetype length = 0;
        qint64 x = 0;         // its left edge from the text's left edge
        qint64 width = 0;
    };

    void setMeasure(Measure measure) { m_measure = std::move(measure); }
    void setText(const QString &text);
    const QString &text() const { return m_text; }

    // Whether the whole text is narrower than `px`.
    bool narrowerThan(qint64 px);
    // Measures pieces until they reach `px` or the text ends.
    void measureTo(qint64 px);
    // The whole width; measures everything, for short texts only.
    qint64 total();

    const std::vector<Piece> &pieces() const { return m_pieces; }
    // The characters measured so far (an empty text counts its blank).
    qsizetype measuredLength() const { return m_measuredLength; }

private:
    bool complete() const;

    Measure m_measure;
    QString m_text;
    std::vector<Piece> m_pieces;
    qint64 m_width = 0;      // of the pieces measured so far
    qsizetype m_measuredLength = 0;
};

// The banner's moving part: the label's text and left edge relative to the
// strip, and the index of its line in the banner list.
class Scroller {
public:
    explicit Scroller(const plat::LineList &messages) : m_messages(messages) {}

    void setMeasure(TextWidth::Measure measure) { m_width.setMeasure(std::move(measure)); }

    // Puts `text` wholly left of the strip, so that the first tick brings in
    // the line after the current index.
    void placeOutside(const QString &text);
    // The index goes back to 0: the next message to enter is line 1.
    void restart() { m_index = 0; }
    // One step: the label moves 3 pixels left, or, once it lies wholly left of
    // the strip, the next line enters at the right edge. True when a line
    // entered.
    bool tick();
    // A still text at the strip's left edge.
    void standStill(const QString &text);

    const QString &text() const { return m_width.text(); }
    qint64 left() const { return m_left; }
    qsizetype index() const { return m_index; }
    TextWidth &width() { return m_width; }

private:
    void show(const QString &text, qint64 left);

    const plat::LineList &m_messages;
    TextWidth m_width;
    qint64 m_left = 0;
    qsizetype m_index = 0;
};

} // namespace banner
