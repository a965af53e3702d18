// The simulated file system. Names are compared ignoring case; a component may
// be given by its long or its 8.3 name, as on Windows.
#include "platform/sim/filesystem.h"

#include <algorithm>
#include <cctype>
#include <cerrno>

#include "platform/sim/machine.h"

namespace sim {

namespace {

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

bool IsShortNameChar(unsigned char c)
{
    return c > ' ' && std::string("\"*+,./:;<=>?[\\]|").find(static_cast<char>(c)) == std::string::npos;
}

// A path taken apart: the drive it starts from (0 for a relative path), whether
// it starts at that drive's root, and its components as written.
struct ParsedPath {
    char drive = 0;
    bool rooted = false;
    std::string prefix;  // "C:\", "C:", "\" or "", as written
    std::vector<std::string> components;
};

bool Parse(const std::string& path, ParsedPath* parsed)
{
    std::string text = path;
    std::replace(text.begin(), text.end(), '/', '\\');
    size_t pos = 0;
    if (text.size() >= 2 && text[1] == ':') {
        if (!std::isalpha(static_cast<unsigned char>(text[0]))) return false;
        parsed->drive = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        pos = 2;
    }
    if (pos < text.size() && text[pos] == '\\') {
        if (pos == 0 && text.size() > 1 && text[1] == '\\') return false;  // no network shares here
        parsed->rooted = true;
        ++pos;
    }
    parsed->prefix = text.substr(0, pos);
    while (pos < text.size()) {
        size_t end = text.find('\\', pos);
        if (end == std::string::npos) end = text.size();
        if (end > pos) parsed->components.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return true;
}

// The node a parsed path starts from: a drive's root, or the current directory
// for a relative path on its drive (another drive's relative path starts at its root).
FsNode* Start(const FileSystem& fs, const ParsedPath& parsed)
{
    const char currentDrive =
        static_cast<char>(std::toupper(static_cast<unsigned char>(fs.currentDirectory[0])));
    const char drive = parsed.drive != 0 ? parsed.drive : currentDrive;
    if (!parsed.rooted && drive == currentDrive) return fs.Find(fs.currentDirectory);
    auto root = fs.drives.find(drive);
    return root == fs.drives.end() ? nullptr : root->second.get();
}

FsNode* Step(FsNode* node, const std::string& component)
{
    if (node == nullptr || !node->isDirectory) return nullptr;
    if (component == ".") return node;
    if (component == "..") return node->parent != nullptr ? node->parent : node;
    return node->Child(component);
}

// Converts each component of a path to the name that pick() chooses; 0 with
// the buffer untouched when a component is missing, the size needed with the
// terminator when the buffer is too small, else the length written.
template <typename Pick>
DWORD ConvertPath(LPCSTR path, LPSTR buffer, DWORD size, Pick pick)
{
    FileSystem& fs = machine().fs;
    ParsedPath parsed;
    if (path == nullptr || *path == '\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    if (!Parse(path, &parsed)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    FsNode* node = Start(fs, parsed);
    if (node == nullptr) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return 0;
    }
    std::string result = parsed.prefix;
    for (size_t i = 0; i < parsed.components.size(); ++i) {
        const std::string& component = parsed.components[i];
        node = Step(node, component);
        if (node == nullptr) {
            SetLastError(ERROR_FILE_NOT_FOUND);
            return 0;
        }
        if (i > 0) result += '\\';
        result += (component == "." || component == "..") ? component : pick(*node, component);
    }
    if (std::string(path).back() == '\\' || std::string(path).back() == '/') {
        if (!parsed.components.empty()) result += '\\';
    }
    const DWORD length = static_cast<DWORD>(result.size());
    if (buffer == nullptr || length + 1 > size) return length + 1;
    std::copy(result.begin(), result.end(), buffer);
    buffer[length] = '\0';
    return length;
}

}  // namespace

bool IsShortNameLegal(const std::string& name)
{
    if (name.empty() || name == "." || name == "..") return false;
    const size_t dot = name.find('.');
    const std::string base = name.substr(0, dot);
    const std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (base.empty() || base.size() > 8 || ext.size() > 3) return false;
    if (dot != std::string::npos && ext.empty()) return false;
    return std::all_of(base.begin(), base.end(), IsShortNameChar) &&
           std::all_of(ext.begin(), ext.end(), IsShortNameChar);
}

FsNode* FsNode::Child(const std::string& component) const
{
    for (const auto& child : children) {
        if (SameName(child->name, component) || SameName(child->shortName, component)) {
            return child.get();
        }
    }
    return nullptr;
}

DWORD FsNode::Attributes() const
{
    return isDirectory ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
}

std::string FileSystem::Absolute(const std::string& path) const
{
    FsNode* node = Find(path);
    return node != nullptr ? LongPath(node) : std::string();
}

FsNode* FileSystem::Find(const std::string& path) const
{
    ParsedPath parsed;
    if (path.empty() || !Parse(path, &parsed)) return nullptr;
    FsNode* node = Start(*this, parsed);
    for (const std::string& component : parsed.components) node = Step(node, component);
    return node;
}

namespace {

std::string MakeShortName(const FsNode& directory, const std::string& name)
{
    if (IsShortNameLegal(name)) return name;
    const size_t dot = name.rfind('.');
    std::string base = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    std::string ext = dot == std::string::npos || dot == 0 ? "" : name.substr(dot + 1);
    auto clean = [](const std::string& text, size_t limit) {
        std::string out;
        for (unsigned char c : text) {
            if (out.size() == limit) break;
            if (IsShortNameChar(c)) out += static_cast<char>(std::toupper(c));
        }
        return out;
    };
    base = clean(base, 6);
    ext = clean(ext, 3);
    if (base.empty()) base = "_";
    for (int n = 1;; ++n) {
        std::string candidate = base + "~" + std::to_string(n) + (ext.empty() ? "" : "." + ext);
        if (directory.Child(candidate) == nullptr) return candidate;
    }
}

FsNode* AddNode(FileSystem& fs, const std::string& path, bool isDirectory)
{
    ParsedPath parsed;
    if (!Parse(path, &parsed)) return nullptr;
    if (parsed.drive != 0 && parsed.rooted) {
        std::unique_ptr<FsNode>& root = fs.drives[parsed.drive];
        if (!root) {
            root = std::make_unique<FsNode>();
            root->name = std::string(1, parsed.drive) + ":";
            root->shortName = root->name;
            root->isDirectory = true;
        }
    }
    FsNode* node = Start(fs, parsed);
    for (size_t i = 0; node != nullptr && i < parsed.components.size(); ++i) {
        const std::string& component = parsed.components[i];
        const bool last = i + 1 == parsed.components.size();
        FsNode* next = Step(node, component);
        if (next == nullptr) {
            auto child = std::make_unique<FsNode>();
            child->name = component;
            child->shortName = MakeShortName(*node, component);
            child->isDirectory = !last || isDirectory;
            child->parent = node;
            next = child.get();
            node->children.push_back(std::move(child));
        }
        node = next;
    }
    return node;
}

}  // namespace

FsNode* FileSystem::AddDirectory(const std::string& path)
{
    return AddNode(*this, path, true);
}

FsNode* FileSystem::AddFile(const std::string& path, std::shared_ptr<ModuleImage> module)
{
    FsNode* node = AddNode(*this, path, false);
    if (node != nullptr && !node->isDirectory) node->module = std::move(module);
    return node;
}

void FileSystem::Remove(const std::string& path)
{
    FsNode* node = Find(path);
    if (node == nullptr || node->parent == nullptr) return;
    auto& siblings = node->parent->children;
    siblings.erase(std::remove_if(siblings.begin(), siblings.end(),
                                  [node](const std::unique_ptr<FsNode>& n) { return n.get() == node; }),
                   siblings.end());
}

std::string FileSystem::LongPath(const FsNode* node)
{
    if (node->parent == nullptr) return node->name + "\\";
    std::string path = LongPath(node->parent);
    if (path.back() != '\\') path += '\\';
    return path + node->name;
}

}  // namespace sim

using sim::machine;

DWORD GetFileAttributesA(LPCSTR path)
{
    sim::FsNode* node = path != nullptr ? machine().fs.Find(path) : nullptr;
    if (node == nullptr) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    return node->Attributes();
}

DWORD GetShortPathNameA(LPCSTR longPath, LPSTR shortPath, DWORD size)
{
    return sim::ConvertPath(longPath, shortPath, size,
                            [](const sim::FsNode& node, const std::string& written) {
                                return sim::IsShortNameLegal(written) ? written : node.shortName;
                            });
}

DWORD GetLongPathNameA(LPCSTR shortPath, LPSTR longPath, DWORD size)
{
    return sim::ConvertPath(shortPath, longPath, size,
                            [](const sim::FsNode& node, const std::string&) { return node.name; });
}

DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer)
{
    const std::string& current = machine().fs.currentDirectory;
    const DWORD length = static_cast<DWORD>(current.size());
    if (buffer == nullptr || length + 1 > size) return length + 1;
    std::copy(current.begin(), current.end(), buffer);
    buffer[length] = '\0';
    return length;
}

BOOL SetCurrentDirectoryA(LPCSTR path)
{
    sim::FsNode* node = path != nullptr ? machine().fs.Find(path) : nullptr;
    if (node == nullptr || !node->isDirectory) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    machine().fs.currentDirectory = sim::FileSystem::LongPath(node);
    return TRUE;
}

int _access(const char* path, int mode)
{
    sim::FsNode* node = path != nullptr ? machine().fs.Find(path) : nullptr;
    if (node == nullptr || (mode & ~6) != 0) {
        errno = node == nullptr ? ENOENT : EINVAL;
        return -1;
    }
    return 0;
}
