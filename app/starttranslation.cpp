#include "app/starttranslation.h"

#include "app/interfacelanguage.h"

#include <QCoreApplication>

StartTranslation::StartTranslation()
{
    const QString language = InterfaceLanguage::stored();
    m_program.load(InterfaceLanguage::translationFile(language));
    QCoreApplication::installTranslator(&m_program);
    m_toolkit.load(InterfaceLanguage::toolkitTranslationFile(language));
    QCoreApplication::installTranslator(&m_toolkit);
}

StartTranslation::~StartTranslation()
{
    QCoreApplication::removeTranslator(&m_toolkit);
    QCoreApplication::removeTranslator(&m_program);
}
