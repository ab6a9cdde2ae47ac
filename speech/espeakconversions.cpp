#include "speech/espeakconversions.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {
const int kNormalWordsPerMinute = 175;
const int kSlowestWordsPerMinute = 80;
const int kFastestWordsPerMinute = 440;

struct LanguageNames
{
    unsigned languageId;
    std::vector<std::string> names;
};

// Windows language identifiers the program asks for, with the espeak-ng
// languages that speak them.
const LanguageNames kLanguages[] = {
    {0x0804, {"cmn", "zh"}}, // Chinese (PRC): Mandarin
};

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool parseHex(const std::string &text, unsigned &value)
{
    if (text.empty() || text.size() > 4
        || !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c) != 0; }))
        return false;
    value = static_cast<unsigned>(std::stoul(text, nullptr, 16));
    return true;
}
}

int espeakVolume(int volume)
{
    return std::clamp(volume, 0, 100);
}

int espeakRate(int rate)
{
    const int step = std::clamp(rate, -10, 10);
    const double end = step < 0 ? kSlowestWordsPerMinute : kFastestWordsPerMinute;
    const double factor = std::pow(end / kNormalWordsPerMinute, std::abs(step) / 10.0);
    return static_cast<int>(std::lround(kNormalWordsPerMinute * factor));
}

std::vector<std::string> espeakLanguagesFor(const std::string &requiredAttributes)
{
    std::vector<std::string> names;
    bool languageGiven = false;
    std::size_t start = 0;
    while (start <= requiredAttributes.size()) {
        const std::size_t end = std::min(requiredAttributes.find(';', start), requiredAttributes.size());
        const std::string attribute = requiredAttributes.substr(start, end - start);
        start = end + 1;
        if (attribute.empty())
            continue;
        const std::size_t equals = attribute.find('=');
        unsigned languageId = 0;
        if (equals == std::string::npos || lowerCase(attribute.substr(0, equals)) != "language"
            || languageGiven || !parseHex(attribute.substr(equals + 1), languageId))
            return {};
        languageGiven = true;
        const auto known = std::find_if(std::begin(kLanguages), std::end(kLanguages),
                                        [languageId](const LanguageNames &l) { return l.languageId == languageId; });
        if (known == std::end(kLanguages))
            return {};
        names = known->names;
    }
    return names;
}

std::vector<EspeakLanguage> espeakLanguageList(const char *languages)
{
    std::vector<EspeakLanguage> list;
    if (!languages)
        return list;
    while (*languages) {
        const int priority = static_cast<unsigned char>(*languages++);
        const std::string name(languages);
        languages += name.size() + 1;
        list.push_back({priority, name});
    }
    return list;
}

std::vector<bool> espeakPreferredVoices(const std::vector<std::vector<EspeakLanguage>> &voiceLanguages)
{
    std::vector<bool> preferred;
    preferred.reserve(voiceLanguages.size());
    for (std::size_t voice = 0; voice < voiceLanguages.size(); ++voice) {
        if (voiceLanguages[voice].empty()) {
            preferred.push_back(false);
            continue;
        }
        const EspeakLanguage &own = voiceLanguages[voice].front();
        bool best = true;
        for (std::size_t other = 0; other < voiceLanguages.size() && best; ++other) {
            for (const EspeakLanguage &language : voiceLanguages[other]) {
                if (language.name == own.name
                    && (language.priority < own.priority || (language.priority == own.priority && other < voice)))
                    best = false;
            }
        }
        preferred.push_back(best);
    }
    return preferred;
}
