#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QWidget;

namespace penvaro::payments {

// How the fields of a payment form react while the user moves through them: Enter moves on to
// the next field, and leaving a field runs what follows from it (a bank code is looked up).
class FieldNavigation : public QObject {
    Q_OBJECT

public:
    explicit FieldNavigation(QObject *parent);

    // Enter in the field moves the focus to what next gives, when that is shown and enabled.
    void onEnter(QWidget *field, std::function<QWidget *()> next);
    void onEnter(QWidget *field, QWidget *next);
    // Runs when the focus moves from the field to another control of its window.
    void onLeave(QWidget *field, std::function<void()> action);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Move {
        QWidget *field;
        std::function<QWidget *()> next;
    };
    struct Leave {
        QWidget *field;
        std::function<void()> action;
    };

    void watch(QWidget *field);

    std::vector<Move> m_moves;
    std::vector<Leave> m_leaves;
    bool m_leaving = false;
};

} // namespace penvaro::payments
