#ifndef FUZZTARGETS_H
#define FUZZTARGETS_H

#include <cstddef>
#include <cstdint>

// What the fuzzers feed with arbitrary bytes; the corpus replay test feeds
// them the inputs the fuzzers kept. Both need a QApplication.

// A class list file, read both as text and as CSV.
void readImportBytes(const std::uint8_t *data, std::size_t size);

// A class list workbook, read as an import reads it.
void readWorkbookBytes(const std::uint8_t *data, std::size_t size);

// A damaged roster settings file, loaded by the roster store, which then
// gives every student a score, twice: once into the file as loaded, once
// after the file was replaced behind its back; then renames one class and
// deletes another, saves and scores everyone again. False when a program
// started afresh would not read every class, student and score as the store
// holds them, or when the renamed class's round stayed under its old name.
bool loadRosterBytes(const std::uint8_t *data, std::size_t size);

#endif // FUZZTARGETS_H
