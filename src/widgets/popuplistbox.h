#pragma once

#include <QListWidget>

#include <functional>

namespace penvaro::widgets {

// The drop-down pick list of the grid's cell editor: a borderless top-level window that never
// takes the focus, with an incremental search over its items.
class PopupListBox : public QListWidget {
    Q_OBJECT

public:
    explicit PopupListBox(QWidget *editor);

    int itemHeight() const;
    void setItems(const QStringList &items);
    QString searchText() const { return m_searchText; }
    // Milliseconds of a steady clock; tests hand in their own.
    void setClock(std::function<qint64()> now) { m_now = std::move(now); }

Q_SIGNALS:
    void closeUpRequested(bool takeValue);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void search(QChar character);

    QString m_searchText;
    qint64 m_lastCharacterTime = 0;
    std::function<qint64()> m_now;
};

} // namespace penvaro::widgets
