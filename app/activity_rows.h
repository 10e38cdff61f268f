#pragma once
// The activity-list text: one activity per line,
//   title<hdbtbby>time<hdsjbby>address<hddzbby>
// Pure logic: no platform header.
#include "net/regex_object.h"

#include <string>
#include <vector>

namespace lumbra {

struct ActivityRecord {
    std::string title;
    std::string time;
    std::string address;
};

// One record per line that holds a title tag, in text order. Each record takes the time and
// the address found on its own line, so a line missing a tag leaves its cells empty instead of
// handing later rows another activity's page. Tags are found ignoring letter case; only the
// lower-case title tag is removed from a title.
std::vector<ActivityRecord> CutActivityRows(RegexObject& regex, const std::string& text);

}  // namespace lumbra
