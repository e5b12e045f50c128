#pragma once

#include "runner/runview.h"

#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <vector>

// The run on the whole screen, to be read from across the room: the interval's
// time left in digits filling most of the height, the phase in its colour, the
// status text (during an exercise, what follows it in small type below), the
// circuit's time left and a bar of the whole circuit. It is one more view of
// the runner's run, drawing only the run's moment.
class BigClockWindow final : public QWidget, public RunView {
    Q_OBJECT
public:
    explicit BigClockWindow(QWidget* parent = nullptr);

    void showMoment(const RunMoment& moment) override;
    const RunMoment& moment() const { return m_moment; }
    // The clock's digits as shown: "00:15", from 100 minutes "1:40:00".
    static QString digitsText(int64_t seconds);

signals:
    // The window has left the screen: closed by a key, a double click or its owner.
    void hidden();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void placeParts();
    void fitDigits();
    // Where each character of the digits lies, and its picture in the phase colour.
    QRect cellOf(int index) const;
    const QPixmap& glyph(QChar character, const QColor& colour);
    // Drops the pictures drawn for another size or pixel density.
    void dropPicturesOfAnotherSize();
    // The phase word and the status as one picture; the text is large, so drawn
    // from outlines, slow enough to do ahead for the next phase.
    const QPixmap& topBand(bool idle, PhaseKind kind, const std::string& status);
    // One missing glyph per idle pass, until each character is at hand in the
    // colours of this phase and the next.
    void fillGlyphsAhead();

    RunMoment m_moment;
    QString m_digits;
    // m_upNext lies under the status, over the top of the digit area, which
    // the digits keep clear of.
    QRect m_top, m_upNext, m_digitArea, m_line, m_bar;
    QFont m_digitFont, m_topFont, m_lineFont, m_upNextFont;
    int m_fittedLength = -1; // the digit count the font was fitted for
    // Large glyphs are outlines, slow to fill: each character is drawn once per
    // size and colour, and a tick copies only the characters that changed. Every
    // phase colour drawn is kept, so a change of phase copies pictures drawn ahead.
    std::vector<int> m_cellLefts; // and one past the last cell's right edge
    QHash<QRgb, QHash<QChar, QPixmap>> m_glyphs;
    int m_glyphPixelSize = 0;
    int m_glyphHeight = 0;
    QHash<QString, QPixmap> m_topBands; // the shown one and the next one
    qreal m_density = 0;                // of every picture above
    QSize m_topBandSize;
    QTimer m_fillAhead;
};
