#include "transferform.h"

#include "date.h"

#include <array>
#include <utility>
#include <vector>

namespace penvaro::core {
namespace {

// The form's lines lie 85 apart below the base line; half a line, 42.5, is rounded to the
// even neighbour as every half-unit offset of the forms.
constexpr int baseLine = -41;
constexpr int linePitch = 85;
constexpr int halfLine = 42;
constexpr int cellHeight = 52;

constexpr int line(int k) {
    return baseLine - linePitch * k;
}

// The characters of a UTF-8 text, each a text of its own.
std::vector<std::string> characters(const std::string &text) {
    std::vector<std::string> result;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (i + length < text.size()
               && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
            ++length;
        result.push_back(text.substr(i, length));
        i += length;
    }
    return result;
}

} // namespace

FormPage TransferFormPage(const TransferOrder &order, double today) {
    using enum PaymentFormType;
    const PaymentFormType form = order.form;
    FormPage page{"Tarvel Software - Überweisungsdrucker", {}, true};
    const auto put = [&](int x, int y, const std::string &text) {
        page.texts.push_back({x, y, text, FormFont(cellHeight)});
    };

    if (form == Transfer16 || form == Transfer24)
        put(650, line(0), order.AuftraggeberBLZ);
    if (form == Transfer18) {
        put(70, line(0) + halfLine, order.AuftraggeberBank);
        put(780, line(0) + halfLine, order.AuftraggeberBLZ);
    }
    put(70, line(1), order.Empfaenger);
    put(70, line(2), order.Kontonr);
    put(1050, line(2), order.BLZ);
    put(70, line(3), order.Bank);
    put(635, line(4), order.DMEUR);
    put(850, line(4), order.Betrag);
    put(70, line(5), order.Verwendung1);
    put(70, line(6), order.Verwendung2);
    put(70, line(7), order.Auftraggeber);
    if (form != CashOnDelivery51) {
        put(70, line(8), order.EigeneKontonr);
        // Line 9.5: 807.5 below the base line, rounded to the even 808.
        put(400, baseLine - 808, FormatDate(today));
    }
    if (form == Transfer24) {
        put(635, line(8), order.Ausfuehrungsdatum);
        if (order.Anschriftweitergabe)
            put(1352, line(7), "X");
    }
    if (form == Postbank) {
        put(625, line(8), order.PostbankA);
        // Day and month go into four boxes of their own; the separators are printed on the form.
        const std::vector<std::string> chars = characters(order.PostbankB);
        constexpr std::array<std::pair<std::size_t, int>, 4> boxes = {
            {{0, 765}, {1, 815}, {3, 915}, {4, 965}}};
        for (const auto &[index, x] : boxes)
            if (index < chars.size())
                put(x, line(8), chars[index]);
        if (order.PostbankC)
            put(1165, line(8), "X");
    }
    return page;
}

} // namespace penvaro::core
