#include "module_record.h"

#include "event_dispatch.h"
#include "program_file.h"

#include "crashreport/config/program_block.h"

#include <dlfcn.h>
#include <link.h>
#include <map>
#include <mutex>
#include <sys/stat.h>

namespace crashnote {

namespace {

std::mutex cacheMutex;
std::map<std::string, std::shared_ptr<const ModuleRecord>> cache;

std::timespec modificationTime(const std::string &file)
{
    struct stat st{};
    return ::stat(file.c_str(), &st) == 0 ? st.st_mtim : std::timespec{};
}

bool sameTime(const std::timespec &a, const std::timespec &b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

std::uint64_t programLoadAddress()
{
    std::uint64_t base = 0;
    ::dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) {
            *static_cast<std::uint64_t *>(data) = info->dlpi_addr;
            return 1; // the program comes first
        },
        &base);
    return base;
}

std::shared_ptr<const ModuleRecord> cached(const std::string &file, std::uint64_t loadAddress, bool isProgram)
{
    std::lock_guard lock(cacheMutex);
    auto it = cache.find(file);
    if (it != cache.end() && sameTime(it->second->lastModified, modificationTime(file)))
        return it->second;
    std::shared_ptr<const ModuleRecord> record = loadModuleRecord(file, loadAddress, isProgram);
    cache[file] = record;
    return record;
}

} // namespace

std::shared_ptr<ModuleRecord> loadModuleRecord(const std::string &fileName, std::uint64_t loadAddress, bool isProgram)
{
    auto record = std::make_shared<ModuleRecord>();
    record->fileName = fileName;
    record->loadAddress = loadAddress;
    record->kind = isProgram ? 1 : 3;
    record->lastModified = modificationTime(fileName);
    bool asked = false;
    auto askPassword = [&asked]() -> std::optional<std::string> {
        if (asked)
            return std::nullopt;
        asked = true;
        std::string password;
        dispatchPasswordRequest(nullptr, password);
        return password.empty() ? std::nullopt : std::optional(password);
    };
    auto result = readModuleBlock(fileName, askPassword);
    if (result.status != BlockStatus::Ok)
        return record;
    const ConfigBlock &block = *result.block;
    record->hasBlock = true;
    record->blockVersion = block.version;
    record->compilationDate = block.compilationDate;
    record->options = block.options;
    record->passwordValid = block.passwordValid;
    record->debugPassword = block.debugPassword;
    if (!block.debugData.empty()) {
        try {
            record->debugData = std::make_shared<DebugData>(DebugData::decode(block.debugData));
        } catch (const std::exception &) {
            record->debugData.reset();
        }
    }
    return record;
}

std::shared_ptr<const ModuleRecord> programModuleRecord()
{
    return cached(programPath(), programLoadAddress(), true);
}

std::shared_ptr<const ModuleRecord> moduleRecordAt(std::uint64_t address)
{
    Dl_info info{};
    if (!address || !::dladdr(reinterpret_cast<void *>(address), &info) || !info.dli_fname)
        return nullptr;
    // dladdr names the program as it was started; its record lives under its real path.
    if (isInProgram(address))
        return programModuleRecord();
    std::uint64_t base = 0;
    if (void *module = ::dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD)) {
        link_map *map = nullptr;
        if (::dlinfo(module, RTLD_DI_LINKMAP, &map) == 0 && map)
            base = map->l_addr;
        ::dlclose(module);
    }
    return cached(info.dli_fname, base, false);
}

bool isInProgram(std::uint64_t address)
{
    struct Probe {
        std::uint64_t address;
        bool inside = false;
    } probe{address};
    ::dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) {
            auto *p = static_cast<Probe *>(data);
            for (int i = 0; i < info->dlpi_phnum; ++i) {
                const auto &segment = info->dlpi_phdr[i];
                std::uint64_t start = info->dlpi_addr + segment.p_vaddr;
                if (segment.p_type == PT_LOAD && p->address >= start && p->address < start + segment.p_memsz)
                    p->inside = true;
            }
            return 1; // the program comes first
        },
        &probe);
    return probe.inside;
}

} // namespace crashnote
