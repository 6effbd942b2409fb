#include "support/filesizelimit.h"
#include "support/records.h"
#include "support/tempdir.h"

#include "core/bookinglistprintout.h"
#include "platform/printerchoice.h"
#include "platform/qtprintcanvas.h"

#include <QFontInfo>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

using namespace penvaro;

namespace {

// Runs a poppler tool on the file and returns what it printed.
QString popplerOutput(const char *tool, const QStringList &arguments) {
    QProcess process;
    process.start(QString::fromUtf8(tool), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pageText(const std::filesystem::path &pdf, int page) {
    const QString number = QString::number(page);
    return popplerOutput(PENVARO_PDFTOTEXT,
                         {QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                          QString::fromStdString(pdf.string()), QStringLiteral("-")});
}

int pageCount(const std::filesystem::path &pdf) {
    const QString info = popplerOutput(PENVARO_PDFINFO, {QString::fromStdString(pdf.string())});
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The top edge of the first word of the page's text, in points from the top of the page.
double topOf(const std::filesystem::path &pdf, const QString &word) {
    const QString html = popplerOutput(
        PENVARO_PDFTOTEXT,
        {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
         QStringLiteral("1"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
    const auto match =
        QRegularExpression(QStringLiteral("yMin=\"([0-9.]+)\"[^>]*>") + word + QStringLiteral("<"))
            .match(html);
    return match.hasMatch() ? match.captured(1).toDouble() : -1.0;
}

} // namespace

TEST(QtPrintCanvas, PrintsArialAndCourierNewInTheirMetricTwins) {
    for (const auto &[name, twin] :
         {std::pair{"Arial", "Liberation Sans"}, std::pair{"Courier New", "Liberation Mono"}}) {
        const QString family = platform::QtPrintCanvas::ResolveFamily(name);
        EXPECT_EQ(family, QString::fromUtf8(twin));
        EXPECT_EQ(QFontInfo(QFont(family)).family(), QString::fromUtf8(twin));
    }
}

TEST(QtPrintCanvas, WritesABookingListIntoAPdfFile) {
#if !defined(PENVARO_PDFTOTEXT) || !defined(PENVARO_PDFINFO)
    GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) are not installed";
#else
    std::vector<core::BookingRecord> records;
    for (int i = 0; i < 45; ++i)
        records.push_back(penvaro::testing::Completed(2011, i + 1, "03.01.2011", 10000,
                                                      "Zeile " + std::to_string(i + 1)));
    core::BookingTable table;
    penvaro::testing::Fill(table, records);
    core::ListPrintOptions options;
    options.fileName = "/home/anna/giro.p11";
    options.title1 = "Getätigte Buchungen";
    const core::BookingListRange range{penvaro::testing::Day("01.01.2011"),
                                       penvaro::testing::Day("31.12.2011"),
                                       penvaro::testing::Day("01.01.2011"), true, false};

    penvaro::testing::TempDir dir;
    const auto pdf = dir.path("liste.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    printer.setPageSize(QPageSize(QPageSize::A4));
    platform::QtPrintCanvas canvas(printer);
    ASSERT_TRUE(core::PrintBookingList(canvas, table, options, range));

    EXPECT_EQ(pageCount(pdf), 2);
    EXPECT_TRUE(pageText(pdf, 1).contains(QStringLiteral("Zeile 44")));
    EXPECT_FALSE(pageText(pdf, 1).contains(QStringLiteral("Zeile 45")));
    const QString second = pageText(pdf, 2);
    EXPECT_TRUE(second.contains(QStringLiteral("Zeile 45")));
    EXPECT_TRUE(second.contains(QStringLiteral("Seite 2")));
    EXPECT_TRUE(second.contains(QStringLiteral("Getätigte Buchungen")));

    // "Seite" stands at y = -10, the first row's "Zeile" at y = -350: 34 mm further down.
    constexpr double pointsPerMillimetre = 72.0 / 25.4;
    const double seite = topOf(pdf, QStringLiteral("Seite"));
    const double zeile = topOf(pdf, QStringLiteral("Zeile"));
    ASSERT_GE(seite, 0.0);
    EXPECT_NEAR(zeile - seite, 34.0 * pointsPerMillimetre, 1.0);
#endif
}

TEST(QtPrintCanvas, ATargetThatCannotTakeAPdfIsRefusedBeforeAnythingIsWritten) {
    penvaro::testing::TempDir dir;
    ASSERT_EQ(0, ::mkfifo(dir.path("pipe.pdf").c_str(), 0600));
    std::filesystem::create_directory(dir.path("ordner.pdf"));
    const struct {
        std::string target;
        std::string reason;
    } cases[] = {
        {"/dev/full", "keine gewöhnliche Datei"},
        {dir.path("pipe.pdf").string(), "keine gewöhnliche Datei"},
        {dir.path("ordner.pdf").string(), "Ordner, keine Datei"},
        {dir.path("fehlt/liste.pdf").string(),
         "Der Ordner „" + dir.path("fehlt").string() + "“ ist nicht vorhanden."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.target);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(c.target));
        platform::QtPrintCanvas canvas(printer);
        const auto begun = canvas.beginDocument("Penvaro");
        ASSERT_FALSE(begun);
        EXPECT_NE(begun.error().message.find("„" + c.target + "“ kann nicht geschrieben werden"),
                  std::string::npos)
            << begun.error().message;
        EXPECT_NE(begun.error().message.find(c.reason), std::string::npos) << begun.error().message;
        EXPECT_EQ(printer.outputFileName(), QString::fromStdString(c.target));
    }
    EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(dir.path("")),
                               std::filesystem::directory_iterator()))
        << "nothing left beside the targets";
}

TEST(QtPrintCanvas, APdfThatCannotBeWrittenWholeLeavesThePreviousFile) {
    penvaro::testing::TempDir dir;
    const auto pdf = dir.path("liste.pdf");
    penvaro::testing::WriteBytes(pdf, {'a', 'l', 't'});
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    platform::QtPrintCanvas canvas(printer);
    core::Result<void> ended;
    {
        // As a disk that is full after a few kilobytes.
        penvaro::testing::FileSizeLimit limit(2048);
        ASSERT_TRUE(canvas.beginDocument("Penvaro"));
        for (int page = 0; page < 20; ++page) {
            canvas.newPage();
            for (int row = 0; row < 40; ++row)
                canvas.text(100, -100 - row * 50, "Zeile " + std::to_string(row),
                            core::TextAlign::Left);
        }
        ended = canvas.endDocument();
    }
    ASSERT_FALSE(ended);
    EXPECT_NE(ended.error().message.find("„" + pdf.string() + "“ konnte nicht geschrieben"),
              std::string::npos)
        << ended.error().message;
    EXPECT_NE(ended.error().message.find("zu groß"), std::string::npos) << ended.error().message;
    EXPECT_EQ((std::vector<std::uint8_t>{'a', 'l', 't'}), penvaro::testing::ReadBytes(pdf));
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir.path("")),
                               std::filesystem::directory_iterator()));
}

TEST(IsCompletePdf, TellsAWholeFileFromOneThatLostBytes) {
    const std::string whole = "%PDF-1.4\n1 0 obj\n<<>>\nendobj\nxref\n0 1\ntrailer\n<<>>\n"
                              "startxref\n29\n%%EOF\n";
    ASSERT_EQ(29u, whole.find("xref"));
    const struct {
        const char *name;
        std::string bytes;
        bool complete;
    } cases[] = {
        {"whole", whole, true},
        {"end cut off", whole.substr(0, whole.size() - 4), false},
        {"bytes lost before the table", whole.substr(0, 10) + whole.substr(14), false},
        {"no offset", "%PDF-1.4\nstartxref\n%%EOF", false},
        {"empty", "", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.complete, platform::IsCompletePdf(c.bytes)) << c.name;
}

TEST(PrinterChoice, OffersThePdfFileLastAndAsksForItsName) {
    EXPECT_EQ(platform::PrinterChoice::Names().last(), QStringLiteral("PDF-Datei"));
    platform::PrinterChoice choice;
    choice.choose(QStringLiteral("kein Drucker dieses Namens"));
    EXPECT_TRUE(platform::PrinterChoice::Names().contains(choice.current()));
    choice.choose(QStringLiteral("PDF-Datei"));
    EXPECT_EQ(choice.current(), QStringLiteral("PDF-Datei"));
}
