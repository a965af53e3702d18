// The simulated registry: keys by path, values holding a type and raw bytes.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/sim/winapi.h"

namespace sim {

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string bytes;
};

struct Registry {
    struct Key {
        std::map<std::string, std::pair<std::string, RegistryValue>> values;  // by lower-cased name
    };
    struct OpenKey {
        std::string path;
        REGSAM access;
    };

    std::map<std::string, Key> keys;        // by lower-cased full path, "HKCU\\Control Panel\\Desktop"
    std::map<HKEY, OpenKey> handles;
    uintptr_t nextHandle = 0x1000;

    // Faults a test arms: the key at this path cannot be opened with read
    // (KEY_QUERY_VALUE) or write (KEY_SET_VALUE) access; setting this value fails.
    std::set<std::string> unreadableKeys;
    std::set<std::string> unwritableKeys;
    std::set<std::string> failingSets;      // lower-cased value names

    void CreateKey(const std::string& path);
    void DeleteKey(const std::string& path);
    bool HasKey(const std::string& path) const;
    void SetValue(const std::string& path, const std::string& name, DWORD type,
                  const std::string& bytes);
    void DeleteValue(const std::string& path, const std::string& name);
    // False when the key or the value is missing.
    bool GetValue(const std::string& path, const std::string& name, RegistryValue* value) const;
    void FailOpenForRead(const std::string& path);
    void FailOpenForWrite(const std::string& path);
    void FailSet(const std::string& name);
};

// Where the program keeps the screen-saver values.
extern const char kDesktopKey[];

}  // namespace sim
