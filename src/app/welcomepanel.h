#pragma once

#include <QFrame>

namespace penvaro::app {

// Stands in place of the ledger while no account file is open.
class WelcomePanel : public QFrame {
    Q_OBJECT

public:
    explicit WelcomePanel(QWidget *parent = nullptr);
};

} // namespace penvaro::app
