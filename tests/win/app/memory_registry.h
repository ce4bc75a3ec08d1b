#pragma once
// The Run keys in memory, so tests see exactly which values the commands leave.
#include <map>
#include <memory>
#include <string>

#include "win/app/auto_run.h"
#include "win/app/registry.h"

namespace wintest {

class MemoryRegistry : public win::Registry {
  public:
    using Values = std::map<std::string, std::string>;
    std::unique_ptr<win::RegistryKey> OpenForWrite(HKEY root, const std::string& path) override {
        if (root == HKEY_LOCAL_MACHINE && !machineOpens)
            return nullptr;
        return std::make_unique<Key>(keys[{root, path}]);
    }
    Values& Machine() { return keys[{HKEY_LOCAL_MACHINE, win::kRunKeyPath}]; }

    bool machineOpens = true;

  private:
    struct Key : win::RegistryKey {
        explicit Key(Values& v) : values(v) {}
        bool HasValue(const std::string& n) override { return values.count(n) != 0; }
        bool WriteString(const std::string& n, const std::string& d) override {
            values[n] = d;
            return true;
        }
        bool DeleteValue(const std::string& n) override { return values.erase(n) != 0; }
        Values& values;
    };
    std::map<std::pair<HKEY, std::string>, Values> keys;
};

}  // namespace wintest
