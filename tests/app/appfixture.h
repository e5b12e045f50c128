#pragma once

#include "exercises.h"
#include "launcher.h"
#include "mainform.h"
#include "testsupport/tempfolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class QWidget;

// The whole program on the offscreen platform: a temporary application folder
// with the starter data, the launcher and the hidden main window.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the windows (after the test has arranged the folder).
    void startProgram();
    // Clicks the launcher's start link.
    void clickStartLink();

    // A mouse press and release on the named child of root.
    void click(QWidget* root, const char* objectName);
    QWidget* bar() const;    // the main window's button bar
    QWidget* runner() const; // the runner frame
    void selectRow(int row);
    std::string cell(int column, int row) const;
    QString statusText() const;
    // Runs the event loop until something ends it; 2 when it ran five seconds.
    static int runEventLoop();

    TempFolder m_folder;
    std::unique_ptr<Tform_Main> m_main;
    std::unique_ptr<TForm1> m_launcher;
};
