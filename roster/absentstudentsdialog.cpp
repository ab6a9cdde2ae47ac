#include "roster/absentstudentsdialog.h"
#include "ui_absentstudentsdialog.h"

#include <QStandardItemModel>

namespace {
const int kIdColumnWidth = 150;
}

AbsentStudentsDialog::AbsentStudentsDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , ui(new Ui::AbsentStudentsDialog)
    , m_model(new QStandardItemModel(0, 2, this))
{
    ui->setupUi(this);
    ui->tableView->setModel(m_model);
}

AbsentStudentsDialog::~AbsentStudentsDialog()
{
    delete ui;
}

void AbsentStudentsDialog::setStudents(const std::vector<QString> &ids, const QStringList &names,
                                       const QSet<QString> &absent)
{
    m_model->clear();
    m_model->setColumnCount(2);
    m_model->setHorizontalHeaderLabels({tr("ID"), tr("Name")});
    for (size_t i = 0; i < ids.size(); ++i) {
        auto *id = new QStandardItem(ids[i]);
        id->setCheckable(true);
        id->setCheckState(absent.contains(ids[i]) ? Qt::Checked : Qt::Unchecked);
        m_model->appendRow({id, new QStandardItem(names.value(int(i)))});
    }
    ui->tableView->setColumnWidth(0, kIdColumnWidth);
}

QSet<QString> AbsentStudentsDialog::absentStudents() const
{
    QSet<QString> absent;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QStandardItem *id = m_model->item(row, 0);
        if (id->checkState() == Qt::Checked)
            absent.insert(id->text());
    }
    return absent;
}
