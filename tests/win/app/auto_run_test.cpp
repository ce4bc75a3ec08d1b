#include "win/app/auto_run.h"

#include <gtest/gtest.h>

#include <string>

namespace win {
namespace {

// Reads a string value straight from the registry; "<none>" when it is missing.
std::string ReadValue(HKEY root, const std::string& path, const std::string& name) {
    char data[1024] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return "<none>";
    LONG rc =
        RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS)
        return "<none>";
    return type == REG_SZ ? std::string(data) : "<not a string>";
}

void PutValue(HKEY root,
              const std::string& path,
              const std::string& name,
              const std::string& data) {
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
    RegCloseKey(key);
}

void RemoveValue(HKEY root, const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

// A registry as a user without rights sees it: some roots refuse to open, or open but refuse
// every write.
class LimitedRegistry : public Registry {
  public:
    std::unique_ptr<RegistryKey> OpenForWrite(HKEY root, const std::string& path) override {
        if (root == closedRoot || root == secondClosedRoot)
            return nullptr;
        std::unique_ptr<RegistryKey> key = real.OpenForWrite(root, path);
        if (root == readOnlyRoot && key)
            return std::make_unique<ReadOnlyKey>(std::move(key));
        return key;
    }

    HKEY closedRoot = nullptr;
    HKEY secondClosedRoot = nullptr;
    HKEY readOnlyRoot = nullptr;

  private:
    class ReadOnlyKey : public RegistryKey {
      public:
        explicit ReadOnlyKey(std::unique_ptr<RegistryKey> k) : inner(std::move(k)) {}
        bool HasValue(const std::string& name) override { return inner->HasValue(name); }
        bool WriteString(const std::string&, const std::string&) override { return false; }
        bool DeleteValue(const std::string&) override { return false; }
        std::unique_ptr<RegistryKey> inner;
    };
    SystemRegistry real;
};

class AutoRunTest : public ::testing::Test {
  protected:
    AutoRunTest() : name("TrayTestClock" + std::to_string(GetCurrentProcessId())) { Clean(); }
    ~AutoRunTest() override { Clean(); }
    void Clean() {
        RemoveValue(HKEY_LOCAL_MACHINE, kRunKeyPath, name);
        RemoveValue(HKEY_CURRENT_USER, kRunKeyPath, name);
        RemoveValue(HKEY_LOCAL_MACHINE, kRunKeyPath, name + "-other");
    }
    std::string Machine() { return ReadValue(HKEY_LOCAL_MACHINE, kRunKeyPath, name); }
    std::string User() { return ReadValue(HKEY_CURRENT_USER, kRunKeyPath, name); }

    std::string name;
    SystemRegistry registry;
    LimitedRegistry limited;
    const std::string exe = "C:\\Clocks\\Red Clock.exe";
};

TEST_F(AutoRunTest, OnWritesMachineValueOffRemovesIt) {
    EXPECT_EQ(ApplyAutoRun(registry, true, name, exe), AutoRunOutcome::Written);
    EXPECT_EQ(Machine(), exe);
    EXPECT_EQ(User(), "<none>");
    EXPECT_EQ(ApplyAutoRun(registry, false, name, exe), AutoRunOutcome::Removed);
    EXPECT_EQ(Machine(), "<none>");
    EXPECT_EQ(ApplyAutoRun(registry, false, name, exe), AutoRunOutcome::NotPresent);
}

TEST_F(AutoRunTest, ExistingValueIsKeptWhateverItsPath) {
    PutValue(HKEY_LOCAL_MACHINE, kRunKeyPath, name, "D:\\elsewhere.exe");
    EXPECT_EQ(ApplyAutoRun(registry, true, name, exe), AutoRunOutcome::AlreadyPresent);
    EXPECT_EQ(Machine(), "D:\\elsewhere.exe");
}

TEST_F(AutoRunTest, OtherClocksKeepTheirValues) {
    PutValue(HKEY_LOCAL_MACHINE, kRunKeyPath, name + "-other", "C:\\Blue.exe");
    ApplyAutoRun(registry, true, name, exe);
    ApplyAutoRun(registry, false, name, exe);
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, kRunKeyPath, name + "-other"), "C:\\Blue.exe");
}

TEST_F(AutoRunTest, WithoutMachineRightsTheUserKeyIsUsed) {
    limited.closedRoot = HKEY_LOCAL_MACHINE;
    EXPECT_EQ(ApplyAutoRun(limited, true, name, exe), AutoRunOutcome::Written);
    EXPECT_EQ(User(), exe);
    EXPECT_EQ(Machine(), "<none>");
    EXPECT_EQ(ApplyAutoRun(limited, false, name, exe), AutoRunOutcome::Removed);
    EXPECT_EQ(User(), "<none>");
}

TEST_F(AutoRunTest, MachineKeyRefusingTheWriteFallsBackToUserKey) {
    limited.readOnlyRoot = HKEY_LOCAL_MACHINE;
    EXPECT_EQ(ApplyAutoRun(limited, true, name, exe), AutoRunOutcome::Written);
    EXPECT_EQ(User(), exe);
    EXPECT_EQ(Machine(), "<none>");
}

TEST_F(AutoRunTest, ValueUnderUserKeyIsNotDoubledLater) {
    PutValue(HKEY_CURRENT_USER, kRunKeyPath, name, exe);
    EXPECT_EQ(ApplyAutoRun(registry, true, name, exe), AutoRunOutcome::AlreadyPresent);
    EXPECT_EQ(Machine(), "<none>");
}

TEST_F(AutoRunTest, OffClearsBothKeys) {
    PutValue(HKEY_LOCAL_MACHINE, kRunKeyPath, name, exe);
    PutValue(HKEY_CURRENT_USER, kRunKeyPath, name, exe);
    EXPECT_EQ(ApplyAutoRun(registry, false, name, exe), AutoRunOutcome::Removed);
    EXPECT_EQ(Machine(), "<none>");
    EXPECT_EQ(User(), "<none>");
}

TEST_F(AutoRunTest, NoKeyAtAllChangesNothingAndSaysSo) {
    limited.closedRoot = HKEY_LOCAL_MACHINE;
    limited.secondClosedRoot = HKEY_CURRENT_USER;
    EXPECT_EQ(ApplyAutoRun(limited, true, name, exe), AutoRunOutcome::Unavailable);
    EXPECT_EQ(ApplyAutoRun(limited, false, name, exe), AutoRunOutcome::Unavailable);
    EXPECT_EQ(Machine(), "<none>");
    EXPECT_EQ(User(), "<none>");
}

TEST_F(AutoRunTest, EmptyClockNameUsesTheDefaultValue) {
    // A scratch key, so that the real Run key's default value is never touched.
    const std::string scratch = "SOFTWARE\\TrayTestRun" + std::to_string(GetCurrentProcessId());
    EXPECT_EQ(ApplyAutoRun(registry, true, "", exe, scratch), AutoRunOutcome::Written);
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, scratch, ""), exe);
    EXPECT_EQ(ApplyAutoRun(registry, false, "", exe, scratch), AutoRunOutcome::Removed);
    EXPECT_EQ(ReadValue(HKEY_LOCAL_MACHINE, scratch, ""), "<none>");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, scratch.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, scratch.c_str());
}

TEST(RunningExecutablePathTest, IsTheFullPathOfThisProgram) {
    std::string path = RunningExecutablePath();
    ASSERT_GT(path.size(), 3u);
    EXPECT_EQ(path[1], ':');
    EXPECT_EQ(path.substr(path.size() - 13), "win_tests.exe");
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

}  // namespace
}  // namespace win
