#pragma once
#include <cstdint>
#include <string>
#include <vector>

// An independent account of what each score-file operation must do to the
// bytes of the file. The kill, full-disk and fuzz tests compare the real
// file against it byte for byte, so a lost round, a doubled player or a
// touched stray byte shows up as a difference.
namespace scoremodel {

using Bytes = std::vector<uint8_t>;

enum class Op : uint8_t { Add, Advance, Finish, Quit, Sort, List, Remove };
constexpr int kOpCount = 7;

struct Call {
    Op op = Op::List;
    std::string name; // UTF-8, as the game passes it
    int32_t score = 0;
};

struct Expected {
    Bytes file;          // the file afterwards (when it is still there)
    bool absent = false; // the operation deletes the file
    bool refused = false; // the operation must fail and leave the file as it was
};

const char* opName(Op op);
bool parseOp(const std::string& text, Op& op);

// Builds one 32-byte record from raw name bytes (at most 20) and numbers.
Bytes record(const std::string& nameBytes, int32_t total, int32_t times, int32_t next);

Expected expectedAfter(const Bytes& before, const Call& call);

// Runs the call through ScoreFile on the file at path, which must hold
// `before`, and checks the result and the file against the model. Yields a
// description of the first broken rule, or nothing when all held.
std::string runAndCheck(const std::string& path, const Bytes& before, const Call& call);

Bytes readBytes(const std::string& path);
void writeBytes(const std::string& path, const Bytes& bytes);

} // namespace scoremodel
