#pragma once

#include "ui/browser.h"

#include <QString>
#include <QStringList>

// A browser that records the addresses it is asked to open instead of
// opening them; with opens false it behaves as a machine without a browser.
class RecordingBrowser final : public Browser {
public:
    bool opens = true;

    bool open(const std::string& address) override {
        m_opened << QString::fromStdString(address);
        return opens;
    }

    // The addresses asked for since the last call.
    QStringList take() {
        QStringList opened;
        opened.swap(m_opened);
        return opened;
    }

private:
    QStringList m_opened;
};
