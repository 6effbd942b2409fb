#pragma once

#include <QListWidget>

namespace penvaro::entry {

// The +/- list ESollHaben beside every amount: "+" a credit, "-" a debit. Shows both lines in
// full and its selection plainly also while another field has the focus, since the selection
// is what is stored; a frame in the highlight colour tells when the list has the focus.
class SignList : public QListWidget {
    Q_OBJECT

public:
    explicit SignList(QWidget *parent = nullptr);

    // "+" is selected; with nothing selected the booking is a debit.
    bool plus() const;
    void setPlus(bool plus);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showSelectionWithoutFocus();
};

// The caption of every sign list, also its accessible name.
inline constexpr char16_t SignListCaption[] = u"Soll/Haben (-/+)";

} // namespace penvaro::entry
