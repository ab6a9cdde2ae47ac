#include "app/languagemenu.h"

#include "app/interfacelanguage.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

LanguageMenu::LanguageMenu(const QString &language)
    : m_language(language)
{
    install(language);
}

LanguageMenu::~LanguageMenu()
{
    QCoreApplication::removeTranslator(&m_translator);
    QCoreApplication::removeTranslator(&m_qtTranslator);
}

void LanguageMenu::install(const QString &language)
{
    m_translator.load(InterfaceLanguage::translationFile(language));
    QCoreApplication::installTranslator(&m_translator);
    m_qtTranslator.load(InterfaceLanguage::toolkitTranslationFile(language));
    QCoreApplication::installTranslator(&m_qtTranslator);
}

void LanguageMenu::setUpActions(QMenu *menu, QAction *english, QAction *simplify, QAction *traditional)
{
    auto *languages = new QActionGroup(menu);
    languages->setExclusive(true);
    for (QAction *action : {english, simplify, traditional})
        languages->addAction(action);
    english->setChecked(m_language == QLatin1String("english"));
    simplify->setChecked(m_language == QLatin1String("simplify"));
    traditional->setChecked(m_language == QLatin1String("traditional"));
}

void LanguageMenu::change(const QString &language)
{
    InterfaceLanguage::store(language);
    if (language == QLatin1String("english")) {
        QCoreApplication::removeTranslator(&m_translator);
        QCoreApplication::removeTranslator(&m_qtTranslator);
    } else
        install(language);
    QCoreApplication::quit();
    InterfaceLanguage::startProgramAgain();
}
