#include "displays/wheelrestcount.h"

void WheelRestCount::expect(int turningWheels)
{
    m_expected = turningWheels;
    m_stopped = 0;
}

bool WheelRestCount::noteRest()
{
    return ++m_stopped == m_expected;
}
