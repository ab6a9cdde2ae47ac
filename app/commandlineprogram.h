#ifndef COMMANDLINEPROGRAM_H
#define COMMANDLINEPROGRAM_H

class QStringList;

// The program started with one of its options: it prints its help or
// version, or takes a command to the copy that is running, and ends. It
// builds no window and reads no roster, so it also runs without a display.
namespace CommandLineProgram {

// Whether the arguments (the program first) name one of the options.
bool asksForCommandLine(const QStringList &arguments);

// Runs it to the end and returns the exit status: 0 when done, 1 with a
// message on the error output otherwise.
int run(int &argc, char **argv);

// The exit status for arguments the window's start does not know, with a
// message on the error output; 0 when every argument was the toolkit's.
int refuseUnknownArguments(const QStringList &arguments);

}

#endif // COMMANDLINEPROGRAM_H
