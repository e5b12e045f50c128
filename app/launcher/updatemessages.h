#pragma once

#include "net/contentupdatelistener.h"

#include <QCoreApplication>
#include <QString>

class QWidget;

// The words for what a check for news came to: each report of ContentUpdate
// becomes the message the user reads, shown over `parent` through Dialogs
// ("2 Exercises Added", "New circuit file could not be found\nThe server
// answered 404").
class UpdateMessages final : public ContentUpdateListener {
    Q_DECLARE_TR_FUNCTIONS(UpdateMessages)
public:
    explicit UpdateMessages(QWidget* parent = nullptr) : m_parent(parent) {}

    void exercisesAdded(int added, bool libraryFull) override;
    void nothingNew(ContentList list) override;
    void listFailed(ContentList list, const TransferFailure& failure) override;
    void circuitsAdded(int added) override;
    void circuitFailed(const std::string& name, const TransferFailure& failure) override;
    // Through the windows' one error guard, so the error reads as any other.
    void stepFailed(std::exception_ptr error) override;

private:
    void show(const QString& text);

    QWidget* m_parent;
};

// Why a download failed, in one line of the user's words: {NoConnection,
// "localhost:80"} gives "No connection to localhost:80", {Status, "404"} "The
// server answered 404", {None} nothing.
QString transferfailuretext(const TransferFailure& failure);
