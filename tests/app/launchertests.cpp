// The launcher on its own: links, hover underline, disclaimer, close mark.
#include "appfixture.h"

#include "data/contentaddress.h"
#include "testsupport/testdialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <memory>

TEST_F(AppFixture, launcher_showsDisclaimerWithFocusAndLinks) {
    startProgram();
    QApplication::setActiveWindow(m_launcher.get());
    auto* disclaimer = m_launcher->findChild<QPlainTextEdit*>(QStringLiteral("mmo_disclaimer"));
    ASSERT_NE(disclaimer, nullptr);
    const QStringList lines = disclaimer->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines[0], QStringLiteral("We cannot accept any "));
    EXPECT_EQ(lines[7], QStringLiteral("how to do it."));
    EXPECT_EQ(lines[8], QString());
    EXPECT_EQ(lines[11], QStringLiteral("before starting any circuit."));
    EXPECT_EQ(m_launcher->focusWidget(), disclaimer);
    EXPECT_EQ(m_launcher->size(), QSize(598, 430));

    // Read, not edited: typing changes nothing, and Tab hands the focus on
    // instead of typing a tab. The launcher has no other field to take it, so
    // the test puts one after the disclaimer.
    const QString disclaimerText = disclaimer->toPlainText();
    QTest::keyClicks(disclaimer, QStringLiteral("typed"));
    QTest::keyClick(disclaimer, Qt::Key_Backspace);
    QTest::keyClick(disclaimer, Qt::Key_Return);
    EXPECT_EQ(disclaimer->toPlainText(), disclaimerText);
    EXPECT_EQ(m_launcher->focusWidget(), disclaimer);
    auto next = std::make_unique<QLineEdit>(disclaimer->parentWidget());
    next->show();
    QWidget::setTabOrder(disclaimer, next.get());
    QTest::keyClick(disclaimer, Qt::Key_Tab);
    EXPECT_EQ(disclaimer->toPlainText(), disclaimerText);
    EXPECT_EQ(m_launcher->focusWidget(), next.get());
    next.reset();

    const QString address = QString::fromStdString(kinoradexindexaddress());
    click(m_launcher.get(), "lbl_kinora");
    EXPECT_EQ(m_browser.take(), QStringList{address});
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());

    // Without a browser the user is shown the address to copy.
    m_browser.opens = false;
    click(m_launcher.get(), "lbl_kinora");
    EXPECT_EQ(m_browser.take(), QStringList{address});
    const QStringList shown = TestDialogs::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].endsWith(address)) << shown[0].toStdString();
}

TEST_F(AppFixture, launcherLink_underlinesWhilePointerIsOverIt) {
    startProgram();
    auto* link = m_launcher->findChild<QLabel*>(QStringLiteral("lbl_checkcicruits"));
    ASSERT_NE(link, nullptr);
    const QFont before = link->font();

    QTest::mouseMove(link, QPoint(5, 5));
    EXPECT_TRUE(link->font().underline());
    QTest::mouseMove(link, QPoint(6, 5)); // repeated moves change nothing further
    EXPECT_TRUE(link->font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_EQ(link->font(), before);
}

TEST_F(AppFixture, closeMark_endsTheProgramWithoutLoadingAnything) {
    startProgram();
    QTimer::singleShot(0, m_launcher.get(), [this] { click(m_launcher.get(), "Image5"); });
    EXPECT_EQ(runEventLoop(), 0);
    EXPECT_EQ(exercisetable().librarysize, 0);
    EXPECT_FALSE(m_main->isVisible());
}

TEST_F(AppFixture, destroyingMainWindow_endsTheProgram) {
    startProgram();
    clickStartLink();
    QTimer::singleShot(0, m_launcher.get(), [this] { m_main.reset(); });
    EXPECT_EQ(runEventLoop(), 0);
}
