#pragma once
// Modules: shared objects loaded like Win32 DLLs, each with its resource table.
//
// LoadLibraryW(name)
//   -> a name without '/' is first matched against the modules already known
//      (case-insensitive, like Win32), then searched for in the application's
//      folder, the system's search order (dlopen) and the current folder;
//      a name with '/' loads exactly that file
//   -> dlopen, then dlsym("WinResourceTable"); a file without it is refused
//   -> the module gets a handle that is never reused, so a stale handle is
//      simply unknown afterwards and every lookup through it finds nothing.
#include "win/kernel/ResourceTable.h"
#include "win/kernel/String.h"

HMODULE LoadLibraryW(LPCWSTR lpLibFileName);
BOOL FreeLibrary(HMODULE hLibModule);
// NULL gives the application module.
HMODULE GetModuleHandleW(LPCWSTR lpModuleName);
DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);

namespace platform {

// The resources of a module, or null for an unknown handle.
const winres::ResourceTable* ModuleResources(HMODULE hModule);

// The host executable declares its own resources; the application module is
// also the initial resource handle of the module state.
HMODULE RegisterApplicationModule(const winres::ResourceTable* resources);

// A shared object linked into the process (not loaded by LoadLibraryW) makes
// itself known under a Win32 module name. addressInModule is any address inside
// that shared object; it locates the file.
HMODULE RegisterLinkedModule(LPCWSTR moduleName, const void* addressInModule,
                             const winres::ResourceTable* resources);
void UnregisterLinkedModule(HMODULE hModule);

// The start-up of a linked module, as the C run-time does it for a DLL: one
// static instance per module registers the module and calls its entry point
// with DLL_PROCESS_ATTACH, and at unload with DLL_PROCESS_DETACH.
using DllEntryPoint = BOOL (*)(HINSTANCE, DWORD, LPVOID);
class LinkedModuleStartup {
public:
    LinkedModuleStartup(LPCWSTR moduleName, DllEntryPoint entry, const winres::ResourceTable* resources);
    ~LinkedModuleStartup();
    LinkedModuleStartup(const LinkedModuleStartup&) = delete;
    LinkedModuleStartup& operator=(const LinkedModuleStartup&) = delete;

private:
    HMODULE m_hModule;
    DllEntryPoint m_entry;
};

// How many LoadLibraryW references a module holds (0 for an unknown handle).
int ModuleLoadCount(HMODULE hModule);

} // namespace platform
