// The simulated registry. Only HKEY_CURRENT_USER and its subkeys exist; a key
// handle remembers the access it was opened with, and calls that need another
// access fail as they do on Windows.
#include "platform/sim/registry.h"

#include <algorithm>
#include <cctype>

#include "platform/sim/machine.h"

namespace sim {

const char kDesktopKey[] = "HKCU\\Control Panel\\Desktop";

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

void Registry::CreateKey(const std::string& path)
{
    keys[Lower(path)];
}

void Registry::DeleteKey(const std::string& path)
{
    keys.erase(Lower(path));
}

bool Registry::HasKey(const std::string& path) const
{
    return keys.count(Lower(path)) != 0;
}

void Registry::SetValue(const std::string& path, const std::string& name, DWORD type,
                        const std::string& bytes)
{
    RegistryValue value;
    value.type = type;
    value.bytes = bytes;
    keys[Lower(path)].values[Lower(name)] = {name, value};
}

void Registry::DeleteValue(const std::string& path, const std::string& name)
{
    auto key = keys.find(Lower(path));
    if (key != keys.end()) key->second.values.erase(Lower(name));
}

bool Registry::GetValue(const std::string& path, const std::string& name,
                        RegistryValue* value) const
{
    auto key = keys.find(Lower(path));
    if (key == keys.end()) return false;
    auto found = key->second.values.find(Lower(name));
    if (found == key->second.values.end()) return false;
    *value = found->second.second;
    return true;
}

void Registry::FailOpenForRead(const std::string& path)
{
    unreadableKeys.insert(Lower(path));
}

void Registry::FailOpenForWrite(const std::string& path)
{
    unwritableKeys.insert(Lower(path));
}

void Registry::FailSet(const std::string& name)
{
    failingSets.insert(Lower(name));
}

}  // namespace sim

namespace {

sim::Registry& Reg()
{
    return sim::machine().registry;
}

const sim::Registry::OpenKey* FindOpenKey(HKEY key)
{
    auto found = Reg().handles.find(key);
    return found == Reg().handles.end() ? nullptr : &found->second;
}

}  // namespace

LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM access, PHKEY result)
{
    if (result == nullptr || options != 0) return ERROR_INVALID_PARAMETER;
    std::string path;
    if (key == HKEY_CURRENT_USER) {
        path = "HKCU";
    } else if (const sim::Registry::OpenKey* parent = FindOpenKey(key)) {
        path = parent->path;
    } else {
        return ERROR_INVALID_HANDLE;
    }
    if (subKey != nullptr && *subKey != '\0') path += std::string("\\") + subKey;
    const std::string lower = sim::Lower(path);
    if (!Reg().HasKey(path)) return ERROR_FILE_NOT_FOUND;
    if (((access & KEY_QUERY_VALUE) && Reg().unreadableKeys.count(lower)) ||
        ((access & KEY_SET_VALUE) && Reg().unwritableKeys.count(lower))) {
        return ERROR_ACCESS_DENIED;
    }
    HKEY handle = reinterpret_cast<HKEY>(Reg().nextHandle++);
    Reg().handles[handle] = {path, access};
    sim::machine().handles.NoteOpened(sim::HandleKind::RegistryKey);
    *result = handle;
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD size)
{
    const sim::Registry::OpenKey* open = FindOpenKey(key);
    if (open == nullptr) return ERROR_INVALID_HANDLE;
    if (reserved != nullptr || (data != nullptr && size == nullptr)) return ERROR_INVALID_PARAMETER;
    if (!(open->access & KEY_QUERY_VALUE)) return ERROR_ACCESS_DENIED;
    sim::RegistryValue value;
    if (!Reg().GetValue(open->path, name != nullptr ? name : "", &value)) {
        return ERROR_FILE_NOT_FOUND;
    }
    if (type != nullptr) *type = value.type;
    const DWORD needed = static_cast<DWORD>(value.bytes.size());
    if (size == nullptr) return ERROR_SUCCESS;
    if (data != nullptr && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data != nullptr) std::copy(value.bytes.begin(), value.bytes.end(), data);
    *size = needed;
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD size)
{
    const sim::Registry::OpenKey* open = FindOpenKey(key);
    if (open == nullptr) return ERROR_INVALID_HANDLE;
    if (reserved != 0 || (data == nullptr && size != 0)) return ERROR_INVALID_PARAMETER;
    if (!(open->access & KEY_SET_VALUE)) return ERROR_ACCESS_DENIED;
    const std::string valueName = name != nullptr ? name : "";
    if (Reg().failingSets.count(sim::Lower(valueName))) return ERROR_ACCESS_DENIED;
    std::string bytes;
    if (size != 0) bytes.assign(reinterpret_cast<const char*>(data), size);
    Reg().SetValue(open->path, valueName, type, bytes);
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key)
{
    if (Reg().handles.erase(key) == 0) {
        sim::machine().handles.NoteBadRelease(sim::HandleKind::RegistryKey);
        return ERROR_INVALID_HANDLE;
    }
    sim::machine().handles.NoteReleased(sim::HandleKind::RegistryKey);
    return ERROR_SUCCESS;
}
