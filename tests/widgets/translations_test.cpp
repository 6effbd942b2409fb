#include "widgets/translations.h"

#include <QDialogButtonBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace penvaro::widgets {
namespace {

TEST(GermanQtTranslations, StandardButtonsSpeakGerman) {
    ASSERT_TRUE(InstallGermanQtTranslations()) << "qt6-translations-l10n is missing";
    QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Yes
                             | QDialogButtonBox::No);
    const auto caption = [&buttons](QDialogButtonBox::StandardButton which) {
        return buttons.button(which)->text().remove(u'&');
    };
    EXPECT_EQ(QStringLiteral("Abbrechen"), caption(QDialogButtonBox::Cancel));
    EXPECT_EQ(QStringLiteral("Ja"), caption(QDialogButtonBox::Yes));
    EXPECT_EQ(QStringLiteral("Nein"), caption(QDialogButtonBox::No));
}

} // namespace
} // namespace penvaro::widgets
