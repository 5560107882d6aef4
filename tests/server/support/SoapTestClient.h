// A SOAP client for the demo back end's tests, built the way the Tansu client
// builds its requests: the envelope written by libxml2 with the declaration,
// the three namespace declarations and one element per parameter (empty ones
// self-closing), posted with "Content-Type" and "SOAPAction"; and the answer
// read the way the client reads it: the dataset fragment cut out at its
// markers, its child elements taken as records and their children as fields.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tansu::demo::test {

using Parameters = std::vector<std::pair<std::string, std::string>>;

// One record: its fields in document order.
struct FragmentRecord {
    std::vector<std::pair<std::string, std::string>> fields;
    bool has(const std::string& name) const;
    // The text of the first field of that name, "" when there is none.
    std::string operator[](const std::string& name) const;
};

struct Fragment {
    std::string rootName; // "NewDataSet" or "DocumentElement"
    std::vector<FragmentRecord> records;

    // Status fields of the first record.
    std::string code() const { return records.empty() ? "" : records[0]["code"]; }
    std::string msg() const { return records.empty() ? "" : records[0]["msg"]; }
    // The values of a list: records from the first while they have the key field.
    std::vector<std::string> list(const std::string& key) const;
};

struct SoapResult {
    int status{0}; // 0 when no answer arrived
    std::string body;
    std::optional<std::string> fragmentText; // cut out at the markers
    std::optional<Fragment> fragment;        // parsed
};

std::string buildEnvelope(const std::string& action, const Parameters& parameters,
                          const std::string& ns = "http://tansu.example.cn/");
// Cuts the "NewDataSet" (else "DocumentElement") fragment out of a body.
std::optional<std::string> cutFragment(const std::string& body);
std::optional<Fragment> parseFragment(const std::string& text);

class SoapTestClient {
public:
    SoapTestClient(int port, std::string path = "/service.asmx");
    SoapResult call(const std::string& action, const Parameters& parameters = {}) const;
    // Posts any body with any SOAPAction header.
    SoapResult post(const std::string& body, const std::string& soapAction) const;

private:
    int m_port;
    std::string m_path;
};

std::vector<std::string> split(const std::string& text, char separator = ',');

} // namespace tansu::demo::test
