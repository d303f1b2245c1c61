#pragma once

#include "page/Arrangement.h"
#include "records/StoredSetting.h"

namespace brevmark {

// `列印排列`: the four arrangement boxes as typed, joined by single spaces. A stored value is used
// only when it splits into exactly four parts, each turned into its number and back into text.
const StoredSetting<ArrangementSettings>& arrangementSetting();

} // namespace brevmark
