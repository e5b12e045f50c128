// The circuit card laid out on one page, and the print dialog: the module
// that alone links Qt Print Support (see cardprinter.h).
#include "app/print/cardprinter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <array>
#include <tuple>
#include <type_traits>
#include <utility>

namespace {

constexpr qreal kMarginMm = 12;

// Sizes in points. The rows have these up to about two dozen exercises; more
// share the page by shrinking every row alike, down to a hundred.
constexpr qreal kTitlePt = 22;
constexpr qreal kSubtitlePt = 11;
constexpr qreal kPlannedLabelPt = 8;
constexpr qreal kPlannedValuePt = 20;
constexpr qreal kFactPt = 10;
constexpr qreal kHeadPt = 8;
constexpr qreal kNamePt = 9.5;
constexpr qreal kDescriptionPt = 8;
constexpr qreal kFooterPt = 7.5;
constexpr qreal kRowPaddingPt = 3.5;
constexpr qreal kCellPaddingPt = 4;

const QColor kInk(34, 34, 34);
const QColor kMuted(105, 105, 105);
const QColor kFaint(150, 150, 150);
const QColor kShade(244, 245, 247);
const QColor kRule(200, 200, 200);

// The columns' shares of the width: number, exercise, work, rest, reps,
// sides, description.
constexpr std::array<qreal, kCardColumns> kShares{0.035, 0.29, 0.075, 0.09, 0.065, 0.065, 0.38};
enum Column { Number, Name, Work, Rest, Reps, Sides, Description };

QPageLayout cardPageLayout(const QPageSize& size, QPageLayout::Orientation orientation) {
    return QPageLayout(size, orientation, QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

QPageSize pageSizeOf(CardPage page) {
    return QPageSize(page == CardPage::Letter ? QPageSize::Letter : QPageSize::A4);
}

// One card on the painter's page, in the device's pixels; the painter's
// origin is the top left of the area inside the margins.
class CardLayout final {
public:
    CardLayout(QPainter& painter, const CardSheet& sheet, const QPaintDevice& device)
        : m_painter(painter), m_sheet(sheet), m_device(device), m_dpi(device.logicalDpiY()),
          m_width(device.width()), m_height(device.height()) {}

    void paint() {
        qreal top = paintHeader();
        top = paintFacts(top + pt(9));
        const qreal bottom = paintFooter() - pt(8);
        if (m_sheet.rows.empty())
            paintNoRows(top + pt(14));
        else
            paintTable(top + pt(12), bottom);
    }

private:
    // The fonts of one row size.
    struct RowFonts {
        QFont number;
        QFont name;
        QFont cell;
        QFont description;
        qreal padding = 0;
    };

    qreal pt(qreal points) const { return points * m_dpi / 72.0; }

    QFont font(const QFont& face, qreal points, bool bold = false) const {
        QFont sized(face);
        sized.setPointSizeF(points);
        sized.setBold(bold);
        return sized;
    }

    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &m_device); }

    qreal advance(const QFont& font, const QString& text) const {
        return metrics(font).horizontalAdvance(text);
    }

    QString elided(const QFont& font, const QString& text, qreal width) const {
        return metrics(font).elidedText(text, Qt::ElideRight, std::max<qreal>(width, 0));
    }

    // Every text goes through here: drawn as plain text at its baseline.
    void draw(const QFont& font, const QColor& colour, qreal x, qreal baseline,
              const QString& text) {
        m_painter.setFont(font);
        m_painter.setPen(colour);
        m_painter.drawText(QPointF(x, baseline), text);
    }

    // The name and type on the left, the planned time on the right, a rule in
    // the work colour below. Returns the rule's bottom.
    qreal paintHeader() {
        const QFont title = font(m_sheet.headingFace, kTitlePt, true);
        const QFont subtitle = font(m_sheet.textFace, kSubtitlePt);
        const QFont plannedLabel = font(m_sheet.textFace, kPlannedLabelPt);
        const QFont plannedValue = font(m_sheet.headingFace, kPlannedValuePt, true);

        const qreal titleBaseline = metrics(title).ascent();
        const qreal subtitleBaseline =
            titleBaseline + metrics(title).descent() + pt(2) + metrics(subtitle).ascent();
        const qreal plannedWidth = std::max(advance(plannedLabel, m_sheet.plannedLabel),
                                            advance(plannedValue, m_sheet.plannedValue));
        const qreal nameWidth = m_width - plannedWidth - pt(18);

        draw(title, kInk, 0, titleBaseline, elided(title, m_sheet.title, nameWidth));
        draw(subtitle, kMuted, 0, subtitleBaseline, elided(subtitle, m_sheet.subtitle, nameWidth));

        const qreal valueBaseline = subtitleBaseline;
        const qreal labelBaseline = valueBaseline - metrics(plannedValue).ascent() - pt(2);
        draw(plannedLabel, kMuted, m_width - advance(plannedLabel, m_sheet.plannedLabel),
             labelBaseline, m_sheet.plannedLabel);
        draw(plannedValue, m_sheet.workColour,
             m_width - advance(plannedValue, m_sheet.plannedValue), valueBaseline,
             m_sheet.plannedValue);

        const qreal ruleTop = subtitleBaseline + metrics(subtitle).descent() + pt(7);
        m_painter.fillRect(QRectF(0, ruleTop, m_width, pt(2)), m_sheet.workColour);
        return ruleTop + pt(2);
    }

    // "Rounds 3   Warm-up 02:00 ...", on as many lines as the language needs.
    // Returns the bottom of the last line.
    qreal paintFacts(qreal top) {
        const QFont label = font(m_sheet.textFace, kFactPt);
        const QFont value = font(m_sheet.textFace, kFactPt, true);
        const QFontMetricsF lineMetrics = metrics(value);
        const qreal gap = pt(4);
        const qreal between = pt(18);
        qreal baseline = top + lineMetrics.ascent();
        qreal x = 0;
        for (const CardFact& fact : m_sheet.facts) {
            const qreal width = advance(label, fact.label) + gap + advance(value, fact.value);
            if (x > 0 && x + width > m_width) {
                x = 0;
                baseline += lineMetrics.lineSpacing() * 1.25;
            }
            draw(label, kMuted, x, baseline, fact.label);
            draw(value, fact.colour.isValid() ? fact.colour : kInk,
                 x + advance(label, fact.label) + gap, baseline, fact.value);
            x += width + between;
        }
        return baseline + lineMetrics.descent();
    }

    // "Stridewell" under a thin rule at the foot of the page. Returns the
    // rule's top.
    qreal paintFooter() {
        const QFont footer = font(m_sheet.textFace, kFooterPt);
        const qreal baseline = m_height - metrics(footer).descent();
        draw(footer, kFaint, 0, baseline, m_sheet.footer);
        const qreal ruleTop = baseline - metrics(footer).ascent() - pt(5);
        m_painter.fillRect(QRectF(0, ruleTop, m_width, pt(0.5)), kRule);
        return ruleTop;
    }

    void paintNoRows(qreal top) {
        const QFont words = font(m_sheet.textFace, kSubtitlePt);
        draw(words, kMuted, 0, top + metrics(words).ascent(), m_sheet.noRows);
    }

    RowFonts rowFonts(qreal scale) const {
        return {font(m_sheet.textFace, kDescriptionPt * scale),
                font(m_sheet.textFace, kNamePt * scale, true),
                font(m_sheet.textFace, kNamePt * scale),
                font(m_sheet.textFace, kDescriptionPt * scale), pt(kRowPaddingPt) * scale};
    }

    // The first line's baseline from the row's top, and the row's height: the
    // single-line cells share the baseline of the description's first line.
    std::pair<qreal, qreal> rowShape(const RowFonts& fonts) const {
        const QFontMetricsF name = metrics(fonts.name);
        const QFontMetricsF description = metrics(fonts.description);
        const qreal baseline = fonts.padding + std::max(name.ascent(), description.ascent());
        const qreal bottom = std::max(baseline + description.lineSpacing() + description.descent(),
                                      baseline + name.descent());
        return {baseline, bottom + fonts.padding};
    }

    void paintTable(qreal top, qreal bottom) {
        std::array<qreal, kCardColumns + 1> edges{};
        for (int column = 0; column < kCardColumns; ++column)
            edges[static_cast<size_t>(column) + 1] =
                edges[static_cast<size_t>(column)] + kShares[static_cast<size_t>(column)] * m_width;
        const qreal padding = pt(kCellPaddingPt);
        const auto left = [&](int column) { return edges[static_cast<size_t>(column)] + padding; };
        const auto width = [&](int column) {
            return edges[static_cast<size_t>(column) + 1] - edges[static_cast<size_t>(column)] -
                   2 * padding;
        };
        // Centred in its column, or right-aligned when it does not fit.
        const auto centred = [&](int column, qreal textWidth) {
            return left(column) + std::max<qreal>((width(column) - textWidth) / 2, 0);
        };
        // The titles of the narrow columns may take half the padding.
        const auto headWidth = [&](int column) { return width(column) + padding; };

        // The column titles, the work and rest ones in their phases' colours.
        // A title wider than its column goes on two lines ("Rest | before"),
        // and every title then stands on the lower one.
        const QFont head = font(m_sheet.textFace, kHeadPt, true);
        const QFontMetricsF headMetrics = metrics(head);
        std::array<std::pair<QString, QString>, kCardColumns> titles;
        bool twoLineHead = false;
        for (int column = 0; column < kCardColumns; ++column) {
            const QString& title = m_sheet.columns[column];
            if (advance(head, title) <= headWidth(column)) {
                titles[static_cast<size_t>(column)] = {QString(), title};
            } else {
                auto [upper, lower] = twoLines(title, head, headWidth(column));
                if (lower.isEmpty())
                    std::swap(upper, lower);
                twoLineHead = twoLineHead || !upper.isEmpty();
                titles[static_cast<size_t>(column)] = {upper, lower};
            }
        }
        const qreal headLines = twoLineHead ? 2 : 1;
        const qreal headHeight = headLines * headMetrics.lineSpacing() + pt(7);
        const qreal lowerBaseline =
            top + pt(3.5) + (headLines - 1) * headMetrics.lineSpacing() + headMetrics.ascent();
        for (int column = 0; column < kCardColumns; ++column) {
            const QColor colour = column == Work   ? m_sheet.workColour
                                  : column == Rest ? m_sheet.restColour
                                                   : kMuted;
            const bool middle = column >= Work && column <= Sides;
            const auto& [upper, lower] = titles[static_cast<size_t>(column)];
            const auto x = [&](const QString& line) {
                return middle ? left(column) + (width(column) - advance(head, line)) / 2
                              : left(column);
            };
            if (!upper.isEmpty())
                draw(head, colour, x(upper), lowerBaseline - headMetrics.lineSpacing(), upper);
            draw(head, colour, x(lower), lowerBaseline, lower);
        }
        m_painter.fillRect(QRectF(0, top + headHeight - pt(0.8), m_width, pt(0.8)), kRule);

        // The rows, shrunk alike until they all fit above the footer.
        const qreal rowsTop = top + headHeight + pt(2);
        const qreal room = bottom - rowsTop;
        const qreal count = static_cast<qreal>(m_sheet.rows.size());
        qreal scale = 1;
        RowFonts fonts = rowFonts(scale);
        auto [baseline, rowHeight] = rowShape(fonts);
        // A page far smaller than A4, chosen in the print dialog, may leave
        // its last rows cut off rather than shrink them to nothing.
        constexpr qreal kSmallestScale = 0.1;
        for (int attempt = 0; attempt < 4 && rowHeight * count > room && scale > kSmallestScale;
             ++attempt) {
            scale = std::max(scale * std::max<qreal>(room, 0) / (rowHeight * count) * 0.995,
                             kSmallestScale);
            fonts = rowFonts(scale);
            std::tie(baseline, rowHeight) = rowShape(fonts);
        }
        const qreal lineSpacing = metrics(fonts.description).lineSpacing();
        // Shrunk rows keep their one-line cells as large as the row allows,
        // centred in it: a name stays readable where a description can no
        // longer be. At their natural size they stand on the description's
        // first line.
        qreal single = baseline;
        if (scale < 1) {
            const qreal points = rowHeight * 72.0 / m_dpi * 0.75;
            fonts.name = font(m_sheet.textFace, std::min(kNamePt, points), true);
            fonts.cell = font(m_sheet.textFace, std::min(kNamePt, points));
            fonts.number = font(m_sheet.textFace, std::min(kDescriptionPt, points * 0.85));
            const QFontMetricsF cell = metrics(fonts.cell);
            single = (rowHeight - cell.ascent() - cell.descent()) / 2 + cell.ascent();
        }

        qreal y = rowsTop;
        bool shaded = false;
        for (const CardSheetRow& row : m_sheet.rows) {
            if (shaded)
                m_painter.fillRect(QRectF(0, y, m_width, rowHeight), kShade);
            shaded = !shaded;
            const qreal first = y + baseline;
            const qreal middle = y + single;
            draw(fonts.number, kFaint,
                 left(Number) + width(Number) - advance(fonts.number, row.number), middle,
                 row.number);
            draw(fonts.name, kInk, left(Name), middle, elided(fonts.name, row.name, width(Name)));
            const std::array<std::pair<Column, const QString*>, 4> cells{
                {{Work, &row.work}, {Rest, &row.rest}, {Reps, &row.reps}, {Sides, &row.sides}}};
            for (const auto& [column, text] : cells) {
                const QColor colour = column == Work   ? m_sheet.workColour
                                      : column == Rest ? m_sheet.restColour
                                                       : kInk;
                const QString shown = elided(fonts.cell, *text, width(column));
                draw(fonts.cell, colour, centred(column, advance(fonts.cell, shown)), middle,
                     shown);
            }
            const auto [line1, line2] =
                twoLines(row.description, fonts.description, width(Description));
            draw(fonts.description, kMuted, left(Description), first, line1);
            draw(fonts.description, kMuted, left(Description), first + lineSpacing, line2);
            y += rowHeight;
        }
    }

    // The text as it wraps in `width`, cut after its second line with an
    // ellipsis: "Lie on your back, knees bent ... | and lower them slowly…".
    std::pair<QString, QString> twoLines(const QString& text, const QFont& font,
                                         qreal width) const {
        const QString flat = text.simplified(); // a line break in a description is a space
        if (flat.isEmpty())
            return {};
        QTextLayout layout(flat, font, &m_device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(width);
        layout.endLayout();
        const int cut = line.textLength();
        return {flat.left(cut).trimmed(), elided(font, flat.mid(cut).trimmed(), width)};
    }

    QPainter& m_painter;
    const CardSheet& m_sheet;
    const QPaintDevice& m_device;
    qreal m_dpi;
    qreal m_width;
    qreal m_height;
};

bool paintCard(const CardSheet& sheet, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    CardLayout(painter, sheet, device).paint();
    return painter.end();
}

bool pdfOf(const CardSheet& sheet, const QPageLayout& layout, QByteArray& pdf) {
    pdf.clear();
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer(&buffer);
    writer.setPageLayout(layout);
    writer.setTitle(sheet.title);
    writer.setCreator(sheet.footer);
    return paintCard(sheet, writer);
}

bool writePdf(const CardSheet& sheet, CardPage page, QByteArray& pdf) {
    return pdfOf(sheet, cardPageLayout(pageSizeOf(page), QPageLayout::Portrait), pdf);
}

CardDialogEnd printWithDialog(const CardSheet& sheet, CardPage page, QWidget* parent,
                              QString& pdfPath, QByteArray& pdf) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(cardPageLayout(pageSizeOf(page), QPageLayout::Portrait));
    printer.setDocName(sheet.title);
    printer.setCreator(sheet.footer);
    QPrintDialog dialog(&printer, parent);
    // One page: there is nothing to choose among pages.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return CardDialogEnd::Cancelled;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // Qt would write the file in place; the program replaces it whole.
        pdfPath = printer.outputFileName();
        const QPageLayout chosen = printer.pageLayout();
        return pdfOf(sheet, cardPageLayout(chosen.pageSize(), chosen.orientation()), pdf)
                   ? CardDialogEnd::PdfChosen
                   : CardDialogEnd::Failed;
    }
    return paintCard(sheet, printer) ? CardDialogEnd::Printed : CardDialogEnd::Failed;
}

constexpr CardPrinter kPrinter{kCardPrinterVersion, &writePdf, &printWithDialog};

} // namespace

extern "C" __attribute__((visibility("default"))) const CardPrinter* stridewell_card_printer() {
    return &kPrinter;
}

static_assert(std::is_same_v<decltype(&stridewell_card_printer), CardPrinterEntry>);
