#pragma once

class QLineEdit;

namespace penvaro::options {

// A start password field: every letter typed becomes upper case, and each character shows as
// "*". Characters whose stored form could not be kept as text are not taken, so that a
// password once set always lets the program start again.
void MakePasswordField(QLineEdit *field);

} // namespace penvaro::options
