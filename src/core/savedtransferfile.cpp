#include "savedtransferfile.h"

#include "fileio.h"

#include <algorithm>
#include <cstdint>

namespace penvaro::core {
namespace {

// A file of far more than the list holds is no saved-transfer file; it is not read whole.
constexpr std::size_t maxFileBytes = 16 * 1024 * 1024;

const char *const keptUnchanged = " Die Datei wird nicht verändert.";

Error damaged(const std::filesystem::path &path, const std::string &reason) {
    return {ErrorKind::Invalid, "Die Datei der gespeicherten Überweisungen " + path.string()
                                    + " ist beschädigt: " + reason + "." + keptUnchanged};
}

Result<void> refuseCutShort(const SavedTransferList &list) {
    if (list.cutShort.empty())
        return {};
    return Error{ErrorKind::TooLarge, list.cutShort + keptUnchanged};
}

std::optional<SavedTransferList::FileStamp> stampOf(const std::filesystem::path &path) {
    std::error_code sizeError;
    std::error_code timeError;
    const auto size = std::filesystem::file_size(path, sizeError);
    const auto modified = std::filesystem::last_write_time(path, timeError);
    if (sizeError || timeError)
        return std::nullopt;
    return SavedTransferList::FileStamp{size, modified};
}

// A list that was never loaded may only create the file or fill an empty one.
Result<void> refuseChangedFile(const SavedTransferList &list, const std::filesystem::path &path) {
    const auto onDisk = stampOf(path);
    const bool unchanged =
        list.loadedFile ? onDisk == list.loadedFile : !onDisk || onDisk->size == 0;
    if (unchanged)
        return {};
    return Error{ErrorKind::Invalid,
                 "Die Datei der gespeicherten Überweisungen " + path.string()
                     + " wurde nicht geladen oder seit dem Laden verändert; laden Sie sie neu."
                     + keptUnchanged};
}

Error fullList() {
    return {ErrorKind::TooLarge, "Es können höchstens " + std::to_string(MaxSavedTransfers)
                                     + " Überweisungsvorlagen gespeichert werden. Die Vorlage "
                                       "wurde nicht gespeichert; löschen Sie nicht mehr "
                                       "benötigte Vorlagen."};
}

// A record to store must be one the list can show and load again; a deleted one is not.
Result<void> refuseUnknownForm(const SavedTransferRecord &record) {
    if (IsPaymentFormType(record.Formular))
        return {};
    return Error{ErrorKind::Invalid, "Die Überweisungsvorlage hat die unbekannte Formularnummer "
                                         + std::to_string(record.Formular)
                                         + " und wird nicht gespeichert."};
}

Error noSuchRow(std::size_t row) {
    return {ErrorKind::Invalid,
            "Die gespeicherte Überweisung in Zeile " + std::to_string(row) + " gibt es nicht."};
}

// Applies the change to a copy and takes it over only when the file holds it.
template<typename Change>
Result<void> changeAndWrite(SavedTransferList &list, const std::filesystem::path &path,
                            Change change) {
    SavedTransferList changed = list;
    change(changed.records);
    if (auto written = WriteSavedTransfers(changed, path); !written)
        return written;
    std::erase_if(changed.records, [](const SavedTransferRecord &r) { return r.Formular == 0; });
    list = std::move(changed);
    return {};
}

} // namespace

Result<std::filesystem::path> SavedTransferFileName(const std::filesystem::path &accountFile) {
    std::string name = accountFile.native();
    if (name.empty())
        return Error{ErrorKind::Invalid, "Es ist keine Kontodatei geöffnet; gespeicherte "
                                         "Überweisungen gehören zu einer Kontodatei."};
    name.resize(name.size() - std::min<std::size_t>(3, name.size()));
    return std::filesystem::path(name + "pv");
}

Result<SavedTransferList> LoadSavedTransfers(const std::filesystem::path &path) {
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, ec))) {
        if (auto created = CreateEmptyFile(path); !created)
            return created.error();
        SavedTransferList empty;
        empty.loadedFile = stampOf(path);
        return empty;
    }
    const auto bytes = ReadWholeFile(path, maxFileBytes);
    if (!bytes)
        return bytes.error();
    const std::size_t records = bytes->size() / SavedTransferRecordSize;
    if (bytes->size() % SavedTransferRecordSize != 0)
        return damaged(path, "Sie ist " + std::to_string(bytes->size())
                                 + " Bytes lang, kein Vielfaches von "
                                 + std::to_string(SavedTransferRecordSize) + " Bytes; Datensatz "
                                 + std::to_string(records + 1) + " ist unvollständig");
    SavedTransferList list;
    list.loadedFile = stampOf(path);
    const std::size_t kept = std::min(records, MaxSavedTransfers);
    list.records.reserve(kept);
    const auto *data = reinterpret_cast<const std::uint8_t *>(bytes->data());
    for (std::size_t i = 0; i < kept; ++i) {
        const std::span<const std::uint8_t, SavedTransferRecordSize> record(
            data + i * SavedTransferRecordSize, SavedTransferRecordSize);
        if (const auto damage = FindSavedTransferDamage(record))
            return damaged(path, "Datensatz " + std::to_string(i + 1) + " (Byte "
                                     + std::to_string(i * SavedTransferRecordSize + damage->offset)
                                     + "): " + damage->reason);
        list.records.push_back(DecodeSavedTransferRecord(record));
    }
    if (records > MaxSavedTransfers)
        list.cutShort = "Die Datei " + path.string() + " enthält " + std::to_string(records)
                        + " gespeicherte Überweisungen; nur die ersten "
                        + std::to_string(MaxSavedTransfers) + " werden angezeigt.";
    return list;
}

Result<void> WriteSavedTransfers(SavedTransferList &list, const std::filesystem::path &path) {
    if (auto refused = refuseCutShort(list); !refused)
        return refused;
    if (auto refused = refuseChangedFile(list, path); !refused)
        return refused;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(list.records.size() * SavedTransferRecordSize);
    for (std::size_t i = 0; i < list.records.size(); ++i) {
        if (list.records[i].Formular == 0)
            continue;
        bytes.resize(bytes.size() + SavedTransferRecordSize);
        const std::span<std::uint8_t, SavedTransferRecordSize> out(
            bytes.data() + bytes.size() - SavedTransferRecordSize, SavedTransferRecordSize);
        EncodeSavedTransferRecord(list.records[i], out);
        if (const auto damage = FindSavedTransferDamage(out))
            return Error{ErrorKind::Invalid,
                         "Die gespeicherte Überweisung in Zeile " + std::to_string(i + 1)
                             + " kann nicht gespeichert werden: " + damage->reason + "."};
    }
    if (auto written = WriteFileAtomically(path, bytes); !written)
        return written;
    list.loadedFile = stampOf(path);
    return {};
}

Result<void> AppendSavedTransfer(SavedTransferList &list, const SavedTransferRecord &record,
                                 const std::filesystem::path &path) {
    if (auto refused = refuseUnknownForm(record); !refused)
        return refused;
    if (list.records.size() >= MaxSavedTransfers)
        return fullList();
    return changeAndWrite(list, path, [&](auto &records) { records.push_back(record); });
}

Result<void> AppendSavedTransferToFile(const SavedTransferRecord &record,
                                       const std::filesystem::path &path) {
    auto list = LoadSavedTransfers(path);
    if (!list)
        return list.error();
    if (!list->cutShort.empty())
        return fullList();
    return AppendSavedTransfer(*list, record, path);
}

Result<void> ReplaceSavedTransfer(SavedTransferList &list, std::size_t row,
                                  const SavedTransferRecord &record,
                                  const std::filesystem::path &path) {
    if (row < 1 || row > list.records.size())
        return noSuchRow(row);
    if (auto refused = refuseUnknownForm(record); !refused)
        return refused;
    return changeAndWrite(list, path, [&](auto &records) { records[row - 1] = record; });
}

Result<void> DeleteSavedTransfer(SavedTransferList &list, std::size_t row,
                                 const std::filesystem::path &path) {
    if (row < 1 || row > list.records.size())
        return noSuchRow(row);
    return changeAndWrite(list, path, [&](auto &records) { records[row - 1].Formular = 0; });
}

} // namespace penvaro::core
