#include "cli/console_host.h"

namespace qv {

void ConsoleHost::RecordsDone(int task, long records) {
  if (!showProgress_) return;
  // One line per task, rewritten in place; the next message ends it.
  std::fprintf(out_, "\rzadanie %d: przeczytano rekordów: %ld", task, records);
  std::fflush(out_);
  progressShown_ = true;
}

void ConsoleHost::WriteLine(const std::string& text) {
  if (progressShown_) std::fputc('\n', out_);
  progressShown_ = false;
  std::fwrite(text.data(), 1, text.size(), out_);
  std::fputc('\n', out_);
  std::fflush(out_);
}

}  // namespace qv
