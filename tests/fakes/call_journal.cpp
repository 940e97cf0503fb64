#include "tests/fakes/call_journal.h"

ErrorCode CallJournal::Record(std::string line) {
  const std::size_t index = lines_.size();
  lines_.push_back(std::move(line));
  if (index == failIndex_) return failError_;
  if (!failPrefix_.empty() && !prefixUsed_ && lines_.back().rfind(failPrefix_, 0) == 0) {
    prefixUsed_ = true;
    return failError_;
  }
  return kNoError;
}

void CallJournal::FailCall(std::size_t index, ErrorCode error) {
  failIndex_ = index;
  failError_ = error;
}

void CallJournal::FailFirst(std::string prefix, ErrorCode error) {
  failPrefix_ = std::move(prefix);
  prefixUsed_ = false;
  failError_ = error;
}

std::vector<std::size_t> CallJournal::Find(const std::string& prefix) const {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].rfind(prefix, 0) == 0) found.push_back(i);
  }
  return found;
}
