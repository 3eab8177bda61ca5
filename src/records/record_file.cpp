#include "record_file.h"

#include <cerrno>
#include <cstring>

namespace cv {
namespace {

std::string Reason() { return errno ? std::strerror(errno) : "unknown error"; }

}  // namespace

void RecordFile::Report(const std::string& what) {
  if (failing_) return;
  failing_ = true;
  if (reporter_) reporter_(what);
}

bool RecordFile::Open(const std::string& path, bool create) {
  Close();
  path_ = path;
  errno = 0;
  file_.reset(std::fopen(path.c_str(), "r+b"));
  readOnly_ = false;
  if (!file_ && errno != ENOENT) {
    file_.reset(std::fopen(path.c_str(), "rb"));
    readOnly_ = file_ != nullptr;
  }
  if (!file_ && create) file_.reset(std::fopen(path.c_str(), "w+b"));
  if (!file_) {
    Report("Corvalle cannot open the file\r\n" + path + "\r\n(" + Reason() + ").");
    return false;
  }
  failing_ = false;
  return true;
}

bool RecordFile::OpenFresh(const std::string& path) {
  Close();
  path_ = path;
  errno = 0;
  readOnly_ = false;
  file_.reset(std::fopen(path.c_str(), "w+b"));
  if (!file_) {
    Report("Corvalle cannot create the file\r\n" + path + "\r\n(" + Reason() + ").");
    return false;
  }
  failing_ = false;
  return true;
}

std::vector<uint8_t> RecordFile::Read(int record) const {
  std::vector<uint8_t> bytes(length_, 0);
  if (!file_ || record < 1) return bytes;
  const auto offset = static_cast<long>((record - 1) * static_cast<long>(length_));
  if (std::fseek(file_.get(), offset, SEEK_SET) != 0) return bytes;
  const size_t got = std::fread(bytes.data(), 1, length_, file_.get());
  std::fill(bytes.begin() + static_cast<long>(got), bytes.end(), 0);
  std::clearerr(file_.get());
  return bytes;
}

bool RecordFile::Write(int record, std::span<const uint8_t> bytes) {
  if (!file_) {
    Report("Corvalle cannot write to the file\r\n" + path_ + "\r\nbecause it could not be opened.");
    return false;
  }
  if (readOnly_) {
    Report("Corvalle cannot write to the file\r\n" + path_ + "\r\nbecause it can only be read (check its permissions).");
    return false;
  }
  if (record < 1 || bytes.size() != length_) return false;
  errno = 0;
  const auto offset = static_cast<long>((record - 1) * static_cast<long>(length_));
  const bool ok = std::fseek(file_.get(), offset, SEEK_SET) == 0 &&
                  std::fwrite(bytes.data(), 1, length_, file_.get()) == length_ && std::fflush(file_.get()) == 0;
  if (!ok) {
    std::clearerr(file_.get());
    Report("Corvalle cannot write to the file\r\n" + path_ + "\r\n(" + Reason() + ").");
    return false;
  }
  failing_ = false;
  return true;
}

int RecordFile::RecordCount() const {
  if (!file_ || std::fseek(file_.get(), 0, SEEK_END) != 0) return 0;
  const long size = std::ftell(file_.get());
  return size <= 0 ? 0 : static_cast<int>((size + static_cast<long>(length_) - 1) / static_cast<long>(length_));
}

}  // namespace cv
