#pragma once
// Temporary folders and working-folder changes for tests that need real files.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace testsupport {

class TempDir {
public:
    TempDir()
    {
        std::string templ = (std::filesystem::temp_directory_path() / "vorel-test-XXXXXX").string();
        m_path = mkdtemp(templ.data()) ? templ : std::string();
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::wstring wpath() const { return m_path.wstring(); }
    // The folder with a trailing separator, as a folder prefix is passed around.
    std::wstring prefix() const { return m_path.wstring() + L"/"; }
    std::filesystem::path file(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

// Changes the working folder for its lifetime.
class WorkingDir {
public:
    explicit WorkingDir(const std::filesystem::path& dir) : m_saved(std::filesystem::current_path())
    {
        std::filesystem::current_path(dir);
    }
    ~WorkingDir() { std::filesystem::current_path(m_saved); }
    WorkingDir(const WorkingDir&) = delete;
    WorkingDir& operator=(const WorkingDir&) = delete;

private:
    std::filesystem::path m_saved;
};

inline std::filesystem::path languageModule(const std::string& number)
{
    return std::filesystem::path(VOREL_LANG_DIR) / ("vorel_" + number + ".dll");
}

inline void copyFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
}

} // namespace testsupport
