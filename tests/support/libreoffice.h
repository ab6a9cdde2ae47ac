#ifndef LIBREOFFICE_H
#define LIBREOFFICE_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// LibreOffice as a spreadsheet user's stand-in: what it makes of the files
// the program writes. Tests skip when it is not installed.
namespace LibreOffice {

// The path of soffice, empty when LibreOffice is not installed.
QString program();

struct Conversion
{
    QByteArray output; // the converted file, empty when none was written
    QByteArray log;    // what LibreOffice said
};

// Converts the file headless, in a profile under the test's own home, to
// the target (a format, optionally with its filter and options) and reads
// the result, named after the file with the suffix. options come before
// the conversion (an input filter, for instance).
Conversion convert(const QString &file, const QStringList &options, const QString &target, const QString &suffix);

} // namespace LibreOffice

#endif // LIBREOFFICE_H
