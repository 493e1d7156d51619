// The loop of every task over one input file: read a line, split it, and hand
// each data record (the record test with the file's minimum field count) to
// the task, counting the lines for the host's progress.  Written once; the
// input files differ only in the minimum field count and in what the task does
// with a record.
#pragma once

#include <string_view>
#include <type_traits>

#include "compute/line_reader.h"
#include "compute/record.h"
#include "compute/task_context.h"

namespace qv {

// `onRecord(line, fields)` processes one data record.  When it returns bool,
// false ends the loop at once (the fatal stops of task 4).  Returns false when
// the loop was ended that way.
template <typename OnRecord>
bool RecordLoop(LineReader& input, int minimumFields, RecordCounter& counter, OnRecord&& onRecord) {
  FieldList fields;
  std::string_view line;
  while (input.Next(line)) {
    counter.Count();
    if (!IsDataRecord(fields, SplitRecord(line, fields), minimumFields)) continue;
    if constexpr (std::is_same_v<decltype(onRecord(line, fields)), bool>) {
      if (!onRecord(line, fields)) return false;
    } else {
      onRecord(line, fields);
    }
  }
  return true;
}

}  // namespace qv
