#include "prenotificationprintout.h"

#include "date.h"
#include "formprint.h"
#include "listpage.h"
#include "sepatransfer.h"

namespace penvaro::core {
namespace {

constexpr int left = 150;
constexpr int valueX = 700;
constexpr int lineStep = 70;

// Columns of the board's list, in a smaller font so that a mandate reference fits whole.
constexpr int numberX = 150;
constexpr int nameX = 260;
constexpr int nameWidth = 600;
constexpr int referenceX = 880;
constexpr int referenceWidth = 560;
constexpr int sequenceX = 1460;
constexpr int ibanX = 1600;
constexpr int amountX = 1950;

CanvasFont listFont(bool bold = false) {
    return {"Arial", 38, bold};
}

std::string euro(std::int64_t amount) {
    return GermanAmountText(amount) + " EUR";
}

void letter(Canvas &canvas, const SepaCreditor &creditor, const DirectDebit &debit,
            double dueDate) {
    canvas.setFont(ReceiptFont());
    canvas.text(left, -150, debit.name, TextAlign::Left);
    canvas.text(left, -220, "Mitglied Nr. " + std::to_string(debit.memberNumber), TextAlign::Left);
    canvas.setFont(ReceiptHeadingFont());
    canvas.text(left, -450, "Vorabankündigung der SEPA-Lastschrift", TextAlign::Left);
    canvas.setFont(ReceiptFont());
    canvas.text(left, -560, "Guten Tag,", TextAlign::Left);
    canvas.text(left, -630,
                "wir ziehen Ihren Beitrag am " + FormatDate(dueDate)
                    + " per SEPA-Basislastschrift von Ihrem Konto ein.",
                TextAlign::Left);
    canvas.text(left, -700, "Bitte sorgen Sie für ausreichende Deckung.", TextAlign::Left);
    const std::pair<std::string, std::string> rows[] = {
        {"Zahlungsempfänger", creditor.name},        {"Gläubiger-ID", creditor.creditorId},
        {"Mandatsreferenz", debit.mandateReference}, {"Betrag", euro(debit.amount)},
        {"Fälligkeitstag", FormatDate(dueDate)},     {"Ihre IBAN", ShortenedIban(debit.iban)},
        {"Verwendungszweck", debit.purpose},
    };
    int y = -850;
    for (const auto &[label, value] : rows) {
        canvas.text(left, y, label + ":", TextAlign::Left);
        canvas.text(valueX, y, value, TextAlign::Left);
        y -= lineStep;
    }
}

void listHeader(Canvas &canvas, const SepaCreditor &creditor, double dueDate) {
    canvas.setFont(ReceiptHeadingFont());
    canvas.text(left, -150, "Lastschrifteinzug zum " + FormatDate(dueDate), TextAlign::Left);
    canvas.setFont(ReceiptFont());
    canvas.text(left, -240, creditor.name + ", Gläubiger-ID " + creditor.creditorId,
                TextAlign::Left);
    canvas.setFont(listFont(true));
    constexpr int y = -350;
    canvas.text(numberX, y, "Nr.", TextAlign::Left);
    canvas.text(nameX, y, "Name", TextAlign::Left);
    canvas.text(referenceX, y, "Mandatsreferenz", TextAlign::Left);
    canvas.text(sequenceX, y, "Art", TextAlign::Left);
    canvas.text(ibanX, y, "IBAN", TextAlign::Left);
    canvas.text(amountX, y, "Betrag", TextAlign::Right);
    canvas.setPenWidth(ThinPen);
    canvas.line(numberX, y - 60, amountX, y - 60);
    canvas.setFont(listFont());
}

void boardList(Canvas &canvas, const SepaCreditor &creditor, const std::vector<DirectDebit> &debits,
               double dueDate) {
    constexpr int firstRowY = -440;
    listHeader(canvas, creditor, dueDate);
    int y = firstRowY;
    std::int64_t sum = 0;
    for (const DirectDebit &debit : debits) {
        if (y < LowestRowY) {
            canvas.newPage();
            listHeader(canvas, creditor, dueDate);
            y = firstRowY;
        }
        canvas.text(numberX, y, std::to_string(debit.memberNumber), TextAlign::Left);
        canvas.clippedText(nameX, y, nameWidth, debit.name);
        canvas.clippedText(referenceX, y, referenceWidth, debit.mandateReference);
        canvas.text(sequenceX, y, std::string(SequenceCode(debit.sequence)), TextAlign::Left);
        canvas.text(ibanX, y, ShortenedIban(debit.iban), TextAlign::Left);
        canvas.text(amountX, y, GermanAmountText(debit.amount), TextAlign::Right);
        sum += debit.amount;
        y -= RowStep + 10;
    }
    canvas.line(numberX, y + 5, amountX, y + 5);
    canvas.setFont(listFont(true));
    canvas.text(nameX, y - 30,
                std::to_string(debits.size())
                    + (debits.size() == 1 ? " Lastschrift" : " Lastschriften"),
                TextAlign::Left);
    canvas.text(amountX, y - 30, euro(sum), TextAlign::Right);
}

} // namespace

std::string ShortenedIban(std::string_view iban) {
    return "…" + std::string(iban.substr(iban.size() > 4 ? iban.size() - 4 : 0));
}

Result<void> PrintPreNotifications(Canvas &canvas, const SepaCreditor &creditor,
                                   const std::vector<DirectDebit> &debits, double dueDate) {
    if (auto begun = canvas.beginDocument("Vorabankündigung " + FormatDate(dueDate)); !begun)
        return begun;
    for (const DirectDebit &debit : debits) {
        letter(canvas, creditor, debit, dueDate);
        canvas.newPage();
    }
    boardList(canvas, creditor, debits, dueDate);
    return canvas.endDocument();
}

} // namespace penvaro::core
