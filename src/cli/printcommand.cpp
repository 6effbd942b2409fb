#include "arguments.h"
#include "commands.h"
#include "dateoptions.h"
#include "searchoptions.h"

#include "core/accountfile.h"
#include "core/bookinglistprintout.h"
#include "core/evaluationprintout.h"
#include "core/joinedjobscanvas.h"
#include "core/protectedfiles.h"
#include "core/sortbookingtable.h"
#include "platform/account.h"
#include "platform/accountfilelock.h"
#include "platform/companion.h"
#include "platform/qtprintcanvas.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"

#include <QGuiApplication>
#include <QPrinter>

#include <filesystem>

namespace penvaro::cli {
namespace {

// The stored title, or the default a title never stored prints as.
std::string storedTitle(const platform::RegistryStore &store, const QString &key, const char *name,
                        const char *fallback) {
    const auto stored = store.value(key, QString::fromLatin1(name));
    if (stored && stored->has_value())
        if (const auto *text = std::get_if<QString>(&**stored); text && !text->isEmpty())
            return text->toStdString();
    return fallback;
}

bool anyInRange(const core::BookingTable &table, core::BookingKind kind, double from, double to) {
    for (const core::BookingRecord &r : table.used()) {
        const double day = core::WholeDay(r.Wertdatum);
        if (r.Satzart == kind && day >= core::WholeDay(from) && day <= core::WholeDay(to))
            return true;
    }
    return false;
}

// Qt warns on standard error when XDG_RUNTIME_DIR is unset, which a command run from cron or
// a script rightly has not: noise that a caller would take for a failure. Every other message
// passes on.
QtMessageHandler previousHandler = nullptr;

void quietRuntimeFolder(QtMsgType type, const QMessageLogContext &context, const QString &text) {
    if (type == QtWarningMsg && text.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    if (previousHandler)
        previousHandler(type, context, text);
}

} // namespace

int RunPrint(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {{"pdf", "from", "to", "exact", "contains", "fields"},
                                              {"list", "range", "national"}});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 1 || !parsed->options.contains("pdf")) {
        PrintError("print erwartet eine Kontodatei und --pdf AUSGABE.pdf.");
        return ExitUsage;
    }
    const bool list = parsed->flags.contains("list");
    std::optional<core::SearchCriteria> criteria;
    if (!list) {
        criteria = ParseSearchCriterion(*parsed, "print");
        if (!criteria)
            return ExitUsage;
    } else if (parsed->options.contains("exact") || parsed->options.contains("contains")
               || parsed->flags.contains("range")) {
        PrintError("print erwartet --list oder ein Suchkriterium, nicht beides.");
        return ExitUsage;
    }
    const auto dates = ParseDateRangeOptions(*parsed);
    if (!dates)
        return ExitUsage;

    const std::filesystem::path path = std::filesystem::absolute(parsed->positional.front());
    // The printout must not land on the file it is made from, nor where a program that opens
    // it would take it for a lock a crashed program left.
    const core::ProtectedFile source(path);
    const core::ProtectedFile sourceLock(platform::AccountFileLock::lockFileOf(path));
    const core::ProtectedFile sourceCompanion(platform::Companion::PathOf(path));
    // With the whole texts its companion keeps, as the program searches, reports and prints.
    platform::Account account;
    if (auto loaded = account.load(path, false); !loaded) {
        PrintError(loaded.error().message);
        return ExitFileError;
    }
    core::BookingTable &table = account.table();
    auto opening = platform::RegistryStore::Open(platform::RegistryStore::DefaultDatabasePath());
    const QString file = QString::fromStdString(path.string());
    const core::Settings settings = platform::ReadAccountFileSettings(*opening.store, file);
    const QString key = platform::FileSettingsKey(*opening.store, file);

    core::ListPrintOptions options;
    options.fileName = path.string();
    options.title1 =
        storedTitle(*opening.store, key, "Titel1", "Penvaro 2011 - Getätigte Buchungen");
    options.title2 =
        storedTitle(*opening.store, key, "Titel2", "Penvaro 2011 - Geplante Buchungen");
    options.national = parsed->flags.contains("national");
    options.currency = core::NationalCurrencyFromSettings(settings);

    // Printing needs a Qt application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "penvaro-cli";
    char *argv[] = {name, nullptr};
    previousHandler = qInstallMessageHandler(quietRuntimeFolder);
    QGuiApplication app(argc, argv);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(parsed->options.at("pdf")));
    platform::QtPrintCanvas canvas(printer);
    core::JoinedJobsCanvas joined(canvas);

    const auto bookings = core::BookingValueDateRange(table);
    const double today = LocalToday();
    const auto [firstDay, lastDay] = dates->resolved(bookings, today);
    core::Result<void> printed;
    if (list) {
        core::SortBookingTable(table,
                               {core::DoneOrderFromSetting(settings.completedOrder), true, true});
        core::BookingListRange range{firstDay, lastDay, bookings ? bookings->from : today, true,
                                     true};
        range.printCompleted = anyInRange(table, core::BookingKind::Completed, firstDay, lastDay);
        range.printPlanned = anyInRange(table, core::BookingKind::Planned, firstDay, lastDay);
        printed = core::PrintBookingList(joined, table, options, range);
    } else {
        core::SortBookingTable(table, core::SortOrderFromSettings(settings));
        criteria->from = firstDay;
        criteria->to = lastDay;
        const core::BookingMatcher matcher(*criteria);
        if (!core::HasEvaluationData(table, matcher)) {
            PrintError("Keine Daten zum Ausdrucken gefunden!");
            return ExitFileError;
        }
        core::EvaluationPrintOptions evaluation;
        evaluation.list = options;
        evaluation.statementData = settings.keepStatementData;
        evaluation.bookingDates = settings.keepBookingDate;
        auto outcome = core::PrintEvaluation(joined, table, matcher, evaluation);
        if (!outcome)
            printed = outcome.error();
    }
    core::Result<void> finished = joined.finish();
    if (!printed)
        finished = printed;
    if (!finished) {
        PrintError(finished.error().message);
        return ExitFileError;
    }
    return ExitOk;
}

} // namespace penvaro::cli
