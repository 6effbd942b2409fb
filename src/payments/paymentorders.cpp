#include "paymentorders.h"

namespace penvaro::payments {
namespace {

std::string utf8(const QString &text) {
    return text.toStdString();
}

} // namespace

core::TransferOrder ToPrintable(const TransferOrder &order) {
    return {static_cast<core::PaymentFormType>(order.formType),
            utf8(order.AuftraggeberBank),
            utf8(order.AuftraggeberBLZ),
            utf8(order.Empfaenger),
            utf8(order.Kontonr),
            utf8(order.BLZ),
            utf8(order.Bank),
            utf8(order.DMEUR),
            utf8(order.Betrag),
            utf8(order.Verwendung1),
            utf8(order.Verwendung2),
            utf8(order.Auftraggeber),
            utf8(order.EigeneKontonr),
            utf8(order.Ausfuehrungsdatum),
            order.Anschriftweitergabe,
            utf8(order.PostbankA),
            utf8(order.PostbankB),
            order.PostbankC};
}

core::CrossedCheque ToPrintable(const CrossedChequeOrder &order) {
    return {utf8(order.DMEUR),
            utf8(order.Betrag),
            {utf8(order.Empfaenger[0]), utf8(order.Empfaenger[1]), utf8(order.Empfaenger[2]),
             utf8(order.Empfaenger[3])},
            utf8(order.Ort),
            utf8(order.Datum)};
}

core::EuroCheque ToPrintable(const EuroChequeOrder &order) {
    return {utf8(order.Waehrung), utf8(order.Betrag), utf8(order.Empfaenger), utf8(order.Ort),
            utf8(order.Datum)};
}

} // namespace penvaro::payments
