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
    const QString address = QString::fromLatin1(kContactAddress);
    return QStringLiteral(
               "<p><b>%1</b></p><p>%2</p><p>%3</p><p>%4<a href=\"mailto:%5?subject=About Zandrel\">%5</a></p>")
        .arg(tr("Zandrel %1").arg(programVersion()).toHtmlEscaped(),
             tr("A classroom tool: draws on five displays, drawn students read aloud, letter scores and their "
                "averages.")
                 .toHtmlEscaped(),
             tr("Licence: GNU General Public License, version 3 or later (GPL-3.0).").toHtmlEscaped(),
             tr("Contact us ").toHtmlEscaped(), address);
}

void AboutBox::show(QWidget *parent)
{
    QMessageBox::about(parent, title(), text());
}
