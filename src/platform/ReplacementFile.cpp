#include "platform/ReplacementFile.h"

#include "platform/ReplacementSteps.h"

#include <cerrno>

namespace tabulex::platform {

ReplacementFile::~ReplacementFile() {
    Discard();
}

bool ReplacementFile::Fail(int code) {
    errorCode_ = code;
    Discard();
    return false;
}

bool ReplacementFile::Open(const std::filesystem::path& target, std::string_view temporaryName) {
    Discard();
    errorCode_ = 0;
    written_ = {};
    target_ = target;
    // Locked while this object lives, so that another run's clean-up never takes it.
    int code = 0;
    stream_ = replacement::CreateTemporary(target, temporaryName, temporaryPath_, code);
    return stream_ != nullptr || Fail(code);
}

bool ReplacementFile::Commit(bool durable) {
    if (stream_ == nullptr) return false;
    // Renamed while still open and so locked: until then it is this run's, never a leftover.
    int code = replacement::FlushAndRename(stream_, durable, temporaryPath_, target_, written_);
    if (code == 0) temporaryPath_.clear();
    if (std::fclose(stream_) != 0 && code == 0) code = errno;
    stream_ = nullptr;
    return code == 0 || Fail(code);
}

void ReplacementFile::Discard() {
    if (stream_ != nullptr) std::fclose(stream_);
    stream_ = nullptr;
    if (!temporaryPath_.empty()) replacement::RemoveTemporary(temporaryPath_);
    temporaryPath_.clear();
}

}  // namespace tabulex::platform
