#include "scripteduiservice.h"
#include "support/tempdir.h"

#include "platform/printerchoice.h"
#include "printing/printertarget.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

namespace penvaro::printing {
namespace {

using testing::ScriptedUiService;

// A PDF file that cannot be written is reported with its reason, in German, and leaves
// nothing behind.
TEST(PrinterTarget, APdfFileThatCannotBeWrittenSaysWhy) {
    penvaro::testing::TempDir dir;
    std::filesystem::create_directory(dir.path("ordner.pdf"));
    ASSERT_EQ(0, ::mkfifo(dir.path("pipe.pdf").c_str(), 0600));
    const struct {
        std::string file;
        const char *reason;
    } cases[] = {
        {dir.path("fehlt/liste.pdf").string(), "Der Ordner"},
        {dir.path("ordner.pdf").string(), "Das ist ein Ordner, keine Datei."},
        {dir.path("pipe.pdf").string(), "keine gewöhnliche Datei"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        ScriptedUiService ui;
        platform::PrinterChoice printers;
        printers.choose(platform::PrinterChoice::PdfEntry());
        ui.setNextFileName(QString::fromStdString(c.file));
        PrinterTarget target(printers, ui, PrinterTarget::Source::Current);
        const PrintRun run = target.print([](core::Canvas &canvas) -> core::Result<void> {
            if (auto begun = canvas.beginDocument("Liste"); !begun)
                return begun;
            canvas.text(0, 0, "Zeile", core::TextAlign::Left);
            return canvas.endDocument();
        });
        EXPECT_EQ(PrintRun::Failed, run);
        ASSERT_FALSE(ui.shown().empty());
        const ScriptedUiService::Shown &failure = ui.shown().back();
        EXPECT_EQ(ScriptedUiService::Kind::Failure, failure.kind);
        EXPECT_TRUE(failure.text.contains(QString::fromUtf8(c.reason)))
            << failure.text.toStdString();
        EXPECT_FALSE(failure.text.contains(QStringLiteral("QPainter")));
    }
    EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(dir.path("")),
                               std::filesystem::directory_iterator()));
}

} // namespace
} // namespace penvaro::printing
