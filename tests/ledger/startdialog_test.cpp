#include "app/startdialog.h"

#include "core/password.h"
#include "platform/startpassword.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using penvaro::app::StartDialog;

namespace {

QString stored(const QString &password) {
    return QString::fromStdU16String(penvaro::core::TransformPassword(password.toStdU16String()));
}

} // namespace

TEST(StartDialog, ClosesByItselfAfterTheStartSeconds) {
    StartDialog window(2, false, {});
    window.show();
    window.tick(); // count 2
    window.tick(); // count 3 = StartB + 1
    EXPECT_TRUE(window.isVisible());
    window.tick();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(QDialog::Accepted, window.result());
    EXPECT_FALSE(window.windowFlags()
                 & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))
        << "a fixed window has no minimise or maximise box";
}

TEST(StartDialog, StartsOnlyWithTheRightPasswordTypedInAnyCase) {
    // The hash stored now, and the scrambled form of earlier versions that was not converted
    // yet.
    const QString forms[] = {
        QString::fromStdString(
            penvaro::platform::HashStartPassword(QStringLiteral("GEHEIM 7")).value()),
        stored(QStringLiteral("GEHEIM 7"))};
    for (const QString &form : forms) {
        SCOPED_TRACE(form.toStdString());
        StartDialog window(0, true, form);
        window.show();
        auto *edit = window.findChild<QLineEdit *>(QStringLiteral("Edit1"));
        auto *start = window.findChild<QPushButton *>(QStringLiteral("Button1"));
        ASSERT_TRUE(edit && start);
        EXPECT_EQ(QLineEdit::Password, edit->echoMode());

        QTest::keyClicks(edit, QStringLiteral("geheim 8"));
        QTest::mouseClick(start, Qt::LeftButton);
        for (int i = 0; i < 10; ++i)
            window.tick();
        EXPECT_TRUE(window.isVisible()) << "neither a wrong password nor the time closes it";

        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("geheim 7"));
        EXPECT_EQ(QStringLiteral("GEHEIM 7"), edit->text());
        QTest::mouseClick(start, Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(QDialog::Accepted, window.result());
    }
}

TEST(StartDialog, TheStoredFormIsItsOwnInverse) {
    const std::u16string password = u"ABC 123";
    const auto storedForm = penvaro::core::TransformPassword(password);
    EXPECT_EQ(u'\x9F' - u'A', storedForm[0]);
    EXPECT_EQ(u' ', storedForm[3]);
    EXPECT_EQ(password, penvaro::core::TransformPassword(storedForm));
}

TEST(StartDialog, AClickOrAKeyClosesTheNoticeBeforeItsTime) {
    const std::pair<const char *, std::function<void(QWidget &)>> ways[] = {
        {"a click", [](QWidget &w) { QTest::mouseClick(&w, Qt::LeftButton); }},
        {"a click on the notice",
         [](QWidget &w) {
             QTest::mouseClick(w.findChild<QWidget *>(QStringLiteral("Label3")), Qt::LeftButton);
         }},
        {"Space", [](QWidget &w) { QTest::keyClick(&w, Qt::Key_Space); }},
        {"Enter", [](QWidget &w) { QTest::keyClick(&w, Qt::Key_Return); }},
        {"Escape", [](QWidget &w) { QTest::keyClick(&w, Qt::Key_Escape); }},
    };
    for (const auto &[what, act] : ways) {
        SCOPED_TRACE(what);
        StartDialog window(30, false, {});
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::keyClick(&window, Qt::Key_Shift);
        EXPECT_TRUE(window.isVisible()) << "a lone modifier closes nothing";
        act(window);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(QDialog::Accepted, window.result());
    }
}

TEST(StartDialog, ThePasswordPromptIsNotClosedByAClickOrAKey) {
    StartDialog window(0, true, stored(QStringLiteral("GEHEIM")));
    window.show();
    QTest::mouseClick(&window, Qt::LeftButton);
    QTest::keyClick(window.findChild<QLineEdit *>(QStringLiteral("Edit1")), Qt::Key_X);
    EXPECT_TRUE(window.isVisible());
}
