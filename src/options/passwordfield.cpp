#include "passwordfield.h"

#include "core/password.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace penvaro::options {

namespace {

// A character is kept when its stored form is a character of its own: not a half of a
// surrogate pair that stands alone, which no text encoding keeps, and no control character.
bool Storable(QChar c) {
    // Blanks are stored as they are; halves of a pair are stored as ordinary characters.
    if (c == u' ' || c.isSurrogate())
        return true;
    const QChar stored(static_cast<char16_t>(core::ScrambleKey - c.unicode()));
    return c.category() != QChar::Other_Control && !stored.isSurrogate()
           && stored.category() != QChar::Other_Control;
}

class PasswordValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override {
        if (!std::all_of(input.cbegin(), input.cend(), Storable))
            return Invalid;
        const QString upper = input.toUpper();
        // Upper case may be longer ("ß" gives "SS"); the cursor stays behind what was typed.
        pos += static_cast<int>(upper.size() - input.size());
        input = upper;
        return std::all_of(input.cbegin(), input.cend(), Storable) ? Acceptable : Invalid;
    }
};

} // namespace

void MakePasswordField(QLineEdit *field) {
    field->setEchoMode(QLineEdit::Password);
    field->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    field->setValidator(new PasswordValidator(field));
}

} // namespace penvaro::options
