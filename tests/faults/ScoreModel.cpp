#include "tests/faults/ScoreModel.h"

#include "players/Cp1252.h"
#include "players/ScoreFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <numeric>
#include <optional>
#include <unistd.h>

namespace scoremodel {
namespace {

constexpr std::size_t kRec = 32;
constexpr std::size_t kName = 20;

int32_t getLe(const Bytes& b, std::size_t at)
{
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= uint32_t(b[at + i]) << (8 * i);
    return int32_t(u);
}

void putLe(Bytes& b, std::size_t at, int32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = uint8_t(uint32_t(v) >> (8 * i));
}

std::string trimmedName(const Bytes& b, std::size_t rec)
{
    std::size_t len = kName;
    while (len > 0 && b[rec * kRec + len - 1] == ' ')
        --len;
    return std::string(b.begin() + long(rec * kRec), b.begin() + long(rec * kRec + len));
}

// Record positions whose stored name is the call's name; none when the name
// has no stored form at all.
std::vector<std::size_t> matches(const Bytes& b, const std::string& name)
{
    std::vector<std::size_t> out;
    const auto stored = cp1252::fromUtf8(name);
    if (!stored)
        return out;
    for (std::size_t i = 0; i < b.size() / kRec; ++i)
        if (trimmedName(b, i) == *stored)
            out.push_back(i);
    return out;
}

bool storable(const std::string& name)
{
    const auto stored = cp1252::fromUtf8(name);
    return stored && !stored->empty() && stored->size() <= kName && stored->back() != ' ';
}

int32_t nextOf(int32_t stored)
{
    const int32_t current = (stored < 1 || stored > kPuzzleCount) ? 1 : stored;
    return current == kPuzzleCount ? 1 : current + 1;
}

float averageOf(const Bytes& b, std::size_t rec)
{
    const int32_t total = getLe(b, rec * kRec + 20);
    const int32_t times = getLe(b, rec * kRec + 24);
    return times == 0 ? 0.0f : float(double(total) / double(times));
}

Bytes sorted(const Bytes& b)
{
    const std::size_t n = b.size() / kRec;
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t x, std::size_t y) { return averageOf(b, x) > averageOf(b, y); });
    Bytes out;
    for (std::size_t i : order)
        out.insert(out.end(), b.begin() + long(i * kRec), b.begin() + long((i + 1) * kRec));
    out.insert(out.end(), b.begin() + long(n * kRec), b.end());
    return out;
}

std::string describe(const Call& call)
{
    return std::string(opName(call.op)) + " \"" + call.name + "\" score " + std::to_string(call.score);
}

// Names the first record (or the tail) that differs, which is what a reader
// of a failure needs to see.
std::string firstDifference(const Bytes& want, const Bytes& got)
{
    if (want.size() != got.size())
        return "length " + std::to_string(got.size()) + ", expected " + std::to_string(want.size());
    for (std::size_t i = 0; i < want.size(); ++i)
        if (want[i] != got[i])
            return i / kRec < want.size() / kRec
                       ? "record " + std::to_string(i / kRec + 1) + " differs at byte " + std::to_string(i % kRec)
                       : "the partial record at the end differs";
    return {};
}

} // namespace

const char* opName(Op op)
{
    static const char* const names[] = {"add", "advance", "finish", "quit", "sort", "list", "remove"};
    return names[int(op)];
}

bool parseOp(const std::string& text, Op& op)
{
    for (int i = 0; i < kOpCount; ++i)
        if (text == opName(Op(i))) {
            op = Op(i);
            return true;
        }
    return false;
}

Bytes record(const std::string& nameBytes, int32_t total, int32_t times, int32_t next)
{
    Bytes b(kRec, ' ');
    std::copy_n(nameBytes.begin(), std::min(nameBytes.size(), kName), b.begin());
    putLe(b, 20, total);
    putLe(b, 24, times);
    putLe(b, 28, next);
    return b;
}

Expected expectedAfter(const Bytes& before, const Call& call)
{
    Expected out{before, false, false};
    const auto found = matches(before, call.name);
    const std::size_t n = before.size() / kRec;
    switch (call.op) {
    case Op::Add:
        if (!storable(call.name)) {
            out.refused = true;
        } else if (found.empty()) {
            // The new player goes over any stray bytes after the last whole record.
            out.file.resize(n * kRec);
            const Bytes fresh = record(*cp1252::fromUtf8(call.name), 0, 0, 1);
            out.file.insert(out.file.end(), fresh.begin(), fresh.end());
        }
        break;
    case Op::Advance:
        for (std::size_t i : found)
            putLe(out.file, i * kRec + 28, nextOf(getLe(before, i * kRec + 28)));
        break;
    case Op::Finish:
    case Op::Quit:
        if (!found.empty()) {
            const std::size_t at = found.front() * kRec;
            const int32_t score = call.op == Op::Finish ? call.score : 0;
            putLe(out.file, at + 20, int32_t(uint32_t(getLe(before, at + 20)) + uint32_t(score)));
            putLe(out.file, at + 24, int32_t(uint32_t(getLe(before, at + 24)) + 1u));
        }
        break;
    case Op::Sort: out.file = sorted(before); break;
    case Op::List: break;
    case Op::Remove:
        out.file.clear();
        out.absent = true;
        break;
    }
    return out;
}

namespace {

std::string checkResult(const Bytes& before, const Call& call, const Expected& want,
                        ScoreFile& file)
{
    const auto found = matches(before, call.name);
    std::string error;
    switch (call.op) {
    case Op::Add: {
        const auto r = file.findOrAdd(call.name);
        error = r.error;
        if (r.ok() && !found.empty()) {
            const std::size_t at = found.front() * kRec;
            if (r.value->TotalScore != getLe(before, at + 20) || r.value->TimesPlayed != getLe(before, at + 24)
                || r.value->NextPuzzle < 1 || r.value->NextPuzzle > kPuzzleCount)
                return "add yielded numbers that are not the stored player's";
        }
        break;
    }
    case Op::Advance: error = file.advance(call.name).error; break;
    case Op::Finish:
    case Op::Quit: {
        if (call.op == Op::Quit) {
            error = file.recordQuitRound(call.name).error;
            break;
        }
        const auto r = file.recordFinishedRound(call.name, call.score);
        error = r.error;
        if (r.ok() && r.value->has_value() == found.empty())
            return "finish yielded an average for a missing player or none for a present one";
        break;
    }
    case Op::Sort: error = file.sortByAverage().error; break;
    case Op::List: {
        const auto r = file.listRecords();
        error = r.error;
        if (r.ok() && r.value->size() != before.size() / kRec)
            return "list yielded " + std::to_string(r.value->size()) + " records of "
                   + std::to_string(before.size() / kRec);
        if (r.ok())
            for (std::size_t i = 0; i < r.value->size(); ++i)
                if ((*r.value)[i].TimesPlayed != getLe(before, i * kRec + 24))
                    return "list yielded wrong numbers for record " + std::to_string(i + 1);
        break;
    }
    case Op::Remove: error = file.remove().error; break;
    }
    if (want.refused && error.empty())
        return "the operation was not refused";
    if (!want.refused && !error.empty())
        return "the operation failed: " + error;
    if (!error.empty() && error.find(file.path()) == std::string::npos)
        return "the error does not name the file: " + error;
    return {};
}

} // namespace

std::string runAndCheck(const std::string& path, const Bytes& before, const Call& call)
{
    const Expected want = expectedAfter(before, call);
    ScoreFile file(path);
    std::string problem = checkResult(before, call, want, file);
    if (problem.empty()) {
        const bool present = ::access(path.c_str(), F_OK) == 0;
        if (present == want.absent)
            problem = present ? "the file was not deleted" : "the file disappeared";
        else if (present)
            problem = firstDifference(want.file, readBytes(path));
    }
    return problem.empty() ? problem : describe(call) + ": " + problem;
}

Bytes readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

} // namespace scoremodel
