#include "speech/pinyintable.h"

#include "speech/pinyintabledata.h"

#include <algorithm>

namespace PinyinTable {

const char *reading(char32_t character)
{
    using PinyinTableData::ReadingRun;
    const ReadingRun *end = PinyinTableData::kRuns + PinyinTableData::kRunCount;
    // The last run that starts at or before the character.
    const ReadingRun *run = std::upper_bound(PinyinTableData::kRuns, end, character,
                                             [](char32_t c, const ReadingRun &r) { return c < r.first; });
    if (run == PinyinTableData::kRuns)
        return nullptr;
    --run;
    if (character - run->first >= run->count)
        return nullptr;
    const unsigned number = PinyinTableData::kReadings[run->offset + (character - run->first)];
    if (number == 0 || number > PinyinTableData::kSyllableCount)
        return nullptr;
    return PinyinTableData::kSyllables[number - 1];
}

bool isIdeograph(char32_t character)
{
    const PinyinTableData::IdeographBlock *blocks = PinyinTableData::kIdeographBlocks;
    return std::any_of(blocks, blocks + PinyinTableData::kIdeographBlockCount,
                       [character](const PinyinTableData::IdeographBlock &b) {
                           return character >= b.first && character <= b.last;
                       });
}

}
