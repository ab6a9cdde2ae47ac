#include "app/quickguidedialog.h"
#include "ui_quickguidedialog.h"

#include <QFile>
#include <QUrl>

QuickGuideDialog::QuickGuideDialog(const QString &language, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::QuickGuideDialog)
{
    ui->setupUi(this);
    ui->textBrowser->setSource(QUrl(QStringLiteral("qrc") + pageOf(language)));
}

QuickGuideDialog::~QuickGuideDialog()
{
    delete ui;
}

QString QuickGuideDialog::pageOf(const QString &language)
{
    const QString page = QStringLiteral(":/guide/%1.html").arg(language);
    return QFile::exists(page) ? page : QStringLiteral(":/guide/english.html");
}
