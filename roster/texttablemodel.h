#ifndef TEXTTABLEMODEL_H
#define TEXTTABLEMODEL_H

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

// A read-only table of texts, each made only when a view asks for it: a
// history of a hundred thousand lines then opens at once, where a model
// holding every cell would take longer to build than the dialog may take.
class TextTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using CellText = std::function<QString(int row, int column)>;

    explicit TextTableModel(const QStringList &headers, QObject *parent = nullptr);

    void setCells(int rowCount, CellText cellText);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_headers;
    int m_rowCount = 0;
    CellText m_cellText;
};

#endif // TEXTTABLEMODEL_H
