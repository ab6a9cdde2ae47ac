#ifndef PROGRAMVERSION_H
#define PROGRAMVERSION_H

#include <QString>

// The version the program was built as ("2.0"), from the build's project
// version, so the About box and the backups name the same one.
QString programVersion();

#endif // PROGRAMVERSION_H
