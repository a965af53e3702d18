// Handle accounting of the simulation: what is open now and what was released
// twice or never opened, per kind of handle, so that a test can say "nothing is
// left open and nothing was closed twice".
#pragma once

#include <map>
#include <string>

namespace sim {

enum class HandleKind { RegistryKey, DirectorySearch, Module };

struct HandleAccounting {
    std::map<HandleKind, int> open;
    std::map<HandleKind, int> opened;     // ever, for counts of loads and searches
    std::map<HandleKind, int> released;   // successful releases
    std::map<HandleKind, int> badReleases;  // released twice, or never opened

    // What the simulated calls report.
    void NoteOpened(HandleKind kind) { ++open[kind]; ++opened[kind]; }
    void NoteReleased(HandleKind kind) { --open[kind]; ++released[kind]; }
    void NoteBadRelease(HandleKind kind) { ++badReleases[kind]; }

    // What tests ask.
    int Open(HandleKind kind) const { return Get(open, kind); }
    int Opened(HandleKind kind) const { return Get(opened, kind); }
    int Released(HandleKind kind) const { return Get(released, kind); }
    int BadReleases(HandleKind kind) const { return Get(badReleases, kind); }

    // Empty when every handle was released exactly once; otherwise what is wrong.
    std::string Problems() const;

private:
    static int Get(const std::map<HandleKind, int>& counts, HandleKind kind)
    {
        auto it = counts.find(kind);
        return it == counts.end() ? 0 : it->second;
    }
};

}  // namespace sim
