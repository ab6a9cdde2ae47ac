#ifndef VOICELANGUAGE_H
#define VOICELANGUAGE_H

#include <QString>

// Which voices can read which texts, by the language a voice's token names:
// hexadecimal language identifiers for SAPI ("804", "409;9"), language tags
// for espeak-ng ("cmn", "yue", "en-us").
namespace VoiceLanguage {

// Whether the voice reads Chinese characters: Mandarin or Cantonese.
bool readsChinese(const QString &language);

// Whether the text holds Han characters.
bool hasHanCharacters(const QString &text);

// Whether a voice of the language can read the text: any voice reads digits
// and Latin letters, only a Chinese one Han characters.
bool canRead(const QString &language, const QString &text);

}

#endif // VOICELANGUAGE_H
