#pragma once

#include <sigc++/signal.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

// Whether an address belongs in the history: not empty, not the blank page, no `data:` or
// `javascript:` address (the page's content or a script, not a place), valid UTF-8, and free of
// line breaks and NULs, since the history file holds one address per line.
bool IsRecordableUrl(std::string_view url);

// The top-level addresses the user has visited, for completion in the address box.
class UrlHistory {
 public:
  UrlHistory() = default;
  UrlHistory(const UrlHistory&) = delete;
  UrlHistory& operator=(const UrlHistory&) = delete;
  virtual ~UrlHistory() = default;

  // Adds the address, or moves it to the end if known; ignores what IsRecordableUrl refuses.
  virtual void Record(const std::string& url) = 0;
  // Oldest first, each address once, the most recent visit last.
  virtual std::vector<std::string> Entries() const = 0;
  // Forgets the address; false when it is not there.
  virtual bool Remove(const std::string& url) = 0;
  // Forgets every address; false when the stored addresses could not be removed.
  virtual bool Clear() = 0;

  // While a batch is open, removals are kept in memory and stored once the last batch closes:
  // removing many addresses then costs one write.
  virtual void BeginBatch() {}
  virtual void EndBatch() {}

  // Emitted after Record added an address or moved it to the end.
  sigc::signal<void(const std::string&)>& signal_recorded() { return signal_recorded_; }
  // Emitted after Remove forgot an address.
  sigc::signal<void(const std::string&)>& signal_removed() { return signal_removed_; }
  // Emitted after Clear.
  sigc::signal<void()>& signal_cleared() { return signal_cleared_; }

 private:
  sigc::signal<void(const std::string&)> signal_recorded_;
  sigc::signal<void(const std::string&)> signal_removed_;
  sigc::signal<void()> signal_cleared_;
};

// History kept in a text file, one address per line, oldest first. Visits are appended; the
// file is rewritten without duplicates once it holds many more lines or bytes than addresses.
// Lines that are no address (junk, NULs, a cut last line) are skipped and the others kept; the
// newest addresses are kept when the history outgrows its limits.
//
// Several processes may share the file. Every write holds an advisory lock on a file beside it,
// and a rewrite starts from what the file holds at that moment, with this process's removals
// and unstored visits applied: no process loses another's visits, and what one deletes does not
// come back from another's memory.
class FileUrlHistory : public UrlHistory {
 public:
  static constexpr size_t kMaxEntries = 1000;
  // The addresses kept, in bytes: long tracking addresses must not make a file of many megabytes.
  static constexpr size_t kMaxBytes = 2u << 20;

  explicit FileUrlHistory(std::string path);

  // $XDG_DATA_HOME/lumetta/history, as the environment says at the time of the call.
  static std::unique_ptr<FileUrlHistory> ForThisUser();

  void Record(const std::string& url) override;
  std::vector<std::string> Entries() const override;
  bool Remove(const std::string& url) override;
  bool Clear() override;
  void BeginBatch() override { ++batch_depth_; }
  void EndBatch() override;

 private:
  void Load() const;
  // Drops the oldest addresses beyond the limits; true when it dropped any.
  bool Trim() const;
  void Append(const std::string& url);
  // Writes the file anew from what it holds now, with `added` (if any) as the latest visit.
  void Rewrite(const std::string* added);

  std::string path_;
  mutable bool loaded_ = false;
  mutable std::vector<std::string> entries_;
  // Bytes of the addresses with their line ends.
  mutable size_t bytes_ = 0;
  // Lines and bytes in the file as last read or written, to know when it is worth compacting.
  mutable size_t file_lines_ = 0;
  mutable size_t file_bytes_ = 0;
  // The file holds something a further line must not be appended to (junk, a cut last line).
  mutable bool file_needs_rewrite_ = false;
  int batch_depth_ = 0;
  // Removed addresses the file may still hold: a rewrite drops them.
  std::vector<std::string> removed_;
  // Visits that could not be written: a rewrite adds them.
  std::vector<std::string> unstored_;
  // Cleared, but the file could not be removed: a rewrite ignores what it holds.
  bool discard_file_ = false;
};

}  // namespace lumetta
