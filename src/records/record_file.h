#pragma once
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace cv {

// A random-access file of fixed-length records, addressed by 1-based record number.
// A record never written (or the missing tail of a short last record) reads as zero
// bytes. Every write is flushed at once, so a killed program loses nothing written.
class RecordFile {
 public:
  // Told why a file could not be opened or written; once per run of failures.
  using Reporter = std::function<void(const std::string& message)>;

  explicit RecordFile(size_t recordLength) : length_(recordLength) {}

  void SetReporter(Reporter reporter) { reporter_ = std::move(reporter); }
  const Reporter& reporter() const { return reporter_; }

  // Opens for reading and writing, creating the file when `create` is set; a file
  // that exists but cannot be written is opened for reading only (its first write
  // then fails and is reported). False, reported, when it cannot be opened at all.
  bool Open(const std::string& path, bool create);
  // Starts the file empty (a scratch file).
  bool OpenFresh(const std::string& path);
  void Close() { file_.reset(); }
  bool IsOpen() const { return file_ != nullptr; }

  std::vector<uint8_t> Read(int record) const;
  // False, reported, when the file is not open or the write did not reach the disk.
  bool Write(int record, std::span<const uint8_t> bytes);
  // Records in the file, a short last record counted.
  int RecordCount() const;

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  void Report(const std::string& what);

  size_t length_;
  std::string path_;
  std::unique_ptr<std::FILE, Closer> file_;
  Reporter reporter_;
  bool readOnly_ = false;
  bool failing_ = false;
};

}  // namespace cv
