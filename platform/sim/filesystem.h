// The simulated file system: drives of directories and files with long and 8.3
// names, looked up ignoring case, and a current directory for relative paths.
// A file may carry a module image, which is what LoadLibraryExA maps.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/sim/winapi.h"

namespace sim {

// What a file holds when it is loaded as a module: nothing (no module at all),
// or a module with string resources (possibly none).
struct ModuleImage {
    std::map<UINT, std::string> strings;
};

struct FsNode {
    std::string name;        // the long name, in the case it was created with
    std::string shortName;   // the 8.3 name; equal to name when name is 8.3-legal
    bool isDirectory = false;
    std::shared_ptr<ModuleImage> module;   // null: the file is no module
    std::vector<std::unique_ptr<FsNode>> children;  // in enumeration order
    FsNode* parent = nullptr;

    FsNode* Child(const std::string& component) const;  // by long or short name, ignoring case
    DWORD Attributes() const;
};

struct FileSystem {
    std::map<char, std::unique_ptr<FsNode>> drives;  // upper-case drive letter -> root
    std::string currentDirectory = "C:\\";

    // Absolute form of a path: drive, root backslash and components, with
    // relative parts resolved against the current directory and "." and ".."
    // folded. Empty when the path has no usable form.
    std::string Absolute(const std::string& path) const;
    FsNode* Find(const std::string& path) const;
    // Creates the node and any missing directories above it; returns it.
    FsNode* AddDirectory(const std::string& path);
    FsNode* AddFile(const std::string& path, std::shared_ptr<ModuleImage> module = nullptr);
    void Remove(const std::string& path);
    // The absolute path of a node, each component in its long name.
    static std::string LongPath(const FsNode* node);
};

bool IsShortNameLegal(const std::string& name);

}  // namespace sim
