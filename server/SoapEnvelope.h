// The SOAP 1.1 side of the demo back end: reading a request envelope and
// writing the answer envelope whose result element holds a dataset of records.
//
// A client cuts the dataset ("NewDataSet" or "DocumentElement") out of the
// answer and reads its child elements as records and their children as
// fields, so an answer is built as a list of records of named text fields:
//
//     Answer answer = Answer::success();
//     answer.addItem().set("station", "鼓楼");
//     std::string body = writeSoapAnswer("stationFuzzyQuery", ns, answer);
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tansu::demo {

// The namespace of every action of the demo back end. A request may carry
// another namespace; the answer echoes whatever the request used.
inline constexpr std::string_view kServiceNamespace = "http://tansu.example.cn/";

// Requests larger than this are refused with a fault before they are parsed.
inline constexpr std::size_t kMaxEnvelopeBytes = 256 * 1024;

struct SoapRequest {
    std::string action;
    std::string actionNamespace;
    // Parameters by element name; an empty element gives the empty string.
    std::map<std::string, std::string> parameters;

    bool has(const std::string& name) const { return parameters.count(name) != 0; }
};

// Raised by action handlers and the parser; the server answers it as a SOAP
// fault with HTTP status 500.
class SoapFault : public std::runtime_error {
public:
    enum class Side { Client, Server };
    SoapFault(Side side, const std::string& message) : std::runtime_error(message), m_side(side) {}
    Side side() const { return m_side; }

private:
    Side m_side;
};

// Parses a request body. It refuses a body with a document type declaration
// (no entities at all), a root other than a SOAP 1.1 envelope, a missing body
// or action element. Throws SoapFault(Client, …) with the reason.
SoapRequest parseSoapRequest(std::string_view body);

// Checks the "SOAPAction" header against the action element: an empty header
// is accepted; otherwise, without its optional quotes, it must be the action
// name itself or end with "/" followed by it.
bool soapActionAgrees(std::string_view header, std::string_view action);

class Record {
public:
    Record& set(std::string_view name, std::string_view value);
    Record& set(std::string_view name, long long value);
    const std::vector<std::pair<std::string, std::string>>& fields() const { return m_fields; }
    // The value of the first field of that name, or none.
    std::optional<std::string> get(std::string_view name) const;

private:
    std::vector<std::pair<std::string, std::string>> m_fields;
};

// What an action answers. The first record carries the status ("code" and
// "msg"); list answers put their first item into that same record, so a client
// that stops at the first record without the list's key field reads them all.
class Answer {
public:
    enum class Root { NewDataSet, DocumentElement };

    static Answer success(std::string_view message = "成功");
    // Code "999": a message for the user.
    static Answer refusal(std::string_view message);

    Answer& useDocumentElement();
    Root root() const { return m_root; }
    Record& status() { return m_records.front(); }
    // The record for the next list item: the status record first, then new ones.
    Record& addItem();
    const std::vector<Record>& records() const { return m_records; }

private:
    Answer() = default;
    Root m_root{Root::NewDataSet};
    std::vector<Record> m_records;
    bool m_statusHoldsItem{false};
};

std::string xmlEscape(std::string_view text);

std::string writeSoapAnswer(std::string_view action, std::string_view actionNamespace, const Answer& answer);
std::string writeSoapFault(SoapFault::Side side, std::string_view message);

} // namespace tansu::demo
