#include "app/history/historywindow.h"

#include "app/history/historychart.h"
#include "app/history/historytablemodel.h"
#include "ui/dialogs.h"
#include "ui/errorguard.h"
#include "ui/fonts.h"
#include "ui/panels.h"
#include "ui/textconv.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>

namespace {

QString folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return totext(slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1));
}

} // namespace

HistoryWindow::HistoryWindow(std::function<CivilDate()> today, QWidget* parent)
    : QWidget(parent, Qt::Window), m_path(historypath()),
      m_controller(static_cast<HistoryView&>(*this), m_path, std::move(today)) {
    setObjectName(QStringLiteral("form_History"));
    setWindowTitle(QStringLiteral("Your training history"));
    setFont(verdanafont(9));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, lightGrey());
    setPalette(palette);
    setAutoFillBackground(true);
    resize(600, 640);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    buildTotals(this, layout);

    m_chart = new HistoryChart(this);
    m_chart->setFixedHeight(200);
    layout->addWidget(m_chart);

    m_model = new HistoryTableModel(this);
    grd_runs = new QTableView(this);
    grd_runs->setObjectName(QStringLiteral("grd_runs"));
    grd_runs->setModel(m_model);
    grd_runs->setSelectionBehavior(QAbstractItemView::SelectRows);
    grd_runs->setSelectionMode(QAbstractItemView::SingleSelection);
    grd_runs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grd_runs->setWordWrap(false);
    grd_runs->setAlternatingRowColors(true);
    grd_runs->verticalHeader()->hide();
    // Fixed sizes: nothing is measured row by row, whatever the number of runs.
    grd_runs->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grd_runs->verticalHeader()->setDefaultSectionSize(18);
    grd_runs->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grd_runs->horizontalHeader()->setStretchLastSection(true);
    grd_runs->setColumnWidth(HistoryController::Date, 130);
    grd_runs->setColumnWidth(HistoryController::Circuit, 200);
    grd_runs->setColumnWidth(HistoryController::TimeRun, 70);
    layout->addWidget(grd_runs, 1);

    auto* bottom = new QHBoxLayout;
    lbl_state = new QLabel(QStringLiteral("Reading the history..."), this);
    lbl_state->setObjectName(QStringLiteral("lbl_state"));
    lbl_state->setTextFormat(Qt::PlainText);
    bottom->addWidget(lbl_state, 1);
    auto* exportButton = new QPushButton(QStringLiteral("Export as CSV..."), this);
    exportButton->setObjectName(QStringLiteral("btn_export"));
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
    static const char* const captions[] = {"This week", "This month", "All time"};
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
        auto* caption = new QLabel(QString::fromLatin1(captions[box]), frame);
        caption->setFont(verdanafont(11, true));
        auto* time = new QLabel(QStringLiteral("-"), frame);
        time->setObjectName(QStringLiteral("lbl_%1time").arg(QLatin1String(names[box])));
        time->setFont(verdanafont(18, true));
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

void HistoryWindow::showTotals(const std::array<Total, 3>& totals) {
    for (size_t box = 0; box < totals.size(); ++box) {
        m_totalTimes[box]->setText(QString::fromStdString(totals[box].time));
        m_totalRuns[box]->setText(QString::fromStdString(totals[box].runs));
    }
}

void HistoryWindow::showWeeks(const std::array<uint64_t, kChartWeeks>& minutes,
                              const std::array<std::string, kChartWeeks>& labels) {
    m_chart->setWeeks(minutes, labels);
}

void HistoryWindow::showRuns(std::shared_ptr<const HistoryContents> contents,
                             std::vector<size_t> order) {
    m_model->setRuns(std::move(contents), std::move(order));
}

void HistoryWindow::showState(const std::string& text) {
    lbl_state->setText(totext(text));
}

void HistoryWindow::btn_exportClick() {
    const auto target =
        Dialogs::saveFileName(this, QStringLiteral("Export your training history"),
                              QDir::homePath() + QStringLiteral("/training-history.csv"),
                              QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (target)
        m_controller.exportTo(tobytes(*target));
}
