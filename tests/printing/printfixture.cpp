#include "printfixture.h"
#include "support/records.h"

#include "platform/settingsstore.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QTest>

namespace penvaro::testing {

printing::PrintRun RecordingTarget::print(const Drawing &drawing) {
    ++runs;
    return drawing(canvas) ? printing::PrintRun::Printed : printing::PrintRun::Failed;
}

PrintFixture::PrintFixture() = default;

void PrintFixture::open(const std::vector<core::BookingRecord> &records) {
    const auto file = writeAccount(QStringLiteral("giro.p11"), records);
    state->settings().accountFile = file.string();
    Fill(state->table(), records);
    state->announceBookingChange();
}

void PrintFixture::onNextDialog(const std::function<void(QDialog &)> &user) {
    ui.setNextModal([user](QDialog &dialog) {
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        user(dialog);
        dialog.hide();
        return dialog.result();
    });
}

void PrintFixture::click(QDialog &dialog, const char *name) {
    auto *button = dialog.findChild<QAbstractButton *>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

void PrintFixture::setChecked(QDialog &dialog, const char *name, bool checked) {
    auto *box = dialog.findChild<QCheckBox *>(QString::fromLatin1(name));
    ASSERT_NE(box, nullptr) << name;
    if (box->isChecked() != checked)
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
}

std::vector<std::pair<std::int32_t, QString>> PrintFixture::errors() const {
    std::vector<std::pair<std::int32_t, QString>> found;
    for (const auto &shown : ui.shown())
        if (shown.kind == ScriptedUiService::Kind::ErrorWindow)
            found.emplace_back(shown.code, shown.text);
    return found;
}

QString PrintFixture::storedTitle(const char *name) const {
    const auto stored = store->value(platform::FileSettingsKey(*store, state->currentFile()),
                                     QString::fromLatin1(name));
    if (!stored || !stored->has_value())
        return QStringLiteral("<fehlt>");
    return std::get<QString>(**stored);
}

} // namespace penvaro::testing
