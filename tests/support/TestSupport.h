#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace mienlore::test {

// The build's program folder (executables, webpane module, data folders).
std::filesystem::path ProgramFolder();

// A fresh empty folder below the system's temporary folder, removed with the
// object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// A program folder of a test's own below dir: the build's shipped data are
// linked in, and what the program writes into (the text pages' folders, the
// report folder, My Gallery, the chosen language file) is copied, so that
// tests running side by side never read each other's written files. With a
// language ("german.lng"), that shipped file is the chosen language. Made once
// per dir; later calls return the same folder.
std::filesystem::path PrivateProgramFolder(const TempDir& dir, const std::string& language = {});

// Sets (or, with nullptr, removes) an environment variable for the life of
// the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

// Removes every write permission of a folder for the life of the object, as
// an installed program folder has none.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::filesystem::path folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    std::filesystem::path m_folder;
};

// Appends a 16- or 32-bit value low byte first, as binary file headers store
// them.
void Put16(std::string& bytes, std::uint32_t value);
void Put32(std::string& bytes, std::uint32_t value);

std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

} // namespace mienlore::test
