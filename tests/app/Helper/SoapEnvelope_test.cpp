#include "Helper/WebService/SoapEnvelope.h"
#include "Helper/WebService/SoapResult.h"

#include <gtest/gtest.h>

namespace {
const std::string kNs = "http://tansu.example.cn/";
const std::string kHead = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                          "<soap:Envelope xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                          "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" "
                          "xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>";
const std::string kTail = "</soap:Body></soap:Envelope>\n";
} // namespace

TEST(SoapEnvelopeTest, ActionWithoutParametersIsAnEmptyElementInTheServiceNamespace) {
    EXPECT_EQ(buildSoapEnvelope(kNs, "anonymousUserRegister", {}),
              kHead + "<anonymousUserRegister xmlns=\"http://tansu.example.cn/\"/>" + kTail);
}

TEST(SoapEnvelopeTest, ParametersKeepTheirOrderEmptyOnesSelfCloseAndTextIsEscaped) {
    EXPECT_EQ(buildSoapEnvelope(kNs, "getUpdateInfo",
                                {{"clientType", "iphone"}, {"phoneFeature", ""}, {"q", "a<b & 人民广场>"}}),
              kHead +
                  "<getUpdateInfo xmlns=\"http://tansu.example.cn/\"><clientType>iphone</clientType>"
                  "<phoneFeature/><q>a&lt;b &amp; 人民广场&gt;</q></getUpdateInfo>" +
                  kTail);
}

TEST(SoapEnvelopeTest, HeadersNameTheActionWithoutSeparatorOrQuotes) {
    auto headers = soapHeaders(kNs, "anonymousUserRegister");
    ASSERT_EQ(headers.size(), 2u);
    EXPECT_EQ(headers[0], (std::pair<std::string, std::string>{"Content-Type", "text/xml; charset=utf-8"}));
    EXPECT_EQ(headers[1], (std::pair<std::string, std::string>{
                              "SOAPAction", "http://tansu.example.cn/anonymousUserRegister"}));
}

TEST(SoapFragmentTest, CutsTheFragmentByTheMarkerRules) {
    struct Case {
        const char* name;
        std::string body;
        FragmentOutcome outcome;
        std::optional<std::string> fragment;
    };
    const Case cases[] = {
        {"NewDataSet in a SOAP answer",
         "<soap:Envelope><soap:Body><xResult><NewDataSet "
         "xmlns=\"\"><T><code>200</code></T></NewDataSet></xResult></soap:Body></soap:Envelope>",
         FragmentOutcome::Found, "<NewDataSet xmlns=\"\"><T><code>200</code></T></NewDataSet>"},
        {"both pairs: NewDataSet wins",
         "<DocumentElement><a/></DocumentElement><NewDataSet><b/></NewDataSet>", FragmentOutcome::Found,
         "<NewDataSet><b/></NewDataSet>"},
        {"DocumentElement only", "x<DocumentElement a=\"1\"><r><f>1</f></r></DocumentElement>y",
         FragmentOutcome::Found, "<DocumentElement a=\"1\"><r><f>1</f></r></DocumentElement>"},
        {"opening marker alone", "<NewDataSet><T/>", FragmentOutcome::NoFragment, std::nullopt},
        {"closing marker alone, DocumentElement not consulted",
         "</NewDataSet><DocumentElement></DocumentElement>", FragmentOutcome::NoFragment, std::nullopt},
        {"closing before opening", "</NewDataSet><NewDataSet>", FragmentOutcome::NoFragment, std::nullopt},
        {"a 500 SOAP fault",
         "<soap:Envelope><soap:Body><soap:Fault><faultstring>x</faultstring></soap:Fault></soap:Body></"
         "soap:Envelope>",
         FragmentOutcome::NoFragment, std::nullopt},
        {"invalid UTF-8", "<NewDataSet>\xff</NewDataSet>", FragmentOutcome::Undecodable, std::nullopt},
        {"empty body", "", FragmentOutcome::NoFragment, std::nullopt},
    };
    for (auto& c : cases) {
        auto cut = cutSoapFragment(c.body);
        EXPECT_EQ(cut.outcome, c.outcome) << c.name;
        EXPECT_EQ(cut.text, c.fragment) << c.name;
    }
}

TEST(SoapResultTest, ReadsRecordsFieldsStatusAndLists) {
    auto result = SoapResult::parse(
        std::string("<NewDataSet><diffgr:x><code>200</code><msg/><code>999</code></diffgr:x>"
                    "<Table><busLine>1</busLine></Table><Table><busLine>K1</busLine></Table>"
                    "<Table><other>z</other></Table><Table><busLine>2</busLine></Table></NewDataSet>"));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->rootName(), "NewDataSet");
    EXPECT_TRUE(result->isSuccess()); // the first field of a name wins
    EXPECT_EQ(result->msg(), "");
    EXPECT_EQ(result->first().field("missing"), "");
    // A list starts at the first record and stops at the first record without its key.
    EXPECT_TRUE(result->list("busLine").empty());
    auto fromSecond =
        SoapResult::parse(std::string("<DocumentElement><T><busLine>1</busLine></T><T><busLine>K1</busLine></"
                                      "T><T><x/></T><T><busLine>2</busLine></T></DocumentElement>"));
    ASSERT_TRUE(fromSecond);
    auto lines = fromSecond->list("busLine");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1]->field("busLine"), "K1");
}

TEST(SoapResultTest, UnparsableFragmentsAreIgnored) {
    EXPECT_FALSE(SoapResult::parse(std::nullopt));
    EXPECT_FALSE(SoapResult::parse(std::string("<NewDataSet><a></NewDataSet>")));
    EXPECT_FALSE(SoapResult::parse(std::string("")));
}

TEST(SoapResultTest, CutsASingleValueBetweenTags) {
    EXPECT_EQ(cutBetween("<T><systemTime>1796977800000</systemTime></T>", "<systemTime>", "</systemTime>"),
              "1796977800000");
    EXPECT_EQ(cutBetween("<systemTime>1", "<systemTime>", "</systemTime>"), std::nullopt);
}
