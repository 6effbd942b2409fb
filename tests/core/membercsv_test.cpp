#include "support/bankcodelines.h"

#include "core/accountmethodcheck.h"
#include "core/bankcodelist.h"
#include "core/date.h"
#include "core/membercsv.h"

#include <gtest/gtest.h>

using namespace penvaro;

namespace {

class PassingMethods : public core::AccountMethodCheck {
public:
    core::AccountMethodVerdict check(std::string_view, std::string_view) const override {
        return core::AccountMethodVerdict::Passed;
    }
};

class MemberCsv : public ::testing::Test {
protected:
    core::Result<std::vector<core::Member>> read(std::string_view bytes) const {
        return core::ReadMemberCsv(bytes, banks, methods);
    }

    const core::BankCodeList banks = core::BankCodeList::FromText(penvaro::testing::BankCodeLine(
        "37040044", "Commerzbank", "Commerzbank Köln", "50447", "Köln", "COBADEFFXXX"));
    const PassingMethods methods;
};

const std::string header = "Nr;Name;IBAN;BIC;Mandatsreferenz;Mandatsdatum;Betrag;Turnus;Beginn\n";
const std::string goodLine =
    "17;Jörg Müller;DE89370400440532013000;;M-17;01.03.2026;15,00;vierteljährlich;01.01.2027\n";

} // namespace

TEST_F(MemberCsv, ReadsASpreadsheetInAnyColumnOrder) {
    // UTF-8 with a byte order mark and CR LF, the BIC column left out, a quoted name holding
    // the separator, blanks around fields and an empty last line.
    const std::string file = "\xEF\xBB\xBF"
                             "Beginn;Turnus;Betrag;Mandatsdatum;Mandatsreferenz;IBAN;Name;Nr\r\n"
                             "01.01.2027;jährlich;120;1.3.2026;M-2;AT611904300234573201;"
                             "\"Grün; Weiß\";2\r\n"
                             " 01.04.2027 ; monatlich ; 1.005,50 ; 15.02.2026 ; M-1 ; "
                             "de89 3704 0044 0532 0130 00 ; Erika Muster ; 1 \r\n"
                             ";;;;;;;\r\n";
    const auto members = read(file);
    ASSERT_TRUE(members) << members.error().message;
    ASSERT_EQ(2u, members->size());
    const core::Member &first = (*members)[0];
    EXPECT_EQ(2, first.number);
    EXPECT_EQ("Grün; Weiß", first.name);
    EXPECT_EQ("AT611904300234573201", first.iban);
    EXPECT_EQ("", first.bic) << "none needed within the EEA";
    EXPECT_EQ(1200000, first.fee);
    EXPECT_EQ(core::FeeInterval::Yearly, first.interval);
    EXPECT_EQ(*core::ParseDate("01.03.2026"), first.mandateDate);
    EXPECT_TRUE(first.active);
    EXPECT_FALSE(first.mandateUsed);
    const core::Member &second = (*members)[1];
    EXPECT_EQ("Erika Muster", second.name);
    EXPECT_EQ("DE89370400440532013000", second.iban);
    EXPECT_EQ("COBADEFFXXX", second.bic);
    EXPECT_EQ(10055000, second.fee);
    EXPECT_EQ(core::FeeInterval::Monthly, second.interval);
    EXPECT_EQ(*core::ParseDate("01.04.2027"), second.firstDue);
}

TEST_F(MemberCsv, ReadsWindows1252) {
    const auto members =
        read("nr;name;iban;mandatsreferenz;mandatsdatum;betrag;turnus;beginn\n"
             "3;J\xF6rg M\xFCller;DE89370400440532013000;M-3;01.03.2026;15;viertelj\xE4hrlich;"
             "01.01.2027\n");
    ASSERT_TRUE(members) << members.error().message;
    ASSERT_EQ(1u, members->size());
    EXPECT_EQ("Jörg Müller", members->front().name);
    EXPECT_EQ(core::FeeInterval::Quarterly, members->front().interval);
}

TEST_F(MemberCsv, RefusesTheWholeFileNamingEachBadLine) {
    struct Case {
        const char *name;
        std::string file;
        std::vector<std::string> reasons; // parts of the message
    };
    const Case cases[] = {
        {"missing column",
         "Nr;Name;IBAN;Mandatsreferenz;Mandatsdatum;Betrag;Turnus\n" + goodLine,
         {"Zeile 1: ", "Beginn"}},
        {"column twice",
         "Nr;Name;Name;IBAN;Mandatsreferenz;Mandatsdatum;Betrag;Turnus;Beginn\n",
         {"Zeile 1: ", "zweimal"}},
        {"empty file", "", {"Zeile 1: "}},
        {"amount with a point",
         header + goodLine
             + "18;A;DE89370400440532013000;;M-18;01.03.2026;15.50;jährlich;01.01.2027\n",
         {"Zeile 3: ", "15.50"}},
        {"impossible date",
         header + "18;A;DE89370400440532013000;;M-18;31.02.2026;15;jährlich;01.01.2027\n",
         {"Zeile 2: Das Mandatsdatum „31.02.2026“"}},
        {"unknown interval",
         header + "18;A;DE89370400440532013000;;M-18;01.03.2026;15;wöchentlich;01.01.2027\n",
         {"Zeile 2: Der Turnus „wöchentlich“"}},
        {"number not a number",
         header + "A18;A;DE89370400440532013000;;M-18;01.03.2026;15;jährlich;01.01.2027\n",
         {"Zeile 2: ", "Mitgliedsnummer"}},
        {"wrong IBAN",
         header + "18;A;DE89370400440532013001;;M-18;01.03.2026;15;jährlich;01.01.2027\n",
         {"Zeile 2: Die Prüfziffern"}},
        {"BIC of another country",
         header + "18;A;NL91ABNA0417164300;COBADEFFXXX;M-18;01.03.2026;15;jährlich;01.01.2027\n",
         {"Zeile 2: Der BIC COBADEFFXXX"}},
        {"number twice",
         header + goodLine + "\n" + goodLine,
         {"Zeile 4: Die Mitgliedsnummer 17 steht schon in Zeile 2."}},
        {"mandate reference twice",
         header + goodLine
             + "18;A;DE89370400440532013000;;M-17;01.03.2026;15;jährlich;01.01.2027\n",
         {"Zeile 3: Die Mandatsreferenz M-17 steht schon in Zeile 2."}},
        {"quote not closed",
         header + "18;\"A;DE89370400440532013000;;M-18;01.03.2026;15;jährlich;01.01.2027\n",
         {"Zeile 2: ", "Anführungszeichen"}},
        {"marked UTF-8 but not",
         "\xEF\xBB\xBF" + header + "18;J\xF6rg;" + goodLine.substr(3),
         {"Zeile 2: ", "UTF-8"}},
        {"two bad lines, one good",
         header + "18;;DE89370400440532013000;;M-18;01.03.2026;15;jährlich;01.01.2027\n" + goodLine
             + "19;B;DE89370400440532013000;;M//19;01.03.2026;15;jährlich;01.01.2027\n",
         {"Zeile 2: Bitte geben Sie den Namen", "\nZeile 4: ", "//"}},
    };
    for (const Case &c : cases) {
        const auto members = read(c.file);
        ASSERT_FALSE(members) << c.name;
        for (const std::string &reason : c.reasons)
            EXPECT_NE(std::string::npos, members.error().message.find(reason))
                << c.name << ": " << members.error().message;
    }
}
