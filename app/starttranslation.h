#ifndef STARTTRANSLATION_H
#define STARTTRANSLATION_H

#include <QTranslator>

// The interface language for what the program says without its window: the
// command line's answers and the refusal of a second copy. The window
// installs its own translation.
class StartTranslation
{
public:
    StartTranslation();
    ~StartTranslation();

    StartTranslation(const StartTranslation &) = delete;
    StartTranslation &operator=(const StartTranslation &) = delete;

private:
    QTranslator m_program;
    QTranslator m_toolkit;
};

#endif // STARTTRANSLATION_H
