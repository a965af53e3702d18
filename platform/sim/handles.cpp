#include "platform/sim/handles.h"

namespace sim {

namespace {

const char* KindName(HandleKind kind)
{
    switch (kind) {
    case HandleKind::RegistryKey: return "registry key";
    case HandleKind::DirectorySearch: return "directory search";
    case HandleKind::Module: return "module";
    }
    return "handle";
}

}  // namespace

std::string HandleAccounting::Problems() const
{
    std::string problems;
    for (const auto& [kind, count] : open) {
        if (count != 0) {
            problems += std::to_string(count) + " " + KindName(kind) + "(s) left open; ";
        }
    }
    for (const auto& [kind, count] : badReleases) {
        if (count != 0) {
            problems += std::to_string(count) + " " + KindName(kind) +
                        " release(s) of a handle not open; ";
        }
    }
    return problems;
}

}  // namespace sim
