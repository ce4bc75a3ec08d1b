#include "win/app/auto_run.h"

#include <windows.h>

#include <vector>

namespace win {

namespace {

const HKEY kRunRoots[] = {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER};

AutoRunOutcome WriteValue(Registry& registry,
                          const std::string& name,
                          const std::string& path,
                          const std::string& keyPath) {
    // A value left under the user's key by an earlier run without rights counts as present:
    // a second one under the machine's key would start the clock twice.
    for (HKEY root : kRunRoots) {
        std::unique_ptr<RegistryKey> key = registry.OpenForWrite(root, keyPath);
        if (key && key->HasValue(name))
            return AutoRunOutcome::AlreadyPresent;
    }
    for (HKEY root : kRunRoots) {
        std::unique_ptr<RegistryKey> key = registry.OpenForWrite(root, keyPath);
        // A key that opens but refuses the value is as good as a closed one.
        if (key && key->WriteString(name, path))
            return AutoRunOutcome::Written;
    }
    return AutoRunOutcome::Unavailable;
}

AutoRunOutcome RemoveValue(Registry& registry,
                           const std::string& name,
                           const std::string& keyPath) {
    bool opened = false;
    bool removed = false;
    for (HKEY root : kRunRoots) {
        std::unique_ptr<RegistryKey> key = registry.OpenForWrite(root, keyPath);
        if (!key)
            continue;
        opened = true;
        if (key->HasValue(name) && key->DeleteValue(name))
            removed = true;
    }
    if (removed)
        return AutoRunOutcome::Removed;
    return opened ? AutoRunOutcome::NotPresent : AutoRunOutcome::Unavailable;
}

}  // namespace

AutoRunOutcome ApplyAutoRun(Registry& registry,
                            bool on,
                            const std::string& clockName,
                            const std::string& executablePath,
                            const std::string& keyPath) {
    return on ? WriteValue(registry, clockName, executablePath, keyPath)
              : RemoveValue(registry, clockName, keyPath);
}

std::string RunningExecutablePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return std::string();
        if (n < buffer.size())
            return std::string(buffer.data(), n);
        buffer.resize(buffer.size() * 2);  // the path was cut: try a larger buffer
    }
}

}  // namespace win
