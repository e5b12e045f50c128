#pragma once

#include "ui/recordingdialogs.h"

#include <QStringList>

// The recorder the Qt tests run with; their main installs it.
class TestDialogs final {
public:
    // The recorder in place of the real dialogs, with nothing queued or recorded.
    static void install() {
        recorder() = RecordingDialogs();
        Dialogs::setPresenter(&recorder());
    }
    // The real dialogs again.
    static void uninstall() { Dialogs::setPresenter(nullptr); }

    static void setNextAnswer(bool ok) { recorder().answers.push_back(ok); }
    static void setNextFileName(const QString& path) { recorder().fileNames.push_back(path); }
    // The texts shown since the last call.
    static QStringList takeShown() {
        QStringList shown;
        shown.swap(recorder().shown);
        return shown;
    }

private:
    static RecordingDialogs& recorder() {
        static RecordingDialogs instance;
        return instance;
    }
};
