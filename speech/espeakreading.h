#ifndef ESPEAKREADING_H
#define ESPEAKREADING_H

#include <string>

// What espeak-ng is handed to read a text aloud, for the voice in use.

enum class ChineseReading { None, Mandarin, Cantonese };

struct EspeakReading
{
    ChineseReading chinese = ChineseReading::None;
    bool digitByDigit = true;
};

// The reading a voice of an espeak-ng language ("cmn", "yue-latn-jyutping")
// needs.
ChineseReading chineseReadingFor(const std::string &language);

// The text as espeak-ng gets it (UTF-8 in and out). Digit by digit, every run
// of digits is read one digit at a time. Otherwise the Chinese voices get
// numbers written out in characters (espeak-ng on its own leaves out the
// inner zeros: 1001 comes out as 一千一), other voices read them as they
// do. Mandarin goes out as pinyin with tone numbers, for espeak-ng's pinyin
// voice, because its Mandarin voice reads characters through English. A Han
// character without a reading of its own is read as its first variant with
// one in Unihan, and left out when it has none.
std::string espeakReadingText(const std::string &text, const EspeakReading &reading);

// A student's name as a voice with the reading is to get it, before
// espeakReadingText: the surname, the first character or a compound one,
// written in characters that read as the surname does; a character without a
// reading written as its variant. Empty when the voice cannot read the name:
// a voice that reads no Chinese given Han characters, or a character without
// a reading or a variant with one.
std::string espeakNameText(const std::string &name, ChineseReading reading);

#endif // ESPEAKREADING_H
