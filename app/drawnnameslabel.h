#ifndef DRAWNNAMESLABEL_H
#define DRAWNNAMESLABEL_H

#include <QLabel>
#include <QStringList>
#include <functional>
#include <vector>

// The line below the display shown with the students of the last draw by ID
// and name: as large as its room allows, smaller only when many names would
// not fit it.
class DrawnNamesLabel : public QLabel
{
    Q_OBJECT

public:
    explicit DrawnNamesLabel(QWidget *parent = nullptr);

    void showNames(const std::vector<QString> &ids, const std::function<QString(const QString &id)> &nameOf);
    void clearNames();
    // A sentence in place of the names, fitted as they are.
    void showNotice(const QString &text);
    bool showsNotice() const { return m_notice; }
    void setRoom(const QRect &room);

private:
    void fit();

    QStringList m_entries;
    bool m_notice = false;
};

#endif // DRAWNNAMESLABEL_H
