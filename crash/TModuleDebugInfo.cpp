#include "crash/TModuleDebugInfo.h"

#include "crash/ProcessInfo.h"

#include <cstdlib>
#include <cxxabi.h>
#include <elfutils/libdwfl.h>
#include <map>
#include <memory>
#include <mutex>
#include <unistd.h>

namespace kelvane {

namespace {

std::recursive_mutex& DebugLock() {
    static std::recursive_mutex lock;
    return lock;
}

char* DebugInfoPath = nullptr;
const Dwfl_Callbacks ProcCallbacks = {dwfl_linux_proc_find_elf, dwfl_standard_find_debuginfo,
                                      nullptr, &DebugInfoPath};

// The modules of this process; reported again when an address falls outside
// all of them, in case a library was loaded since.
struct Session {
    Dwfl* dwfl = nullptr;
    std::map<Dwfl_Module*, std::unique_ptr<TModuleDebugInfo>> infos;

    bool Report() {
        if (!dwfl)
            dwfl = dwfl_begin(&ProcCallbacks);
        if (!dwfl)
            return false;
        dwfl_report_begin(dwfl);
        int rc = dwfl_linux_proc_report(dwfl, getpid());
        dwfl_report_end(dwfl, nullptr, nullptr);
        return rc == 0;
    }
};

Session& TheSession() {
    static Session session;
    return session;
}

std::string Demangle(const char* name) {
    int status = 0;
    char* readable = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    if (status != 0 || !readable)
        return name;
    std::string result(readable);
    std::free(readable);
    return result;
}

} // namespace

TModuleDebugInfo* TModuleDebugInfo::ForAddress(std::uintptr_t addr) {
    std::lock_guard<std::recursive_mutex> guard(DebugLock());
    Session& s = TheSession();
    if (!s.dwfl && !s.Report())
        return nullptr;
    Dwfl_Module* m = dwfl_addrmodule(s.dwfl, addr);
    if (!m) {
        s.Report();
        m = dwfl_addrmodule(s.dwfl, addr);
        if (!m)
            return nullptr;
    }
    std::unique_ptr<TModuleDebugInfo>& info = s.infos[m];
    if (!info)
        info.reset(new TModuleDebugInfo(m));
    return info.get();
}

TModuleDebugInfo::TModuleDebugInfo(Dwfl_Module* m) : module(m) {
    Dwarf_Addr start = 0;
    const char* name =
        dwfl_module_info(m, nullptr, &start, nullptr, nullptr, nullptr, nullptr, nullptr);
    path = name ? name : ProgramFileName();
    Dwarf_Addr bias = 0;
    loadAddress = dwfl_module_getelf(m, &bias) ? bias : start;
    moduleNameIndex = Intern(FileNameOnly(path));
}

int TModuleDebugInfo::Intern(const std::string& name) {
    auto it = indexOf.find(name);
    if (it != indexOf.end())
        return it->second;
    int index = static_cast<int>(names.size());
    names.push_back(name);
    indexOf.emplace(name, index);
    return index;
}

const std::string& TModuleDebugInfo::Name(int index) const {
    static const std::string none;
    if (index < 0 || index >= static_cast<int>(names.size()))
        return none;
    return names[static_cast<std::size_t>(index)];
}

int TModuleDebugInfo::ProcNameIndex(std::uintptr_t addr) {
    std::lock_guard<std::recursive_mutex> guard(DebugLock());
    const char* name = dwfl_module_addrname(module, addr);
    if (!name || !*name)
        return -1;
    return Intern(Demangle(name));
}

bool TModuleDebugInfo::SourceLine(std::uintptr_t addr, int& fileNameIndex, int& line) {
    std::lock_guard<std::recursive_mutex> guard(DebugLock());
    fileNameIndex = -1;
    line = -1;
    Dwfl_Line* entry = dwfl_module_getsrc(module, addr);
    if (!entry)
        return false;
    int lineNo = 0;
    const char* file = dwfl_lineinfo(entry, nullptr, &lineNo, nullptr, nullptr, nullptr);
    if (!file || lineNo <= 0)
        return false;
    fileNameIndex = Intern(FileNameOnly(file));
    line = lineNo;
    return true;
}

} // namespace kelvane
