#include "exampleaccount.h"
#include "manualbook.h"

#include "core/date.h"

#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <filesystem>

// Builds the manual during the build: the example account its pictures show (with a statement
// of it beside, Beispielauszug.sta), then the PDF.
//   penvaro-manual example KONTO.p11
//   penvaro-manual pdf HANDBUCH.pdf BILDORDNER KAPITEL.md...
int main(int argc, char **argv) {
    using namespace penvaro;
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    const auto fail = [](const std::string &message) {
        std::fprintf(stderr, "penvaro-manual: %s\n", message.c_str());
        return 1;
    };
    if (args.size() == 2 && args.at(0) == QStringLiteral("example")) {
        const QDate today = QDate::currentDate();
        const double day = core::DayCountFromCivil({today.year(), today.month(), today.day()});
        const std::filesystem::path account = QFile::encodeName(args.at(1)).toStdString();
        if (auto written = manual::WriteExampleAccount(account, day); !written)
            return fail(written.error().message);
        if (auto written =
                manual::WriteExampleStatement(account.parent_path() / "Beispielauszug.sta", day);
            !written)
            return fail(written.error().message);
        return 0;
    }
    if (args.size() >= 4 && args.at(0) == QStringLiteral("pdf")) {
        if (auto written = manual::WriteManual(args.at(1), args.at(2), args.mid(3)); !written)
            return fail(written.error().message);
        return 0;
    }
    std::fputs("Aufruf: penvaro-manual example KONTO.p11\n"
               "        penvaro-manual pdf HANDBUCH.pdf BILDORDNER KAPITEL.md...\n",
               stderr);
    return 2;
}
