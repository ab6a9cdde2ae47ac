#ifndef WHEELRESTCOUNT_H
#define WHEELRESTCOUNT_H

// Counts the rest notices of the wheels so that a draw is announced once,
// when the last wheel that was set turning has come to rest. A wheel without
// items is left out of a spin and never reports, so it must not be waited for.
class WheelRestCount
{
public:
    // Starts a new count that completes after the given number of notices.
    void expect(int turningWheels);

    // Counts one notice; true only for the notice that completes the count.
    // Later notices (wheels turned by hand) count on and complete nothing.
    bool noteRest();

    int stopped() const { return m_stopped; }
    int expected() const { return m_expected; }

private:
    int m_expected = 0;
    int m_stopped = 0;
};

#endif // WHEELRESTCOUNT_H
