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

char32_t readableForm(char32_t character)
{
    if (!isIdeograph(character) || reading(character))
        return character;
    const PinyinTableData::CharacterVariant *begin = PinyinTableData::kVariants;
    const PinyinTableData::CharacterVariant *end = begin + PinyinTableData::kVariantCount;
    const PinyinTableData::CharacterVariant *found = std::lower_bound(
        begin, end, character, [](const PinyinTableData::CharacterVariant &v, char32_t c) { return v.character < c; });
    return found != end && found->character == character ? found->variant : 0;
}

const std::vector<Surname> &surnames()
{
    static const std::vector<Surname> table = [] {
        std::vector<Surname> all;
        for (std::size_t i = 0; i < PinyinTableData::kSurnameCount; ++i) {
            const PinyinTableData::SurnameReading &entry = PinyinTableData::kSurnames[i];
            all.push_back({entry.surname, entry.mandarin, entry.cantonese});
        }
        return all;
    }();
    return table;
}

const Surname *surnameAt(const std::u32string &name)
{
    for (const Surname &surname : surnames()) {
        if (name.compare(0, surname.surname.size(), surname.surname) == 0)
            return &surname;
    }
    return nullptr;
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
