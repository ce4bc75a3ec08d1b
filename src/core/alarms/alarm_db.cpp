#include "core/alarms/alarm_db.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/common/errors.h"
#include "core/common/file_io.h"

namespace core {
namespace {

constexpr uint8_t kMagic[4] = {'Z', 'Q', 'M', 0};

}  // namespace

TAlarmDB::TAlarmDB() : header_{} {}

void TAlarmDB::InitDefaults() {
    std::memcpy(header_.data(), kMagic, sizeof kMagic);
    records_.clear();
    SetCount(0);
    header_[kAutoRunOffset] = 0;
    header_[kShowOnTipOffset] = 1;
}

bool TAlarmDB::HasMagic() const {
    return std::memcmp(header_.data(), kMagic, sizeof kMagic) == 0;
}

void TAlarmDB::LoadFromFile(const std::string& path) {
    if (!FileExists(path))
        return;
    // Taken first: a write that lands while we read shows as a change next time.
    stamp_ = StampOf(path);
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file)
        throw CannotOpenFile(path, SystemErrorText());
    // Read no more than the header announces: a large foreign file is not pulled into memory.
    Bytes data(kHeaderSize);
    size_t got = std::fread(data.data(), 1, kHeaderSize, file.get());
    if (got == kHeaderSize && std::memcmp(data.data(), kMagic, sizeof kMagic) == 0) {
        const size_t wanted = size_t(GetU16(&data[kCountOffset])) * TAlarmRecord::kSize;
        data.resize(kHeaderSize + wanted);
        got += std::fread(data.data() + kHeaderSize, 1, wanted, file.get());
    }
    // A failed read is a short read: the rules for short files apply.
    LoadFromBytes(data.data(), got);
}

void TAlarmDB::LoadFromBytes(const uint8_t* data, size_t size) {
    // A short or foreign file leaves the defaults, not its own header bytes: alarms added
    // afterwards must be saved under our magic, or the next start would not find them.
    foreign_ = false;
    if (size < kHeaderSize) {
        InitDefaults();
        throw StreamReadError();
    }
    if (std::memcmp(data, kMagic, sizeof kMagic) != 0) {
        InitDefaults();
        foreign_ = true;
        return;
    }
    std::memcpy(header_.data(), data, kHeaderSize);
    const size_t wanted = size_t(Count()) * TAlarmRecord::kSize;
    const size_t available = std::min(wanted, size - kHeaderSize);
    // Records the file does not hold in full stay zero-filled, and zero records never fall due.
    records_.assign(wanted, 0);
    if (available > 0)
        std::memcpy(records_.data(), data + kHeaderSize, available);
    if (available < wanted)
        throw StreamReadError();
}

Bytes TAlarmDB::SaveToBytes() const {
    Bytes out;
    out.reserve(kHeaderSize + records_.size());
    out.insert(out.end(), header_.begin(), header_.end());
    out.insert(out.end(), records_.begin(), records_.end());
    return out;
}

void TAlarmDB::SaveToFile(const std::string& path) {
    const Bytes out = SaveToBytes();
    stamp_ = WriteFileAtomic(path, out.data(), out.size());
}

bool TAlarmDB::ReloadIfChanged(const std::string& path) {
    const FileStamp now = StampOf(path);
    if (!now.exists || now == stamp_)
        return false;
    TAlarmDB fresh;
    try {
        fresh.LoadFromFile(path);
    } catch (const AppError&) {
        return false;  // cut short or locked right now: our memory is the better store
    }
    if (fresh.ForeignFile())
        return false;
    const unsigned generation = generation_ + 1;
    *this = std::move(fresh);
    generation_ = generation;
    return true;
}

void TAlarmDB::AddAlarm(const TAlarmRecord& alarm) {
    if (Count() >= kMaxAlarms)
        throw AppError("Cannot add more than " + std::to_string(kMaxAlarms) + " alarms");
    records_.insert(records_.end(), alarm.data(), alarm.data() + TAlarmRecord::kSize);
    SetCount(Count() + 1);
}

void TAlarmDB::DeleteAlarm(unsigned index) {
    CheckIndex(index);
    const auto first = records_.begin() + ptrdiff_t(index) * TAlarmRecord::kSize;
    records_.erase(first, first + TAlarmRecord::kSize);
    SetCount(Count() - 1);
}

void TAlarmDB::SetAlarm(const TAlarmRecord& alarm, unsigned index) {
    CheckIndex(index);
    std::memcpy(&records_[size_t(index) * TAlarmRecord::kSize], alarm.data(), TAlarmRecord::kSize);
}

TAlarmRecord TAlarmDB::GetAlarm(unsigned index) const {
    CheckIndex(index);
    return TAlarmRecord::FromBytes(&records_[size_t(index) * TAlarmRecord::kSize]);
}

void TAlarmDB::SetAutoRun(bool on) {
    header_[kAutoRunOffset] = on ? 1 : 0;
}

void TAlarmDB::SetShowOnTip(bool on) {
    header_[kShowOnTipOffset] = on ? 1 : 0;
}

void TAlarmDB::SetCount(size_t count) {
    PutU16(&header_[kCountOffset], uint16_t(count));
}

void TAlarmDB::CheckIndex(unsigned index) const {
    if (index >= Count())
        throw AppError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace core
