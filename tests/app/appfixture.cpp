#include "appfixture.h"

#include "app/mainwindow/circuitgridmodel.h"
#include "data/exercises.h"
#include "editors/exerciseframe.h"
#include "runner/circuitstartframe.h"
#include "testsupport/testdialogs.h"

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
        fs::copy_file(entry.path(),
                      fs::path(m_folder.path()) / "Circuits" / entry.path().filename());
    m_folder.makeApplicationFolder();
    exercisetable() = ExerciseTable{};
    TestDialogs::takeShown();
}

void AppFixture::TearDown() {
    m_launcher.reset();
    m_main.reset();
    TestDialogs::takeShown();
}

void AppFixture::startProgram() {
    m_launcher = std::make_unique<TForm1>();
    m_launcher->setBrowser(m_browser);
    m_launcher->setMainFormFactory([this] {
        m_main = std::make_unique<Tform_Main>();
        m_main->setBrowser(m_browser);
        Tfrm_ExerciseFrame* library = m_main->exerciseFrame();
        m_launcher->setLibraryLoader([library] { library->loadexercises(); });
        return m_main.get();
    });
    // Built behind the launcher, as start-up does once the launcher is shown.
    m_launcher->mainForm();
    m_launcher->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_launcher.get()));
}

void AppFixture::clickStartLink() {
    click(m_launcher.get(), "lbl_startstridewell");
    if (m_main->isVisible()) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_main.get()));
    }
}

void AppFixture::click(QWidget* root, const char* objectName) {
    auto* widget = root->findChild<QWidget*>(QString::fromLatin1(objectName));
    ASSERT_NE(widget, nullptr) << objectName;
    clickAt(widget, widget->rect().center());
}

void AppFixture::clickAt(QWidget* widget, const QPoint& at, Qt::MouseButton button) {
    QWidget* window = widget->window();
    ASSERT_TRUE(window->isVisible()) << widget->objectName().toStdString();
    QTest::mouseClick(window->windowHandle(), button, Qt::NoModifier, widget->mapTo(window, at));
}

void AppFixture::doubleClickAt(QWidget* widget, const QPoint& at, Qt::MouseButton button) {
    QWidget* window = widget->window();
    ASSERT_TRUE(window->isVisible()) << widget->objectName().toStdString();
    QTest::mouseDClick(window->windowHandle(), button, Qt::NoModifier, widget->mapTo(window, at));
}

QWidget* AppFixture::bar() const {
    return m_main->findChild<QWidget*>(QStringLiteral("pnl_buttonholder"));
}

QWidget* AppFixture::runner() const {
    return m_main->runnerFrame();
}

QWidget* AppFixture::frontFrame() const {
    auto* holder = m_main->findChild<QWidget*>(QStringLiteral("pnl_frameholder"));
    QWidget* hit = holder->childAt(holder->rect().center());
    while (hit && hit->parentWidget() != holder)
        hit = hit->parentWidget();
    return hit;
}

QPoint AppFixture::cellCentre(int row, int column) const {
    return m_main->gridView()->visualRect(m_main->grid()->index(row, column)).center();
}

void AppFixture::selectRow(int row) {
    QTableView* grid = m_main->gridView();
    grid->scrollTo(m_main->grid()->index(row, 0));
    clickAt(grid->viewport(), cellCentre(row, 0));
}

std::string AppFixture::cell(int row, int column) const {
    return m_main->grid()->cell(row, column);
}

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

int AppFixture::starterCircuits() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry :
         fs::directory_iterator(fs::path(STRIDEWELL_SOURCE_DIR) / "starter" / "Circuits"))
        ++count;
    return count;
}
