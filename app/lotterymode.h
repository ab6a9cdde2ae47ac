#ifndef LOTTERYMODE_H
#define LOTTERYMODE_H

enum LotteryMode {
    LedSingleMode = 0,
    LedRollMode = 1,
    WheelMode = 2,
    MicroTileMode = 3,
    TvRollerMode = 4
};

#endif // LOTTERYMODE_H
