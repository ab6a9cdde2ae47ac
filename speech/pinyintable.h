#ifndef PINYINTABLE_H
#define PINYINTABLE_H

// The customary Mandarin reading of Han characters, as the Unicode Unihan
// database gives it (kMandarin), for voices that read pinyin but not
// characters. It reads characters one at a time: a character with several
// readings, a surname among them, always gets its customary one.
namespace PinyinTable {

// Pinyin with a tone number ("zhang1", "lv3", neutral "de5"), or null when
// the database gives the character no Mandarin reading.
const char *reading(char32_t character);

// Whether the character lies in one of the blocks of Han ideographs.
bool isIdeograph(char32_t character);

}

#endif // PINYINTABLE_H
