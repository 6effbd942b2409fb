#include "camtreader.h"

#include "xmlattributecount.h"
#include "xmlreadproblem.h"

#include "core/collectiveentry.h"
#include "core/date.h"

#include <QStringList>
#include <QXmlStreamReader>

#include <optional>

namespace penvaro::platform {
namespace {

const QString namespacePrefix = QStringLiteral("urn:iso:std:iso:20022:tech:xsd:camt.053.001.");
// Statements, entries and their details nest a dozen levels; far deeper is no statement.
constexpr qsizetype MaxDepth = 64;
// An element of a statement has a few namespace declarations and attributes; thousands are an
// attack on the time the XML reader takes.
constexpr int MaxAttributes = 64;

struct Text {
    QString value;
    qint64 line = 0;
    QString currency; // the Ccy of an amount
};

// One payment of an entry (TxDtls); an entry that collects several has one each.
struct TransactionState {
    std::optional<Text> amount;
    std::optional<Text> direction;
    QStringList purposes;
    QString debtor;
    QString creditor;
    QString debtorIban;
    QString creditorIban;
    QString debtorBic;
    QString creditorBic;
    QString bankReference;
    QString endToEnd;
};

struct EntryState {
    qint64 line = 0;
    std::optional<Text> amount;
    std::optional<Text> direction;
    QString status;
    std::optional<Text> valueDate;
    std::optional<Text> bookingDate;
    QString bookingType;
    QString bankReference;
    std::vector<TransactionState> transactions;
};

struct BalanceState {
    QString type;
    std::optional<Text> amount;
    std::optional<Text> direction;
    std::optional<Text> date;
};

struct StatementState {
    qint64 line = 0;
    std::optional<Text> legalNumber;
    std::optional<Text> electronicNumber;
    std::optional<Text> created;
    QString account;
    std::optional<Text> closingAmount;
    std::optional<Text> closingDirection;
    std::optional<Text> closingDate;
    std::vector<core::StatementEntry> entries;
};

core::Error located(qint64 line, const QString &element, const QString &message) {
    return {
        core::ErrorKind::Invalid,
        QStringLiteral("Zeile %1, Element %2: %3").arg(line).arg(element, message).toStdString()};
}

core::Error missing(qint64 line, const QString &element, const QString &child) {
    return located(line, element, QStringLiteral("%1 fehlt.").arg(child));
}

// The value as the message shows it; a value that runs on for pages is shown by its start.
core::Error invalid(const Text &text, const QString &element, const QString &what) {
    constexpr qsizetype shown = 40;
    const QString value =
        text.value.size() > shown ? text.value.left(shown) + QStringLiteral("…") : text.value;
    return located(text.line, element, QStringLiteral("%1 „%2“ ist ungültig.").arg(what, value));
}

// "2026-01-31", also the date part of a date with time ("2026-01-31T10:15:00+01:00").
std::optional<double> isoDate(const QString &text) {
    const QString trimmed = text.trimmed();
    if (trimmed.size() < 10 || trimmed[4] != u'-' || trimmed[7] != u'-')
        return std::nullopt;
    if (trimmed.size() > 10 && !QStringView(u"T+-Z").contains(trimmed[10]))
        return std::nullopt;
    bool yearOk = false;
    bool monthOk = false;
    bool dayOk = false;
    const core::CivilDate date{trimmed.mid(0, 4).toInt(&yearOk), trimmed.mid(5, 2).toInt(&monthOk),
                               trimmed.mid(8, 2).toInt(&dayOk)};
    const auto allDigits = [&](qsizetype from, qsizetype count) {
        for (qsizetype i = from; i < from + count; ++i) {
            if (!trimmed[i].isDigit() || trimmed[i].unicode() > u'9')
                return false;
        }
        return true;
    };
    if (!allDigits(0, 4) || !allDigits(5, 2) || !allDigits(8, 2) || !yearOk || !monthOk || !dayOk
        || !core::IsValidCivilDate(date))
        return std::nullopt;
    return core::DayCountFromCivil(date);
}

std::optional<std::int64_t> amountOf(const QString &text) {
    return core::ParseStatementAmount(text.trimmed().toStdString(), '.');
}

// An amount without currency is taken to be in the account's.
bool inEuro(const Text &amount) {
    return amount.currency.isEmpty()
           || amount.currency
                  == QLatin1StringView(core::AccountCurrency.data(), core::AccountCurrency.size());
}

core::Error foreignCurrency(qint64 line, const QString &element, const QString &what,
                            const QString &currency) {
    return located(line, element,
                   QStringLiteral("%1 ist in der Währung „%2“ angegeben; eine Kontodatei führt "
                                  "Euro. Der Kontoauszug wird nicht importiert.")
                       .arg(what, currency));
}

// CRDT "+", DBIT "-".
std::optional<char16_t> directionOf(const QString &text) {
    if (text.trimmed() == u"CRDT")
        return u'+';
    if (text.trimmed() == u"DBIT")
        return u'-';
    return std::nullopt;
}

// A payment among an entry's details; an amount in another currency is no amount to book.
core::Result<core::StatementTransaction> paymentOf(const TransactionState &transaction,
                                                   char16_t entrySign) {
    core::StatementTransaction payment;
    if (transaction.amount && inEuro(*transaction.amount)) {
        payment.amount = amountOf(transaction.amount->value);
        if (!payment.amount)
            return invalid(*transaction.amount, QStringLiteral("TxDtls/Amt"),
                           QStringLiteral("Der Betrag"));
    }
    if (transaction.direction) {
        payment.sign = directionOf(transaction.direction->value);
        if (!payment.sign)
            return invalid(*transaction.direction, QStringLiteral("TxDtls/CdtDbtInd"),
                           QStringLiteral("Die Soll/Haben-Kennung"));
    }
    // The other party: who paid a credit, who was paid by a debit.
    const bool credit = payment.sign.value_or(entrySign) == u'+';
    payment.party = (credit ? transaction.debtor : transaction.creditor).toStdString();
    payment.purpose = transaction.purposes.join(u' ').toStdString();
    payment.partyIban =
        core::PartyIban((credit ? transaction.debtorIban : transaction.creditorIban).toStdString());
    payment.partyBic =
        core::PartyBic((credit ? transaction.debtorBic : transaction.creditorBic).toStdString());
    return payment;
}

class CamtReader {
public:
    explicit CamtReader(const QByteArray &document)
        : m_xml(document) {}

    core::Result<std::vector<core::Statement>> read();

private:
    core::Result<void> start();
    core::Result<void> end();
    core::Result<void> endEntry();
    core::Result<void> endTransaction(const QString &path, const Text &value);
    core::Result<void> endStatement();

    // The element's path below Stmt ("Ntry/ValDt/Dt"); empty for Stmt itself, nothing outside.
    std::optional<QString> statementPath() const;
    Text text() const { return {m_text, m_xml.lineNumber(), m_currency}; }

    QXmlStreamReader m_xml;
    QStringList m_path;
    QString m_text;
    QString m_currency; // of the element last started
    bool m_leaf = false;
    std::optional<StatementState> m_statement;
    std::optional<EntryState> m_entry;
    BalanceState m_balance;
    std::vector<core::Statement> m_statements;
};

std::optional<QString> CamtReader::statementPath() const {
    if (m_path.size() < 3 || m_path[0] != u"Document" || m_path[1] != u"BkToCstmrStmt"
        || m_path[2] != u"Stmt")
        return std::nullopt;
    return m_path.mid(3).join(u'/');
}

core::Result<void> CamtReader::start() {
    const QString name = m_xml.name().toString();
    if (m_path.isEmpty()) {
        const QString uri = m_xml.namespaceUri().toString();
        const bool known =
            uri.startsWith(namespacePrefix)
            && QStringList{QStringLiteral("02"), QStringLiteral("03"), QStringLiteral("04"),
                           QStringLiteral("05"), QStringLiteral("06"), QStringLiteral("07"),
                           QStringLiteral("08")}
                   .contains(uri.mid(namespacePrefix.size()));
        if (name != u"Document" || !known)
            return located(m_xml.lineNumber(), name,
                           QStringLiteral("Die Datei ist kein Kontoauszug im Format CAMT.053 "
                                          "001.02 bis 001.08 (Namensraum „%1“).")
                               .arg(uri));
    }
    if (m_path.size() >= MaxDepth)
        return located(m_xml.lineNumber(), name,
                       QStringLiteral("Die Elemente sind zu tief verschachtelt."));
    m_path.append(name);
    m_text.clear();
    m_currency = m_xml.attributes().value(QStringLiteral("Ccy")).trimmed().toString();
    m_leaf = true;
    const auto path = statementPath();
    if (!path)
        return {};
    if (path->isEmpty())
        m_statement.emplace().line = m_xml.lineNumber();
    else if (*path == u"Ntry")
        m_entry.emplace().line = m_xml.lineNumber();
    else if (*path == u"Bal")
        m_balance = {};
    else if (*path == u"Ntry/NtryDtls/TxDtls" && m_entry)
        m_entry->transactions.emplace_back();
    return {};
}

core::Result<void> CamtReader::end() {
    const auto path = statementPath();
    const bool leaf = m_leaf;
    m_leaf = false;
    if (!path || !m_statement)
        return {};
    if (path->isEmpty())
        return endStatement();
    if (*path == u"Ntry")
        return m_entry ? endEntry() : core::Result<void>{};
    if (*path == u"Bal") {
        if (m_balance.type.trimmed() == u"CLBD") {
            if (!m_balance.amount || !m_balance.direction)
                return missing(m_xml.lineNumber(), QStringLiteral("Bal"),
                               m_balance.amount ? QStringLiteral("CdtDbtInd")
                                                : QStringLiteral("Amt"));
            m_statement->closingAmount = m_balance.amount;
            m_statement->closingDirection = m_balance.direction;
            m_statement->closingDate = m_balance.date;
        }
        return {};
    }
    if (!leaf)
        return {};
    const Text value = text();
    if (*path == u"LglSeqNb")
        m_statement->legalNumber = value;
    else if (*path == u"ElctrncSeqNb")
        m_statement->electronicNumber = value;
    else if (*path == u"CreDtTm")
        m_statement->created = value;
    else if (*path == u"Acct/Id/IBAN" || *path == u"Acct/Id/Othr/Id")
        m_statement->account = value.value.trimmed();
    else if (*path == u"Acct/Ccy" && !inEuro({{}, 0, value.value.trimmed()}))
        return foreignCurrency(value.line, QStringLiteral("Ccy"), QStringLiteral("Das Konto"),
                               value.value.trimmed());
    else if (*path == u"Bal/Tp/CdOrPrtry/Cd")
        m_balance.type = value.value;
    else if (*path == u"Bal/Amt" && !inEuro(value))
        return foreignCurrency(value.line, QStringLiteral("Bal/Amt"), QStringLiteral("Der Saldo"),
                               value.currency);
    else if (*path == u"Bal/Amt")
        m_balance.amount = value;
    else if (*path == u"Bal/CdtDbtInd")
        m_balance.direction = value;
    else if (*path == u"Bal/Dt/Dt" || *path == u"Bal/Dt/DtTm")
        m_balance.date = value;
    if (!m_entry)
        return {};
    EntryState &entry = *m_entry;
    if (path->startsWith(u"Ntry/NtryDtls/TxDtls/") && !entry.transactions.empty())
        return endTransaction(path->mid(QStringLiteral("Ntry/NtryDtls/TxDtls/").size()), value);
    if (*path == u"Ntry/Amt")
        entry.amount = value;
    else if (*path == u"Ntry/CdtDbtInd")
        entry.direction = value;
    else if (*path == u"Ntry/Sts" || *path == u"Ntry/Sts/Cd")
        entry.status = value.value.trimmed();
    else if (*path == u"Ntry/ValDt/Dt" || *path == u"Ntry/ValDt/DtTm")
        entry.valueDate = value;
    else if (*path == u"Ntry/BookgDt/Dt" || *path == u"Ntry/BookgDt/DtTm")
        entry.bookingDate = value;
    else if (*path == u"Ntry/AddtlNtryInf")
        entry.bookingType = value.value;
    else if (*path == u"Ntry/AcctSvcrRef")
        entry.bankReference = value.value;
    return {};
}

core::Result<void> CamtReader::endTransaction(const QString &path, const Text &value) {
    TransactionState &transaction = m_entry->transactions.back();
    // The older versions give the amount only among the amount details.
    if (path == u"Amt" || (path == u"AmtDtls/TxAmt/Amt" && !transaction.amount))
        transaction.amount = value;
    else if (path == u"CdtDbtInd")
        transaction.direction = value;
    else if (path == u"RmtInf/Ustrd")
        transaction.purposes.append(value.value);
    else if (path == u"RltdPties/Dbtr/Nm" || path == u"RltdPties/Dbtr/Pty/Nm")
        transaction.debtor = value.value;
    else if (path == u"RltdPties/Cdtr/Nm" || path == u"RltdPties/Cdtr/Pty/Nm")
        transaction.creditor = value.value;
    else if (path == u"RltdPties/DbtrAcct/Id/IBAN")
        transaction.debtorIban = value.value;
    else if (path == u"RltdPties/CdtrAcct/Id/IBAN")
        transaction.creditorIban = value.value;
    else if (path == u"RltdAgts/DbtrAgt/FinInstnId/BIC"
             || path == u"RltdAgts/DbtrAgt/FinInstnId/BICFI")
        transaction.debtorBic = value.value;
    else if (path == u"RltdAgts/CdtrAgt/FinInstnId/BIC"
             || path == u"RltdAgts/CdtrAgt/FinInstnId/BICFI")
        transaction.creditorBic = value.value;
    else if (path == u"Refs/AcctSvcrRef")
        transaction.bankReference = value.value;
    else if (path == u"Refs/EndToEndId")
        transaction.endToEnd = value.value;
    return {};
}

core::Result<void> CamtReader::endEntry() {
    EntryState entry = std::move(*m_entry);
    m_entry.reset();
    // Pending and expected entries are no bookings yet.
    if (!entry.status.isEmpty() && entry.status != u"BOOK")
        return {};
    const QString element = QStringLiteral("Ntry");
    if (!entry.amount)
        return missing(entry.line, element, QStringLiteral("Amt"));
    if (!entry.direction)
        return missing(entry.line, element, QStringLiteral("CdtDbtInd"));
    const auto amount = amountOf(entry.amount->value);
    if (!amount)
        return invalid(*entry.amount, QStringLiteral("Amt"), QStringLiteral("Der Betrag"));
    const auto sign = directionOf(entry.direction->value);
    if (!sign)
        return invalid(*entry.direction, QStringLiteral("CdtDbtInd"),
                       QStringLiteral("Die Soll/Haben-Kennung"));
    std::optional<double> bookingDate;
    if (entry.bookingDate) {
        bookingDate = isoDate(entry.bookingDate->value);
        if (!bookingDate)
            return invalid(*entry.bookingDate, QStringLiteral("BookgDt"),
                           QStringLiteral("Das Buchungsdatum"));
    }
    std::optional<double> valueDate = bookingDate;
    if (entry.valueDate) {
        valueDate = isoDate(entry.valueDate->value);
        if (!valueDate)
            return invalid(*entry.valueDate, QStringLiteral("ValDt"),
                           QStringLiteral("Das Wertdatum"));
    }
    if (!valueDate)
        return missing(entry.line, element, QStringLiteral("ValDt"));
    if (!inEuro(*entry.amount))
        return foreignCurrency(entry.amount->line, QStringLiteral("Amt"),
                               QStringLiteral("Der Betrag"), entry.amount->currency);

    core::StatementEntry made;
    made.valueDate = *valueDate;
    made.bookingDate = bookingDate;
    made.sign = *sign;
    made.amount = *amount;
    made.bookingType = entry.bookingType.toStdString();
    const auto key = [&made](core::ReferenceKind kind, const QString &reference) {
        return core::EntryReferenceKey(kind, reference.toStdString(), made.valueDate, made.sign,
                                       made.amount);
    };
    if (auto reference = key(core::ReferenceKind::Bank, entry.bankReference))
        made.references.push_back(std::move(*reference));
    std::vector<core::StatementTransaction> payments;
    for (const TransactionState &transaction : entry.transactions) {
        auto payment = paymentOf(transaction, *sign);
        if (!payment)
            return payment.error();
        for (const auto &reference : {key(core::ReferenceKind::Bank, transaction.bankReference),
                                      key(core::ReferenceKind::EndToEnd, transaction.endToEnd)}) {
            if (reference)
                payment->references.push_back(*reference);
        }
        payments.push_back(std::move(*payment));
    }
    for (core::StatementEntry &booked : core::SplitCollectiveEntry(made, payments))
        m_statement->entries.push_back(std::move(booked));
    return {};
}

core::Result<void> CamtReader::endStatement() {
    StatementState state = std::move(*m_statement);
    m_statement.reset();
    const QString element = QStringLiteral("Stmt");
    core::Statement statement;
    statement.accountId = state.account.toStdString();
    if (!state.created)
        return missing(state.line, element, QStringLiteral("CreDtTm"));
    const auto created = isoDate(state.created->value);
    if (!created)
        return invalid(*state.created, QStringLiteral("CreDtTm"),
                       QStringLiteral("Das Erstellungsdatum"));
    statement.date = *created;
    // The legal number is the one printed on the paper statement; a statement without either
    // number gets 0 rather than being refused.
    const bool legal = state.legalNumber.has_value();
    if (const auto &number = legal ? state.legalNumber : state.electronicNumber) {
        bool ok = false;
        const uint value = number->value.trimmed().toUInt(&ok);
        if (!ok || value > 65535 || !number->value.trimmed().front().isDigit())
            return invalid(*number,
                           legal ? QStringLiteral("LglSeqNb") : QStringLiteral("ElctrncSeqNb"),
                           QStringLiteral("Die Auszugsnummer"));
        statement.number = static_cast<std::uint16_t>(value);
    }
    if (state.closingAmount) {
        const auto amount = amountOf(state.closingAmount->value);
        if (!amount)
            return invalid(*state.closingAmount, QStringLiteral("Bal/Amt"),
                           QStringLiteral("Der Schlusssaldo"));
        const auto sign = directionOf(state.closingDirection->value);
        if (!sign)
            return invalid(*state.closingDirection, QStringLiteral("Bal/CdtDbtInd"),
                           QStringLiteral("Die Soll/Haben-Kennung"));
        statement.closingBalance = *sign == u'+' ? *amount : -*amount;
        if (state.closingDate) {
            statement.closingDate = isoDate(state.closingDate->value);
            if (!statement.closingDate)
                return invalid(*state.closingDate, QStringLiteral("Bal/Dt"),
                               QStringLiteral("Das Datum des Schlusssaldos"));
        }
    }
    statement.entries = std::move(state.entries);
    m_statements.push_back(std::move(statement));
    return {};
}

core::Result<std::vector<core::Statement>> CamtReader::read() {
    while (!m_xml.atEnd()) {
        core::Result<void> step;
        switch (m_xml.readNext()) {
        case QXmlStreamReader::DTD:
            return located(m_xml.lineNumber(), QStringLiteral("DOCTYPE"),
                           QStringLiteral("Kontoauszüge enthalten keine Dokumenttyp-Deklaration; "
                                          "die Datei wird nicht gelesen."));
        case QXmlStreamReader::EntityReference:
            return located(m_xml.lineNumber(), m_xml.name().toString(),
                           QStringLiteral("Verweise auf Entitäten werden nicht aufgelöst."));
        case QXmlStreamReader::StartElement:
            step = start();
            break;
        case QXmlStreamReader::EndElement:
            step = end();
            m_path.removeLast();
            break;
        case QXmlStreamReader::Characters:
            m_text += m_xml.text();
            break;
        default:
            break;
        }
        if (!step)
            return step.error();
    }
    if (m_xml.hasError())
        return XmlReadProblem(m_xml);
    if (m_statements.empty())
        return core::Error{core::ErrorKind::Invalid,
                           "Die Datei enthält keinen Kontoauszug (kein Element Stmt)."};
    return std::move(m_statements);
}

} // namespace

core::Result<std::vector<core::Statement>> ReadCamtStatements(const QByteArray &document) {
    if (auto counted = CheckXmlAttributeCounts(document, MaxAttributes); !counted)
        return counted.error();
    if (auto malformed = MalformedUtf8Problem(document))
        return *malformed;
    return CamtReader(document).read();
}

} // namespace penvaro::platform
