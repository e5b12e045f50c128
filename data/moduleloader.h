#pragma once

#include <atomic>
#include <mutex>
#include <string>

// Parts of the program that pull in large libraries (the download transport,
// the cue's sound) are modules, loaded when first needed rather than by the
// dynamic linker at start-up. They live beside the executable, or once
// installed in the program's private library folder.

// The folder of the running executable, ending in "/"; empty when unknown.
// Unlike programfolder() (apppaths.h) it never falls back to the working
// folder: no module is ever loaded from there.
std::string programFolder();

// Loads `fileName` from one of those folders and looks up `entry` in it;
// null, silently, when either fails. A loaded module stays loaded for the
// rest of the process.
void* loadModuleEntry(const std::string& fileName, const char* entry);

// The table of functions a module's one entry returns (a struct whose first
// member is `int version`). The first get(), from whichever thread makes it,
// loads the module; a table of another version, or with a function missing,
// is refused and get() stays null. Tests may put another table, or none, in
// its place. Constant-initialised, so it can be a plain global.
template <typename Table>
class ModuleTable final {
public:
    using Entry = const Table* (*)();
    using Complete = bool (*)(const Table&);

    constexpr ModuleTable(const char* fileName, const char* entry, int version, Complete complete)
        : m_fileName(fileName), m_entry(entry), m_version(version), m_complete(complete) {}
    ModuleTable(const ModuleTable&) = delete;
    ModuleTable& operator=(const ModuleTable&) = delete;

    const Table* get() {
        if (m_replaced)
            return m_replacement;
        std::call_once(m_once, [this] { m_loaded = load(); });
        return m_loaded;
    }

    // Later get()s return `table` (null: as if the module were missing)
    // until restore().
    void replace(const Table* table) {
        m_replacement = table;
        m_replaced = true;
    }
    void restore() {
        m_replaced = false;
        m_replacement = nullptr;
    }

private:
    const Table* load() const {
        const auto entry = reinterpret_cast<Entry>(loadModuleEntry(m_fileName, m_entry));
        if (!entry)
            return nullptr;
        const Table* table = entry();
        if (table && table->version == m_version && m_complete(*table))
            return table;
        return nullptr; // another version's module: as if it were missing
    }

    const char* m_fileName;
    const char* m_entry;
    int m_version;
    Complete m_complete;
    std::once_flag m_once;
    const Table* m_loaded = nullptr;
    std::atomic<bool> m_replaced{false};
    std::atomic<const Table*> m_replacement{nullptr};
};
