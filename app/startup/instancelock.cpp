#include "app/startup/instancelock.h"

#include "data/atomicfile.h"
#include "ui/textconv.h"

#include <QCoreApplication>
#include <QString>

InstanceLock::InstanceLock(const std::string& folder)
    : m_lock(QString::fromStdString(folder + ".stridewell.lock")) {
    // A running copy's lock never turns stale with age, however long it runs;
    // only one whose process is gone is taken over.
    m_lock.setStaleLockTime(0);
    m_obtained = m_lock.tryLock(0);
    m_heldElsewhere = !m_obtained && m_lock.error() == QLockFile::LockFailedError;
}

std::string alreadyrunningmessage(const std::string& folder) {
    //: %1 is the data folder's path, ending in "/".
    return tobytes(QCoreApplication::translate("InstanceLock",
                                               "Stridewell is already running in %1. Use the window "
                                               "that is open; this copy ends without changing "
                                               "anything.")
                       .arg(totext(folder)));
}

int removeleftovertemporaries(const InstanceLock& lock, const std::string& folder) {
    if (!lock.obtained())
        return 0;
    return removeatomictemporaries(folder) + removeatomictemporaries(folder + "Circuits/");
}
