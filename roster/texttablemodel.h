#ifndef TEXTTABLEMODEL_H
#define TEXTTABLEMODEL_H

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

// A read-only table of texts. Its cells are produced only when a view asks
// for them, so a history of a hundred thousand lines opens at once where a
// model of one item per cell would take seconds to build.
class TextTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TextTableModel(QObject *parent = nullptr);

    void setHeaders(const QStringList &headers);
    // Each row holds one text per column; missing ones are empty.
    void setRows(std::vector<QStringList> rows);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_headers;
    std::vector<QStringList> m_rows;
};

#endif // TEXTTABLEMODEL_H
