#ifndef INTERFACELANGUAGE_H
#define INTERFACELANGUAGE_H

#include <QString>
#include <functional>

// The interface language: "simplify", "english" or "traditional", kept in
// the settings area "Language" and applied once per run from a translation
// file beside the executable. A change restarts the program.
namespace InterfaceLanguage {

QString stored();
void store(const QString &language);
QString translationFile(const QString &language);
// The toolkit's own texts (buttons, file dialogs) for the language, from the
// system's Qt translations; empty for English, which needs none.
QString toolkitTranslationFile(const QString &language);

// Starts the program's own executable again as a detached process. Tests
// put a recorder in place of the real start.
using ProgramStarter = std::function<bool(const QString &program)>;
void setProgramStarter(ProgramStarter starter);
bool startProgramAgain();

}

#endif // INTERFACELANGUAGE_H
