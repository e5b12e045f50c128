#include "runner/bigclock.h"

#include "ui/errorguard.h"

#include "data/durationtext.h"
#include "runner/phasecolours.h"
#include "ui/fonts.h"
#include "ui/textconv.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
const QColor kGround(18, 18, 18);
const QColor kInk(240, 240, 240);
const QColor kTrack(64, 64, 64);

// Tall, narrow digits fill most of a wide screen's height.
QFont scalableFont(bool bold) {
    QFont font(QStringLiteral("Nimbus Sans Narrow"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    font.setPixelSize(100);
    return font;
}

// Every character the digits can show.
const QString kDigitCharacters = QStringLiteral("0123456789:");

// Before any circuit is loaded there is no phase to name.
QString phaseWord(bool idle, PhaseKind kind) {
    if (idle)
        return {};
    switch (kind) {
    case PhaseKind::WarmUp:
        //: The big clock's phase word, drawn large before the status: keep it short.
        return BigClockWindow::tr("Warm-up");
    case PhaseKind::CoolDown:
        //: The big clock's phase word, drawn large before the status: keep it short.
        return BigClockWindow::tr("Cool-down");
    case PhaseKind::Rest:
        //: The big clock's phase word during a rest: keep it short.
        return BigClockWindow::tr("Rest");
    case PhaseKind::Work:
    case PhaseKind::Reps:
        break;
    }
    //: The big clock's phase word during an exercise: keep it short.
    return BigClockWindow::tr("Exercise");
}

QString faceKey(bool idle, PhaseKind kind, const std::string& status) {
    return phaseWord(idle, kind) + QChar(0) + totext(status);
}
} // namespace

BigClockWindow::BigClockWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frm_BigClock"));
    setWindowTitle(QStringLiteral("Stridewell"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_digitFont = scalableFont(true);
    m_topFont = scalableFont(true);
    m_lineFont = scalableFont(false);
    m_upNextFont = scalableFont(false);
    m_digits = digitsText(0);
    m_fillAhead.setSingleShot(true);
    m_fillAhead.setInterval(0);
    connect(&m_fillAhead, &QTimer::timeout, this,
            [this] { guarded(this, [this] { fillGlyphsAhead(); }); });
    resize(960, 540);
}

QString BigClockWindow::digitsText(int64_t seconds) {
    return totext(durationtext(static_cast<uint64_t>(std::max<int64_t>(seconds, 0))));
}

void BigClockWindow::showMoment(const RunMoment& moment) {
    const bool sameFace = moment.state == m_moment.state && moment.kind == m_moment.kind &&
                          moment.status == m_moment.status && moment.upNext == m_moment.upNext;
    m_moment = moment;
    const QString before = m_digits;
    m_digits = digitsText(moment.intervalLeft);
    const bool refit = m_digits.size() != m_fittedLength;
    if (refit)
        fitDigits();
    if (!isVisible())
        return;
    if (refit || !sameFace) {
        update();
        m_fillAhead.start();
        return;
    }
    // A plain tick: the characters that changed, the line and the bar.
    for (int i = 0; i < m_digits.size(); ++i)
        if (m_digits[i] != before[i])
            update(cellOf(i));
    update(m_line);
    update(m_bar);
}

void BigClockWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeParts();
}

void BigClockWindow::placeParts() {
    const int w = width();
    const int h = height();
    const int margin = std::max(4, h * 3 / 100);
    const int inner = w - 2 * margin;
    // A desktop with larger text gets a larger phase word, status and time
    // line, up to twice their usual height, taken from the digits' height.
    const qreal grow = std::min<qreal>(textscale(), 2.0) - 1.0;
    const int topExtra = qRound(h * 11 / 100 * grow);
    const int lineExtra = qRound(h * 9 / 100 * grow);
    m_top = QRect(margin, margin, inner, h * 11 / 100 + topExtra);
    m_digitArea = QRect(margin, m_top.bottom() + 1, inner, h * 68 / 100 - topExtra - lineExtra);
    m_line = QRect(margin, m_digitArea.bottom() + 1, inner, h * 9 / 100 + lineExtra);
    m_bar = QRect(margin, m_line.bottom() + 1 + h / 100, inner, std::max(4, h * 4 / 100));
    // Small beside the rest, even with larger text: the digits keep their size.
    m_upNext = QRect(margin, m_top.bottom() + 1, inner, h * 5 / 100);
    m_topFont.setPixelSize(std::max(8, m_top.height() * 80 / 100));
    m_lineFont.setPixelSize(std::max(8, m_line.height() * 75 / 100));
    m_upNextFont.setPixelSize(std::max(8, m_upNext.height() * 75 / 100));
    fitDigits();
}

void BigClockWindow::fitDigits() {
    // The font whose digits fill the area's height, or its width when the text
    // is long. Digits share one width, so the text keeps its place as it counts.
    m_fittedLength = static_cast<int>(m_digits.size());
    QFont probe = m_digitFont;
    probe.setPixelSize(1000);
    const QFontMetricsF metrics(probe);
    const qreal digitHeight = metrics.tightBoundingRect(QStringLiteral("0")).height();
    const qreal textWidth = metrics.horizontalAdvance(m_digits);
    const qreal byHeight = 1000.0 * m_digitArea.height() * 0.92 / std::max<qreal>(digitHeight, 1);
    const qreal byWidth = 1000.0 * m_digitArea.width() / std::max<qreal>(textWidth, 1);
    // The digits are centred in their cells by the font's line; their tops stay
    // below the line under the status. Per pixel of font size a digit's top
    // lies `rise` above the cell's middle.
    const qreal rise = (metrics.height() / 2 - metrics.ascent() -
                        metrics.tightBoundingRect(QStringLiteral("0")).top()) /
                       1000.0;
    const qreal room = m_digitArea.height() / 2.0 - (m_upNext.bottom() + 1 - m_digitArea.top());
    const qreal belowUpNext = rise > 0 ? room / rise : byHeight;
    m_digitFont.setPixelSize(
        std::max(8, static_cast<int>(std::min({byHeight, byWidth, belowUpNext}))));

    // Digits share one width, so each character keeps its cell as the clock counts.
    const QFontMetricsF fitted(m_digitFont);
    qreal x = m_digitArea.left() + (m_digitArea.width() - fitted.horizontalAdvance(m_digits)) / 2;
    m_cellLefts.clear();
    for (const QChar character : std::as_const(m_digits)) {
        m_cellLefts.push_back(static_cast<int>(x));
        x += fitted.horizontalAdvance(character);
    }
    m_cellLefts.push_back(static_cast<int>(x) + 1);
    dropPicturesOfAnotherSize();
    if (isVisible())
        m_fillAhead.start();
}

void BigClockWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_fillAhead.start();
}

void BigClockWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // At full screen the pictures take tens of megabytes: they go with the
    // window and are drawn again when it next opens.
    m_fillAhead.stop();
    m_glyphs.clear();
    m_topBands.clear();
    emit hidden();
}

QRect BigClockWindow::cellOf(int index) const {
    const auto at = static_cast<size_t>(index);
    if (at + 1 >= m_cellLefts.size())
        return {};
    return QRect(m_cellLefts[at], m_digitArea.top(), m_cellLefts[at + 1] - m_cellLefts[at],
                 m_digitArea.height());
}

void BigClockWindow::dropPicturesOfAnotherSize() {
    // On a screen of another pixel density every picture is drawn again.
    if (devicePixelRatioF() != m_density) {
        m_glyphs.clear();
        m_topBands.clear();
        m_density = devicePixelRatioF();
    }
    if (m_top.size() != m_topBandSize) {
        m_topBands.clear();
        m_topBandSize = m_top.size();
    }
    if (m_digitFont.pixelSize() == m_glyphPixelSize && m_digitArea.height() == m_glyphHeight)
        return;
    m_glyphs.clear();
    m_glyphPixelSize = m_digitFont.pixelSize();
    m_glyphHeight = m_digitArea.height();
}

void BigClockWindow::fillGlyphsAhead() {
    if (!isVisible())
        return;
    // The next phase's colour first: the next change of phase needs it.
    dropPicturesOfAnotherSize();
    for (const QColor& colour : {phaseColour(m_moment.nextKind), phaseColour(m_moment.kind)}) {
        const auto& drawn = m_glyphs[colour.rgb()];
        for (const QChar character : kDigitCharacters) {
            if (drawn.contains(character))
                continue;
            glyph(character, colour);
            m_fillAhead.start();
            return;
        }
    }
    if (m_moment.state == RunState::Running)
        topBand(false, m_moment.nextKind, m_moment.nextStatus);
}

const QPixmap& BigClockWindow::topBand(bool idle, PhaseKind kind, const std::string& status) {
    const QString word = phaseWord(idle, kind);
    const QString key = faceKey(idle, kind, status);
    auto found = m_topBands.find(key);
    if (found != m_topBands.end())
        return *found;
    // Texts change with the exercises: keep only what is shown and what comes next.
    if (m_topBands.size() >= 4) {
        const QString shownKey =
            faceKey(m_moment.state == RunState::Idle, m_moment.kind, m_moment.status);
        const QString nextKey = faceKey(false, m_moment.nextKind, m_moment.nextStatus);
        m_topBands.removeIf(
            [&](const auto& entry) { return entry.key() != shownKey && entry.key() != nextKey; });
    }
    const qreal density = m_density;
    QImage image((QSizeF(m_top.size().expandedTo(QSize(1, 1))) * density).toSize(),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
    image.fill(kGround);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect band(QPoint(0, 0), m_top.size());
    painter.setFont(m_topFont);
    painter.setPen(phaseColour(kind));
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, word);
    const int wordWidth = painter.fontMetrics().horizontalAdvance(word + QStringLiteral("   "));
    painter.setPen(kInk);
    const QRect statusArea = band.adjusted(wordWidth, 0, 0, 0);
    const QString shown =
        painter.fontMetrics().elidedText(totext(status), Qt::ElideRight, statusArea.width());
    painter.drawText(statusArea, Qt::AlignRight | Qt::AlignVCenter, shown);
    painter.end();
    return *m_topBands.insert(key, QPixmap::fromImage(std::move(image)));
}

const QPixmap& BigClockWindow::glyph(QChar character, const QColor& colour) {
    auto& drawn = m_glyphs[colour.rgb()];
    auto found = drawn.find(character);
    if (found != drawn.end())
        return *found;
    // Drawn on the ground itself: an opaque picture copies without blending.
    const QSize cell(
        static_cast<int>(std::ceil(QFontMetricsF(m_digitFont).horizontalAdvance(character))),
        m_digitArea.height());
    // At the screen's own pixel density, so the digits stay crisp on any screen.
    const qreal density = m_density;
    QImage image((QSizeF(cell.expandedTo(QSize(1, 1))) * density).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
    image.fill(kGround);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(m_digitFont);
    painter.setPen(colour);
    painter.drawText(QRect(QPoint(0, 0), cell), Qt::AlignHCenter | Qt::AlignVCenter,
                     QString(character));
    painter.end();
    return *drawn.insert(character, QPixmap::fromImage(std::move(image)));
}

void BigClockWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), kGround);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor phase = phaseColour(m_moment.kind);

    dropPicturesOfAnotherSize();
    if (event->rect().intersects(m_top))
        painter.drawPixmap(m_top.topLeft(), topBand(m_moment.state == RunState::Idle, m_moment.kind,
                                                    m_moment.status));
    if (event->rect().intersects(m_digitArea)) {
        for (int i = 0; i < m_digits.size(); ++i) {
            const QRect cell = cellOf(i);
            if (event->rect().intersects(cell))
                painter.drawPixmap(cell.topLeft(), glyph(m_digits[i], phase));
        }
    }
    // Over the digits' cells, which are drawn with their ground.
    if (event->rect().intersects(m_upNext) && !m_moment.upNext.empty()) {
        painter.setFont(m_upNextFont);
        painter.setPen(kInk);
        painter.drawText(m_upNext, Qt::AlignRight | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(totext(m_moment.upNext), Qt::ElideRight,
                                                          m_upNext.width()));
    }
    if (event->rect().intersects(m_line)) {
        painter.setFont(m_lineFont);
        painter.setPen(kInk);
        painter.drawText(m_line, Qt::AlignCenter, totext(m_moment.timeLeftLine));
    }
    if (event->rect().intersects(m_bar)) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(m_bar, kTrack);
        if (m_moment.circuitLength > 0) {
            const double done =
                1.0 - static_cast<double>(m_moment.circuitLeft) / m_moment.circuitLength;
            QRect filled = m_bar;
            filled.setWidth(static_cast<int>(m_bar.width() * std::clamp(done, 0.0, 1.0)));
            painter.fillRect(filled, phase);
        }
    }
}

void BigClockWindow::mouseDoubleClickEvent(QMouseEvent*) {
    close();
}
