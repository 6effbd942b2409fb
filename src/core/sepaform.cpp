#include "sepaform.h"

#include "date.h"
#include "iban.h"

#include <vector>

namespace penvaro::core {
namespace {

// The SEPA form keeps the line grid of the forms before it: a line every 8.5 mm below the
// base line, each field one line, the date one and a half lines below the last field.
constexpr int baseLine = -41;
constexpr int linePitch = 85;
constexpr int halfLine = 42;
constexpr int cellHeight = 52;
constexpr int left = 70;

constexpr int line(int k) {
    return baseLine - linePitch * k;
}

// The characters start to start + count of a UTF-8 text.
std::string characters(const std::string &text, std::size_t start, std::size_t count) {
    std::vector<std::size_t> starts; // byte offset of each character
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    if (start >= starts.size())
        return {};
    const std::size_t end = start + count < starts.size() ? starts[start + count] : text.size();
    return text.substr(starts[start], end - starts[start]);
}

Error tooLong(const std::string &what, std::size_t limit) {
    return {ErrorKind::Invalid, what + " hat auf dem Überweisungsvordruck nur "
                                    + std::to_string(limit)
                                    + " Zeichen Platz; bitte kürzen Sie ihn oder zahlen Sie per "
                                      "GiroCode oder SEPA-Datei."};
}

} // namespace

Result<void> FitsSepaPaperForm(const SepaTransfer &transfer) {
    if (Utf8Length(transfer.name) > SepaFormLineLength)
        return tooLong("Der Name des Empfängers", SepaFormLineLength);
    if (Utf8Length(transfer.purpose) > 2 * SepaFormLineLength)
        return tooLong("Der Verwendungszweck", 2 * SepaFormLineLength);
    return {};
}

FormPage SepaTransferFormPage(const SepaTransfer &transfer, const SepaDebtor &debtor,
                              double today) {
    FormPage page{"Tarvel Software - SEPA-Überweisungsdrucker", {}, true};
    const auto put = [&](int x, int y, const std::string &text) {
        page.texts.push_back({x, y, text, FormFont(cellHeight)});
    };
    put(left, line(0) + halfLine, debtor.bankName);
    put(780, line(0) + halfLine, debtor.bic);
    put(left, line(1), transfer.name);
    put(left, line(2), transfer.iban);
    put(left, line(3), transfer.bic);
    put(850, line(4), GermanAmountText(transfer.amount));
    put(left, line(5), characters(transfer.purpose, 0, SepaFormLineLength));
    put(left, line(6), characters(transfer.purpose, SepaFormLineLength, SepaFormLineLength));
    put(left, line(7), debtor.name);
    put(left, line(8), debtor.iban);
    // Line 9.5: 807.5 below the base line, rounded to the even 808.
    put(400, baseLine - 808, FormatDate(today));
    return page;
}

FormPage SepaTransferReceiptPage(const SepaTransfer &transfer, const SepaDebtor &debtor,
                                 double today) {
    FormPage page{"Tarvel SoftLabs. - Überweisungsdrucker", {}, false};
    const auto put = [&](int x, int y, const std::string &text, const CanvasFont &font) {
        page.texts.push_back({x, y, text, font});
    };
    const auto row = [&](int y, const std::string &label, const std::string &value,
                         bool bold = false) {
        put(150, y, label, ReceiptFont(bold));
        put(600, y, value, ReceiptFont(bold));
    };
    put(700, -100, "SEPA-Überweisungsbericht", ReceiptHeadingFont());
    put(400, -200, "Auftraggeber: " + debtor.name + ", IBAN: " + IbanInGroups(debtor.iban),
        ReceiptFont(true));
    row(-475, "Empfänger:", transfer.name);
    row(-525, "IBAN:", IbanInGroups(transfer.iban));
    row(-575, "BIC:", transfer.bic);
    row(-625, "Betrag:", GermanAmountText(transfer.amount) + " EUR", true);
    row(-675, "Verwendungszweck:", characters(transfer.purpose, 0, 70));
    row(-725, "", characters(transfer.purpose, 70, 70));
    row(-775, "Ausführungsdatum:", FormatDate(transfer.execution > 0 ? transfer.execution : today));
    return page;
}

} // namespace penvaro::core
