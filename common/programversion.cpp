#include "common/programversion.h"

QString programVersion()
{
    return QStringLiteral(ZANDREL_VERSION);
}
