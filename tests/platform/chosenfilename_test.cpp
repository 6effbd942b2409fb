#include "platform/chosenfilename.h"

#include <gtest/gtest.h>

namespace penvaro::platform {
namespace {

TEST(WithChosenExtension, AddsTheFileTypesExtensionWhenTheNameLacksIt) {
    const struct {
        const char *chosen;
        const char *filter;
        const char *expected;
    } cases[] = {
        {"/h/jahresauswertung_2026", "CSV-Datei (*.csv)", "/h/jahresauswertung_2026.csv"},
        {"/h/diagramm", "PNG-Bild (*.png)", "/h/diagramm.png"},
        {"/h/auftrag", "SEPA-Datei (*.xml)", "/h/auftrag.xml"},
        {"/h/LISTE.CSV", "CSV-Datei (*.csv)", "/h/LISTE.CSV"},
        {"/h/bericht.2026", "CSV-Datei (*.csv)", "/h/bericht.2026.csv"},
        {"", "CSV-Datei (*.csv)", ""},
        {"/h/alles", "Alle Dateien (*)", "/h/alles"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.chosen);
        EXPECT_EQ(QString::fromUtf8(c.expected),
                  WithChosenExtension(QString::fromUtf8(c.chosen), QString::fromUtf8(c.filter)));
    }
}

} // namespace
} // namespace penvaro::platform
