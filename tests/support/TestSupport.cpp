#include "support/TestSupport.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

namespace mienlore::test {

std::filesystem::path ProgramFolder() {
    return MIENLORE_PROGRAM_FOLDER;
}

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "mienlore-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name))
        m_old = old;
    if (value)
        ::setenv(name, value, 1);
    else
        ::unsetenv(name);
}

ScopedEnv::~ScopedEnv() {
    if (m_old)
        ::setenv(m_name, m_old->c_str(), 1);
    else
        ::unsetenv(m_name);
}

namespace {
constexpr auto kWriteBits = std::filesystem::perms::owner_write |
                            std::filesystem::perms::group_write |
                            std::filesystem::perms::others_write;
}

ReadOnlyFolder::ReadOnlyFolder(std::filesystem::path folder) : m_folder(std::move(folder)) {
    std::filesystem::permissions(m_folder, kWriteBits, std::filesystem::perm_options::remove);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    std::error_code ec;
    std::filesystem::permissions(m_folder, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ec);
}

std::filesystem::path PrivateProgramFolder(const TempDir& dir, const std::string& language) {
    namespace fs = std::filesystem;
    static const std::set<std::string> written{"Text", "PType", "htmlreport", "MyGallery",
                                               "lang.lng"};
    const fs::path folder = dir / "program";
    if (!fs::create_directory(folder))
        return folder; // made before: a later start over the same folder
    for (const auto& entry : fs::directory_iterator(ProgramFolder())) {
        const fs::path name = entry.path().filename();
        if (written.count(name.string()) != 0)
            fs::copy(entry.path(), folder / name, fs::copy_options::recursive);
        else
            fs::create_symlink(entry.path(), folder / name);
    }
    if (!language.empty())
        fs::copy_file(ProgramFolder() / "Lang" / language, folder / "lang.lng",
                      fs::copy_options::overwrite_existing);
    return folder;
}

void Put16(std::string& bytes, std::uint32_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& bytes, std::uint32_t value) {
    Put16(bytes, value & 0xFFFF);
    Put16(bytes, value >> 16);
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace mienlore::test
