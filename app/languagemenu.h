#ifndef LANGUAGEMENU_H
#define LANGUAGEMENU_H

#include <QString>
#include <QTranslator>

class QAction;
class QMenu;

// The interface language of this run: the program's and the toolkit's
// translations, installed before the window's texts are set, and the
// Language menu, whose choice is stored and starts the program again in it.
class LanguageMenu
{
public:
    explicit LanguageMenu(const QString &language);
    ~LanguageMenu();

    // One entry checked at a time, the language of this run.
    void setUpActions(QMenu *menu, QAction *english, QAction *simplify, QAction *traditional);
    void change(const QString &language);

private:
    void install(const QString &language);

    QString m_language;
    QTranslator m_translator;
    QTranslator m_qtTranslator;
};

#endif // LANGUAGEMENU_H
