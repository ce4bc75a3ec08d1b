#include "core/alarms/alarm_watch.h"

#include <algorithm>
#include <exception>

#include "core/alarms/alarm_db.h"
#include "core/common/file_io.h"

namespace core {
namespace {

// Layout of the state file, little-endian:
//   0  "AWST"   4  version (1)   8  flags (bit 0: a minute was tested)   12  that minute (64 bit)
//   20 snooze count, then per snooze its due second (64 bit) and the 352-byte alarm record,
//   and last a 32-bit FNV-1a sum of everything before it.
constexpr uint8_t kMagic[4] = {'A', 'W', 'S', 'T'};
constexpr uint32_t kVersion = 1;
constexpr size_t kHeaderSize = 24;
constexpr size_t kSnoozeSize = 8 + TAlarmRecord::kSize;
constexpr size_t kSumSize = 4;

uint32_t Fnv1a(const uint8_t* data, size_t size) {
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < size; ++i) {
        h ^= data[i];
        h *= 16777619u;
    }
    return h;
}

void PutI64(uint8_t* p, int64_t v) {
    PutU32(p, uint32_t(uint64_t(v)));
    PutU32(p + 4, uint32_t(uint64_t(v) >> 32));
}

int64_t GetI64(const uint8_t* p) {
    return int64_t(uint64_t(GetU32(p)) | (uint64_t(GetU32(p + 4)) << 32));
}

}  // namespace

int64_t SecondStamp(TDateTime value) {
    const int64_t minute = MinuteStamp(value);
    if (minute < 0)
        return -1;
    int h, m, s, ms;
    DecodeTime(value, h, m, s, ms);
    return minute * 60 + s;
}

std::vector<TAlarmFiring> MissedFirings(const TAlarmDB& db, int64_t first, int64_t last) {
    std::vector<TAlarmFiring> firings;
    if (first < 0 || first > last)
        return firings;
    ForEachFiring(db, MinuteStampToDateTime(first), 1, [&](const TAlarmFiring& f) {
        if (MinuteStamp(f.when) > last)
            return false;
        firings.push_back(f);
        return true;
    });
    return firings;
}

std::vector<TMissedAlarm> MissedAlarms(const TAlarmDB& db,
                                       int64_t first,
                                       int64_t last,
                                       const std::vector<TMissedAlarm>& snoozes) {
    std::vector<TMissedAlarm> missed;
    for (const TAlarmFiring& f : MissedFirings(db, first, last))
        missed.push_back({f.when, db.GetAlarm(f.index).Title()});
    missed.insert(missed.end(), snoozes.begin(), snoozes.end());
    std::stable_sort(missed.begin(), missed.end(),
                     [](const TMissedAlarm& a, const TMissedAlarm& b) {
                         return MinuteStamp(a.due) < MinuteStamp(b.due);
                     });
    return missed;
}

TWatchTick TAlarmWatch::Tick(TDateTime now) {
    TWatchTick tick;
    tick.check = minutes_.Check(now);
    const int64_t second = SecondStamp(now);
    if (second < 0)
        return tick;
    const int64_t oldest = second / 60 - TMinuteTracker::kLookBackMinutes;
    size_t taken = 0;
    for (; taken < snoozes_.size() && snoozes_[taken].due <= second; ++taken) {
        const TSnooze& s = snoozes_[taken];
        const int64_t minute = s.due / 60;
        if (!tick.check.AnyMissed() || minute > tick.check.missedLast)
            tick.snoozed.push_back(s.alarm);
        else if (minute >= oldest)
            tick.missedSnoozes.push_back({MinuteStampToDateTime(minute), s.alarm.Title()});
    }
    if (taken > 0) {
        snoozes_.erase(snoozes_.begin(), snoozes_.begin() + std::ptrdiff_t(taken));
        snoozesChanged_ = true;
    }
    return tick;
}

void TAlarmWatch::Snooze(const TAlarmRecord& alarm, TDateTime now, int64_t seconds) {
    const int64_t second = SecondStamp(now);
    if (second < 0)
        return;
    const TSnooze snooze{second + std::max<int64_t>(seconds, 0), alarm};
    auto at = std::upper_bound(snoozes_.begin(), snoozes_.end(), snooze.due,
                               [](int64_t due, const TSnooze& s) { return due < s.due; });
    snoozes_.insert(at, snooze);
    if (snoozes_.size() > kMaxSnoozes)
        snoozes_.erase(snoozes_.begin());
    snoozesChanged_ = true;
}

const TSnooze* TAlarmWatch::NextSnooze() const {
    return snoozes_.empty() ? nullptr : &snoozes_.front();
}

Bytes TAlarmWatch::Encode() const {
    Bytes out(kHeaderSize + snoozes_.size() * kSnoozeSize + kSumSize, 0);
    std::copy(kMagic, kMagic + 4, out.begin());
    PutU32(&out[4], kVersion);
    PutU32(&out[8], minutes_.Started() ? 1 : 0);
    PutI64(&out[12], minutes_.Started() ? minutes_.LastTested() : 0);
    PutU32(&out[20], uint32_t(snoozes_.size()));
    uint8_t* p = &out[kHeaderSize];
    for (const TSnooze& s : snoozes_) {
        PutI64(p, s.due);
        std::copy(s.alarm.bytes().begin(), s.alarm.bytes().end(), p + 8);
        p += kSnoozeSize;
    }
    PutU32(p, Fnv1a(out.data(), out.size() - kSumSize));
    return out;
}

bool TAlarmWatch::Decode(const uint8_t* data, size_t size) {
    minutes_ = TMinuteTracker();
    snoozes_.clear();
    snoozesChanged_ = false;
    savedMinute_ = -1;
    if (size < kHeaderSize + kSumSize || !std::equal(kMagic, kMagic + 4, data) ||
        GetU32(data + 4) != kVersion || GetU32(data + size - kSumSize) != Fnv1a(data, size - 4))
        return false;
    const uint32_t flags = GetU32(data + 8);
    const int64_t last = GetI64(data + 12);
    const uint32_t count = GetU32(data + 20);
    if (flags > 1 || last < 0 || count > kMaxSnoozes ||
        size != kHeaderSize + size_t(count) * kSnoozeSize + kSumSize)
        return false;
    std::vector<TSnooze> snoozes;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* p = data + kHeaderSize + size_t(i) * kSnoozeSize;
        const int64_t due = GetI64(p);
        if (due < 0 || (!snoozes.empty() && due < snoozes.back().due))
            return false;
        snoozes.push_back({due, TAlarmRecord::FromBytes(p + 8)});
    }
    snoozes_ = std::move(snoozes);
    if (flags & 1) {
        minutes_.ResumeFrom(last);
        savedMinute_ = last;
    }
    return true;
}

bool TAlarmWatch::Load(const std::string& path) {
    Bytes file;
    try {
        if (FileExists(path))
            file = ReadWholeFile(path, kHeaderSize + kMaxSnoozes * kSnoozeSize + kSumSize,
                                 "alarm state file");
    } catch (const std::exception&) {
        file.clear();  // unreadable counts as damaged
    }
    return Decode(file.data(), file.size());
}

void TAlarmWatch::Save(const std::string& path) {
    const Bytes bytes = Encode();
    WriteFileAtomic(path, bytes.data(), bytes.size());
    snoozesChanged_ = false;
    savedMinute_ = minutes_.Started() ? minutes_.LastTested() : -1;
}

}  // namespace core
