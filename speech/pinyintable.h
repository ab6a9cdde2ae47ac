#ifndef PINYINTABLE_H
#define PINYINTABLE_H

#include <string>
#include <vector>

// The customary Mandarin reading of Han characters, as the Unicode Unihan
// database gives it (kMandarin), for voices that read pinyin but not
// characters. It reads characters one at a time: a character with several
// readings always gets its customary one, but for a name's surname, which
// surnameAt gives.
namespace PinyinTable {

// A surname and the characters that read it right, in Mandarin through this
// table and in Cantonese through espeak-ng's Cantonese voice; as many of
// either as the surname has.
struct Surname
{
    std::u32string surname;
    std::u32string mandarin;
    std::u32string cantonese;
};

// Pinyin with a tone number ("zhang1", "lv3", neutral "de5"), or null when
// the database gives the character no Mandarin reading.
const char *reading(char32_t character);

// Whether the character lies in one of the blocks of Han ideographs.
bool isIdeograph(char32_t character);

// The character read in the character's place: itself when it has a reading
// or is no ideograph, else its first variant with a reading in Unihan, else
// 0.
char32_t readableForm(char32_t character);

// The surname that the name begins with, if it is one read apart from its
// everyday reading: the longest that matches.
const Surname *surnameAt(const std::u32string &name);

// Every surname read apart, longest first.
const std::vector<Surname> &surnames();
}

#endif // PINYINTABLE_H
