#include "appfixture.h"
#include "support/records.h"

#include "app/mainwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace penvaro;

namespace {

class MainWindowWideFontTest : public penvaro::testing::AppFixture {};

// Where a wide font pushed the commands past the right edge, they were cut off or out of the
// window, and the button that is never in sight is never painted.
TEST_F(MainWindowWideFontTest, EveryCommandCaptionAndBalanceIsWhollyInSightAtTheFirstStartSize) {
    ASSERT_EQ(QStringLiteral("Liberation Mono"), QFontInfo(QApplication::font()).family())
        << "fontconfig must offer nothing but Liberation Mono";
    setLastFile(writeAccount(QStringLiteral("giro.p11"),
                             {penvaro::testing::StartValue(10000000),
                              penvaro::testing::Completed(2011, 1, "05.01.2011", -1234567),
                              penvaro::testing::Planned("01.07.2011", -300000)}));
    app::MainWindow window(*state);
    window.startUp();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_TRUE(window.ledgerVisible());
    EXPECT_EQ(app::MainWindow::FirstStartGeometry(window.screen()->availableGeometry()).size(),
              window.size());
    EXPECT_FALSE(window.findChild<QScrollArea *>(QStringLiteral("PRahmen"))
                     ->horizontalScrollBar()
                     ->isVisible());

    QStringList checked;
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        const bool command = qobject_cast<QAbstractButton *>(widget) != nullptr;
        const auto *label = qobject_cast<QLabel *>(widget);
        const auto *field = qobject_cast<QLineEdit *>(widget);
        if ((!command && !label && !field) || !widget->isVisibleTo(&window))
            continue;
        checked << widget->objectName();
        const QString text = command ? static_cast<QAbstractButton *>(widget)->text()
                             : label ? label->text()
                                     : field->text();
        SCOPED_TRACE((widget->objectName() + QStringLiteral(" \"") + text + QStringLiteral("\""))
                         .toStdString());
        EXPECT_EQ(widget->rect(), widget->visibleRegion().boundingRect()) << "not wholly in sight";
        if (field)
            EXPECT_GT(field->width(), field->fontMetrics().horizontalAdvance(text)) << "cut off";
        else
            EXPECT_GE(widget->width(), widget->sizeHint().width()) << "cut off";
    }
    for (const char *name :
         {"SBNeu",        "SBOeffnen",        "SBDatenDrucken",     "SBGrafik",
          "SBAuswertung", "SBOptionen",       "SpeedButton1",       "LSummeH",
          "STSummeH",     "SBDatenNeu",       "SBAendern",          "SBLoeschen",
          "ESumme",       "LSummeGes",        "EGesSumme",          "SBDatenBearbeiten2",
          "SBDatenBNeu2", "SBDatenLoeschen2", "SBDatenVerschieben", "ESumme2",
          "SBSumme2"})
        EXPECT_TRUE(checked.contains(QString::fromLatin1(name))) << name << " is not shown";
}

} // namespace
