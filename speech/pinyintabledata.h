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

struct CharacterVariant
{
    char32_t character;
    char32_t variant;
};

struct SurnameReading
{
    const char32_t *surname;
    const char32_t *mandarin;
    const char32_t *cantonese;
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
// Ideographs without a reading, in ascending order, with the variant read
// in their place.
extern const CharacterVariant kVariants[];
extern const std::size_t kVariantCount;
// Compound surnames before the one-character ones.
extern const SurnameReading kSurnames[];
extern const std::size_t kSurnameCount;
}

#endif // PINYINTABLEDATA_H
