#ifndef ESPEAKCONVERSIONS_H
#define ESPEAKCONVERSIONS_H

#include <string>
#include <vector>

// The speech engine speaks in SAPI's terms; espeak-ng has scales and
// language names of its own.

// Volume 0 to 100 (out-of-range values are clamped) as espeak-ng's amplitude,
// on which 100 is the normal full volume.
int espeakVolume(int volume);

// Rate -10 to 10 (clamped) as espeak-ng words per minute, every step a
// different speed: 0 is espeak-ng's normal 175, and the steps go evenly, on
// a ratio scale, down to its slowest 80 at -10 and up to 440 at 10. espeak-ng
// takes up to 450, but from 450 on it speeds up by another method that
// starts slower than 440.
int espeakRate(int rate);

// The espeak-ng language names, best first, that satisfy required attributes
// such as "language=804"; empty when the attributes ask for anything this
// mapping does not know, so that no voice matches.
std::vector<std::string> espeakLanguagesFor(const std::string &requiredAttributes);

// One entry of an espeak-ng voice's language list: the language's name and
// how much the voice is preferred for it, a lower number more.
struct EspeakLanguage
{
    int priority;
    std::string name;

    bool operator==(const EspeakLanguage &other) const
    {
        return priority == other.priority && name == other.name;
    }
};

// espeak-ng's list of languages, a run of entries each a priority byte and a
// NUL-terminated name, ended by a zero priority byte; the first entry is the
// voice's own language.
std::vector<EspeakLanguage> espeakLanguageList(const char *languages);

// For every voice, given its language list: whether it is the voice espeak-ng
// prefers for its own language, that is, no voice lists that language with a
// lower priority number and none listed earlier with the same.
std::vector<bool> espeakPreferredVoices(const std::vector<std::vector<EspeakLanguage>> &voiceLanguages);

#endif // ESPEAKCONVERSIONS_H
