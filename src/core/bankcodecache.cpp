#include "bankcodecache.h"

#include "fileio.h"

#include <cerrno>
#include <sys/stat.h>

namespace penvaro::core {

Result<const BankCodeList *> BankCodeCache::list(const std::filesystem::path &path) {
    std::error_code sizeError;
    std::error_code timeError;
    const auto size = std::filesystem::file_size(path, sizeError);
    const auto modified = std::filesystem::last_write_time(path, timeError);
    if (sizeError || timeError) {
        m_stamp.reset();
        m_list.reset();
        // A pipe or a device has no size ("Operation not supported"); the reader says what
        // it is instead.
        struct stat info {};
        if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode))
            return BankCodeList::Load(path).error();
        const std::error_code &failure = sizeError ? sizeError : timeError;
        // file_size reports a folder as "is a directory"; other causes carry their errno.
        return ReadFailure(path, failure.value() != 0 ? failure.value() : EIO);
    }
    const Stamp stamp{path, size, modified};
    if (m_list && m_stamp == stamp)
        return &*m_list;
    auto loaded = BankCodeList::Load(path);
    if (!loaded) {
        m_stamp.reset();
        m_list.reset();
        return loaded.error();
    }
    m_list = std::move(*loaded);
    m_stamp = stamp;
    return &*m_list;
}

Result<std::string> LookupBankName(BankCodeCache &cache, const std::filesystem::path &path,
                                   std::string_view code) {
    if (!IsCompleteBankCode(code))
        return std::string(BankNotFound);
    auto list = cache.list(path);
    if (!list)
        return list.error();
    return (*list)->lookupBankName(code);
}

Result<std::vector<BankOffice>> SearchBankCodes(BankCodeCache &cache,
                                                const std::filesystem::path &path,
                                                std::string_view name, std::string_view place) {
    if (name.empty() && place.empty())
        return std::vector<BankOffice>{};
    auto list = cache.list(path);
    if (!list)
        return list.error();
    return (*list)->search(name, place);
}

} // namespace penvaro::core
