#pragma once

#include "storedtitles.h"

#include <QGroupBox>

class QLabel;
class QLineEdit;

namespace penvaro::printing {

// The two title fields of the print dialogs ("LTitel1"/"ETitel1", "LTitel2"/"ETitel2").
class TitleBox : public QGroupBox {
    Q_OBJECT

public:
    explicit TitleBox(const QString &caption, QWidget *parent = nullptr);

    TableTitles titles() const;
    void setTitles(const TableTitles &titles);
    void enableCompleted(bool enabled);
    void enablePlanned(bool enabled);

Q_SIGNALS:
    // A title field lost the focus.
    void titleLeft();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_label1;
    QLineEdit *m_title1;
    QLabel *m_label2;
    QLineEdit *m_title2;
};

} // namespace penvaro::printing
