#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class Browser;
class ClickableLabel;
class ContentUpdate;
class QPlainTextEdit;
class Tform_Main;
class UpdateMessages;
struct ContentServerAddress;

// The launcher: a small borderless window centred on the desktop with the
// start link, the two update links, the encyclopedia link, the disclaimer and
// a close mark. After the start link it leaves the screen but lives on, so
// downloads it started still complete.
class TForm1 final : public QWidget {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    // Checks for news at contentServer instead of the program's own server.
    TForm1(QWidget* parent, const ContentServerAddress& contentServer);
    ~TForm1() override;

    // How the main window the start link shows is built, the first time it is
    // needed: it comes after the launcher.
    void setMainFormFactory(std::function<Tform_Main*()> factory) { m_factory = std::move(factory); }
    Tform_Main* mainForm();

    // Where the encyclopedia opens; the desktop's browser unless set.
    void setBrowser(Browser& browser) { m_browser = &browser; }

    // How a check for new exercises reads the stored library before it
    // merges: whoever shows the library sets it, so the shown list follows.
    // Unset, the file is read straight into the exercise table.
    void setLibraryLoader(std::function<void()> load) { m_loadLibrary = std::move(load); }

    void lbl_startstridewellClick();
    void lbl_checkcicruitsClick();
    void lbl_checkexercisesClick();
    void lbl_kinoraClick();
    void lbl_historyClick();
    void Image5Click();

    // Runs once, on the event loop's next turn after the launcher was first
    // painted: what start-up builds behind the launcher goes here.
    std::function<void()> onFirstShown;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ClickableLabel* addLink(const char* name, const QString& text, int top);
    void addPicture(const char* name, const QString& file, const QRect& geometry);

    Tform_Main* m_mainForm = nullptr;
    std::function<Tform_Main*()> m_factory;
    QWidget* m_panel = nullptr; // the client area of Panel1
    QPlainTextEdit* mmo_disclaimer = nullptr;
    std::function<void()> m_loadLibrary;
    std::unique_ptr<UpdateMessages> m_updateMessages;
    std::unique_ptr<ContentUpdate> m_update;
    Browser* m_browser;
    bool m_painted = false;
};
