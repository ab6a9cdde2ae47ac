#ifndef PINYINTABLEDATA_H
#define PINYINTABLEDATA_H

#include <cstddef>
#include <cstdint>

// The table that the build generates from the Unihan database
// (scripts/generate-pinyin-table.py); only PinyinTable reads it.
namespace PinyinTableData {

// Neighbouring code points from first on, with their syllable numbers at
// kReadings[offset] onwards.
struct ReadingRun
{
    char32_t first;
    std::uint32_t count;
    std::uint32_t offset;
};

struct IdeographBlock
{
    char32_t first;
    char32_t last;
};

// Pinyin with tone numbers, in ascending order; syllable number n is
// kSyllables[n - 1], and 0 stands for no reading.
extern const char *const kSyllables[];
extern const std::size_t kSyllableCount;
extern const std::uint16_t kReadings[];
// In ascending order of first code point, none overlapping.
extern const ReadingRun kRuns[];
extern const std::size_t kRunCount;
extern const IdeographBlock kIdeographBlocks[];
extern const std::size_t kIdeographBlockCount;

}

#endif // PINYINTABLEDATA_H
