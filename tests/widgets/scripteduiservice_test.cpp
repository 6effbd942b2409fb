#include "scripteduiservice.h"

#include <QDialog>

#include <gtest/gtest.h>

namespace penvaro::testing {
namespace {

using platform::Answer;

// Other windows' tests rely on the script being followed in order and on the cautious answer
// when a test gave none.
TEST(ScriptedUiServiceTest, AnswersFromItsQueuesInOrderAndCautiouslyWhenEmpty) {
    ScriptedUiService ui;
    ui.setNextAnswer(Answer::Yes);
    ui.setNextFileName(QStringLiteral("/tmp/a.reg"));
    ui.setNextModal([](QDialog &dialog) {
        dialog.setWindowTitle(QStringLiteral("bearbeitet"));
        return int{QDialog::Accepted};
    });
    QDialog dialog;
    dialog.setObjectName(QStringLiteral("TDatenSichernF"));

    EXPECT_EQ(ui.askYesNo(QStringLiteral("Löschen?"), Answer::No), Answer::Yes);
    EXPECT_EQ(ui.askYesNo(QStringLiteral("Noch einmal?"), Answer::Yes), Answer::No);
    EXPECT_EQ(ui.openFileName(QStringLiteral("Öffnen"), QString()), QStringLiteral("/tmp/a.reg"));
    EXPECT_EQ(ui.saveFileName(QStringLiteral("Speichern"), QString()), QString());
    EXPECT_EQ(ui.runModal(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("bearbeitet"));
    EXPECT_EQ(ui.runModal(dialog), QDialog::Rejected);

    using Kind = ScriptedUiService::Kind;
    EXPECT_EQ(ui.shown(), (std::vector<ScriptedUiService::Shown>{
                              {Kind::Question, QStringLiteral("Löschen?")},
                              {Kind::Question, QStringLiteral("Noch einmal?")},
                              {Kind::OpenFile, QStringLiteral("Öffnen")},
                              {Kind::SaveFile, QStringLiteral("Speichern")},
                              {Kind::Modal, QStringLiteral("TDatenSichernF")},
                              {Kind::Modal, QStringLiteral("TDatenSichernF")},
                          }));
}

} // namespace
} // namespace penvaro::testing
