// The wire format of the back end: the SOAP 1.1 request envelope, its two
// headers, and the result fragment cut out of an answer.
//
//   auto body = buildSoapEnvelope("http://tansu.example.cn/", "getBusLineRoute", {{"busLine", "1"}});
//   auto fragment = extractSoapFragment(answerBody); // "<NewDataSet>…</NewDataSet>" or none
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Parameters in the order they are sent; the server gives the order no meaning.
using SoapParameters = std::vector<std::pair<std::string, std::string>>;

// The request body: the declaration, soap:Envelope with its three namespace
// attributes, soap:Body, the action element in the service namespace with one
// child per parameter (an empty value self-closing), and a final line feed.
std::string buildSoapEnvelope(const std::string& serviceNamespace, const std::string& action,
                              const SoapParameters& parameters);

// "Content-Type" then "SOAPAction" (the namespace immediately followed by the action).
std::vector<std::pair<std::string, std::string>> soapHeaders(const std::string& serviceNamespace,
                                                             const std::string& action);

enum class FragmentOutcome {
    Found,
    NoFragment,  // the body decoded but holds no usable dataset
    Undecodable, // the body is not valid UTF-8
};

struct SoapFragment {
    FragmentOutcome outcome{FragmentOutcome::NoFragment};
    std::optional<std::string> text;
};

// From the first "<NewDataSet" through the first "/NewDataSet>", or the same
// for "DocumentElement" when neither NewDataSet marker occurs. One marker
// alone, or a closing marker before its opening marker, gives no fragment.
SoapFragment cutSoapFragment(const std::string& body);
std::optional<std::string> extractSoapFragment(const std::string& body);

// The text between the first `open` and the next `close` ("<systemTime>", "</systemTime>"), or none.
std::optional<std::string> cutBetween(const std::string& text, const std::string& open,
                                      const std::string& close);
