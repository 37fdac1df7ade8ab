#include "win/kernel/Module.h"

#include "win/kernel/ImageCheck.h"
#include "win/kernel/Utf8.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

namespace {

struct ModuleRecord {
    HMODULE handle;
    std::wstring name; // the file name alone, how Win32 matches loaded modules
    std::wstring path;
    void* dl;          // null for modules that were not loaded by LoadLibraryW
    const winres::ResourceTable* resources;
    int loadCount;
};

struct Registry {
    std::vector<ModuleRecord> modules;
    uintptr_t nextHandle = 0x10000;
    HMODULE application = nullptr;
};

Registry& registry()
{
    static Registry r;
    return r;
}

HMODULE newHandle()
{
    Registry& r = registry();
    const HMODULE h = (HMODULE)r.nextHandle;
    r.nextHandle += 0x10000;
    return h;
}

ModuleRecord* findByHandle(HMODULE h)
{
    for (ModuleRecord& m : registry().modules)
        if (h && m.handle == h) return &m;
    return nullptr;
}

bool sameNameNoCase(const std::wstring& a, const std::wstring& b)
{
    return CString(a.c_str()).CompareNoCase(b.c_str()) == 0;
}

ModuleRecord* findByName(const std::wstring& name)
{
    for (ModuleRecord& m : registry().modules)
        if (sameNameNoCase(m.name, name)) return &m;
    return nullptr;
}

ModuleRecord* findByDl(void* dl)
{
    for (ModuleRecord& m : registry().modules)
        if (m.dl == dl) return &m;
    return nullptr;
}

std::wstring fileNameOf(const std::wstring& path)
{
    const size_t slash = path.rfind(L'/');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::string applicationFolder()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

// Opens one candidate file. A file that exists but cannot be used ends the search
// with an error, as a Win32 image of the wrong format does.
enum class OpenResult { Missing, Loaded, Refused };

OpenResult openCandidate(const std::string& path, bool searchSystem, void*& dl)
{
    if (!searchSystem && access(path.c_str(), F_OK) != 0) return OpenResult::Missing;
    if (!searchSystem && !platform::isCompleteImage(path)) {
        SetLastError(ERROR_BAD_EXE_FORMAT);
        return OpenResult::Refused;
    }
    dl = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (dl) return OpenResult::Loaded;
    if (searchSystem) return OpenResult::Missing;
    SetLastError(ERROR_BAD_EXE_FORMAT);
    return OpenResult::Refused;
}

void* openModuleFile(const std::wstring& name)
{
    const std::string file = toUtf8(name);
    std::vector<std::pair<std::string, bool>> candidates;
    if (name.find(L'/') != std::wstring::npos) {
        candidates.push_back({file, false});
    } else {
        const std::string appFolder = applicationFolder();
        if (!appFolder.empty()) candidates.push_back({appFolder + "/" + file, false});
        candidates.push_back({file, true});
        candidates.push_back({"./" + file, false});
    }
    for (const auto& [path, searchSystem] : candidates) {
        void* dl = nullptr;
        switch (openCandidate(path, searchSystem, dl)) {
        case OpenResult::Loaded: return dl;
        case OpenResult::Refused: return nullptr;
        case OpenResult::Missing: break;
        }
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
}

std::wstring loadedPath(void* dl, const std::wstring& fallback)
{
    link_map* map = nullptr;
    if (dlinfo(dl, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name || !*map->l_name)
        return fallback;
    std::error_code ec;
    const auto canonical = std::filesystem::weakly_canonical(map->l_name, ec);
    return fromUtf8(ec ? std::string(map->l_name) : canonical.string());
}

} // namespace

HMODULE LoadLibraryW(LPCWSTR lpLibFileName)
{
    if (!lpLibFileName || !*lpLibFileName) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    const std::wstring name(lpLibFileName);
    if (name.find(L'/') == std::wstring::npos) {
        if (ModuleRecord* known = findByName(name)) {
            ++known->loadCount;
            return known->handle;
        }
    }
    void* dl = openModuleFile(name);
    if (!dl) return nullptr;

    if (ModuleRecord* known = findByDl(dl)) {
        dlclose(dl); // the registry keeps one loader reference per module
        ++known->loadCount;
        return known->handle;
    }
    using TableFn = const winres::ResourceTable* (*)();
    const auto table = (TableFn)dlsym(dl, VOREL_RESOURCE_TABLE_SYMBOL);
    if (!table || !table()) {
        dlclose(dl);
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    const std::wstring path = loadedPath(dl, name);
    registry().modules.push_back({newHandle(), fileNameOf(path), path, dl, table(), 1});
    SetLastError(ERROR_SUCCESS);
    return registry().modules.back().handle;
}

BOOL FreeLibrary(HMODULE hLibModule)
{
    ModuleRecord* m = findByHandle(hLibModule);
    if (!m || !m->dl) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (--m->loadCount > 0) return TRUE;
    void* dl = m->dl;
    auto& modules = registry().modules;
    modules.erase(modules.begin() + (m - modules.data()));
    dlclose(dl);
    return TRUE;
}

HMODULE GetModuleHandleW(LPCWSTR lpModuleName)
{
    if (!lpModuleName) {
        if (!registry().application) platform::RegisterApplicationModule(nullptr);
        return registry().application;
    }
    ModuleRecord* m = findByName(fileNameOf(lpModuleName));
    if (!m) SetLastError(ERROR_MOD_NOT_FOUND);
    return m ? m->handle : nullptr;
}

DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize)
{
    const ModuleRecord* m = findByHandle(hModule ? hModule : GetModuleHandleW(nullptr));
    if (!m || !lpFilename || nSize == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    const size_t n = std::min<size_t>(m->path.size(), nSize - 1);
    m->path.copy(lpFilename, n);
    lpFilename[n] = L'\0';
    return (DWORD)n;
}

namespace platform {

const winres::ResourceTable* ModuleResources(HMODULE hModule)
{
    const ModuleRecord* m = findByHandle(hModule);
    return m ? m->resources : nullptr;
}

HMODULE RegisterApplicationModule(const winres::ResourceTable* resources)
{
    static const winres::ResourceTable empty{};
    Registry& r = registry();
    if (ModuleRecord* app = findByHandle(r.application)) {
        app->resources = resources ? resources : &empty;
        return app->handle;
    }
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    const std::wstring path = ec ? L"" : fromUtf8(exe.string());
    r.application = newHandle();
    r.modules.push_back({r.application, fileNameOf(path), path, nullptr, resources ? resources : &empty, 1});
    return r.application;
}

HMODULE RegisterLinkedModule(LPCWSTR moduleName, const void* addressInModule,
                             const winres::ResourceTable* resources)
{
    Dl_info info{};
    const std::wstring path = dladdr(addressInModule, &info) && info.dli_fname
                                  ? fromUtf8(info.dli_fname)
                                  : std::wstring(moduleName);
    const HMODULE h = newHandle();
    registry().modules.push_back({h, moduleName, path, nullptr, resources, 1});
    return h;
}

void UnregisterLinkedModule(HMODULE hModule)
{
    auto& modules = registry().modules;
    std::erase_if(modules, [&](const ModuleRecord& m) { return m.handle == hModule && !m.dl; });
}

LinkedModuleStartup::LinkedModuleStartup(LPCWSTR moduleName, DllEntryPoint entry,
                                         const winres::ResourceTable* resources)
    : m_hModule(RegisterLinkedModule(moduleName, (const void*)entry, resources)), m_entry(entry)
{
    m_entry(m_hModule, DLL_PROCESS_ATTACH, nullptr);
}

LinkedModuleStartup::~LinkedModuleStartup()
{
    m_entry(m_hModule, DLL_PROCESS_DETACH, nullptr);
    UnregisterLinkedModule(m_hModule);
}

int ModuleLoadCount(HMODULE hModule)
{
    const ModuleRecord* m = findByHandle(hModule);
    return m ? m->loadCount : 0;
}

} // namespace platform
