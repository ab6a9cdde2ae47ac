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
// voice, because its Mandarin voice reads characters through English; a Han
// character without a Mandarin reading is left out.
std::string espeakReadingText(const std::string &text, const EspeakReading &reading);

#endif // ESPEAKREADING_H
