#pragma once

#include <QLockFile>

#include <string>

// One copy of the program per application folder. Each copy keeps its own
// exercise table and rewrites whole files, so a second copy's saves would undo
// the first's. The lock is a file in the application folder; one left by a
// copy that crashed is taken over.
class InstanceLock final {
public:
    explicit InstanceLock(const std::string& folder);

    // Another running copy holds the folder: this one must end without writing.
    bool heldElsewhere() const { return m_heldElsewhere; }
    // This copy holds the folder (false also when the lock file cannot be made,
    // say in a read-only folder: then nobody can tell who else runs there).
    bool obtained() const { return m_obtained; }

private:
    QLockFile m_lock;
    bool m_obtained = false;
    bool m_heldElsewhere = false;
};

// What the second copy tells the user before it ends, in the user's language,
// as UTF-8 (the folder's bytes as totext() shows them).
std::string alreadyrunningmessage(const std::string& folder);

// Removes what saves killed before their rename left behind: the program's own
// temporary files in the application folder and in Circuits, nothing else.
// Only while this copy holds the lock. Returns how many went.
int removeleftovertemporaries(const InstanceLock& lock, const std::string& folder);
