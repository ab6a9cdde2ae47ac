#ifndef HISTORYFILE_H
#define HISTORYFILE_H

#include "roster/classchanges.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

class QIODevice;

// The history of a class named N is the file N_history.csv in the data
// directory: UTF-8 with a byte-order mark, so that spreadsheets read it as
// such, lines ending in CR LF, the header Time,Event,Display,ID,Name,Score
// and one line per drawn student, given score and undone score, oldest
// first. Fields are written as in the score CSV.

// The words of the Event column.
inline constexpr char kHistoryDraw[] = "draw";
inline constexpr char kHistoryScore[] = "score";
inline constexpr char kHistoryUndo[] = "undo";

// The words of the Display column: the display a student was drawn on or a
// score was given from.
inline constexpr char kHistoryLed[] = "LED";
inline constexpr char kHistoryLedRoll[] = "LED Roll";
inline constexpr char kHistoryMicroTile[] = "Micro Tile";
inline constexpr char kHistoryTvRoller[] = "TV Roller";
inline constexpr char kHistoryWheel[] = "Wheel";
inline constexpr char kHistoryFloating[] = "Floating Button";
inline constexpr char kHistoryCommandLine[] = "Command Line";

struct HistoryEntry
{
    QString time;
    QString event;
    QString display;
    QString id;
    QString name;
    QString score;
};

// The path of a class's history file, named as the score files are: empty
// when the class name holds a path separator or NUL.
QString historyFilePath(const QString &dataDir, const QString &className);

// The Time column: local time as yyyy-MM-dd HH:mm:ss.
QString historyTime(const QDateTime &time);

// What a new history file begins with: the byte-order mark and the header.
QByteArray historyFileStart();

// One line of the file, with its CR LF.
QByteArray historyLine(const HistoryEntry &entry);

// Every entry of a history file in file order, read to its end. The
// byte-order mark and the header line are passed over. A damaged line (one
// without exactly the six fields, or with a quote that a later record
// begins before it is closed) is passed over alone and counted in
// damagedLines.
std::vector<HistoryEntry> readHistory(QIODevice &device, int *damagedLines = nullptr);

// Moves the history files of renamed classes to their new names and those
// of deleted classes aside to N_history-deleted-yyyyMMdd-hhmmss.csv, so that
// no later class of that name takes them over. No file is overwritten: a
// file that lies under a new name and belongs to no class is moved aside
// first.
void moveHistoryFiles(const QString &dataDir, const ClassChanges &changes, const QDateTime &now);

#endif // HISTORYFILE_H
