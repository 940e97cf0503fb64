#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "spooler/spooler.h"

// The calls a fake saw, in order, as readable lines. A test can make one
// call fail: the Nth call recorded, or the first call whose line starts
// with a given text.
class CallJournal {
 public:
  // Records `line` and returns the error planned for this call.
  ErrorCode Record(std::string line);

  void FailCall(std::size_t index, ErrorCode error);
  void FailFirst(std::string prefix, ErrorCode error);

  const std::vector<std::string>& lines() const { return lines_; }
  // Indexes of the lines that start with `prefix`.
  std::vector<std::size_t> Find(const std::string& prefix) const;

 private:
  std::vector<std::string> lines_;
  std::size_t failIndex_ = static_cast<std::size_t>(-1);
  std::string failPrefix_;
  bool prefixUsed_ = false;
  ErrorCode failError_ = kNoError;
};
