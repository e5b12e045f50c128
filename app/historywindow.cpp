#include "historywindow.h"

#include "dialogs.h"
#include "errorguard.h"
#include "fonts.h"
#include "historychart.h"
#include "historysummary.h"
#include "historytablemodel.h"
#include "textconv.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>

namespace {

const QColor kLightGrey(248, 248, 248);

QString runsText(uint32_t runs) {
    return runs == 1 ? QStringLiteral("1 run") : QStringLiteral("%1 runs").arg(runs);
}

QString folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return totext(slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1));
}

} // namespace

HistoryWindow::HistoryWindow(std::function<CivilDate()> today, QWidget* parent)
    : QWidget(parent, Qt::Window), m_today(std::move(today)), m_path(historypath()) {
    setObjectName(QStringLiteral("form_History"));
    setWindowTitle(QStringLiteral("Your training history"));
    setFont(verdanafont(9));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kLightGrey);
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
    grd_runs->setColumnWidth(0, 130);
    grd_runs->setColumnWidth(1, 200);
    grd_runs->setColumnWidth(2, 70);
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
            guarded(this, [&] { showContents(contents, error); });
        },
        this);
    watch();
    m_reader->read();
}

HistoryWindow::~HistoryWindow() = default;

void HistoryWindow::buildTotals(QWidget* holder, QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    struct Box {
        const char* caption;
        QLabel** time;
        const char* timeName;
        QLabel** runs;
        const char* runsName;
    };
    const Box boxes[] = {
        {"This week", &lbl_weektime, "lbl_weektime", &lbl_weekruns, "lbl_weekruns"},
        {"This month", &lbl_monthtime, "lbl_monthtime", &lbl_monthruns, "lbl_monthruns"},
        {"All time", &lbl_alltime, "lbl_alltime", &lbl_allruns, "lbl_allruns"},
    };
    for (const Box& box : boxes) {
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
        auto* caption = new QLabel(QString::fromLatin1(box.caption), frame);
        caption->setFont(verdanafont(11, true));
        *box.time = new QLabel(QStringLiteral("-"), frame);
        (*box.time)->setObjectName(QString::fromLatin1(box.timeName));
        (*box.time)->setFont(verdanafont(18, true));
        *box.runs = new QLabel(QStringLiteral("-"), frame);
        (*box.runs)->setObjectName(QString::fromLatin1(box.runsName));
        for (QLabel* label : {caption, *box.time, *box.runs}) {
            QPalette ink = label->palette();
            ink.setColor(QPalette::WindowText, Qt::black);
            label->setPalette(ink);
            inner->addWidget(label);
        }
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

void HistoryWindow::showContents(const HistoryReader::Result& contents, const QString& error) {
    if (!contents) {
        lbl_state->setText(QStringLiteral("The history could not be read (%1).").arg(error));
    } else {
        const HistorySummary summary = summarisehistory(contents->entries, m_today());
        lbl_weektime->setText(QString::fromStdString(trainedtext(summary.week.seconds)));
        lbl_weekruns->setText(runsText(summary.week.runs));
        lbl_monthtime->setText(QString::fromStdString(trainedtext(summary.month.seconds)));
        lbl_monthruns->setText(runsText(summary.month.runs));
        lbl_alltime->setText(QString::fromStdString(trainedtext(summary.all.seconds)));
        lbl_allruns->setText(runsText(summary.all.runs));
        m_chart->setWeeks(summary.weekseconds, summary.firstweekstart);
        m_model->setContents(contents);
        if (contents->damaged > 0)
            lbl_state->setText(contents->damaged == 1
                                   ? QStringLiteral("1 damaged line in the file was skipped.")
                                   : QStringLiteral("%1 damaged lines in the file were skipped.")
                                         .arg(contents->damaged));
        else if (contents->entries.empty())
            lbl_state->setText(QStringLiteral("No runs yet."));
        else
            lbl_state->clear();
    }
    if (onShown)
        onShown();
}

void HistoryWindow::btn_exportClick() {
    const auto target = Dialogs::saveFileName(
        this, QStringLiteral("Export your training history"),
        QDir::homePath() + QStringLiteral("/training-history.csv"),
        QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (!target)
        return;
    exporthistory(m_path, tobytes(*target));
    lbl_state->setText(QStringLiteral("Saved a copy as %1").arg(*target));
}
