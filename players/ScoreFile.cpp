#include "players/ScoreFile.h"

#include "players/AverageOrder.h"
#include "players/Cp1252.h"
#include "players/LockedFile.h"

#include <algorithm>
#include <cstring>
#include <unistd.h>

namespace {

using Bytes = std::vector<uint8_t>;

template <class T>
ScoreResult<T> failed(std::string error)
{
    return ScoreResult<T>{std::nullopt, std::move(error)};
}

template <class T>
ScoreResult<T> succeeded(T value)
{
    return ScoreResult<T>{std::move(value), {}};
}

std::size_t recordCount(const Bytes& file) { return file.size() / kPlayerRecordSize; }

std::span<const uint8_t, kPlayerRecordSize> recordAt(const Bytes& file, std::size_t i)
{
    return std::span<const uint8_t, kPlayerRecordSize>(file.data() + i * kPlayerRecordSize,
                                                        kPlayerRecordSize);
}

// Compares the stored name, trailing blanks dropped, with the name in its
// stored encoding; no decoding needed, which keeps a long file quick.
bool nameMatches(std::span<const uint8_t, kPlayerRecordSize> rec, const std::string& name)
{
    std::size_t len = kPlayerNameSize;
    while (len > 0 && rec[len - 1] == ' ')
        --len;
    return len == name.size() && std::memcmp(rec.data(), name.data(), len) == 0;
}

int32_t wrappingAdd(int32_t a, int32_t b)
{
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

// Opens, locks and reads the whole file. False with an empty error when the
// file is absent and was not to be created.
bool load(LockedFile& file, LockedFile::Access access, Bytes& bytes, std::string& error)
{
    if (!file.open(access) || !file.readAll(bytes)) {
        error = file.error();
        return false;
    }
    return true;
}

bool writeRecord(LockedFile& file, std::size_t index, const PlayerRecord& rec)
{
    const PlayerBytes bytes = encodePlayerRecord(rec);
    return file.writeAt(static_cast<off_t>(index * kPlayerRecordSize), bytes);
}

// Only the numbers change on an update; the stored name bytes are written
// back exactly as they were read.
void putNumbers(PlayerBytes& raw, const PlayerRecord& rec)
{
    const PlayerBytes updated = encodePlayerRecord(rec);
    std::copy(updated.begin() + kPlayerNameSize, updated.end(), raw.begin() + kPlayerNameSize);
}

// A copy of record i with its numbers changed; the stored name bytes are
// kept exactly as they are.
template <class Change>
PlayerBytes changedRecord(const Bytes& file, std::size_t i, Change change)
{
    PlayerBytes raw;
    std::copy_n(recordAt(file, i).begin(), kPlayerRecordSize, raw.begin());
    PlayerRecord rec = decodePlayerRecord(raw);
    change(rec);
    putNumbers(raw, rec);
    return raw;
}

std::string nameProblem(const std::string& name, const std::string& path)
{
    if (name.empty())
        return "A player needs a name before it can be kept in " + path + ".";
    const auto stored = cp1252::fromUtf8(name);
    if (!stored)
        return "The name \"" + name + "\" has a character that cannot be kept in " + path + ".";
    // Stored names are padded with blanks, so a trailing blank would be lost
    // and the player never found again: every round would go unrecorded.
    if (stored->back() == ' ')
        return "The name \"" + name + "\" ends in a blank, which " + path + " cannot keep.";
    if (stored->size() > kPlayerNameSize)
        return "The name \"" + name + "\" is longer than " + std::to_string(kPlayerNameSize)
               + " characters, the most " + path + " can keep.";
    return {};
}

} // namespace

ScoreFile::ScoreFile(std::string path) : m_path(std::move(path)) {}

ScoreResult<std::vector<std::string>> ScoreFile::listNames() const
{
    auto records = listRecords();
    if (!records.ok())
        return failed<std::vector<std::string>>(records.error);
    std::vector<std::string> names;
    names.reserve(records.value->size());
    for (auto& rec : *records.value)
        names.push_back(std::move(rec.Name));
    return succeeded(std::move(names));
}

ScoreResult<std::vector<PlayerRecord>> ScoreFile::listRecords() const
{
    LockedFile file(m_path);
    Bytes bytes;
    std::string error;
    if (!load(file, LockedFile::Access::Read, bytes, error)) {
        if (!error.empty())
            return failed<std::vector<PlayerRecord>>(error);
        return succeeded(std::vector<PlayerRecord>{});
    }
    std::vector<PlayerRecord> records;
    records.reserve(recordCount(bytes));
    for (std::size_t i = 0; i < recordCount(bytes); ++i)
        records.push_back(decodePlayerRecord(recordAt(bytes, i)));
    return succeeded(std::move(records));
}

ScoreResult<PlayerRecord> ScoreFile::findOrAdd(const std::string& name)
{
    if (auto problem = nameProblem(name, m_path); !problem.empty())
        return failed<PlayerRecord>(problem);
    const std::string stored = *cp1252::fromUtf8(name);

    LockedFile file(m_path);
    Bytes bytes;
    std::string error;
    if (!load(file, LockedFile::Access::Create, bytes, error))
        return failed<PlayerRecord>(error);
    const std::size_t n = recordCount(bytes);
    for (std::size_t i = 0; i < n; ++i) {
        if (nameMatches(recordAt(bytes, i), stored)) {
            PlayerRecord rec = decodePlayerRecord(recordAt(bytes, i));
            rec.NextPuzzle = effectiveNextPuzzle(rec.NextPuzzle);
            return succeeded(std::move(rec));
        }
    }
    // A new player goes right after the last whole record, over any stray
    // bytes of a partial one.
    PlayerRecord rec;
    rec.Name = name;
    if (!writeRecord(file, n, rec))
        return failed<PlayerRecord>(file.error());
    return succeeded(std::move(rec));
}

ScoreResult<Done> ScoreFile::advance(const std::string& name)
{
    const auto stored = cp1252::fromUtf8(name);
    if (!stored)
        return succeeded(Done{}); // such a name was never stored
    LockedFile file(m_path);
    Bytes bytes;
    std::string error;
    if (!load(file, LockedFile::Access::Create, bytes, error))
        return failed<Done>(error);
    std::vector<std::size_t> matches;
    Bytes changed = bytes;
    for (std::size_t i = 0; i < recordCount(bytes); ++i) {
        if (!nameMatches(recordAt(bytes, i), *stored))
            continue;
        const PlayerBytes raw = changedRecord(bytes, i, [](PlayerRecord& rec) {
            rec.NextPuzzle = advancedPuzzle(rec.NextPuzzle);
        });
        std::copy(raw.begin(), raw.end(), changed.begin() + std::ptrdiff_t(i * kPlayerRecordSize));
        matches.push_back(i);
    }
    if (matches.empty())
        return succeeded(Done{});
    // One record is one small write in place. Several records of the same
    // name (an old file may hold them) must move on together, so then the
    // whole file is replaced at once rather than record by record.
    const bool written = matches.size() == 1
        ? file.writeAt(static_cast<off_t>(matches[0] * kPlayerRecordSize),
                       std::span<const uint8_t>(changed).subspan(matches[0] * kPlayerRecordSize,
                                                                kPlayerRecordSize))
        : file.replaceWith(changed);
    if (!written)
        return failed<Done>(file.error());
    return succeeded(Done{});
}

ScoreResult<std::optional<double>> ScoreFile::recordFinishedRound(const std::string& name,
                                                                  int32_t score)
{
    const auto stored = cp1252::fromUtf8(name);
    LockedFile file(m_path);
    Bytes bytes;
    std::string error;
    // The file is opened (and so created) even for a name it cannot hold,
    // the same as for any other name that has no record.
    if (!load(file, LockedFile::Access::Create, bytes, error))
        return failed<std::optional<double>>(error);
    if (!stored)
        return succeeded(std::optional<double>{});
    for (std::size_t i = 0; i < recordCount(bytes); ++i) {
        if (!nameMatches(recordAt(bytes, i), *stored))
            continue;
        PlayerRecord rec;
        const PlayerBytes raw = changedRecord(bytes, i, [&](PlayerRecord& counted) {
            counted.TimesPlayed = wrappingAdd(counted.TimesPlayed, 1);
            counted.TotalScore = wrappingAdd(counted.TotalScore, score);
            rec = counted;
        });
        if (!file.writeAt(static_cast<off_t>(i * kPlayerRecordSize), raw))
            return failed<std::optional<double>>(file.error());
        return succeeded(std::optional<double>(playerAverage(rec)));
    }
    return succeeded(std::optional<double>{});
}

ScoreResult<Done> ScoreFile::recordQuitRound(const std::string& name)
{
    const auto result = recordFinishedRound(name, 0);
    if (!result.ok())
        return failed<Done>(result.error);
    return succeeded(Done{});
}

ScoreResult<Done> ScoreFile::sortByAverage()
{
    LockedFile file(m_path);
    Bytes bytes;
    std::string error;
    if (!load(file, LockedFile::Access::Update, bytes, error))
        return error.empty() ? succeeded(Done{}) : failed<Done>(error);

    const std::size_t n = recordCount(bytes);
    std::vector<PlayerRecord> records;
    records.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        records.push_back(decodePlayerRecord(recordAt(bytes, i)));
    const auto order = averageOrder(records);
    bool moved = false;
    for (std::size_t i = 0; i < n && !moved; ++i)
        moved = order[i] != i;
    if (!moved)
        return succeeded(Done{}); // already in order: nothing to write

    // Whole records move as they are stored; stray bytes of a partial last
    // record stay at the end.
    Bytes sorted;
    sorted.reserve(bytes.size());
    for (std::size_t i : order) {
        const auto rec = recordAt(bytes, i);
        sorted.insert(sorted.end(), rec.begin(), rec.end());
    }
    sorted.insert(sorted.end(), bytes.begin() + n * kPlayerRecordSize, bytes.end());
    if (!file.replaceWith(sorted))
        return failed<Done>(file.error());
    return succeeded(Done{});
}

ScoreResult<Done> ScoreFile::remove()
{
    LockedFile file(m_path);
    if (!file.open(LockedFile::Access::Exclusive))
        return file.absent() ? succeeded(Done{}) : failed<Done>(file.error());
    if (!file.unlinkFile())
        return failed<Done>(file.error());
    return succeeded(Done{});
}

std::string ScoreFile::advancePuzzle(const std::string& name) { return advance(name).error; }

ScoreStore::Counted ScoreFile::countRound(const std::string& name, int32_t score)
{
    auto counted = recordFinishedRound(name, score);
    if (!counted.ok())
        return {counted.error, std::nullopt};
    return {{}, *counted.value};
}
