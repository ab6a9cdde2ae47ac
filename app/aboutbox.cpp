#include "app/aboutbox.h"

#include "common/programversion.h"

#include <QMessageBox>

namespace {
const char *const kContactAddress = "zandrel@brimvale.org";
}

QString AboutBox::title()
{
    return tr("About Zandrel");
}

QString AboutBox::text()
{
    // The contact line first, as the box always began; what the build and
    // the licence say follows it.
    const QString address = QString::fromLatin1(kContactAddress);
    return QStringLiteral("%1<a href=\"mailto:%2?subject=About Zandrel\">%2</a><p><b>%3</b></p><p>%4</p><p>%5</p>")
        .arg(tr("Contact us ").toHtmlEscaped(), address, tr("Zandrel %1").arg(programVersion()).toHtmlEscaped(),
             tr("A classroom tool: draws on five displays, drawn students read aloud, letter scores and their "
                "averages.")
                 .toHtmlEscaped(),
             tr("Licence: GNU General Public License, version 3 or later (GPL-3.0).").toHtmlEscaped());
}

void AboutBox::show(QWidget *parent)
{
    QMessageBox::about(parent, title(), text());
}
