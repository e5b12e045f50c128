#include "app/history/historywindow.h"

#include "app/history/historychart.h"
#include "app/history/historytablemodel.h"
#include "ui/dialogs.h"
#include "ui/enterclick.h"
#include "ui/errorguard.h"
#include "ui/fonts.h"
#include "ui/panels.h"
#include "ui/textconv.h"

#include <QBoxLayout>
#include <QDate>
#include <QDir>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>

#include <algorithm>
#include <climits>

namespace {

QString folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return totext(slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1));
}

// Each week of the chart by its Monday, in the locale's order of day and
// month: "7 Dec" where dates begin with the day, "Dec 7" where they begin
// with the month.
QString weekLabel(const QLocale& locale, const CivilDate& monday) {
    const QString dates = locale.dateFormat(QLocale::ShortFormat);
    const bool monthFirst = dates.indexOf(QLatin1Char('M')) < dates.indexOf(QLatin1Char('d'));
    return locale.toString(QDate(monday.year, monday.month, monday.day),
                           monthFirst ? QStringLiteral("MMM d") : QStringLiteral("d MMM"));
}

} // namespace

HistoryWindow::HistoryWindow(std::function<CivilDate()> today, QWidget* parent)
    : QWidget(parent, Qt::Window), m_path(historypath()),
      m_controller(static_cast<HistoryView&>(*this), m_path, std::move(today)) {
    setObjectName(QStringLiteral("form_History"));
    setWindowTitle(tr("Your training history"));
    // Not laid out in fixed pixels: every size grows with the desktop's text.
    const auto px = [scale = textscale()](int pixels) { return qRound(pixels * scale); };
    setFont(verdanafont(px(9)));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, lightGrey());
    setPalette(palette);
    setAutoFillBackground(true);
    resize(px(600), px(640));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    buildTotals(this, layout);

    m_chart = new HistoryChart(this);
    m_chart->setFixedHeight(px(200));
    layout->addWidget(m_chart);

    m_model = new HistoryTableModel(this);
    grd_runs = new QTableView(this);
    grd_runs->setObjectName(QStringLiteral("grd_runs"));
    grd_runs->setModel(m_model);
    //: Read out by screen readers for the table of every run, newest first.
    grd_runs->setAccessibleName(tr("Runs"));
    // Tab leaves the table for the next control; the arrows move between rows.
    grd_runs->setTabKeyNavigation(false);
    grd_runs->setSelectionBehavior(QAbstractItemView::SelectRows);
    grd_runs->setSelectionMode(QAbstractItemView::SingleSelection);
    grd_runs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grd_runs->setWordWrap(false);
    grd_runs->setAlternatingRowColors(true);
    grd_runs->verticalHeader()->hide();
    // Fixed sizes: nothing is measured row by row, whatever the number of runs.
    grd_runs->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grd_runs->verticalHeader()->setDefaultSectionSize(px(18));
    grd_runs->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grd_runs->horizontalHeader()->setStretchLastSection(true);
    grd_runs->setColumnWidth(HistoryController::Date, px(130));
    grd_runs->setColumnWidth(HistoryController::Circuit, px(200));
    grd_runs->setColumnWidth(HistoryController::TimeRun, px(70));
    layout->addWidget(grd_runs, 1);

    auto* bottom = new QHBoxLayout;
    lbl_state = new QLabel(tr("Reading the history..."), this);
    lbl_state->setObjectName(QStringLiteral("lbl_state"));
    lbl_state->setTextFormat(Qt::PlainText);
    bottom->addWidget(lbl_state, 1);
    auto* exportButton = new QPushButton(tr("Export as CSV..."), this);
    exportButton->setObjectName(QStringLiteral("btn_export"));
    clickonenter(exportButton);
    connect(exportButton, &QPushButton::clicked, this,
            [this] { guarded(this, [this] { btn_exportClick(); }); });
    bottom->addWidget(exportButton);
    layout->addLayout(bottom);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    m_reader = new HistoryReader(
        m_path,
        [this](const HistoryReader::Result& contents, const QString& error) {
            guarded(this, [&] { m_controller.contentsRead(contents, tobytes(error)); });
        },
        this);
    watch();
    m_reader->read();
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::buildTotals(QWidget* holder, QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    static const char* const captions[] = {
        //: Caption of the box with the time trained since Monday, a third of the window wide.
        QT_TR_NOOP("This week"),
        //: Caption of the box with the time trained this calendar month.
        QT_TR_NOOP("This month"),
        //: Caption of the box with the time trained since the first run.
        QT_TR_NOOP("All time")};
    static const char* const names[] = {"week", "month", "all"};
    for (size_t box = 0; box < 3; ++box) {
        auto* frame = new QFrame(holder);
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setAutoFillBackground(true);
        QPalette white = frame->palette();
        white.setColor(QPalette::Window, Qt::white);
        white.setColor(QPalette::WindowText, QColor(200, 200, 200));
        frame->setPalette(white);
        auto* inner = new QVBoxLayout(frame);
        inner->setContentsMargins(10, 6, 10, 6);
        inner->setSpacing(2);
        auto* caption = new QLabel(tr(captions[box]), frame);
        caption->setFont(verdanafont(scaledpixels(11), true));
        auto* time = new QLabel(QStringLiteral("-"), frame);
        time->setObjectName(QStringLiteral("lbl_%1time").arg(QLatin1String(names[box])));
        time->setFont(verdanafont(scaledpixels(18), true));
        auto* runs = new QLabel(QStringLiteral("-"), frame);
        runs->setObjectName(QStringLiteral("lbl_%1runs").arg(QLatin1String(names[box])));
        for (QLabel* label : {caption, time, runs}) {
            QPalette ink = label->palette();
            ink.setColor(QPalette::WindowText, Qt::black);
            label->setPalette(ink);
            inner->addWidget(label);
        }
        m_totalTimes[box] = time;
        m_totalRuns[box] = runs;
        row->addWidget(frame, 1);
    }
    layout->addLayout(row);
}

void HistoryWindow::watch() {
    // The folder tells when the file appears (or is replaced); the file, when
    // a run is appended.
    m_watcher = new QFileSystemWatcher(this);
    m_watcher->addPath(folderOf(m_path));
    const QString file = totext(m_path);
    m_watcher->addPath(file);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, [this, file] {
        if (!m_watcher->files().contains(file))
            m_watcher->addPath(file); // replaced or removed; watch whatever is there now
        m_reader->read();
    });
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this, file] {
        if (m_watcher->files().contains(file) || !m_watcher->addPath(file))
            return;
        m_reader->read();
    });
}

void HistoryWindow::showTotals(const std::array<HistoryTotals, 3>& totals) {
    const QLocale locale;
    for (size_t box = 0; box < totals.size(); ++box) {
        // "45 min", "3 h 05 min"
        const uint64_t minutes = totals[box].seconds / 60;
        QString time;
        if (minutes < 60) {
            //: Time trained under an hour: "45 min".
            time = tr("%1 min").arg(locale.toString(minutes));
        } else {
            QString rest = locale.toString(minutes % 60);
            if (minutes % 60 < 10)
                rest.prepend(locale.zeroDigit());
            //: Time trained: "3 h 05 min" (%1 hours, %2 minutes with two digits).
            time = tr("%1 h %2 min").arg(locale.toString(minutes / 60), rest);
        }
        m_totalTimes[box]->setText(time);
        const uint32_t runs = totals[box].runs;
        if (runs == 1) {
            m_totalRuns[box]->setText(tr("1 run"));
        } else {
            //: None, or two runs or more: "0 runs", "4 runs".
            m_totalRuns[box]->setText(
                tr("%Ln runs", nullptr, static_cast<int>(std::min<uint32_t>(runs, INT_MAX))));
        }
    }
}

void HistoryWindow::showWeeks(const std::array<uint64_t, kChartWeeks>& minutes,
                              const std::array<CivilDate, kChartWeeks>& mondays) {
    const QLocale locale;
    std::array<QString, kChartWeeks> labels;
    for (size_t week = 0; week + 1 < kChartWeeks; ++week)
        labels[week] = weekLabel(locale, mondays[week]);
    //: Label under the chart's bar of the current week, about 45 pixels wide.
    labels.back() = tr("This week", "chart label");
    m_chart->setWeeks(minutes, labels);
}

void HistoryWindow::showRuns(std::shared_ptr<const HistoryContents> contents,
                             std::vector<size_t> order) {
    m_model->setRuns(std::move(contents), std::move(order));
}

void HistoryWindow::showState(const HistoryState& state) {
    QString text;
    switch (state.kind) {
    case HistoryState::Kind::Clear:
        break;
    case HistoryState::Kind::ReadFailed:
        //: %1 is the system's reason, as it gives it.
        text = tr("The history could not be read (%1).").arg(errortext(state.detail));
        break;
    case HistoryState::Kind::Damaged:
        if (state.count == 1) {
            text = tr("1 damaged line in the file was skipped.");
        } else {
            //: Two lines or more.
            text = tr("%Ln damaged lines in the file were skipped.", nullptr,
                      static_cast<int>(std::min<size_t>(state.count, INT_MAX)));
        }
        break;
    case HistoryState::Kind::NoRuns:
        text = tr("No runs yet.");
        break;
    case HistoryState::Kind::Exported:
        //: %1 is the path of the CSV file just written.
        text = tr("Saved a copy as %1").arg(totext(state.detail));
        break;
    }
    lbl_state->setText(text);
}

void HistoryWindow::btn_exportClick() {
    const auto target =
        Dialogs::saveFileName(this, tr("Export your training history"),
                              //: The suggested file name; keep ".csv".
                              QDir::homePath() + QLatin1Char('/') + tr("training-history.csv"),
                              //: File types of the save dialog; keep "(*.csv)", "(*)" and ";;".
                              tr("CSV files (*.csv);;All files (*)"));
    if (target)
        m_controller.exportTo(tobytes(*target));
}
