#ifndef FIXEDRANDOM_H
#define FIXEDRANDOM_H

#include "displays/randomsource.h"

#include <deque>
#include <functional>
#include <random>

// A repeatable random source for the display tests: a Mersenne twister
// started from a given number, drawing like std::rand().
class FixedRandom
{
public:
    explicit FixedRandom(unsigned start)
        : m_generator(start)
    {
    }
    int operator()() { return int(m_generator() & 0x7fffffff); }
    RandomSource source() { return std::ref(*this); }

private:
    std::mt19937 m_generator;
};

// Hands out the given numbers in order, then zeros: lets a test choose
// every random decision of the tile board.
class ScriptedRandom
{
public:
    explicit ScriptedRandom(std::deque<int> numbers)
        : m_numbers(std::move(numbers))
    {
    }
    int operator()()
    {
        if (m_numbers.empty())
            return 0;
        const int next = m_numbers.front();
        m_numbers.pop_front();
        return next;
    }
    RandomSource source() { return std::ref(*this); }

private:
    std::deque<int> m_numbers;
};

#endif // FIXEDRANDOM_H
