#pragma once
// The registry as our features use it: one key opened for writing, its values by name. Tests
// substitute keys that cannot be opened, as for a user without rights under HKEY_LOCAL_MACHINE.
#include <windows.h>

#include <memory>
#include <string>

namespace win {

class RegistryKey {
  public:
    virtual ~RegistryKey() = default;
    // An empty name is the key's unnamed default value.
    virtual bool HasValue(const std::string& name) = 0;
    virtual bool WriteString(const std::string& name, const std::string& data) = 0;
    virtual bool DeleteValue(const std::string& name) = 0;
};

class Registry {
  public:
    virtual ~Registry() = default;
    // Opens `path` under `root` with full access, creating it when missing; null on failure.
    virtual std::unique_ptr<RegistryKey> OpenForWrite(HKEY root, const std::string& path) = 0;
};

class SystemRegistry : public Registry {
  public:
    std::unique_ptr<RegistryKey> OpenForWrite(HKEY root, const std::string& path) override;
};

}  // namespace win
