#include "support/bankcodelines.h"

#include "core/accountmethodcheck.h"
#include "core/bankcodelist.h"
#include "core/date.h"
#include "core/mandatereference.h"
#include "core/member.h"

#include <gtest/gtest.h>

#include <optional>

using namespace penvaro;

namespace {

double day(const char *text) {
    return *core::ParseDate(text);
}

class PassingMethods : public core::AccountMethodCheck {
public:
    core::AccountMethodVerdict check(std::string_view, std::string_view) const override {
        return core::AccountMethodVerdict::Passed;
    }
};

core::Member member(core::FeeInterval interval, const char *firstDue) {
    core::Member m;
    m.number = 17;
    m.name = "Jörg Müller";
    m.iban = "DE89370400440532013000";
    m.mandateReference = "M-17";
    m.mandateDate = day("01.03.2026");
    m.fee = 150000;
    m.interval = interval;
    m.firstDue = day(firstDue);
    return m;
}

} // namespace

TEST(MandateReference, TakesTheSepaCharactersUpTo35) {
    struct Case {
        std::string typed;
        std::optional<std::string> checked; // nothing: refused
    };
    const Case cases[] = {
        {"M-2027/17", "M-2027/17"},
        {"  Mitglied 17 (Jugend)  ", "Mitglied 17 (Jugend)"},
        {"A+B?C/D-E:F(G)H.I,J'K L", "A+B?C/D-E:F(G)H.I,J'K L"},
        {std::string(35, 'R'), std::string(35, 'R')},
        {std::string(36, 'R'), std::nullopt},
        {"", std::nullopt},
        {"Müller-17", std::nullopt},
        {"M_17", std::nullopt},
        {"M&17", std::nullopt},
        {"/M17", std::nullopt},
        {"M17/", std::nullopt},
        {"M//17", std::nullopt},
        {"M/1/7", "M/1/7"},
    };
    for (const Case &c : cases) {
        const auto checked = core::CheckMandateReference(c.typed);
        if (!c.checked) {
            EXPECT_FALSE(checked) << "'" << c.typed << "'";
            continue;
        }
        ASSERT_TRUE(checked) << c.typed << ": " << checked.error().message;
        EXPECT_EQ(*c.checked, *checked);
    }
}

TEST(Member, IsDueInTheMonthsOfItsIntervalFromItsFirstDueDate) {
    using enum core::FeeInterval;
    auto ended = member(Monthly, "15.01.2027");
    ended.active = false;
    auto signedLate = member(Monthly, "15.01.2027");
    signedLate.mandateDate = day("20.01.2027");
    struct Case {
        const char *name;
        core::Member member;
        const char *due;
        bool isDue;
    };
    const Case cases[] = {
        {"monthly, on the first due date", member(Monthly, "15.01.2027"), "15.01.2027", true},
        {"monthly, first due date later that month", member(Monthly, "15.01.2027"), "10.01.2027",
         false},
        {"monthly, any later month and day", member(Monthly, "15.01.2027"), "01.05.2027", true},
        {"quarterly, third month after", member(Quarterly, "01.01.2027"), "28.04.2027", true},
        {"quarterly, second month after", member(Quarterly, "01.01.2027"), "01.03.2027", false},
        {"quarterly, across the year", member(Quarterly, "01.12.2026"), "01.03.2027", true},
        {"quarterly, a year later", member(Quarterly, "01.01.2027"), "01.01.2028", true},
        {"half-yearly, sixth month after", member(HalfYearly, "01.03.2027"), "01.09.2027", true},
        {"half-yearly, ninth month after", member(HalfYearly, "01.03.2027"), "01.12.2027", false},
        {"yearly, a year later", member(Yearly, "01.02.2027"), "01.02.2028", true},
        {"yearly, eleven months later", member(Yearly, "01.02.2027"), "01.01.2028", false},
        {"before the first due date", member(Yearly, "01.02.2027"), "01.02.2026", false},
        {"ended", ended, "15.02.2027", false},
        {"mandate signed after the due date", signedLate, "15.01.2027", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.isDue, core::IsDue(c.member, day(c.due))) << c.name;
}

TEST(Member, MandateUseDecidesTheSequenceType) {
    auto m = member(core::FeeInterval::Yearly, "01.01.2027");
    EXPECT_EQ("FRST", core::SequenceCode(core::NextSequenceType(m)));
    m.mandateUsed = true;
    EXPECT_EQ("RCUR", core::SequenceCode(core::NextSequenceType(m)));
    EXPECT_EQ("OOFF", core::SequenceCode(core::SequenceType::OneOff));
}

TEST(Member, IntervalsByTheirGermanNames) {
    using enum core::FeeInterval;
    for (const core::FeeInterval interval : {Monthly, Quarterly, HalfYearly, Yearly})
        EXPECT_EQ(interval, core::IntervalOfName(core::IntervalName(interval)));
    EXPECT_EQ(Quarterly, core::IntervalOfName("Vierteljährlich"));
    EXPECT_EQ(Yearly, core::IntervalOfName("JÄHRLICH"));
    EXPECT_FALSE(core::IntervalOfName("jaehrlich"));
    EXPECT_FALSE(core::IntervalOfName("wöchentlich"));
}

TEST(Member, CheckedAsTypedFieldByField) {
    using penvaro::testing::BankCodeLine;
    const auto banks = core::BankCodeList::FromText(BankCodeLine(
        "37040044", "Commerzbank", "Commerzbank Köln", "50447", "Köln", "COBADEFFXXX"));
    const PassingMethods methods;

    auto typed = member(core::FeeInterval::Yearly, "01.01.2027");
    typed.iban = "de89 3704 0044 0532 0130 00";
    typed.mandateReference = " M-17 ";
    const auto checked = core::CheckMember(typed, banks, methods);
    ASSERT_TRUE(checked) << checked.error().message;
    EXPECT_EQ("DE89370400440532013000", checked->iban);
    EXPECT_EQ("COBADEFFXXX", checked->bic) << "from the bank code file";
    EXPECT_EQ("M-17", checked->mandateReference);

    struct Case {
        const char *name;
        void (*spoil)(core::Member &);
        const char *reason;
    };
    const Case cases[] = {
        {"no number", [](core::Member &m) { m.number = 0; }, "Mitgliedsnummer"},
        {"no name", [](core::Member &m) { m.name = " "; }, "Namen"},
        {"name too long", [](core::Member &m) { m.name = std::string(71, 'N'); }, "70 Zeichen"},
        {"wrong IBAN", [](core::Member &m) { m.iban = "DE89370400440532013001"; }, "Prüfziffern"},
        {"outside SEPA", [](core::Member &m) { m.iban = "BR1800360305000010009795493C1"; }, "SEPA"},
        {"BIC of another country",
         [](core::Member &m) {
             m.iban = "NL91ABNA0417164300";
             m.bic = "COBADEFFXXX";
         },
         "Bank in DE"},
        {"bad mandate reference", [](core::Member &m) { m.mandateReference = "M//17"; }, "//"},
        {"no mandate date", [](core::Member &m) { m.mandateDate = 0; }, "Mandat"},
        {"fee zero", [](core::Member &m) { m.fee = 0; }, "Beitrag"},
        {"fee in parts of a cent", [](core::Member &m) { m.fee = 150050; }, "ganzen Cent"},
        {"no first due date", [](core::Member &m) { m.firstDue = 0; }, "Fälligkeitstag"},
    };
    for (const Case &c : cases) {
        auto spoilt = member(core::FeeInterval::Yearly, "01.01.2027");
        c.spoil(spoilt);
        const auto refused = core::CheckMember(spoilt, banks, methods);
        ASSERT_FALSE(refused) << c.name;
        EXPECT_NE(std::string::npos, refused.error().message.find(c.reason))
            << c.name << ": " << refused.error().message;
    }
}
