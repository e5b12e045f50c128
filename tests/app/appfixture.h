#pragma once

#include "app/launcher/launcher.h"
#include "app/mainwindow/mainform.h"
#include "data/exercises.h"
#include "testsupport/recordingbrowser.h"
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

    // A click at the middle of the named child of root, sent to its window
    // at that point: whatever lies in front there receives it, as it would
    // receive a user's click.
    void click(QWidget* root, const char* objectName);
    // The same at a point of widget.
    static void clickAt(QWidget* widget, const QPoint& at, Qt::MouseButton button = Qt::LeftButton);
    static void doubleClickAt(QWidget* widget, const QPoint& at, Qt::MouseButton button);
    QWidget* bar() const;    // the main window's button bar
    QWidget* runner() const; // the runner frame
    // The frame of the holder that the user sees.
    QWidget* frontFrame() const;
    void selectRow(int row);
    QPoint cellCentre(int row, int column) const; // in the grid's viewport
    std::string cell(int row, int column) const;
    QString statusText() const;
    // Runs the event loop until something ends it; 2 when it ran five seconds.
    static int runEventLoop();
    // The circuits the program ships, which every test folder starts with.
    static int starterCircuits();

    TempFolder m_folder;
    RecordingBrowser m_browser;
    std::unique_ptr<Tform_Main> m_main;
    std::unique_ptr<TForm1> m_launcher;
};
