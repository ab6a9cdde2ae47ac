#include "speech/digitreading.h"

namespace {
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
}

std::string digitsApart(const std::string &text)
{
    std::string apart;
    apart.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i > 0 && isDigit(text[i]) && isDigit(text[i - 1]))
            apart += ' ';
        apart += text[i];
    }
    return apart;
}
