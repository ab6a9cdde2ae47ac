#ifndef DIGITREADING_H
#define DIGITREADING_H

#include <string>

// The text with a blank between every two neighbouring ASCII digits, so that
// a voice reads every run of digits one digit at a time: "ID 1001" becomes
// "ID 1 0 0 1". UTF-8 text stays valid, since no digit byte is part of a
// longer character.
std::string digitsApart(const std::string &text);

#endif // DIGITREADING_H
