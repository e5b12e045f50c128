#include "appfixture.h"

#include "circuitgridmodel.h"
#include "circuitstartframe.h"
#include "dialogs.h"
#include "exercises.h"

#include <QApplication>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace fs = std::filesystem;

void AppFixture::SetUp() {
    const fs::path starter = fs::path(STRIDEWELL_SOURCE_DIR) / "starter";
    fs::copy_file(starter / "exercises.lst", fs::path(m_folder.path()) / "exercises.lst");
    for (const auto& entry : fs::directory_iterator(starter / "Circuits"))
        fs::copy_file(entry.path(), fs::path(m_folder.path()) / "Circuits" / entry.path().filename());
    m_folder.makeApplicationFolder();
    exercisetable() = ExerciseTable{};
    Dialogs::takeShown();
}

void AppFixture::TearDown() {
    m_launcher.reset();
    m_main.reset();
    Dialogs::takeShown();
}

void AppFixture::startProgram() {
    m_launcher = std::make_unique<TForm1>();
    m_main = std::make_unique<Tform_Main>();
    m_launcher->setMainForm(m_main.get());
    m_launcher->show();
}

void AppFixture::clickStartLink() { click(m_launcher.get(), "lbl_startstridewell"); }

void AppFixture::click(QWidget* root, const char* objectName) {
    auto* widget = root->findChild<QWidget*>(QString::fromLatin1(objectName));
    ASSERT_NE(widget, nullptr) << objectName;
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
}

QWidget* AppFixture::bar() const {
    return m_main->findChild<QWidget*>(QStringLiteral("pnl_buttonholder"));
}

QWidget* AppFixture::runner() const { return m_main->runnerFrame(); }

void AppFixture::selectRow(int row) {
    QTableView* grid = m_main->gridView();
    grid->scrollTo(m_main->grid()->index(row, 0));
    const QRect cellRect = grid->visualRect(m_main->grid()->index(row, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellRect.center());
}

std::string AppFixture::cell(int column, int row) const { return m_main->grid()->cell(column, row); }

QString AppFixture::statusText() const {
    return m_main->findChild<QLabel*>(QStringLiteral("lbl_exercisename"))->text();
}

int AppFixture::runEventLoop() {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    guard.start(5000);
    return QApplication::exec();
}
