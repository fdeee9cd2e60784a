#pragma once
#include <QFont>
#include <QString>

class QLabel;
class QPushButton;
class QSlider;
class QWidget;

// The named controls the windows build again and again.
namespace plat {

// A font sized in pixels, as the windows were drawn.
QFont pixelFont(const QString &family, int pixelSize, bool bold = false, bool italic = false);

// A named text in a style-sheet colour, over whatever lies behind it. An empty
// name leaves the label unnamed.
QLabel *colourLabel(const QString &text, const QString &name, const QString &colour, QWidget *parent);
QLabel *colourLabel(const QString &text, const QString &name, const QString &colour, const QFont &font,
                    QWidget *parent);

// A label shows at most this many characters of a text: more could not be
// seen, and a label lays out and paints all it holds, at each paint. The text
// itself stays whole wherever it is kept.
constexpr qsizetype kShownChars = 2000;
QString shownPart(const QString &text);

// A named push button; a hint, when given, becomes its tool tip.
QPushButton *pushButton(const QString &text, const QString &name, QWidget *parent,
                        const QString &hint = QString());

// A named horizontal track bar with a tick at each step; Page Up and Page Down
// move it by two.
QSlider *trackBar(const QString &name, int min, int max, int position, QWidget *parent);

// Puts a widget right after another in the box layout that holds that one,
// however deep in its window's layouts; false when no box layout holds it.
bool insertAfter(QWidget *existing, QWidget *added);

} // namespace plat
