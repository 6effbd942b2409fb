#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <vector>

class QAbstractButton;

namespace penvaro::testing {

// Records what a button showed each time it was painted, for a caption that changes only
// while a command runs ("MOMENT !", "Moment").
class PaintedTexts : public QObject {
public:
    struct Painted {
        QString text;
        QColor colour;

        friend bool operator==(const Painted &, const Painted &) = default;
    };

    explicit PaintedTexts(QAbstractButton &button);

    const std::vector<Painted> &painted() const { return m_painted; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractButton &m_button;
    std::vector<Painted> m_painted;
};

} // namespace penvaro::testing
